// The game schedule window.

#include "schedule/scheduleCommands.h"

#include "desktop/platform.h"
#include "core/grid/gridState.h"
#include "core/i18n/texts.h"
#include "core/schedule/calendar.h"
#include "schedule/calendarCommand.h"
#include "schedule/scheduleForm.h"

#include <QPushButton>
#include <QStringList>

void ShowSchedule(QWidget *parent, const TGrid &grid, int language, const TRegionalFormats &formats,
                  double timeZoneOffset, const std::array<QString, VenueCount> &venueNames,
                  TDialogs &dialogs)
{
  auto *form = new TScheduleForm(parent);
  form->setWindowTitle(TextIn(language, TText::CaptionPrefix) + TextIn(language, TText::ScheduleCaption));
  form->CloseButton->setText(TextIn(language, TText::ScheduleCloseButton));
  form->ExportButton->setText(TextIn(language, TText::ExportCalendar1));
  QObject::connect(form->ExportButton, &QPushButton::clicked, form,
                   [form, &grid, language, &venueNames, &dialogs] {
                     ExportCalendar(form, grid, language, venueNames, dialogs);
                   });

  QStringList lines;
  for (int m = 0; m < MatchCount; ++m) {
    const TCalendarMatch &match = MatchCalendar()[m];
    TLabel side1, side2;
    LabelByName(QLatin1String(match.side1Label), side1);
    LabelByName(QLatin1String(match.side2Label), side2);
    lines << ScheduleLine(m + 1, ScheduleTimeText(formats, ShownKickoff(match, timeZoneOffset)),
                          ScheduleTeamsText(match, grid.caption(side1), grid.caption(side2)));
  }
  form->setLines(lines);

  dialogs.showModal(form);
  form->deleteLater();
}
