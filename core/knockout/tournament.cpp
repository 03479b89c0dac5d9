#include "core/knockout/tournament.h"

#include "core/grid/scoreText.h"
#include "core/groups/fixtures.h"
#include "core/groups/groupTables.h"
#include "core/knockout/bracket.h"

#include <cstring>

namespace {

int StageOf(const char *prefix)
{
  for (int k = 0; k < KnockoutCount; ++k)
    if (std::strcmp(KnockoutStage(k).prefix, prefix) == 0)
      return k;
  return -1;
}

// A bracket match's controls: its scores, penalties and teams, and the slot
// its winner goes to.
struct TBracketIds {
  TField score1, score2, pen1, pen2, next;
  TLabel team1, team2, nextLbl;
  int nextStage;
  int thirdSide;
};

struct TBracketTable {
  std::array<TBracketIds, BracketMatchCount> matches;
  std::array<std::int8_t, ResultFieldCount> matchOf;   // a field's bracket match, -1 for none
};

const TBracketTable &BracketIds()
{
  static const TBracketTable table = [] {
    TBracketTable t{};
    t.matchOf.fill(-1);
    for (int i = 0; i < BracketMatchCount; ++i) {
      const TBracketMatch &b = Bracket()[std::size_t(i)];
      const int stage = StageOf(b.prefix);
      const int next = StageOf(b.nextPrefix);
      const int m = b.match - 1;
      TBracketIds &ids = t.matches[std::size_t(i)];
      ids = {KnockoutScoreField(stage, m, 0), KnockoutScoreField(stage, m, 1),
             PenaltyField(stage, m, 0),       PenaltyField(stage, m, 1),
             KnockoutScoreField(next, b.nextMatch - 1, b.nextSide - 1),
             KnockoutTeamLabel(stage, m, 0),  KnockoutTeamLabel(stage, m, 1),
             KnockoutTeamLabel(next, b.nextMatch - 1, b.nextSide - 1),
             next, b.thirdSide};
      for (TField f : {ids.score1, ids.score2, ids.pen1, ids.pen2})
        t.matchOf[Index(f)] = std::int8_t(i);
    }
    return t;
  }();
  return table;
}

TTeamNameList EnglishNames()
{
  TTeamNameList names;
  for (int team = 1; team <= TeamCount; ++team)
    names[std::size_t(team)] = TeamNameIn(LangEnglish, team);
  return names;
}

}  // namespace

TTournament::TTournament(bool outlookMarks) : Names(EnglishNames()), OutlookMarks(outlookMarks)
{
  for (int g = 0; g < GroupCount; ++g) {
    const TGroupFixtures &fixtures = GroupFixtures(g);
    for (int m = 0; m < MatchesPerGroup; ++m) {
      Grid.setCaption(GroupMatchLabel(g, m, 0), Names[fixtures[m].side1]);
      Grid.setCaption(GroupMatchLabel(g, m, 1), Names[fixtures[m].side2]);
    }
    const TGroupSeeding &seeding = GroupSeeding(g);
    for (int r = 0; r < TeamsPerGroup; ++r) {
      Grid.setCaption(TableNameLabel(g, r), Names[seeding.initialOrder[r]]);
      Grid.setBold(TableNameLabel(g, r), r < 2);
      Grid.setBold(MarkLabel(g, r), true);
      for (int c = 0; c < TableColumnCount; ++c)
        Grid.writeText(TableField(g, r, c), NumberText(0));
    }
    Grid.setCaption(KnockoutTeamLabel(Final8, seeding.winner.match - 1, seeding.winner.side - 1),
                    Names[seeding.initialOrder[0]]);
    Grid.setCaption(KnockoutTeamLabel(Final8, seeding.runnerUp.match - 1, seeding.runnerUp.side - 1),
                    Names[seeding.initialOrder[1]]);
  }
  for (int k = 0; k < KnockoutCount; ++k) {
    const bool firstStage = k == Final8;
    for (int m = 0; m < KnockoutStage(k).matches; ++m) {
      for (int s = 0; s < 2; ++s) {
        Grid.setEnabled(KnockoutScoreField(k, m, s), firstStage);
        Grid.setHidden(PenaltyField(k, m, s), true);
        const TLabel team = KnockoutTeamLabel(k, m, s);
        if (!firstStage)
          Grid.setCaption(team, Placeholder);
        Grid.setEnabled(team, firstStage);
        Grid.setBold(team, k == TheFinal);
      }
    }
    Grid.setCaption(PenaltyHeadingLabel(k), QStringLiteral("Pen."));
    Grid.setEnabled(PenaltyHeadingLabel(k), k != ThirdPlace && k != TheFinal);
    Grid.setBold(PenaltyHeadingLabel(k), k == TheFinal);
  }
  Grid.setCaption(ChampionLabel(), Placeholder);
  Grid.setBold(ChampionLabel(), true);
  Grid.takeChanges();
}

void TTournament::setText(TField field, const QString &text)
{
  if (Grid.writeText(field, text))
    fieldChanged(field);
}

void TTournament::setGroupTexts(int group, const TGroupTexts &texts)
{
  bool changed = false;
  for (int i = 0; i < MatchesPerGroup * 2; ++i)
    changed = Grid.writeText(TField(Index(GroupScoreField(group, 0, 0)) + std::size_t(i)),
                             texts[std::size_t(i)]) ||
              changed;
  if (changed)
    groupChange(group);
}

void TTournament::setTeamNames(const TTeamNameList &names)
{
  Names = names;
  for (int g = 0; g < GroupCount; ++g) {
    const TGroupFixtures &fixtures = GroupFixtures(g);
    for (int m = 0; m < MatchesPerGroup; ++m) {
      Grid.setCaption(GroupMatchLabel(g, m, 0), Names[fixtures[m].side1]);
      Grid.setCaption(GroupMatchLabel(g, m, 1), Names[fixtures[m].side2]);
    }
  }
}

void TTournament::relabel(const TTeamNameList &previous)
{
  auto translate = [&](TLabel label) {
    Grid.setCaption(label, TranslateTeamName(previous, Names, Grid.caption(label)));
  };
  for (int g = 0; g < GroupCount; ++g)
    for (int r = 0; r < TeamsPerGroup; ++r)
      translate(TableNameLabel(g, r));
  for (int k = 0; k < KnockoutCount; ++k)
    for (int m = 0; m < KnockoutStage(k).matches; ++m)
      for (int s = 0; s < 2; ++s)
        translate(KnockoutTeamLabel(k, m, s));
  translate(ChampionLabel());
}

void TTournament::fieldChanged(TField field)
{
  const TFieldInfo &info = FieldInfo(field);
  switch (info.kind) {
  case TFieldInfo::GroupScore:
    groupChange(info.group);
    break;
  case TFieldInfo::KnockoutScore:
  case TFieldInfo::Penalty:
    if (info.stage == ThirdPlace)
      thirdChange();
    else if (info.stage == TheFinal)
      finalChange();
    else
      bracketChange(field);
    break;
  case TFieldInfo::TableFigure:
    break;
  }
}

// The group's table, then its winner and runner-up into their 1/8-final
// slots: a slot that takes another team has its match's scores emptied.
void TTournament::groupChange(int group)
{
  RebuildGroup(Grid, Groups, group, Names, OutlookMarks);
  const TGroupRec &table = Groups.tables[std::size_t(group)];
  const QString winner = table[0].TeamName;
  const QString runnerUp = table[1].TeamName;
  const TGroupSeeding &s = GroupSeeding(group);
  const int winnerMatch = s.winner.match - 1;
  const int runnerUpMatch = s.runnerUp.match - 1;
  const QString oldWinner = Grid.caption(KnockoutTeamLabel(Final8, winnerMatch, s.winner.side - 1));
  const QString oldRunnerUp =
      Grid.caption(KnockoutTeamLabel(Final8, runnerUpMatch, s.runnerUp.side - 1));
  Grid.setCaption(KnockoutTeamLabel(Final8, winnerMatch, s.winner.side - 1), winner);
  Grid.setCaption(KnockoutTeamLabel(Final8, runnerUpMatch, s.runnerUp.side - 1), runnerUp);
  if (oldWinner != winner) {
    setText(KnockoutScoreField(Final8, winnerMatch, 0), QString());
    setText(KnockoutScoreField(Final8, winnerMatch, 1), QString());
  }
  if (oldRunnerUp != runnerUp) {
    setText(KnockoutScoreField(Final8, runnerUpMatch, 0), QString());
    setText(KnockoutScoreField(Final8, runnerUpMatch, 1), QString());
  }
}

void TTournament::bracketChange(TField sender)
{
  const int i = BracketIds().matchOf[Index(sender)];
  if (i < 0)
    return;
  const TBracketIds &m = BracketIds().matches[std::size_t(i)];
  const QString nextTeam = Grid.caption(m.nextLbl);
  advanceWinner(i);
  // A filled slot that takes another team keeps its scores, and the match
  // it stands in is decided again with them at once (and so on to the
  // champion): no winner is shown that the scores no longer give.
  if (Grid.caption(m.nextLbl) != nextTeam) {
    if (m.nextStage == TheFinal)
      finalChange();
    else
      bracketChange(m.next);
  }
  if (m.thirdSide)
    setThirdPlace(m.thirdSide);
}

// Decides one knockout match from its goals (then penalties) and fills or
// resets the following stage's slot. A level score shows the penalty fields.
void TTournament::advanceWinner(int match)
{
  const TBracketIds &m = BracketIds().matches[std::size_t(match)];
  if (!IsScore(Grid.text(m.score1)) || !IsScore(Grid.text(m.score2))) {
    setText(m.pen1, QString());
    setText(m.pen2, QString());
    Grid.setHidden(m.pen1, true);
    Grid.setHidden(m.pen2, true);
    decideWinner(match);
    return;
  }
  if (CompareScores(Grid.text(m.score1), Grid.text(m.score2)) != 0 || !Grid.field(m.pen1).hidden) {
    decideWinner(match);
    return;
  }
  resetSlot(match);
  Grid.setHidden(m.pen1, false);
  Grid.setHidden(m.pen2, false);
}

// No team goes on from the match: its slot is emptied and disabled, and
// neither team is shown as the winner.
void TTournament::resetSlot(int match)
{
  const TBracketIds &m = BracketIds().matches[std::size_t(match)];
  Grid.setEnabled(m.next, false);
  setText(m.next, QString());
  Grid.setCaption(m.nextLbl, Placeholder);
  Grid.setEnabled(m.nextLbl, false);
  Grid.setBold(m.team1, false);
  Grid.setBold(m.team2, false);
}

void TTournament::decideWinner(int match)
{
  const TBracketIds &m = BracketIds().matches[std::size_t(match)];
  auto resetSlot = [this, match] { TTournament::resetSlot(match); };
  auto sendOn = [&](TLabel winner, TLabel loser) {
    // A match is played by two teams: a score read from a file for a match
    // whose teams are not known yet sends nobody on.
    if (Grid.caption(m.team1) == Placeholder || Grid.caption(m.team2) == Placeholder) {
      resetSlot();
      return;
    }
    Grid.setEnabled(m.next, true);
    Grid.setEnabled(m.nextLbl, true);
    Grid.setCaption(m.nextLbl, Grid.caption(winner));
    Grid.setBold(winner, true);
    Grid.setBold(loser, false);
  };
  if (!IsScore(Grid.text(m.score1)) || !IsScore(Grid.text(m.score2))) {
    resetSlot();
    return;
  }
  const int goals = CompareScores(Grid.text(m.score1), Grid.text(m.score2));
  if (goals != 0) {
    setText(m.pen1, QString());
    setText(m.pen2, QString());
    Grid.setHidden(m.pen1, true);
    Grid.setHidden(m.pen2, true);
    if (goals > 0)
      sendOn(m.team1, m.team2);
    else
      sendOn(m.team2, m.team1);
    return;
  }
  if (!IsScore(Grid.text(m.pen1)) || !IsScore(Grid.text(m.pen2))) {
    resetSlot();
    return;
  }
  const int penalties = CompareScores(Grid.text(m.pen1), Grid.text(m.pen2));
  if (penalties > 0)
    sendOn(m.team1, m.team2);
  else if (penalties < 0)
    sendOn(m.team2, m.team1);
  else
    resetSlot();
}

// Puts the loser of semi-final `side` (1 or 2) into that third-place slot.
void TTournament::setThirdPlace(int side)
{
  const int m = side - 1;
  const TField g1 = KnockoutScoreField(Final2, m, 0);
  const TField g2 = KnockoutScoreField(Final2, m, 1);
  const TField p1 = PenaltyField(Final2, m, 0);
  const TField p2 = PenaltyField(Final2, m, 1);
  const TField thirdField = KnockoutScoreField(ThirdPlace, 0, m);
  const TLabel thirdLabel = KnockoutTeamLabel(ThirdPlace, 0, m);

  auto noThird = [&] {
    Grid.setEnabled(thirdField, false);
    setText(thirdField, QString());
    Grid.setEnabled(thirdLabel, false);
    Grid.setCaption(thirdLabel, Placeholder);
  };
  auto loserGoesOn = [&](int loserSide) {
    if (Grid.caption(KnockoutTeamLabel(Final2, m, 0)) == Placeholder ||
        Grid.caption(KnockoutTeamLabel(Final2, m, 1)) == Placeholder) {
      noThird();   // no semi-final was played without its two teams
      return;
    }
    Grid.setEnabled(thirdField, true);
    Grid.setEnabled(thirdLabel, true);
    const QString loser = Grid.caption(KnockoutTeamLabel(Final2, m, loserSide));
    if (Grid.caption(thirdLabel) == loser)
      return;
    Grid.setCaption(thirdLabel, loser);
    thirdChange();   // the third-place match with its new team
  };


  if (!IsScore(Grid.text(g1)) || !IsScore(Grid.text(g2))) {
    noThird();
    return;
  }
  const int goals = CompareScores(Grid.text(g1), Grid.text(g2));
  if (goals != 0) {
    loserGoesOn(goals > 0 ? 1 : 0);
    return;
  }
  if (!IsScore(Grid.text(p1)) || !IsScore(Grid.text(p2))) {
    noThird();
    return;
  }
  const int penalties = CompareScores(Grid.text(p1), Grid.text(p2));
  if (penalties > 0)
    loserGoesOn(1);
  else if (penalties < 0)
    loserGoesOn(0);
  else
    noThird();
}

// The third-place match and the final: one match each, whose "Pen." heading
// is enabled exactly while its penalty fields show.
void TTournament::showPenaltyFields(int stage, bool on)
{
  Grid.setEnabled(PenaltyHeadingLabel(stage), on);
  Grid.setHidden(PenaltyField(stage, 0, 0), !on);
  Grid.setHidden(PenaltyField(stage, 0, 1), !on);
}

void TTournament::clearPenaltyFields(int stage)
{
  setText(PenaltyField(stage, 0, 0), QString());
  setText(PenaltyField(stage, 0, 1), QString());
}

void TTournament::thirdChange()
{
  const TField g1 = KnockoutScoreField(ThirdPlace, 0, 0);
  const TField g2 = KnockoutScoreField(ThirdPlace, 0, 1);
  const TField p1 = PenaltyField(ThirdPlace, 0, 0);
  const TField p2 = PenaltyField(ThirdPlace, 0, 1);
  // Without both teams nobody wins it, whatever a file's score says.
  const bool teams = Grid.caption(KnockoutTeamLabel(ThirdPlace, 0, 0)) != Placeholder &&
                     Grid.caption(KnockoutTeamLabel(ThirdPlace, 0, 1)) != Placeholder;
  auto mark = [&](bool bold1, bool bold2) {
    Grid.setBold(KnockoutTeamLabel(ThirdPlace, 0, 0), teams && bold1);
    Grid.setBold(KnockoutTeamLabel(ThirdPlace, 0, 1), teams && bold2);
  };

  if (!IsScore(Grid.text(g1)) || !IsScore(Grid.text(g2))) {
    mark(false, false);
    clearPenaltyFields(ThirdPlace);
    showPenaltyFields(ThirdPlace, false);
  } else if (const int goals = CompareScores(Grid.text(g1), Grid.text(g2)); goals != 0) {
    mark(goals > 0, goals < 0);
    clearPenaltyFields(ThirdPlace);
    showPenaltyFields(ThirdPlace, false);
  } else if (Grid.label(PenaltyHeadingLabel(ThirdPlace)).enabled) {
    if (IsScore(Grid.text(p1)) && IsScore(Grid.text(p2))) {
      const int penalties = CompareScores(Grid.text(p1), Grid.text(p2));
      mark(penalties > 0, penalties < 0);
    } else {
      mark(false, false);
    }
  } else {
    mark(false, false);
    showPenaltyFields(ThirdPlace, true);
  }
}

void TTournament::finalChange()
{
  const TField g1 = KnockoutScoreField(TheFinal, 0, 0);
  const TField g2 = KnockoutScoreField(TheFinal, 0, 1);
  if (!IsScore(Grid.text(g1)) || !IsScore(Grid.text(g2))) {
    clearPenaltyFields(TheFinal);
    showPenaltyFields(TheFinal, false);
    calculateWinner();
  } else if (CompareScores(Grid.text(g1), Grid.text(g2)) != 0) {
    calculateWinner();
  } else if (Grid.label(PenaltyHeadingLabel(TheFinal)).enabled) {
    calculateWinner();
  } else {
    Grid.setCaption(ChampionLabel(), Placeholder);
    showPenaltyFields(TheFinal, true);
  }
}

void TTournament::calculateWinner()
{
  const TField g1 = KnockoutScoreField(TheFinal, 0, 0);
  const TField g2 = KnockoutScoreField(TheFinal, 0, 1);
  const TField p1 = PenaltyField(TheFinal, 0, 0);
  const TField p2 = PenaltyField(TheFinal, 0, 1);
  const TLabel side1 = KnockoutTeamLabel(TheFinal, 0, 0);
  const TLabel side2 = KnockoutTeamLabel(TheFinal, 0, 1);

  if (!IsScore(Grid.text(g1)) || !IsScore(Grid.text(g2))) {
    Grid.setCaption(ChampionLabel(), Placeholder);
    return;
  }
  // Without both finalists there is no champion, whatever a file's score says.
  auto champion = [&](TLabel winner) {
    const bool teams = Grid.caption(side1) != Placeholder && Grid.caption(side2) != Placeholder;
    return teams ? Grid.caption(winner) : Placeholder;
  };
  if (const int goals = CompareScores(Grid.text(g1), Grid.text(g2)); goals != 0) {
    clearPenaltyFields(TheFinal);
    showPenaltyFields(TheFinal, false);
    Grid.setCaption(ChampionLabel(), champion(goals > 0 ? side1 : side2));
    return;
  }
  if (!IsScore(Grid.text(p1)) || !IsScore(Grid.text(p2))) {
    Grid.setCaption(ChampionLabel(), Placeholder);
    return;
  }
  const int penalties = CompareScores(Grid.text(p1), Grid.text(p2));
  Grid.setCaption(ChampionLabel(),
                  penalties == 0 ? Placeholder : champion(penalties > 0 ? side1 : side2));
}
