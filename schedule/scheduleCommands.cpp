// The game schedule window.

#include "schedule/scheduleCommands.h"

#include "desktop/platform.h"
#include "core/tournament/tournament.h"
#include "core/i18n/texts.h"
#include "core/schedule/calendar.h"
#include "schedule/calendarCommand.h"
#include "schedule/scheduleForm.h"

#include <QPushButton>
#include <QStringList>

void ShowSchedule(QWidget *parent, const TTournament &tournament, int language, const TRegionalFormats &formats,
                  double timeZoneOffset, TDialogs &dialogs)
{
  auto *form = new TScheduleForm(parent);
  form->setWindowTitle(TextIn(language, TText::CaptionPrefix) + TextIn(language, TText::ScheduleCaption));
  form->CloseButton->setText(TextIn(language, TText::ScheduleCloseButton));
  form->ExportButton->setText(TextIn(language, TText::ExportCalendar1));
  QObject::connect(form->ExportButton, &QPushButton::clicked, form,
                   [form, &tournament, language, &dialogs] { ExportCalendar(form, tournament, language, dialogs); });

  const TTeamNameList names = TeamNamesIn(language);
  QStringList lines;
  for (int m = 0; m < MatchCount; ++m) {
    const TCalendarMatch &match = MatchCalendar()[std::size_t(m)];
    lines << ScheduleLine(m + 1, ScheduleTimeText(formats, ShownKickoff(match, timeZoneOffset)),
                          ScheduleTeamsText(match, names, tournament.match(match.match).teams));
  }
  form->setLines(lines);

  dialogs.showModal(form);
  form->deleteLater();
}
