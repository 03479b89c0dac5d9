// View > Export to calendar and the schedule window's button: the match
// calendar as it stands now, written as an iCalendar file.

#include "app/brakkaMain.h"

#include "i18n/names.h"
#include "report/printing.h"
#include "schedule/calendarExport.h"
#include "settings/wholeFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>

void TMainForm::ExportCalendar1Click(QWidget *parent)
{
  if (!parent)
    parent = this;
  const QString path = Platform.dialogs->saveFile(
      parent, {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
               QLatin1String(CalendarFileName), QLatin1String(CalendarFileFilter),
               QLatin1String(CalendarFileSuffix)});
  if (path.isEmpty())
    return;

  // Every match as the window shows it now: team captions and score fields.
  const auto text = [this](const QString &name) {
    const QLineEdit *f = field(name);
    return f ? f->text() : QString();
  };
  std::vector<TCalendarEvent> events;
  events.reserve(MatchCount);
  for (int m = 0; m < MatchCount; ++m) {
    const TCalendarMatch &match = MatchCalendar()[m];
    const QString label1 = QLatin1String(match.side1Label);
    const QString label2 = QLatin1String(match.side2Label);
    const QString side1 = label(label1)->text();
    const QString side2 = label(label2)->text();
    const QString field1 = label1.chopped(3);   // "GA11Lbl" -> "GA11"
    const QString field2 = label2.chopped(3);
    QString description = MatchStage(m + 1);
    const QString result = MatchResult(side1, side2, text(field1), text(field2),
                                       text(field1 + QLatin1String("pk")),
                                       text(field2 + QLatin1String("pk")));
    if (!result.isEmpty())
      description += QLatin1Char('\n') + result;
    events.push_back({m + 1, KickoffUtc(match), EventSummary(match, side1, side2),
                      VenueNames[match.venue], description});
  }

  QByteArray bytes;
  QString error;
  if (!CalendarFileBytes(events, QDateTime::currentDateTimeUtc(), &bytes, &error) ||
      !WriteWholeFile(path, bytes, &error))
    Platform.dialogs->message(parent, TMsgIcon::Error,
                              NotWrittenText(QStringLiteral("The calendar"), path, error),
                              QMessageBox::Ok);
}
