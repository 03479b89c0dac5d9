#pragma once
// The 64 matches of the tournament in kick-off order, with their dates and
// kick-off times in the hosts' local time (GMT+9, the same in both host
// countries), and the texts that show a kick-off in the user's time zone.

#include "core/tournament/ids.h"

#include <QDateTime>
#include <QString>
#include <array>

#include "core/i18n/names.h"

class TRegionalFormats;

struct TCalendarMatch {
  int day;                  // in 2002
  int month;
  int hour;                 // hosts' local kick-off
  int minute;
  TMatch match;             // the tournament's match
  const char *pairing;      // a knockout match's sides while undecided; nullptr for a group match
  int venue;                // index into the venue table (VenueNameIn)
};

// Match number n is entry n - 1.
const std::array<TCalendarMatch, MatchCount> &MatchCalendar();
// The number (1..64, kick-off order) of a tournament's match, and its entry.
int MatchNumber(TMatch match);
const TCalendarMatch &CalendarOf(TMatch match);

// The kick-off in the hosts' local time.
QDateTime LocalKickoff(const TCalendarMatch &match);
// The kick-off moved by an offset in days. The offset is taken in whole
// minutes, so that an offset such as -8/24 moves by exactly eight hours.
QDateTime ShownKickoff(const TCalendarMatch &match, double offsetDays);

// "Friday, 31/05/2002 20:30:00": weekday, date and time; only weekday and date
// when the moment is exactly midnight.
QString KickoffText(const TRegionalFormats &formats, const QDateTime &moment);
// "31/05/2002 (Friday) 20:30": the kick-off as the schedule window shows it.
QString ScheduleTimeText(const TRegionalFormats &formats, const QDateTime &moment);
// ":  France - Senegal", or for a knockout match with an undecided side
// (NoTeam) its pairing text (":  1E - 2B").
QString ScheduleTeamsText(const TCalendarMatch &match, const TTeamNameList &names,
                          const std::array<TTeam, 2> &teams);
// One line of the schedule: "1:  " number field, time field padded to 30
// characters, teams field.
QString ScheduleLine(int number, const QString &timeText, const QString &teamsText);

// The kick-off texts of the 64 matches in a time zone, by match number - 1.
std::array<QString, MatchCount> KickoffTexts(const TRegionalFormats &formats, double offsetDays);
