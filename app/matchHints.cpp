// The kick-off hints of the grid's team labels and score fields.

#include "app/brakkaMain.h"

#include "core/i18n/names.h"
#include "core/schedule/calendar.h"
#include "core/schedule/regional.h"

#include <QLabel>
#include <QLineEdit>

void TMainForm::SetMatchHints()
{
  // Formatting the 64 kick-offs is most of the work of a change of language
  // and of loading: with the same language, time zone and formats every
  // hint would be written with the text it already shows.
  if (HintSource.language == Prefs.language && HintSource.timeZoneOffset == Prefs.timeZoneOffset &&
      HintSource.formats == Platform.regional)
    return;
  HintSource = {Prefs.language, Prefs.timeZoneOffset, Platform.regional};
  const auto kickoffs = KickoffTexts(FormatsOrSystem(Platform.regional.get()), Prefs.timeZoneOffset);
  for (int m = 0; m < MatchCount; ++m) {
    const TCalendarMatch &match = MatchCalendar()[m];
    const QString hint = Names.venues[match.venue] + QLatin1Char('\n') + kickoffs[m];
    for (const char *side : {match.side1Label, match.side2Label}) {
      // Shift+F1 shows the hint of a focused label or of its score fields.
      QLabel *team = label(QLatin1String(side));
      team->setToolTip(hint);
      team->setWhatsThis(hint);
      QString stem = team->objectName();
      stem.chop(3);   // "Lbl"
      for (QLineEdit *f : {field(stem), field(stem + QLatin1String("pk"))})
        if (f)
          f->setWhatsThis(hint);
    }
  }
}
