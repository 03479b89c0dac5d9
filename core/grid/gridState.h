#pragma once
// What the grid shows, as a plain value: every field's text, enabled and
// hidden flags; every label's caption, bold and enabled flags. It knows no
// rule: the tournament (knockout/tournament.h) runs the rules on it. Each
// change is marked, so that a view can show exactly what changed.

#include "core/grid/gridIds.h"

#include <QString>
#include <array>
#include <bitset>

// Texts that refer to the same characters are the same text: names and
// figures are shared static texts, and most copies share their characters.
inline bool SameText(const QString &a, const QString &b)
{
  return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

struct TFieldState {
  QString text;
  bool enabled = true;
  bool hidden = false;

  bool operator==(const TFieldState &o) const
  {
    return enabled == o.enabled && hidden == o.hidden && SameText(text, o.text);
  }
};

struct TLabelState {
  QString caption;
  bool bold = false;
  bool enabled = true;

  bool operator==(const TLabelState &o) const
  {
    return bold == o.bold && enabled == o.enabled && SameText(caption, o.caption);
  }
};

class TGrid {
public:
  const TFieldState &field(TField f) const { return Fields[Index(f)]; }
  const TLabelState &label(TLabel l) const { return Labels[Index(l)]; }
  const QString &text(TField f) const { return Fields[Index(f)].text; }
  const QString &caption(TLabel l) const { return Labels[Index(l)].caption; }

  // Each returns whether the value changed.
  bool writeText(TField f, const QString &text);
  bool setEnabled(TField f, bool on);
  bool setHidden(TField f, bool on);
  bool setCaption(TLabel l, const QString &caption);
  bool setBold(TLabel l, bool on);
  bool setEnabled(TLabel l, bool on);

  // The controls changed since the marks were last taken.
  struct TChanges {
    std::bitset<FieldCount> fields;
    std::bitset<LabelCount> labels;
    bool any() const { return fields.any() || labels.any(); }
  };
  TChanges takeChanges();

  bool operator==(const TGrid &o) const { return Fields == o.Fields && Labels == o.Labels; }
  bool operator!=(const TGrid &o) const { return !(*this == o); }

private:
  std::array<TFieldState, FieldCount> Fields{};
  std::array<TLabelState, LabelCount> Labels{};
  TChanges Changed;
};
