#pragma once
// What the grid shows, as a plain value: every field's text, enabled and
// hidden flags; every label's caption, bold and enabled flags. It is made
// from the tournament in the names of a language (ShowTournament); each
// change is marked, so that the window writes exactly the controls that
// changed.

#include "app/gridIds.h"
#include "core/tournament/scoreText.h"
#include "core/tournament/tournament.h"

#include <QString>
#include <array>
#include <bitset>


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
  const TFieldState &field(TGridField f) const { return Fields[Index(f)]; }
  const TLabelState &label(TLabel l) const { return Labels[Index(l)]; }
  const QString &text(TGridField f) const { return Fields[Index(f)].text; }
  const QString &caption(TLabel l) const { return Labels[Index(l)].caption; }

  // Each returns whether the value changed.
  bool writeText(TGridField f, const QString &text);
  bool setEnabled(TGridField f, bool on);
  bool setHidden(TGridField f, bool on);
  bool setCaption(TLabel l, const QString &caption);
  bool setBold(TLabel l, bool on);
  bool setEnabled(TLabel l, bool on);

  // The controls changed since the marks were last taken: their texts, and
  // apart from them their flags.
  struct TChanges {
    std::bitset<FieldCount> fields, enabledFields, hiddenFields;
    std::bitset<TournamentLabelCount> labels, boldLabels, enabledLabels;
    bool any() const
    {
      return fields.any() || enabledFields.any() || hiddenFields.any() || labels.any() ||
             boldLabels.any() || enabledLabels.any();
    }
  };
  TChanges takeChanges();

  bool operator==(const TGrid &o) const { return Fields == o.Fields && Labels == o.Labels; }
  bool operator!=(const TGrid &o) const { return !(*this == o); }

private:
  std::array<TFieldState, FieldCount> Fields{};
  std::array<TLabelState, TournamentLabelCount> Labels{};
  TChanges Changed;
};

// Writes into grid what the tournament's changed parts look like in a
// language's names: the teams' names or the placeholder, the texts as
// typed, the table figures, the marks, and the flags that follow the
// tournament's state (a slot open or not, a shoot-out shown, a winner in
// bold). With every part marked changed it shows the whole tournament.
void ShowTournament(TGrid &grid, const TTournament &tournament, const TTeamNameList &names,
                    const TTournament::TChanges &changed);
