#include "app/teamColours.h"

#include "app/brakkaCommon.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

TTeamColours::TTeamColours(const QWidget *grid)
{
  // The tables' read-only fields always hold a number, never a team's name
  // nor an empty text, so the walk would never colour them: it passes them by.
  for (QObject *child : grid->children()) {
    auto *panel = qobject_cast<QFrame *>(child);
    if (!panel || qobject_cast<QLabel *>(child))
      continue;
    for (QObject *control : panel->children()) {
      auto *l = qobject_cast<QLabel *>(control);
      auto *f = qobject_cast<QLineEdit *>(control);
      if (l || (f && !f->isReadOnly()))
        Walk.push_back({static_cast<QWidget *>(control), l, f, TColour::Default});
    }
  }
}

QString TTeamColours::textOf(const TColoured &c)
{
  return c.asLabel ? c.asLabel->text() : c.asField->text();
}

void TTeamColours::colour(TColoured &c, TColour colour)
{
  if (c.colour == colour)
    return;
  c.colour = colour;
  ShowTeamHue(c.control, colour == TColour::Favourite ? TTeamHue::Favourite
                         : colour == TColour::Pressed ? TTeamHue::Pressed
                                                      : TTeamHue::Default);
}

void TTeamColours::showFavourite(const QString &favourite)
{
  // With no favourite no text is the favourite's: the texts need no reading.
  const bool anyFavourite = !favourite.isEmpty();
  for (TColoured &c : Walk)
    colour(c, anyFavourite && textOf(c) == favourite ? TColour::Favourite : TColour::Default);
  Shown = true;
  Pressed = false;
  Favourite = favourite;
}

void TTeamColours::showPressed(const QString &name, const QString &favourite)
{
  Pressed = true;
  for (TColoured &c : Walk) {
    const QString text = textOf(c);
    if (text == name)
      colour(c, TColour::Pressed);
    else if (text.isEmpty() || text != favourite)
      colour(c, TColour::Default);
  }
}
