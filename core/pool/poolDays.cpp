#include "core/pool/poolDays.h"

#include "core/schedule/calendar.h"
#include "core/settings/resultTexts.h"
#include "core/tournament/tournament.h"

#include <bitset>

std::vector<TPoolDay> PoolResultsByDay(const TTournament &shown)
{
  const TPoolSheet all = PoolResultsOf(shown);
  // The calendar runs in kick-off order: its dates never go back.
  std::vector<QDate> dates;
  for (const TCalendarMatch &c : MatchCalendar()) {
    const QDate date = LocalKickoff(c).date();
    if (all.matches[Index(c.match)].complete && (dates.empty() || dates.back() != date))
      dates.push_back(date);
  }
  const TResultTexts texts = ResultTextsOf(shown);
  std::vector<TPoolDay> days;
  days.reserve(dates.size());
  for (const QDate &date : dates) {
    std::bitset<MatchCount> later;
    for (const TCalendarMatch &c : MatchCalendar())
      later[Index(c.match)] = LocalKickoff(c).date() > date;
    TResultTexts upTo = texts;
    for (int f = 0; f < ResultFieldCount; ++f)
      if (later[Index(FieldInfo(TField(f)).of)])
        upTo[f].clear();
    TTournament tournament(false);
    FillResults(tournament, upTo, TFill::Loading);
    days.push_back({date, PoolSheetOf(tournament)});
  }
  return days;
}

TPoolDayScores ScorePoolByDay(const std::vector<TPoolEntry> &entries, const std::vector<TPoolDay> &days)
{
  TPoolDayScores scores(entries.size());
  for (std::size_t e = 0; e < entries.size(); ++e) {
    if (!entries[e].problem.isEmpty())
      continue;
    scores[e].reserve(days.size());
    for (const TPoolDay &day : days)
      scores[e].push_back(ScorePoolSheet(entries[e].sheet, day.results));
  }
  return scores;
}

std::vector<int> PointsByDay(const std::vector<TPoolScore> &scores, const TPoolValues &values)
{
  std::vector<int> points;
  points.reserve(scores.size());
  for (const TPoolScore &score : scores)
    points.push_back(TotalPoints(score, values));
  return points;
}
