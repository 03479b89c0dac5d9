#include "core/groups/groupStage.h"

#include "core/groups/fixtures.h"
#include "core/groups/groupTables.h"

namespace {

// Each match's two teams by their number in the group's initial order.
const std::array<std::array<int, 2>, MatchesPerGroup> &SidesOf(int group)
{
  static const auto sides = [] {
    std::array<std::array<std::array<int, 2>, MatchesPerGroup>, GroupCount> all{};
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

void ShowOutlook(TGrid &grid, TGroupStage &stage, int group, const TTeamNameList &names)
{
  TGroupStage::TShownOutlook &shown = stage.outlooks[std::size_t(group)];
  const TGroupScores scores = GroupScoresOf(grid, group);
  if (!shown.scores || !(*shown.scores == scores)) {
    shown.outlook = GroupOutlook(scores);
    shown.scores = scores;
  }
  const TGroupSeeding &seeding = GroupSeeding(group);
  const TGroupRec &table = stage.tables[std::size_t(group)];
  for (int r = 0; r < TeamsPerGroup; ++r)
    for (int t = 0; t < TeamsPerGroup; ++t)
      if (table[r].TeamName == names[seeding.initialOrder[t]])
        shown.teamAt[r] = t;
  for (int r = 0; r < TeamsPerGroup; ++r)
    grid.setCaption(MarkLabel(group, r), OutlookMark(shown.outlook[shown.teamAt[r]]));
}

// A table line's figures in the panel's column order: Pts P W T L GF GA +/-.
std::array<qint64, TableColumnCount> FiguresOf(const TTeamRec &t)
{
  return {t.Points, t.Played, t.Wins, t.Ties, t.Losses, t.GoalsFor, t.GoalsAgainst, t.PlusMinus};
}

}  // namespace

QString OutlookMark(TOutlook outlook)
{
  return outlook == TOutlook::Winner || outlook == TOutlook::Through ? QStringLiteral("✓")
         : outlook == TOutlook::Out                                 ? QStringLiteral("✗")
                                                                    : QString();
}

TGroupScores GroupScoresOf(const TGrid &grid, int group)
{
  TGroupScores scores;
  scores.sides = SidesOf(group);
  for (int m = 0; m < MatchesPerGroup; ++m)
    for (int s = 0; s < 2; ++s)
      scores.scores[m][s] = ReadGroupScore(grid.text(GroupScoreField(group, m, s)));
  return scores;
}

void RebuildGroup(TGrid &grid, TGroupStage &stage, int group, const TTeamNameList &names,
                  bool outlookMarks)
{
  TGroupRec &table = stage.tables[std::size_t(group)];
  // The panel shows the figures of the table as last built (all naught
  // before the first build): only those that change are written.
  std::array<std::array<qint64, TableColumnCount>, TeamsPerGroup> shown;
  for (int r = 0; r < TeamsPerGroup; ++r)
    shown[std::size_t(r)] = FiguresOf(table[std::size_t(r)]);
  const TGroupSeeding &seeding = GroupSeeding(group);
  std::array<QString, 4> initialOrder;
  for (int i = 0; i < TeamsPerGroup; ++i)
    initialOrder[i] = names[seeding.initialOrder[i]];
  InitializeGroupStandings(table, initialOrder);

  // A provisional order after each match counted feeds the next; the panel
  // shows the final order.
  for (int m = 0; m < MatchesPerGroup; ++m) {
    const std::optional<qint64> s1 = ReadGroupScore(grid.text(GroupScoreField(group, m, 0)));
    const std::optional<qint64> s2 = ReadGroupScore(grid.text(GroupScoreField(group, m, 1)));
    if (!s1 || !s2)
      continue;
    SetGroupScores(*s1, *s2, grid.caption(GroupMatchLabel(group, m, 0)),
                   grid.caption(GroupMatchLabel(group, m, 1)), table);
    SetGroupStandings(table);
  }
  SetGroupStandingsFinal(table, GroupLetter(group));

  for (int r = 0; r < TeamsPerGroup; ++r) {
    const TTeamRec &t = table[std::size_t(r)];
    grid.setCaption(TableNameLabel(group, r), t.TeamName);
    const auto figures = FiguresOf(t);
    for (int col = 0; col < TableColumnCount; ++col) {
      const qint64 figure = figures[std::size_t(col)];
      if (figure != shown[std::size_t(r)][std::size_t(col)])
        grid.writeText(TableField(group, r, col),
                       col == TableColumnCount - 1 ? AddAPlusToDiff(figure) : NumberText(figure));
    }
  }
  if (outlookMarks)
    ShowOutlook(grid, stage, group, names);
}
