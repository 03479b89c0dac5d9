#include "core/grid/gridState.h"

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
  QString &now = Fields[Index(f)].text;
  if (SameText(now, text))
    return false;
  now = text;
  Changed.fields.set(Index(f));
  return true;
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
  QString &now = Labels[Index(l)].caption;
  if (SameText(now, caption))
    return false;
  now = caption;
  Changed.labels.set(Index(l));
  return true;
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
