// The Champion label is a link while it shows a team: the pointing hand as
// the mouse moves over it, and a click opens the celebration.

#include "app/championLabel.h"

#include "app/brakkaMain.h"
#include "core/i18n/names.h"
#include "knockout/celebration.h"

#include <QLabel>

void TMainForm::ChampionMouseMove()
{
  QLabel *champion = label(QStringLiteral("Champion"));
  ChampionClickArmed = champion->text() != Placeholder;
  if (ChampionClickArmed)
    champion->setCursor(Qt::PointingHandCursor);
  else
    champion->unsetCursor();
}

void CelebrateChampion(TMainForm &form)
{
  TPlatform &platform = form.platform();
  // The press that opened the window ends before it shows: its release goes
  // to the window.
  Celebrate(&form, form.tournament().grid().caption(ChampionLabel()), form.names().favourite,
            form.preferences().language,
            platform.sound.get(), *platform.dialogs, [&form] { form.HighlightFavourite(); });
}
