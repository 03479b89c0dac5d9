// Rebuilding a group's table from its score fields, and seeding its winner
// and runner-up into the 1/8 finals.

#include "app/brakkaMain.h"

#include "groups/fixtures.h"
#include "groups/groupTables.h"
#include "i18n/names.h"

#include <QLabel>
#include <QLineEdit>

void TMainForm::GroupChange(int group)
{
  const TColourBatch colours(*this);
  TGroupRec &table = GroupTables[group];
  const TGroupControls &c = Group[group];

  const TGroupSeeding &seeding = GroupSeeding(group);
  std::array<QString, 4> initialOrder;
  for (int i = 0; i < 4; ++i)
    initialOrder[i] = TeamNames[seeding.initialOrder[i]];
  InitializeGroupStandings(table, initialOrder);

  for (int m = 0; m < MatchesPerGroup; ++m) {
    const std::optional<qint64> s1 = ReadGroupScore(c.scores[m][0]->text());
    const std::optional<qint64> s2 = ReadGroupScore(c.scores[m][1]->text());
    if (!s1 || !s2)
      continue;
    SetGroupScores(*s1, *s2, c.teams[m][0]->text(), c.teams[m][1]->text(), table);
    CalculateGroup(group, false);
  }
  CalculateGroup(group, true);
  ShowOutlook(group);

  const QString oldWinner = c.winnerSlot->text();
  const QString oldRunnerUp = c.runnerUpSlot->text();
  c.winnerSlot->setText(table[0].TeamName);
  c.runnerUpSlot->setText(table[1].TeamName);
  if (oldWinner != table[0].TeamName) {
    c.winnerMatch[0]->setText(QString());
    c.winnerMatch[1]->setText(QString());
  }
  if (oldRunnerUp != table[1].TeamName) {
    c.runnerUpMatch[0]->setText(QString());
    c.runnerUpMatch[1]->setText(QString());
  }
  HighlightFavourite();
}

namespace {

// The table's read-only fields have no change handler; rewriting one with the
// text it holds would only cost time.
void setFigure(QLineEdit *f, const QString &text)
{
  if (f->text() != text)
    f->setText(text);
}

}  // namespace

void TMainForm::CalculateGroup(int group, bool final)
{
  TGroupRec &table = GroupTables[group];
  if (!final) {
    // A provisional order only feeds the next one: the panel it would show is
    // rewritten before the window can repaint and nothing reads it, so the
    // panel and its colours are written once, from the final order.
    SetGroupStandings(table);
    return;
  }
  SetGroupStandingsFinal(table, GroupLetter(group));

  const TGroupControls &c = Group[group];
  for (int r = 0; r < 4; ++r) {
    const TTeamRec &t = table[r];
    c.names[r]->setText(t.TeamName);
    const qint64 figures[7] = {t.Points, t.Played, t.Wins, t.Ties, t.Losses, t.GoalsFor, t.GoalsAgainst};
    for (int col = 0; col < 7; ++col)
      setFigure(c.figures[r][col], QString::number(figures[col]));
    setFigure(c.figures[r][7], AddAPlusToDiff(t.PlusMinus));
  }
  HighlightFavourite();
}
