// The matching of a file's matches to the tournament's, worked out on a copy
// of the tournament round by round.

#include "core/import/importPlan.h"

#include "core/import/groupMatches.h"
#include "core/import/readers.h"
#include "core/tournament/scoreText.h"

#include <algorithm>
#include <bitset>

namespace {

// The rounds in the order they are applied: the groups, then each knockout
// stage (a TKnockout) as round stage + 1.
constexpr int RoundCount = 1 + KnockoutCount;

int RoundOf(TImportStage stage)
{
  switch (stage) {
    case TImportStage::RoundOf16: return 1 + Final8;
    case TImportStage::QuarterFinal: return 1 + Final4;
    case TImportStage::SemiFinal: return 1 + Final2;
    case TImportStage::ThirdPlace: return 1 + ThirdPlace;
    case TImportStage::Final: return 1 + TheFinal;
    default: return 0;
  }
}

TMatchTexts TextsOf(const TTournament &tournament, TMatch match)
{
  const TMatchState &m = tournament.match(match);
  return {m.goals, m.penalties};
}

// The file's result as the match's fields take it, in the match's side
// order; false when a field cannot hold it.
bool ResultFor(const TImportMatch &record, const TImportRow &row, TMatchTexts &result)
{
  const auto pair = [&](const TImportScore &score, std::array<QString, 2> &sides) {
    sides = {WithoutLeadingZeros(score.goals1).toString(), WithoutLeadingZeros(score.goals2).toString()};
    if (row.swapped)
      std::swap(sides[0], sides[1]);
    return FieldHolds(row.match, sides[0]) && FieldHolds(row.match, sides[1]);
  };
  if (!record.score.valid() || !pair(record.score, result.goals))
    return false;
  result.penalties = {};
  if (record.penalties.state == TImportScore::Absent)
    return true;
  // A shoot-out follows a level knockout match.
  return !IsGroupMatch(row.match) && record.penalties.valid() &&
         CompareScores(result.goals[0], result.goals[1]) == 0 && pair(record.penalties, result.penalties);
}

bool FindInSlot(const TTournament &tournament, int stage, const TImportMatch &record, TImportRow &row)
{
  for (int m = 0; m < KnockoutStageMatches[stage]; ++m) {
    const std::array<TTeam, 2> &teams = tournament.knockoutMatch(stage, m).teams;
    const bool ahead = teams[0] == record.team1 && teams[1] == record.team2;
    if (ahead || (teams[0] == record.team2 && teams[1] == record.team1)) {
      row.found = true;
      row.match = KnockoutMatch(stage, m);
      row.swapped = !ahead;
      row.before = TextsOf(tournament, row.match);
      return true;
    }
  }
  return false;
}

class TPlanner {
public:
  TPlanner(const TTournament &tournament, const std::vector<TImportMatch> &records)
      : Records(records), Scratch(tournament)
  {
    Plan.rows.resize(records.size());
  }

  TImportPlan run();

private:
  void sort(int record);
  // The rows of one round, found: their results checked, a match given
  // twice settled; returns the rows to apply, in the file's order.
  std::vector<int> settle(std::vector<int> found);
  void applyGroups(const std::vector<int> &rows);
  void applyKnockout(const std::vector<int> &rows);
  void applied(TImportRow &row, const TMatchTexts &result);

  const std::vector<TImportMatch> &Records;
  TTournament Scratch;
  TImportPlan Plan;
  std::vector<TMatchTexts> Results;                 // by row, once settled
  std::array<std::vector<int>, RoundCount> Rounds;  // rows by the round the file names
  std::vector<int> AnyRound;                        // rows of a knockout match of no round named
};

// A row's first judgement, from the file alone: a group match is found by
// its teams now, a knockout match waits for its round.
void TPlanner::sort(int record)
{
  const TImportMatch &r = Records[std::size_t(record)];
  TImportRow &row = Plan.rows[std::size_t(record)];
  // A match of the group stage, or of no round the file names: two teams of
  // a group play their group match.
  const int round = RoundOf(r.stage);
  const std::optional<TGroupMatchRef> ref = round > 0 ? std::nullopt : FindGroupMatch(r.team1, r.team2);
  if (ref) {
    row.found = true;
    row.match = GroupMatch(ref->group, ref->match);
    row.swapped = ref->swapped;
    row.before = TextsOf(Scratch, row.match);
  }
  if (r.score.state == TImportScore::Absent && r.penalties.state == TImportScore::Absent) {
    row.outcome = TImportOutcome::NotPlayed;
    return;
  }
  if (r.team1 == NoTeam || r.team2 == NoTeam) {
    row.outcome = TImportOutcome::UnknownTeam;
    return;
  }
  if (r.team1 == r.team2) {
    row.outcome = TImportOutcome::NoSuchMatch;
    return;
  }
  if (round > 0)
    Rounds[std::size_t(round)].push_back(record);
  else if (ref)
    Rounds[0].push_back(record);
  else if (r.stage == TImportStage::GroupStage)
    row.outcome = TImportOutcome::NoSuchMatch;
  else
    AnyRound.push_back(record);
}

std::vector<int> TPlanner::settle(std::vector<int> found)
{
  std::sort(found.begin(), found.end());
  std::vector<int> held;
  for (int r : found) {
    TImportRow &row = Plan.rows[std::size_t(r)];
    if (ResultFor(Records[std::size_t(r)], row, Results[std::size_t(r)]))
      held.push_back(r);
    else
      row.outcome = TImportOutcome::ScoreNotHeld;
  }
  std::array<int, MatchCount> first;
  first.fill(-1);
  std::bitset<MatchCount> clash;
  for (int r : held) {
    const std::size_t m = Index(Plan.rows[std::size_t(r)].match);
    if (first[m] < 0)
      first[m] = r;
    else if (Results[std::size_t(r)] != Results[std::size_t(first[m])])
      clash.set(m);
  }
  std::vector<int> apply;
  for (int r : held) {
    TImportRow &row = Plan.rows[std::size_t(r)];
    const std::size_t m = Index(row.match);
    if (clash[m]) {
      row.outcome = TImportOutcome::ListedTwice;
    } else if (first[m] == r) {
      apply.push_back(r);
    } else {
      // The same result again: the first listing gave it.
      row.before = row.after = Results[std::size_t(r)];
      row.outcome = TImportOutcome::Unchanged;
    }
  }
  return apply;
}

void TPlanner::applied(TImportRow &row, const TMatchTexts &result)
{
  row.after = result;
  row.outcome = row.before == result ? TImportOutcome::Unchanged
                : row.before.empty()  ? TImportOutcome::NewScore
                                      : TImportOutcome::Replaced;
  if (row.outcome != TImportOutcome::Unchanged)
    ++Plan.applied;
}

// Each group's twelve fields are written at once: its table is rebuilt
// once, and a 1/8-final slot loses its scores only when the group's final
// table puts another team in it, never on the way there.
void TPlanner::applyGroups(const std::vector<int> &rows)
{
  std::array<TTournament::TGroupTexts, GroupCount> texts;
  std::bitset<GroupCount> changed;
  for (int g = 0; g < GroupCount; ++g)
    for (int i = 0; i < MatchesPerGroup * 2; ++i)
      texts[std::size_t(g)][std::size_t(i)] = Scratch.text(TField(Index(GroupScoreField(g, 0, 0)) + std::size_t(i)));
  for (int r : rows) {
    TImportRow &row = Plan.rows[std::size_t(r)];
    const TMatchPlace place = MatchPlace(row.match);
    applied(row, Results[std::size_t(r)]);
    for (int side = 0; side < 2; ++side)
      texts[std::size_t(place.group)][std::size_t(place.match * 2 + side)] = row.after.goals[std::size_t(side)];
    changed.set(std::size_t(place.group));
  }
  for (int g = 0; g < GroupCount; ++g)
    if (changed[std::size_t(g)])
      Scratch.setGroupTexts(g, texts[std::size_t(g)]);
}

// As a fan types them: the scores, then the penalties.
void TPlanner::applyKnockout(const std::vector<int> &rows)
{
  for (int r : rows) {
    TImportRow &row = Plan.rows[std::size_t(r)];
    applied(row, Results[std::size_t(r)]);
    for (int side = 0; side < 2; ++side)
      Scratch.setText(ScoreField(row.match, side), row.after.goals[std::size_t(side)]);
    for (int side = 0; side < 2; ++side)
      Scratch.setText(PenaltyField(row.match, side), row.after.penalties[std::size_t(side)]);
  }
}

TImportPlan TPlanner::run()
{
  Results.resize(Records.size());
  for (int r = 0; r < int(Records.size()); ++r)
    sort(r);
  applyGroups(settle(Rounds[0]));
  std::vector<char> placed(AnyRound.size(), 0);
  for (int stage = 0; stage < KnockoutCount; ++stage) {
    std::vector<int> found;
    for (int r : Rounds[std::size_t(1 + stage)]) {
      if (FindInSlot(Scratch, stage, Records[std::size_t(r)], Plan.rows[std::size_t(r)]))
        found.push_back(r);
      else
        Plan.rows[std::size_t(r)].outcome = TImportOutcome::NotInSlot;
    }
    for (std::size_t i = 0; i < AnyRound.size(); ++i)
      if (!placed[i] && FindInSlot(Scratch, stage, Records[std::size_t(AnyRound[i])],
                                   Plan.rows[std::size_t(AnyRound[i])])) {
        placed[i] = 1;
        found.push_back(AnyRound[i]);
      }
    applyKnockout(settle(std::move(found)));
  }
  for (std::size_t i = 0; i < AnyRound.size(); ++i)
    if (!placed[i])
      Plan.rows[std::size_t(AnyRound[i])].outcome = TImportOutcome::NoSuchMatch;
  Plan.texts = ResultTextsOf(Scratch);
  return std::move(Plan);
}

}  // namespace

bool TMatchTexts::empty() const
{
  return goals[0].isEmpty() && goals[1].isEmpty() && penalties[0].isEmpty() && penalties[1].isEmpty();
}

bool TMatchTexts::operator==(const TMatchTexts &o) const
{
  return SameText(goals[0], o.goals[0]) && SameText(goals[1], o.goals[1]) &&
         SameText(penalties[0], o.penalties[0]) && SameText(penalties[1], o.penalties[1]);
}

bool FieldHolds(TMatch match, QStringView digits)
{
  return digits.size() <= 2 || MatchPlace(match).stage == TheFinal;
}

TImportPlan PlanImport(const TTournament &tournament, const std::vector<TImportMatch> &matches)
{
  return TPlanner(tournament, matches).run();
}
