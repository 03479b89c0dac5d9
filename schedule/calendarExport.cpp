#include "schedule/calendarExport.h"

#include "app/fixtures.h"
#include "i18n/texts.h"

#include <libical/ical.h>

#include <QStringList>
#include <climits>
#include <memory>

const char *const CalendarFileFilter = "iCalendar file (*.ics)";
const char *const CalendarFileName = "Brakka.ics";
const char *const CalendarFileSuffix = "ics";

namespace {

constexpr int HostsHoursAheadOfUtc = 9;
const QChar EnDash(0x2013);

// One side of a pairing text: "1E" and "2B" the winner and runner-up of a
// group, "50" the winner of match 50, "1-61" and "2-61" the winner and loser
// of match 61.
QString SideWords(const QString &side)
{
  const QChar last = side.isEmpty() ? QChar() : side.back();
  if (last >= QLatin1Char('A') && last <= QLatin1Char('H'))
    return Text(side.startsWith(QLatin1Char('1')) ? TText::CalendarGroupWinner
                                                  : TText::CalendarGroupRunnerUp)
        .arg(last);
  const qsizetype dash = side.indexOf(QLatin1Char('-'));
  if (dash < 0)
    return Text(TText::CalendarMatchWinner).arg(side);
  const bool winner = side.left(dash) == QLatin1String("1");
  return Text(winner ? TText::CalendarMatchWinner : TText::CalendarMatchLoser).arg(side.mid(dash + 1));
}

icaltimetype UtcTime(const QDateTime &moment)
{
  return icaltime_from_timet_with_zone(static_cast<time_t>(moment.toSecsSinceEpoch()), 0,
                                       icaltimezone_get_utc_timezone());
}

// Counts up with the export time, one a second, from the start of the
// tournament's year; never negative and within an iCalendar integer.
int SequenceOf(const QDateTime &exportTime)
{
  const QDateTime origin(QDate(2002, 1, 1), QTime(0, 0), Qt::UTC);
  return static_cast<int>(qBound(qint64(0), origin.secsTo(exportTime), qint64(INT_MAX)));
}

void AddText(icalcomponent *component, icalproperty *(*make)(const char *), const QString &text)
{
  icalcomponent_add_property(component, make(text.toUtf8().constData()));
}

struct TComponentFree {
  void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};

}  // namespace

QDateTime KickoffUtc(const TCalendarMatch &match)
{
  return LocalKickoff(match).addSecs(-HostsHoursAheadOfUtc * 3600);
}

QString EventSummary(const TCalendarMatch &match, const QString &side1, const QString &side2)
{
  const QString separator = QLatin1Char(' ') + EnDash + QLatin1Char(' ');
  if (!match.pairing || (side1 != Placeholder && side2 != Placeholder))
    return side1 + separator + side2;
  // The schedule's pairing text, ":  1E - 2B", in words.
  const QStringList sides = QString::fromLatin1(match.pairing).mid(3).split(QStringLiteral(" - "));
  QStringList words;
  for (const QString &side : sides)
    words << SideWords(side);
  return words.join(separator);
}

QString MatchStage(int number)
{
  if (number < 1 || number > MatchCount)
    return QString();
  const QString label = QLatin1String(MatchCalendar()[number - 1].side1Label);
  if (label.startsWith(QLatin1Char('G')))
    return Text(TText::GroupWord) + label[1];
  if (label.startsWith(QLatin1String("Final8")))
    return Text(TText::CalendarFinal8);
  if (label.startsWith(QLatin1String("Final4")))
    return Text(TText::CalendarFinal4);
  if (label.startsWith(QLatin1String("Final2")))
    return Text(TText::CalendarFinal2);
  if (label.startsWith(QLatin1String("Third")))
    return Text(TText::CalendarThird);
  return Text(TText::FinalWord);
}

QString MatchResult(const QString &side1, const QString &side2, const QString &score1,
                    const QString &score2, const QString &pen1, const QString &pen2)
{
  if (score1.isEmpty() || score2.isEmpty())
    return QString();
  QString result = QStringLiteral("%1 %2 - %3 %4").arg(side1, score1, score2, side2);
  if (!pen1.isEmpty() && !pen2.isEmpty())
    result += QStringLiteral(" (pen. %1 - %2)").arg(pen1, pen2);
  return result;
}

QByteArray CalendarFileBytes(const std::vector<TCalendarEvent> &events, const QDateTime &exportTime)
{
  const std::unique_ptr<icalcomponent, TComponentFree> calendar(icalcomponent_new_vcalendar());
  icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Brakka//Match calendar//EN"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  icalproperty *name = icalproperty_new_x("Brakka");
  icalproperty_set_x_name(name, "X-WR-CALNAME");
  icalcomponent_add_property(calendar.get(), name);

  const icaltimetype stamp = UtcTime(exportTime);
  const int sequence = SequenceOf(exportTime);
  for (const TCalendarEvent &e : events) {
    icalcomponent *event = icalcomponent_new_vevent();
    const QString uid = QStringLiteral("match-%1@brakka").arg(e.number, 2, 10, QLatin1Char('0'));
    AddText(event, icalproperty_new_uid, uid);
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_sequence(sequence));
    icalcomponent_add_property(event, icalproperty_new_dtstart(UtcTime(e.start)));
    icalcomponent_add_property(event, icalproperty_new_dtend(UtcTime(e.start.addSecs(EventHours * 3600))));
    AddText(event, icalproperty_new_summary, e.summary);
    AddText(event, icalproperty_new_location, e.location);
    AddText(event, icalproperty_new_description, e.description);
    icalcomponent_add_component(calendar.get(), event);
  }

  char *text = icalcomponent_as_ical_string_r(calendar.get());
  const QByteArray bytes(text ? text : "");
  if (text)
    icalmemory_free_buffer(text);
  return bytes;
}
