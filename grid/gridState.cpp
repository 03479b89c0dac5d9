#include "grid/gridState.h"

namespace {

// Writes a value; marks the control changed when it was another.
template <typename T, std::size_t N>
bool Change(T &now, const T &value, std::bitset<N> &changed, std::size_t index)
{
  if (now == value)
    return false;
  now = value;
  changed.set(index);
  return true;
}

}  // namespace

bool TGrid::writeText(TField f, const QString &text)
{
  // Table figures and team names refer to shared static texts: the same
  // text is seen without comparing characters.
  const QString &now = Fields[Index(f)].text;
  if (now.constData() == text.constData() && now.size() == text.size())
    return false;
  return Change(Fields[Index(f)].text, text, Changed.fields, Index(f));
}

bool TGrid::setEnabled(TField f, bool on)
{
  return Change(Fields[Index(f)].enabled, on, Changed.fields, Index(f));
}

bool TGrid::setHidden(TField f, bool on)
{
  return Change(Fields[Index(f)].hidden, on, Changed.fields, Index(f));
}

bool TGrid::setCaption(TLabel l, const QString &caption)
{
  const QString &now = Labels[Index(l)].caption;
  if (now.constData() == caption.constData() && now.size() == caption.size())
    return false;
  return Change(Labels[Index(l)].caption, caption, Changed.labels, Index(l));
}

bool TGrid::setBold(TLabel l, bool on)
{
  return Change(Labels[Index(l)].bold, on, Changed.labels, Index(l));
}

bool TGrid::setEnabled(TLabel l, bool on)
{
  return Change(Labels[Index(l)].enabled, on, Changed.labels, Index(l));
}

TGrid::TChanges TGrid::takeChanges()
{
  TChanges taken = Changed;
  Changed = TChanges();
  return taken;
}
