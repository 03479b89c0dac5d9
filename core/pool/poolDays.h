#pragma once
// The pool day by day: the results as they stood after each match day of
// the calendar, and each entry's score after each of those days, by the
// pool's own scoring.

#include "core/pool/poolScoring.h"

#include <QDate>
#include <vector>

// A match day of the calendar (its date in the hosts' time) on which at
// least one match has a result the pool counts, with the results as they
// stood at its end: the tournament's texts with every later day's left out,
// run through the tournament's rules again.
struct TPoolDay {
  QDate date;
  TPoolSheet results;
};
std::vector<TPoolDay> PoolResultsByDay(const TTournament &shown);

// Each entry's score after each day, by entry (as in entries) and day; an
// entry that is not scored has none.
using TPoolDayScores = std::vector<std::vector<TPoolScore>>;
TPoolDayScores ScorePoolByDay(const std::vector<TPoolEntry> &entries, const std::vector<TPoolDay> &days);

// The points of an entry's day scores under values.
std::vector<int> PointsByDay(const std::vector<TPoolScore> &scores, const TPoolValues &values);
