#include "core/schedule/calendarExport.h"

#include "core/i18n/texts.h"
#include "core/tournament/tournament.h"

#include <libical/ical.h>

#include <QLibrary>
#include <QStringList>
#include <climits>
#include <optional>
#include <type_traits>

const char *const CalendarFileFilter = "iCalendar file (*.ics)";
const char *const CalendarFileName = "Brakka.ics";
const char *const CalendarFileSuffix = "ics";

namespace {

constexpr int HostsHoursAheadOfUtc = 9;
const QChar EnDash(0x2013);

// One side of a pairing text: "1E" and "2B" the winner and runner-up of a
// group, "50" the winner of match 50, "1-61" and "2-61" the winner and loser
// of match 61.
QString SideWords(int language, const QString &side)
{
  const QChar last = side.isEmpty() ? QChar() : side.back();
  if (last >= QLatin1Char('A') && last <= QLatin1Char('H'))
    return TextIn(language, side.startsWith(QLatin1Char('1')) ? TText::CalendarGroupWinner
                                                  : TText::CalendarGroupRunnerUp)
        .arg(last);
  const qsizetype dash = side.indexOf(QLatin1Char('-'));
  if (dash < 0)
    return TextIn(language, TText::CalendarMatchWinner).arg(side);
  const bool winner = side.left(dash) == QLatin1String("1");
  return TextIn(language, winner ? TText::CalendarMatchWinner : TText::CalendarMatchLoser).arg(side.mid(dash + 1));
}

// libical is loaded when a calendar is first exported, not with the program:
// most sessions never export one, and every start-up would load it. None of
// its functions is called directly, so the program is not linked against it.
struct TIcal {
  decltype(&icalcomponent_new_vcalendar) newCalendar = nullptr;
  decltype(&icalcomponent_new_vevent) newEvent = nullptr;
  decltype(&icalcomponent_add_property) addProperty = nullptr;
  decltype(&icalcomponent_add_component) addComponent = nullptr;
  decltype(&icalcomponent_as_ical_string_r) asText = nullptr;
  decltype(&icalcomponent_free) freeComponent = nullptr;
  decltype(&icalmemory_free_buffer) freeText = nullptr;
  decltype(&icalproperty_new_prodid) prodid = nullptr;
  decltype(&icalproperty_new_version) version = nullptr;
  decltype(&icalproperty_new_calscale) calscale = nullptr;
  decltype(&icalproperty_new_x) x = nullptr;
  decltype(&icalproperty_set_x_name) setXName = nullptr;
  decltype(&icalproperty_new_uid) uid = nullptr;
  decltype(&icalproperty_new_dtstamp) dtstamp = nullptr;
  decltype(&icalproperty_new_sequence) sequence = nullptr;
  decltype(&icalproperty_new_dtstart) dtstart = nullptr;
  decltype(&icalproperty_new_dtend) dtend = nullptr;
  decltype(&icalproperty_new_summary) summary = nullptr;
  decltype(&icalproperty_new_location) location = nullptr;
  decltype(&icalproperty_new_description) description = nullptr;
  decltype(&icaltime_from_timet_with_zone) fromTime = nullptr;
  decltype(&icaltimezone_get_utc_timezone) utc = nullptr;
};

// libical, or nothing with the reason in *why when it cannot be loaded.
const TIcal *Ical(QString *why)
{
  static QString problem;
  static const std::optional<TIcal> ical = []() -> std::optional<TIcal> {
    QLibrary library(QStringLiteral("ical"), 3);
    if (!library.load()) {
      problem = library.errorString();
      return std::nullopt;
    }
    TIcal i;
    auto bind = [&](auto &function, const char *name) {
      function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
      if (!function && problem.isEmpty())
        problem = library.errorString();
    };
    bind(i.newCalendar, "icalcomponent_new_vcalendar");
    bind(i.newEvent, "icalcomponent_new_vevent");
    bind(i.addProperty, "icalcomponent_add_property");
    bind(i.addComponent, "icalcomponent_add_component");
    bind(i.asText, "icalcomponent_as_ical_string_r");
    bind(i.freeComponent, "icalcomponent_free");
    bind(i.freeText, "icalmemory_free_buffer");
    bind(i.prodid, "icalproperty_new_prodid");
    bind(i.version, "icalproperty_new_version");
    bind(i.calscale, "icalproperty_new_calscale");
    bind(i.x, "icalproperty_new_x");
    bind(i.setXName, "icalproperty_set_x_name");
    bind(i.uid, "icalproperty_new_uid");
    bind(i.dtstamp, "icalproperty_new_dtstamp");
    bind(i.sequence, "icalproperty_new_sequence");
    bind(i.dtstart, "icalproperty_new_dtstart");
    bind(i.dtend, "icalproperty_new_dtend");
    bind(i.summary, "icalproperty_new_summary");
    bind(i.location, "icalproperty_new_location");
    bind(i.description, "icalproperty_new_description");
    bind(i.fromTime, "icaltime_from_timet_with_zone");
    bind(i.utc, "icaltimezone_get_utc_timezone");
    if (!problem.isEmpty())
      return std::nullopt;
    return i;
  }();
  if (!ical && why)
    *why = problem;
  return ical ? &*ical : nullptr;
}

// Counts up with the export time, one a second, from the start of the
// tournament's year; never negative and within an iCalendar integer.
int SequenceOf(const QDateTime &exportTime)
{
  const QDateTime origin(QDate(2002, 1, 1), QTime(0, 0), Qt::UTC);
  return static_cast<int>(qBound(qint64(0), origin.secsTo(exportTime), qint64(INT_MAX)));
}

}  // namespace

QDateTime KickoffUtc(const TCalendarMatch &match)
{
  return LocalKickoff(match).addSecs(-HostsHoursAheadOfUtc * 3600);
}

QString EventSummary(int language, const TCalendarMatch &match, const std::array<TTeam, 2> &teams)
{
  const QString separator = QLatin1Char(' ') + EnDash + QLatin1Char(' ');
  if (!match.pairing || (teams[0] != NoTeam && teams[1] != NoTeam)) {
    const TTeamNameList names = TeamNamesIn(language);
    return ShownTeam(names, teams[0]) + separator + ShownTeam(names, teams[1]);
  }
  // The schedule's pairing text, ":  1E - 2B", in words.
  const QStringList sides = QString::fromLatin1(match.pairing).mid(3).split(QStringLiteral(" - "));
  QStringList words;
  for (const QString &side : sides)
    words << SideWords(language, side);
  return words.join(separator);
}

QString MatchStage(int language, int number)
{
  if (number < 1 || number > MatchCount)
    return QString();
  const TMatchPlace &place = MatchPlace(MatchCalendar()[std::size_t(number - 1)].match);
  if (place.group >= 0)
    return TextIn(language, TText::GroupWord) + GroupLetter(place.group);
  constexpr TText Stages[KnockoutCount] = {TText::CalendarFinal8, TText::CalendarFinal4,
                                           TText::CalendarFinal2, TText::CalendarThird,
                                           TText::FinalWord};
  return TextIn(language, Stages[place.stage]);
}

std::vector<TCalendarEvent> CalendarEvents(const TTournament &tournament, int language)
{
  const TTeamNameList names = TeamNamesIn(language);
  std::vector<TCalendarEvent> events;
  events.reserve(MatchCount);
  for (int n = 1; n <= MatchCount; ++n) {
    const TCalendarMatch &entry = MatchCalendar()[std::size_t(n - 1)];
    const TMatchState &m = tournament.match(entry.match);
    QString description = MatchStage(language, n);
    const QString result = MatchResult(ShownTeam(names, m.teams[0]), ShownTeam(names, m.teams[1]),
                                       m.goals[0], m.goals[1], m.penalties[0], m.penalties[1]);
    if (!result.isEmpty())
      description += QLatin1Char('\n') + result;
    events.push_back({n, KickoffUtc(entry), EventSummary(language, entry, m.teams),
                      VenueNameIn(language, entry.venue), description});
  }
  return events;
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

bool CalendarFileBytes(const std::vector<TCalendarEvent> &events, const QDateTime &exportTime,
                       QByteArray *bytes, QString *error)
{
  const TIcal *ical = Ical(error);
  if (!ical)
    return false;
  const auto at = [ical](const QDateTime &moment) {
    return ical->fromTime(static_cast<time_t>(moment.toSecsSinceEpoch()), 0, ical->utc());
  };
  const auto text = [](const QString &t) { return t.toUtf8(); };

  icalcomponent *calendar = ical->newCalendar();
  ical->addProperty(calendar, ical->prodid("-//Brakka//Match calendar//EN"));
  ical->addProperty(calendar, ical->version("2.0"));
  ical->addProperty(calendar, ical->calscale("GREGORIAN"));
  icalproperty *name = ical->x("Brakka");
  ical->setXName(name, "X-WR-CALNAME");
  ical->addProperty(calendar, name);

  const icaltimetype stamp = at(exportTime);
  const int sequence = SequenceOf(exportTime);
  for (const TCalendarEvent &e : events) {
    icalcomponent *event = ical->newEvent();
    const QString uid = QStringLiteral("match-%1@brakka").arg(e.number, 2, 10, QLatin1Char('0'));
    ical->addProperty(event, ical->uid(text(uid).constData()));
    ical->addProperty(event, ical->dtstamp(stamp));
    ical->addProperty(event, ical->sequence(sequence));
    ical->addProperty(event, ical->dtstart(at(e.start)));
    ical->addProperty(event, ical->dtend(at(e.start.addSecs(EventHours * 3600))));
    ical->addProperty(event, ical->summary(text(e.summary).constData()));
    ical->addProperty(event, ical->location(text(e.location).constData()));
    ical->addProperty(event, ical->description(text(e.description).constData()));
    ical->addComponent(calendar, event);
  }

  char *written = ical->asText(calendar);
  *bytes = QByteArray(written ? written : "");
  if (written)
    ical->freeText(written);
  ical->freeComponent(calendar);
  return true;
}
