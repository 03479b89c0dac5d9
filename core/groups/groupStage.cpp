#include "core/groups/groupStage.h"

#include "core/groups/fixtures.h"
#include "core/groups/groupTables.h"
#include "core/groups/standings.h"
#include "core/tournament/tournament.h"

const TGroupSides &GroupSides(int group)
{
  static const auto sides = [] {
    std::array<TGroupSides, GroupCount> all{};
    for (int g = 0; g < GroupCount; ++g) {
      const auto &order = GroupSeeding(g).initialOrder;
      for (int m = 0; m < MatchesPerGroup; ++m) {
        const TGroupMatch &match = GroupFixtures(g)[m];
        for (int t = 0; t < TeamsPerGroup; ++t) {
          if (order[t] == match.side1)
            all[g][m][0] = t;
          if (order[t] == match.side2)
            all[g][m][1] = t;
        }
      }
    }
    return all;
  }();
  return sides[std::size_t(group)];
}

QString OutlookMark(TOutlook outlook)
{
  return outlook == TOutlook::Winner || outlook == TOutlook::Through ? QStringLiteral("✓")
         : outlook == TOutlook::Out                                 ? QStringLiteral("✗")
                                                                    : QString();
}

TGroupScores GroupScoresOf(const TTournament &tournament, int group)
{
  TGroupScores scores;
  scores.sides = GroupSides(group);
  for (int m = 0; m < MatchesPerGroup; ++m)
    for (int s = 0; s < 2; ++s)
      scores.scores[m][s] = ReadGroupScore(tournament.match(GroupMatch(group, m)).goals[std::size_t(s)]);
  return scores;
}

QString TableFigureText(const TTeamRec &t, int column)
{
  static constexpr qint64 TTeamRec::*Figures[TableColumnCount] = {
    &TTeamRec::Points, &TTeamRec::Played, &TTeamRec::Wins, &TTeamRec::Ties,
    &TTeamRec::Losses, &TTeamRec::GoalsFor, &TTeamRec::GoalsAgainst, &TTeamRec::PlusMinus};
  const qint64 figure = t.*Figures[column];
  return column == TableColumnCount - 1 ? AddAPlusToDiff(figure) : NumberText(figure);
}
