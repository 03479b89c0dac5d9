// View > Export to calendar and the schedule window's button: the match
// calendar as it stands now, written as an iCalendar file.

#include "schedule/calendarCommand.h"

#include "desktop/platform.h"
#include "core/grid/gridState.h"
#include "report/printing.h"
#include "core/schedule/calendar.h"
#include "core/schedule/calendarExport.h"
#include "core/settings/wholeFile.h"

#include <QStandardPaths>

namespace {

QString FieldText(const TGrid &grid, const QString &name)
{
  TField field;
  return FieldByName(name, field) ? grid.text(field) : QString();
}

QString Caption(const TGrid &grid, const QString &name)
{
  TLabel label;
  return LabelByName(name, label) ? grid.caption(label) : QString();
}

}  // namespace

void ExportCalendar(QWidget *parent, const TGrid &grid, int language,
                    const std::array<QString, VenueCount> &venueNames,
                    TDialogs &dialogs)
{
  const QString path = dialogs.saveFile(
      parent, {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
               QLatin1String(CalendarFileName), QLatin1String(CalendarFileFilter),
               QLatin1String(CalendarFileSuffix)});
  if (path.isEmpty())
    return;

  // Every match as it stands now: team captions and score fields.
  std::vector<TCalendarEvent> events;
  events.reserve(MatchCount);
  for (int m = 0; m < MatchCount; ++m) {
    const TCalendarMatch &match = MatchCalendar()[m];
    const QString label1 = QLatin1String(match.side1Label);
    const QString label2 = QLatin1String(match.side2Label);
    const QString side1 = Caption(grid, label1);
    const QString side2 = Caption(grid, label2);
    const QString field1 = label1.chopped(3);   // "GA11Lbl" -> "GA11"
    const QString field2 = label2.chopped(3);
    QString description = MatchStage(language, m + 1);
    const QString result = MatchResult(side1, side2, FieldText(grid, field1), FieldText(grid, field2),
                                       FieldText(grid, field1 + QLatin1String("pk")),
                                       FieldText(grid, field2 + QLatin1String("pk")));
    if (!result.isEmpty())
      description += QLatin1Char('\n') + result;
    events.push_back({m + 1, KickoffUtc(match), EventSummary(language, match, side1, side2),
                      venueNames[std::size_t(match.venue)], description});
  }

  QByteArray bytes;
  QString error;
  if (!CalendarFileBytes(events, QDateTime::currentDateTimeUtc(), &bytes, &error) ||
      !WriteWholeFile(path, bytes, &error))
    dialogs.message(parent, TMsgIcon::Error, NotWrittenText(QStringLiteral("The calendar"), path, error),
                    QMessageBox::Ok);
}
