#pragma once
// What a group's remaining matches can still change: for each team, whether
// it is sure to win the group, sure of a place in the 1/8 finals, out, or
// still open; and, for the last few matches, what each combination of their
// results means for every team.
//
// Decided exactly under the group table's own ordering, every tie-break and
// the order kept among teams still level included, over every score the
// fields accept for the remaining matches (0 to the top score each side).

#include <QtGlobal>
#include <array>
#include <optional>
#include <vector>

// The highest score a group score field takes by typing.
constexpr qint64 TopScore = 99;

// A group's six matches in match order: who plays (team numbers 0..3 in the
// group's initial order) and the scores typed, empty where a field holds no
// score. A match is remaining unless both of its scores are there.
struct TGroupScores {
  std::array<std::array<int, 2>, 6> sides{};
  std::array<std::array<std::optional<qint64>, 2>, 6> scores{};

  bool operator==(const TGroupScores &other) const
  {
    return sides == other.sides && scores == other.scores;
  }
};

enum class TOutlook {
  Open,      // can still finish in the top two or below them
  Winner,    // first however the remaining matches end
  Through,   // in the top two however they end, not always first
  Out,       // third or fourth however they end
};

// The outlook of each team, by team number.
std::array<TOutlook, 4> GroupOutlook(const TGroupScores &group, qint64 topScore = TopScore);

// Places 1..4 of the teams, by team number, once every match has a score:
// the table's own ordering.
std::array<int, 4> CompletedPlaces(const std::array<std::array<int, 2>, 6> &sides,
                                   const std::array<std::array<qint64, 2>, 6> &scores);

enum class TMatchResult { Side1, Draw, Side2 };

enum class TVerdict {
  None,      // no score gives this row (only when the top score is 0)
  Through,   // in the top two with every score of the row
  Out,       // third or fourth with every score of the row
  Goals,     // depends on the goals
};

struct TScenarioCell {
  TVerdict verdict = TVerdict::None;
  // For Goals, when the winning margin of one match of the row alone settles
  // it: that match, the smallest margin from which on it is `settled`
  // (Through or Out), the other verdict below it. match is -1 otherwise.
  int match = -1;
  qint64 margin = 0;
  TVerdict settled = TVerdict::None;
};

struct TScenarioRow {
  std::vector<TMatchResult> results;   // one per remaining match, in match order
  std::array<TScenarioCell, 4> cells;  // by team number
};

struct TScenarioTable {
  std::vector<int> matches;   // the remaining matches (0..5), in match order
  std::vector<TScenarioRow> rows;
};

// With one to three remaining matches, one row for each combination of their
// results (3, 9 or 27; the first match's result changes slowest, in the order
// side 1 wins, draw, side 2 wins). Otherwise no match and no row.
TScenarioTable GroupScenarios(const TGroupScores &group, qint64 topScore = TopScore);
