#pragma once
// The match calendar as an iCalendar file (RFC 5545): one event per match,
// its start in UTC, so that every calendar program shows it in its user's
// own local time, summer time included.

#include "core/schedule/calendar.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

class TTournament;

// One match as an event of the file.
struct TCalendarEvent {
  int number = 0;        // match number 1..64: the event's lasting identity
  QDateTime start;       // kick-off, in UTC
  QString summary;       // "France – Senegal"
  QString location;      // "Seoul (South Korea)"
  QString description;   // the stage, then the result once it is known
};

// Matches last two hours in the calendar.
constexpr int EventHours = 2;

// The kick-off in UTC: the hosts' local kick-off less their nine hours.
QDateTime KickoffUtc(const TCalendarMatch &match);

// The event's title from the match's two teams: "France – Senegal"; for a
// knockout match with an undecided side the pairing in words of the
// interface language: "Winner Group E – Runner-up Group B",
// "Winner Match 50 – Winner Match 54", "Loser Match 61 – Loser Match 62".
QString EventSummary(int language, const TCalendarMatch &match, const std::array<TTeam, 2> &teams);

// The stage of match number 1..64 in the interface language: "Group C",
// "1/8 final", "1/4 final", "1/2 final", "Third place", "Final".
QString MatchStage(int language, int number);

// "France 0 - 1 Senegal", with "(pen. 3 - 2)" after it when both shoot-out
// texts are there; empty while either score is.
QString MatchResult(const QString &side1, const QString &side2, const QString &score1,
                    const QString &score2, const QString &pen1, const QString &pen2);

// Every match of the tournament as it stands now (its teams and its result)
// as an event, its words in the interface language.
std::vector<TCalendarEvent> CalendarEvents(const TTournament &tournament, int language);

// The file's bytes: one VCALENDAR with a VEVENT per entry. Each event keeps
// the UID of its match number from export to export; DTSTAMP is exportTime
// and SEQUENCE grows with it, so that a calendar importing a later export
// takes it in place of the earlier one.
// The bytes come from libical; false, with the reason in error, when it
// cannot be loaded.
bool CalendarFileBytes(const std::vector<TCalendarEvent> &events, const QDateTime &exportTime,
                       QByteArray *bytes, QString *error);

// The save dialog's settings.
extern const char *const CalendarFileFilter;   // "iCalendar file (*.ics)"
extern const char *const CalendarFileName;     // "Brakka.ics"
extern const char *const CalendarFileSuffix;   // "ics"
