#include "core/tournament/tournament.h"

#include "core/groups/fixtures.h"
#include "core/groups/groupStage.h"
#include "core/groups/groupTables.h"
#include "core/knockout/bracket.h"
#include "core/tournament/scoreText.h"

#include <cstring>

namespace {

int StageOf(const char *prefix)
{
  for (int k = 0; k < KnockoutCount; ++k)
    if (std::strcmp(KnockoutStage(k).prefix, prefix) == 0)
      return k;
  return -1;
}

// A bracket match (a 1/8 final, quarter-final or semi-final): the match, the
// slot its winner goes to, and for a semi-final the third-place side its
// loser goes to.
struct TBracketMatchIds {
  TMatch match;
  TMatch next;
  int nextSide;
  int nextBracket;   // the next match's bracket index; -1 for the final
  int thirdSide;
};

struct TBracketTable {
  std::array<TBracketMatchIds, BracketMatchCount> matches;
  std::array<std::int8_t, MatchCount> bracketOf;   // a match's bracket index, -1 for none
};

const TBracketTable &BracketIds()
{
  static const TBracketTable table = [] {
    TBracketTable t{};
    t.bracketOf.fill(-1);
    for (int i = 0; i < BracketMatchCount; ++i) {
      const TBracketMatch &b = Bracket()[std::size_t(i)];
      const TMatch match = KnockoutMatch(StageOf(b.prefix), b.match - 1);
      t.matches[std::size_t(i)] = {match, KnockoutMatch(StageOf(b.nextPrefix), b.nextMatch - 1),
                                   b.nextSide - 1, -1, b.thirdSide};
      t.bracketOf[Index(match)] = std::int8_t(i);
    }
    for (TBracketMatchIds &m : t.matches)
      m.nextBracket = t.bracketOf[Index(m.next)];
    return t;
  }();
  return table;
}

// The slot of a group's winner or runner-up among the 1/8 finals.
TMatch SlotMatch(const TSlot &slot) { return KnockoutMatch(Final8, slot.match - 1); }

bool SameLine(const TTeamRec &a, const TTeamRec &b)
{
  return a.TeamName == b.TeamName && a.Points == b.Points && a.Played == b.Played &&
         a.Wins == b.Wins && a.Ties == b.Ties && a.Losses == b.Losses && a.GoalsFor == b.GoalsFor &&
         a.GoalsAgainst == b.GoalsAgainst && a.PlusMinus == b.PlusMinus;
}

bool SameTable(const TGroupRec &a, const TGroupRec &b)
{
  for (int r = 0; r < TeamsPerGroup; ++r)
    if (!SameLine(a[std::size_t(r)], b[std::size_t(r)]))
      return false;
  return true;
}

}  // namespace

TDecision Decide(const QString &goals1, const QString &goals2, const QString &pen1, const QString &pen2)
{
  if (!IsScore(goals1) || !IsScore(goals2))
    return {TDecision::Unplayed, -1};
  if (const int goals = CompareScores(goals1, goals2); goals != 0)
    return {TDecision::Goals, goals > 0 ? 0 : 1};
  if (!IsScore(pen1) || !IsScore(pen2))
    return {TDecision::Level, -1};
  const int penalties = CompareScores(pen1, pen2);
  return {TDecision::Level, penalties > 0 ? 0 : penalties < 0 ? 1 : -1};
}

bool TMatchState::operator==(const TMatchState &o) const
{
  return teams == o.teams && open == o.open && shootOut == o.shootOut && winner == o.winner &&
         SameText(goals[0], o.goals[0]) && SameText(goals[1], o.goals[1]) &&
         SameText(penalties[0], o.penalties[0]) && SameText(penalties[1], o.penalties[1]);
}

bool TGroupState::operator==(const TGroupState &o) const
{
  return SameTable(table, o.table) && outlook == o.outlook;
}

TTournament::TChanges &TTournament::TChanges::operator|=(const TChanges &o)
{
  matches |= o.matches;
  groups |= o.groups;
  champion = champion || o.champion;
  return *this;
}

TTournament::TChanges TTournament::TChanges::all()
{
  TChanges every;
  every.matches.set();
  every.groups.set();
  every.champion = true;
  return every;
}

TTournament::TTournament(bool outlookMarks) : OutlookMarks(outlookMarks)
{
  for (int g = 0; g < GroupCount; ++g) {
    const TGroupFixtures &fixtures = GroupFixtures(g);
    for (int m = 0; m < MatchesPerGroup; ++m) {
      TMatchState &match = at(GroupMatch(g, m));
      match.teams = {fixtures[m].side1, fixtures[m].side2};
      match.open = {true, true};
    }
    const TGroupSeeding &seeding = GroupSeeding(g);
    TGroupRec &table = Groups[std::size_t(g)].table;
    InitializeGroupStandings(table, seeding.initialOrder);
    at(SlotMatch(seeding.winner)).teams[std::size_t(seeding.winner.side - 1)] = seeding.initialOrder[0];
    at(SlotMatch(seeding.runnerUp)).teams[std::size_t(seeding.runnerUp.side - 1)] = seeding.initialOrder[1];
  }
  for (int m = 0; m < KnockoutStage(Final8).matches; ++m)
    at(KnockoutMatch(Final8, m)).open = {true, true};
}

QString &TTournament::textAt(TField field) { return const_cast<QString &>(text(field)); }

void TTournament::setTeam(TMatch m, int side, TTeam team)
{
  TTeam &now = at(m).teams[std::size_t(side)];
  if (now != team) {
    now = team;
    Changed.matches.set(Index(m));
  }
}

void TTournament::setOpen(TMatch m, int side, bool open)
{
  bool &now = at(m).open[std::size_t(side)];
  if (now != open) {
    now = open;
    Changed.matches.set(Index(m));
  }
}

void TTournament::setShootOut(TMatch m, bool on)
{
  bool &now = at(m).shootOut;
  if (now != on) {
    now = on;
    Changed.matches.set(Index(m));
  }
}

void TTournament::setWinner(TMatch m, int side)
{
  std::int8_t &now = at(m).winner;
  if (now != side) {
    now = std::int8_t(side);
    Changed.matches.set(Index(m));
  }
}

TTournament::TChanges TTournament::takeChanges()
{
  TChanges taken = Changed;
  Changed = TChanges();
  return taken;
}

bool TTournament::operator==(const TTournament &o) const
{
  return Matches == o.Matches && Groups == o.Groups && Champion == o.Champion;
}

void TTournament::setText(TField field, const QString &text)
{
  QString &now = textAt(field);
  if (SameText(now, text))
    return;
  now = text;
  Changed.matches.set(Index(FieldInfo(field).of));
  fieldChanged(field);
}

void TTournament::setGroupTexts(int group, const TGroupTexts &texts)
{
  bool changed = false;
  for (int i = 0; i < MatchesPerGroup * 2; ++i) {
    const TField field = TField(Index(GroupScoreField(group, 0, 0)) + std::size_t(i));
    QString &now = textAt(field);
    if (SameText(now, texts[std::size_t(i)]))
      continue;
    now = texts[std::size_t(i)];
    Changed.matches.set(Index(FieldInfo(field).of));
    changed = true;
  }
  if (changed)
    groupChange(group);
}

void TTournament::fieldChanged(TField field)
{
  const TFieldInfo &info = FieldInfo(field);
  if (info.kind == TFieldInfo::GroupScore)
    groupChange(info.group);
  else if (info.stage == ThirdPlace)
    thirdChange();
  else if (info.stage == TheFinal)
    finalChange();
  else
    bracketChange(BracketIds().bracketOf[Index(info.of)]);
}

// The group's table from its counted matches, with a provisional order after
// each feeding the next, then the final order; and the outlook of each place.
void TTournament::rebuildGroup(int group)
{
  TGroupState &state = Groups[std::size_t(group)];
  const TGroupRec before = state.table;
  TGroupRec &table = state.table;
  InitializeGroupStandings(table, GroupSeeding(group).initialOrder);
  const TGroupFixtures &fixtures = GroupFixtures(group);
  TGroupScores scores;
  scores.sides = GroupSides(group);
  for (int m = 0; m < MatchesPerGroup; ++m) {
    const TMatchState &match = Matches[Index(GroupMatch(group, m))];
    const std::optional<qint64> s1 = ReadGroupScore(match.goals[0]);
    const std::optional<qint64> s2 = ReadGroupScore(match.goals[1]);
    scores.scores[std::size_t(m)] = {s1, s2};
    if (!s1 || !s2)
      continue;
    SetGroupScores(*s1, *s2, fixtures[m].side1, fixtures[m].side2, table);
    SetGroupStandings(table);
  }
  SetGroupStandingsFinal(table, GroupLetter(group));

  const std::array<TOutlook, TeamsPerGroup> outlookBefore = state.outlook;
  if (OutlookMarks) {
    if (!state.outlookScores || !(*state.outlookScores == scores)) {
      state.outlookOfTeam = GroupOutlook(scores);
      state.outlookScores = scores;
    }
    const auto &order = GroupSeeding(group).initialOrder;
    for (int r = 0; r < TeamsPerGroup; ++r)
      for (int t = 0; t < TeamsPerGroup; ++t)
        if (table[std::size_t(r)].TeamName == order[std::size_t(t)])
          state.outlook[std::size_t(r)] = state.outlookOfTeam[std::size_t(t)];
  }
  if (!SameTable(before, table) || outlookBefore != state.outlook)
    Changed.groups.set(std::size_t(group));
}

// The group's table, then its winner and runner-up into their 1/8-final
// slots: a slot that takes another team has its match's scores emptied.
void TTournament::groupChange(int group)
{
  rebuildGroup(group);
  const TGroupRec &table = Groups[std::size_t(group)].table;
  const TTeam winner = table[0].TeamName;
  const TTeam runnerUp = table[1].TeamName;
  const TGroupSeeding &s = GroupSeeding(group);
  const TMatch winnerMatch = SlotMatch(s.winner);
  const TMatch runnerUpMatch = SlotMatch(s.runnerUp);
  const TTeam oldWinner = match(winnerMatch).teams[std::size_t(s.winner.side - 1)];
  const TTeam oldRunnerUp = match(runnerUpMatch).teams[std::size_t(s.runnerUp.side - 1)];
  setTeam(winnerMatch, s.winner.side - 1, winner);
  setTeam(runnerUpMatch, s.runnerUp.side - 1, runnerUp);
  if (oldWinner != winner) {
    setText(ScoreField(winnerMatch, 0), QString());
    setText(ScoreField(winnerMatch, 1), QString());
  }
  if (oldRunnerUp != runnerUp) {
    setText(ScoreField(runnerUpMatch, 0), QString());
    setText(ScoreField(runnerUpMatch, 1), QString());
  }
}

void TTournament::bracketChange(int bracketMatch)
{
  const TBracketMatchIds &m = BracketIds().matches[std::size_t(bracketMatch)];
  const TTeam nextTeam = match(m.next).teams[std::size_t(m.nextSide)];
  advanceWinner(bracketMatch);
  // A filled slot that takes another team keeps its scores, and the match
  // it stands in is decided again with them at once (and so on to the
  // champion): no winner is shown that the scores no longer give.
  if (match(m.next).teams[std::size_t(m.nextSide)] != nextTeam) {
    if (m.nextBracket < 0)
      finalChange();
    else
      bracketChange(m.nextBracket);
  }
  if (m.thirdSide)
    setThirdPlace(m.thirdSide);
}

// Decides one knockout match and fills or resets the following stage's
// slot. A level score opens the shoot-out.
void TTournament::advanceWinner(int bracketMatch)
{
  const TMatch id = BracketIds().matches[std::size_t(bracketMatch)].match;
  const TMatchState &m = match(id);
  const TDecision decision = Decide(m);
  if (decision.by == TDecision::Unplayed) {
    setText(PenaltyField(id, 0), QString());
    setText(PenaltyField(id, 1), QString());
    setShootOut(id, false);
    decideWinner(bracketMatch);
    return;
  }
  if (decision.by == TDecision::Goals || m.shootOut) {
    decideWinner(bracketMatch);
    return;
  }
  resetSlot(bracketMatch);
  setShootOut(id, true);
}

// No team goes on from the match: its slot is emptied and closed, and
// neither team is shown as the winner.
void TTournament::resetSlot(int bracketMatch)
{
  const TBracketMatchIds &m = BracketIds().matches[std::size_t(bracketMatch)];
  setOpen(m.next, m.nextSide, false);
  setText(ScoreField(m.next, m.nextSide), QString());
  setTeam(m.next, m.nextSide, NoTeam);
  setWinner(m.match, -1);
}

void TTournament::decideWinner(int bracketMatch)
{
  const TBracketMatchIds &ids = BracketIds().matches[std::size_t(bracketMatch)];
  const TMatch id = ids.match;
  auto sendOn = [&](int winner) {
    // A match is played by two teams: a score read from a file for a match
    // whose teams are not known yet sends nobody on.
    const TMatchState &m = match(id);
    if (m.teams[0] == NoTeam || m.teams[1] == NoTeam) {
      resetSlot(bracketMatch);
      return;
    }
    setOpen(ids.next, ids.nextSide, true);
    setTeam(ids.next, ids.nextSide, m.teams[std::size_t(winner)]);
    setWinner(id, winner);
  };
  const TDecision decision = Decide(match(id));
  switch (decision.by) {
  case TDecision::Unplayed:
    resetSlot(bracketMatch);
    return;
  case TDecision::Goals:
    setText(PenaltyField(id, 0), QString());
    setText(PenaltyField(id, 1), QString());
    setShootOut(id, false);
    sendOn(decision.side);
    return;
  case TDecision::Level:
    if (decision.side >= 0)
      sendOn(decision.side);
    else
      resetSlot(bracketMatch);
    return;
  }
}

// Puts the loser of semi-final `side` (1 or 2) into that third-place slot.
void TTournament::setThirdPlace(int side)
{
  const int s = side - 1;
  const TMatch semi = KnockoutMatch(Final2, s);
  const TMatch third = KnockoutMatch(ThirdPlace, 0);

  auto noThird = [&] {
    setOpen(third, s, false);
    setText(ScoreField(third, s), QString());
    setTeam(third, s, NoTeam);
  };
  auto loserGoesOn = [&](int loserSide) {
    const TMatchState &m = match(semi);
    if (m.teams[0] == NoTeam || m.teams[1] == NoTeam) {
      noThird();   // no semi-final was played without its two teams
      return;
    }
    setOpen(third, s, true);
    const TTeam loser = m.teams[std::size_t(loserSide)];
    if (match(third).teams[std::size_t(s)] == loser)
      return;
    setTeam(third, s, loser);
    thirdChange();   // the third-place match with its new team
  };

  const TDecision decision = Decide(match(semi));
  if (decision.side < 0)
    noThird();
  else
    loserGoesOn(1 - decision.side);
}

// The third-place match and the final: one match each, whose "Pen." heading
// is enabled exactly while its penalty fields show.
void TTournament::showPenaltyFields(int stage, bool on) { setShootOut(KnockoutMatch(stage, 0), on); }

void TTournament::clearPenaltyFields(int stage)
{
  setText(PenaltyField(stage, 0, 0), QString());
  setText(PenaltyField(stage, 0, 1), QString());
}

void TTournament::thirdChange()
{
  const TMatch third = KnockoutMatch(ThirdPlace, 0);
  // Without both teams nobody wins it, whatever a file's score says.
  auto mark = [&](int winner) {
    const TMatchState &m = match(third);
    const bool teams = m.teams[0] != NoTeam && m.teams[1] != NoTeam;
    setWinner(third, teams ? winner : -1);
  };

  const TDecision decision = Decide(match(third));
  if (decision.by == TDecision::Unplayed) {
    mark(-1);
    clearPenaltyFields(ThirdPlace);
    showPenaltyFields(ThirdPlace, false);
  } else if (decision.by == TDecision::Goals) {
    mark(decision.side);
    clearPenaltyFields(ThirdPlace);
    showPenaltyFields(ThirdPlace, false);
  } else if (match(third).shootOut) {
    mark(decision.side);
  } else {
    mark(-1);
    showPenaltyFields(ThirdPlace, true);
  }
}

void TTournament::finalChange()
{
  const TMatch final = KnockoutMatch(TheFinal, 0);
  const TDecision decision = Decide(match(final));
  if (decision.by == TDecision::Unplayed) {
    clearPenaltyFields(TheFinal);
    showPenaltyFields(TheFinal, false);
    calculateWinner();
  } else if (decision.by == TDecision::Goals || match(final).shootOut) {
    calculateWinner();
  } else {
    if (Champion != NoTeam)
      Changed.champion = true;
    Champion = NoTeam;
    setWinner(final, -1);
    showPenaltyFields(TheFinal, true);
  }
}

void TTournament::calculateWinner()
{
  const TMatch final = KnockoutMatch(TheFinal, 0);
  auto crown = [&](int winner) {
    // Without both finalists there is no champion, whatever a file's score says.
    const TMatchState &m = match(final);
    const bool teams = m.teams[0] != NoTeam && m.teams[1] != NoTeam;
    const int side = teams ? winner : -1;
    const TTeam champion = side >= 0 ? m.teams[std::size_t(side)] : NoTeam;
    if (champion != Champion)
      Changed.champion = true;
    Champion = champion;
    setWinner(final, side);
  };
  const TDecision decision = Decide(match(final));
  if (decision.by == TDecision::Goals) {
    clearPenaltyFields(TheFinal);
    showPenaltyFields(TheFinal, false);
  }
  crown(decision.side);
}
