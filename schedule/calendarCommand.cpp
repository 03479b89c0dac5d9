// View > Export to calendar and the schedule window's button: the match
// calendar as it stands now, written as an iCalendar file.

#include "schedule/calendarCommand.h"

#include "desktop/platform.h"
#include "report/printing.h"
#include "core/schedule/calendar.h"
#include "core/schedule/calendarExport.h"
#include "core/settings/wholeFile.h"

#include <QStandardPaths>

void ExportCalendar(QWidget *parent, const TTournament &tournament, int language, TDialogs &dialogs)
{
  const QString path = dialogs.saveFile(
      parent, {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
               QLatin1String(CalendarFileName), QLatin1String(CalendarFileFilter),
               QLatin1String(CalendarFileSuffix)});
  if (path.isEmpty())
    return;

  const std::vector<TCalendarEvent> events = CalendarEvents(tournament, language);
  QByteArray bytes;
  QString error;
  if (!CalendarFileBytes(events, QDateTime::currentDateTimeUtc(), &bytes, &error) ||
      !WriteWholeFile(path, bytes, &error))
    dialogs.message(parent, TMsgIcon::Error, NotWrittenText(QStringLiteral("The calendar"), path, error),
                    QMessageBox::Ok);
}
