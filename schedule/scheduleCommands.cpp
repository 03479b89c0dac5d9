// The game schedule window and the kick-off hints of the grid.

#include "app/brakkaMain.h"

#include "i18n/names.h"
#include "i18n/texts.h"
#include "schedule/calendar.h"
#include "schedule/regional.h"
#include "schedule/scheduleForm.h"
#include "settings/preferences.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace {

// The regional formats to use: the platform's, or the system's when the
// platform brings none.
const TRegionalFormats &FormatsOf(const TPlatform &platform)
{
  if (platform.regional)
    return *platform.regional;
  static const std::shared_ptr<TRegionalFormats> system = DesktopRegionalFormats();
  return *system;
}

}  // namespace

void TMainForm::Schedule1Click()
{
  auto *form = new TScheduleForm(this);
  form->setWindowTitle(Text(TText::CaptionPrefix) + Text(TText::ScheduleCaption));
  form->CloseButton->setText(Text(TText::ScheduleCloseButton));
  form->ExportButton->setText(Text(TText::ExportCalendar1));
  connect(form->ExportButton, &QPushButton::clicked, this, [this, form] { ExportCalendar1Click(form); });

  const TRegionalFormats &formats = FormatsOf(Platform);
  QStringList lines;
  for (int m = 0; m < MatchCount; ++m) {
    const TCalendarMatch &match = MatchCalendar()[m];
    const QString side1 = label(QLatin1String(match.side1Label))->text();
    const QString side2 = label(QLatin1String(match.side2Label))->text();
    lines << ScheduleLine(m + 1, ScheduleTimeText(formats, ShownKickoff(match, TimeZoneOffset)),
                          ScheduleTeamsText(match, side1, side2));
  }
  form->setLines(lines);

  Platform.dialogs->showModal(form);
  form->deleteLater();
}

void TMainForm::SetMatchHints()
{
  // Formatting the 64 kick-offs is most of the work of a change of language
  // and of loading: with the same language, time zone and formats every
  // hint would be written with the text it already shows.
  if (HintSource.language == LanguageIndex && HintSource.timeZoneOffset == TimeZoneOffset &&
      HintSource.formats == Platform.regional)
    return;
  HintSource = {LanguageIndex, TimeZoneOffset, Platform.regional};
  BuildKickoffTexts(FormatsOf(Platform), TimeZoneOffset);
  for (int m = 0; m < MatchCount; ++m) {
    const TCalendarMatch &match = MatchCalendar()[m];
    const QString hint = VenueNames[match.venue] + QLatin1Char('\n') + KickoffTexts[m];
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
