#include "core/groups/outlook.h"

#include "core/groups/brakkaDebug.h"
#include "core/groups/standings.h"

#include <QString>
#include <algorithm>

// How it is decided. The results of the remaining matches (win, draw or
// loss each) fix every team's points; for each such pattern, places that the
// points alone settle need no score at all. Where they do not, the scores of
// the remaining matches are searched as boxes: each match's winning margin d
// and the loser's goals b (each side's in a draw) lie in ranges, and every
// quantity the ordering compares (points, goal difference and goals after
// each match, and among teams level on all three, the same over their mutual
// matches) is a linear form in them whose range over a box is exact. A box in
// which every comparison the ordering can make has one outcome gives one and
// the same order at all of its scores; the table's own ordering is then asked
// at one of them. Otherwise the box is split, unless the ranges of the final
// comparisons already show it cannot tell anything still wanted.

namespace {

constexpr int Teams = 4;
constexpr int Matches = 6;

using TSides = std::array<std::array<int, 2>, Matches>;
using TScores = std::array<std::array<qint64, 2>, Matches>;

// The teams as the table knows them: team number t of the group is the
// table's team t + 1.
constexpr std::array<TTeam, Teams> TeamKeys = {TTeam(1), TTeam(2), TTeam(3), TTeam(4)};

// A linear form over the box variables: constant, and per match the
// coefficients of its margin d and its loser's goals b.
struct TForm {
  qint64 c = 0;
  std::array<qint8, Matches> d{};
  std::array<qint8, Matches> b{};

  TForm operator-(const TForm &o) const
  {
    TForm r;
    r.c = c - o.c;
    for (int m = 0; m < Matches; ++m) {
      r.d[m] = qint8(d[m] - o.d[m]);
      r.b[m] = qint8(b[m] - o.b[m]);
    }
    return r;
  }
};

struct TBox {
  std::array<qint64, Matches> dlo{}, dhi{}, blo{}, bhi{};
};

struct TRange {
  qint64 lo, hi;
  bool zero() const { return lo == 0 && hi == 0; }
};

void AddTerm(TRange &r, int k, qint64 lo, qint64 hi)
{
  if (k > 0) {
    r.lo += k * lo;
    r.hi += k * hi;
  } else if (k < 0) {
    r.lo += k * hi;
    r.hi += k * lo;
  }
}

TRange RangeOf(const TForm &f, const TBox &box)
{
  TRange r{f.c, f.c};
  for (int m = 0; m < Matches; ++m) {
    AddTerm(r, f.d[m], box.dlo[m], box.dhi[m]);
    AddTerm(r, f.b[m], box.blo[m], box.bhi[m]);
  }
  return r;
}

// A variable of the box: match m's margin (margin true) or loser's goals.
struct TVar {
  int match = -1;
  bool margin = false;
};

// The widest variable the form depends on.
TVar WidestIn(const TForm &f, const TBox &box)
{
  TVar best;
  qint64 width = 0;
  for (int m = 0; m < Matches; ++m) {
    if (f.d[m] != 0 && box.dhi[m] - box.dlo[m] > width) {
      width = box.dhi[m] - box.dlo[m];
      best = {m, true};
    }
    if (f.b[m] != 0 && box.bhi[m] - box.blo[m] > width) {
      width = box.bhi[m] - box.blo[m];
      best = {m, false};
    }
  }
  return best;
}

enum class TCmp { Less, Equal, Greater, Unknown };

// How u compares with t on three keys, the first a constant, over the box.
// Unknown names in `split` a variable that decides it.
TCmp CompareOver(qint64 first, const TForm &second, const TForm &third, const TBox &box,
                 TVar &split)
{
  if (first != 0)
    return first > 0 ? TCmp::Greater : TCmp::Less;
  const TRange r2 = RangeOf(second, box);
  if (r2.lo > 0)
    return TCmp::Greater;
  if (r2.hi < 0)
    return TCmp::Less;
  if (!r2.zero()) {
    split = WidestIn(second, box);
    return TCmp::Unknown;
  }
  const TRange r3 = RangeOf(third, box);
  if (r3.lo > 0)
    return TCmp::Greater;
  if (r3.hi < 0)
    return TCmp::Less;
  if (r3.zero())
    return TCmp::Equal;
  split = WidestIn(third, box);
  return TCmp::Unknown;
}

constexpr std::array<std::array<int, 2>, 6> Pairs = {{{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}};

int PairIndex(int t, int u)
{
  if (t > u)
    std::swap(t, u);
  return t == 0 ? u - 1 : t == 1 ? u + 1 : 5;
}

// What is still wanted about the teams, as features a completion can show:
// a place in the top two, a place below them, and (for the outlook) a place
// other than first. A team is settled once it has shown the first two.
struct TQuest {
  static constexpr std::array<quint8, 3> FeatureMask = {0b0011, 0b1100, 0b1110};
  int features = 2;
  std::array<bool, Teams> asked{};
  std::array<quint8, Teams> found{};

  bool needed(int t) const { return asked[t] && (found[t] & 3) != 3; }
  bool anyNeeded() const
  {
    for (int t = 0; t < Teams; ++t)
      if (needed(t))
        return true;
    return false;
  }
  // Places that would show something still wanted about team t.
  quint8 useful(int t) const
  {
    if (!needed(t))
      return 0;
    quint8 places = 0;
    for (int f = 0; f < features; ++f)
      if (!(found[t] & (1 << f)))
        places |= FeatureMask[f];
    return places;
  }
  // Team t takes one of `places` in some completion, whichever.
  void witness(int t, quint8 places)
  {
    for (int f = 0; f < features; ++f)
      if ((places & ~FeatureMask[f]) == 0)
        found[t] |= quint8(1 << f);
  }
  bool top(int t) const { return found[t] & 1; }
  bool below(int t) const { return found[t] & 2; }
  bool notFirst(int t) const { return found[t] & 4; }
};

quint8 PlaceRange(int first, int last)
{
  quint8 mask = 0;
  for (int p = first; p <= last; ++p)
    mask |= quint8(1 << (p - 1));
  return mask;
}

// The places team t can take, from how it compares with each other team:
// side(u) is above 0 where u is surely above t, below 0 where surely below,
// 0 where either may be.
template <class TSide>
quint8 PlacesOf(int t, TSide side)
{
  int above = 0, below = 0;
  for (int u = 0; u < Teams; ++u) {
    if (u == t)
      continue;
    const int s = side(u);
    above += s > 0;
    below += s < 0;
  }
  return PlaceRange(1 + above, Teams - below);
}

// Whether a set of places holds more than one.
bool SeveralPlaces(quint8 places) { return (places & (places - 1)) != 0; }

class TEngine {
public:
  TEngine(const TGroupScores &group, qint64 topScore) : Top(topScore)
  {
    Sides = group.sides;
    for (int m = 0; m < Matches; ++m) {
      const auto &s = group.scores[m];
      Fixed[m] = s[0].has_value() && s[1].has_value();
      if (Fixed[m])
        FixedScore[m] = {*s[0], *s[1]};
      else
        Remaining.push_back(m);
    }
  }

  const std::vector<int> &remaining() const { return Remaining; }
  int patternCount() const
  {
    int n = 1;
    for (size_t i = 0; i < Remaining.size(); ++i)
      n *= 3;
    return n;
  }

  // The results of pattern p, per match (only remaining matches are read).
  std::array<TMatchResult, Matches> pattern(int p) const
  {
    std::array<TMatchResult, Matches> results{};
    for (int i = int(Remaining.size()) - 1; i >= 0; --i) {
      results[Remaining[i]] = TMatchResult(p % 3);
      p /= 3;
    }
    return results;
  }

  // The box of all scores with these results; false when there is none.
  bool fullBox(const std::array<TMatchResult, Matches> &results, TBox &box) const
  {
    for (int m : Remaining) {
      if (results[m] == TMatchResult::Draw) {
        box.dlo[m] = box.dhi[m] = 0;
        box.blo[m] = 0;
        box.bhi[m] = Top;
      } else {
        if (Top < 1)
          return false;
        box.dlo[m] = 1;
        box.dhi[m] = Top;
        box.blo[m] = 0;
        box.bhi[m] = Top - 1;
      }
    }
    return true;
  }

  // Learns what the points of the pattern settle; true when scores may tell more.
  bool byPoints(const std::array<TMatchResult, Matches> &results, TQuest &quest) const
  {
    std::array<qint64, Teams> points{};
    for (int m = 0; m < Matches; ++m) {
      const int w = winnerSide(m, results);
      if (w < 0) {
        points[Sides[m][0]] += 1;
        points[Sides[m][1]] += 1;
      } else {
        points[Sides[m][w]] += 3;
      }
    }
    bool more = false;
    for (int t = 0; t < Teams; ++t) {
      if (!quest.needed(t))
        continue;
      const quint8 places =
          PlacesOf(t, [&](int u) { return points[u] > points[t] ? 1 : points[u] < points[t] ? -1 : 0; });
      quest.witness(t, places);
      if (SeveralPlaces(places) && (places & quest.useful(t)))
        more = true;
    }
    return more;
  }

  // Searches the scores of the box for what the quest still wants.
  void search(const std::array<TMatchResult, Matches> &results, const TBox &box, TQuest &quest)
  {
    Results = results;
    buildForms();
    for (const bool wide : {false, true}) {
      TBox probe = box;
      for (int m : Remaining) {
        probe.dlo[m] = probe.dhi[m] = wide ? std::min(box.dhi[m], Top - box.blo[m]) : box.dlo[m];
        probe.blo[m] = probe.bhi[m] = box.blo[m];
        if (probe.dlo[m] < box.dlo[m])
          probe.dlo[m] = probe.dhi[m] = box.dlo[m];
      }
      if (feasible(probe))
        see(probe, quest);
    }
    explore(box, quest);
  }

private:
  // The side (0 or 1) that wins match m, -1 for a draw.
  int winnerSide(int m, const std::array<TMatchResult, Matches> &results) const
  {
    if (Fixed[m]) {
      const auto &s = FixedScore[m];
      return s[0] > s[1] ? 0 : s[0] < s[1] ? 1 : -1;
    }
    return results[m] == TMatchResult::Side1 ? 0 : results[m] == TMatchResult::Side2 ? 1 : -1;
  }

  // Every team's points, goal difference and goals after each match.
  void buildForms()
  {
    std::array<qint64, Teams> points{};
    std::array<TForm, Teams> diff{}, goals{};
    for (int m = 0; m < Matches; ++m) {
      const int w = winnerSide(m, Results);
      for (int side = 0; side < 2; ++side) {
        const int t = Sides[m][side];
        points[t] += w < 0 ? 1 : w == side ? 3 : 0;
        if (Fixed[m]) {
          const qint64 f = FixedScore[m][side], a = FixedScore[m][1 - side];
          diff[t].c += f - a;
          goals[t].c += f;
        } else {
          goals[t].b[m] += 1;
          if (w == side) {
            diff[t].d[m] += 1;
            goals[t].d[m] += 1;
          } else if (w >= 0) {
            diff[t].d[m] -= 1;
          }
        }
      }
      for (int p = 0; p < 6; ++p) {
        const int t = Pairs[p][0], u = Pairs[p][1];
        PointsDiff[m][p] = points[u] - points[t];
        DiffDiff[m][p] = diff[u] - diff[t];
        GoalsDiff[m][p] = goals[u] - goals[t];
      }
      Points[m] = points;
    }
  }

  static bool feasibleIn(const TBox &box, int m, qint64 top)
  {
    return box.dlo[m] + box.blo[m] <= top;
  }
  bool feasible(const TBox &box) const
  {
    for (int m : Remaining)
      if (!feasibleIn(box, m, Top))
        return false;
    return true;
  }

  // How team u stands against team t in the final order over the box:
  // 1 above it at every score, -1 below it at every score, 0 either.
  int finalSide(int t, int u, const TBox &box) const
  {
    const int p = PairIndex(t, u);
    const int sign = t < u ? 1 : -1;   // the pair's forms are u - t for t < u
    const qint64 pts = sign * PointsDiff[Matches - 1][p];
    if (pts != 0)
      return pts > 0 ? 1 : -1;
    TRange d = RangeOf(DiffDiff[Matches - 1][p], box);
    TRange g = RangeOf(GoalsDiff[Matches - 1][p], box);
    if (sign < 0) {
      d = {-d.hi, -d.lo};
      g = {-g.hi, -g.lo};
    }
    if (d.lo > 0 || (d.lo >= 0 && g.lo > 0))
      return 1;
    if (d.hi < 0 || (d.hi <= 0 && g.hi < 0))
      return -1;
    return 0;
  }

  // Whether the ordering takes the same course at every score of the box;
  // when not, `split` names a variable to split it on.
  bool uniform(const TBox &box, TVar &split) const
  {
    std::array<TCmp, 6> last{};
    for (int p = 0; p < 6; ++p) {
      last[p] = CompareOver(PointsDiff[Matches - 1][p], DiffDiff[Matches - 1][p],
                            GoalsDiff[Matches - 1][p], box, split);
      if (last[p] == TCmp::Unknown)
        return false;
    }
    // Teams level on all three keys, grouped by points: their mutual matches.
    quint8 flagged = 0;
    for (int p = 0; p < 6; ++p)
      if (last[p] == TCmp::Equal)
        flagged |= quint8((1 << Pairs[p][0]) | (1 << Pairs[p][1]));
    if (!flagged)
      return true;
    bool levelAfterMutual = false;
    for (int t = 0; t < Teams; ++t) {
      if (!(flagged & (1 << t)))
        continue;
      quint8 tied = 0;
      for (int u = 0; u < Teams; ++u)
        if ((flagged & (1 << u)) && Points[Matches - 1][u] == Points[Matches - 1][t])
          tied |= quint8(1 << u);
      std::array<qint64, Teams> tiePoints{};
      std::array<TForm, Teams> tieDiff{}, tieGoals{};
      mutualForms(tied, tiePoints, tieDiff, tieGoals);
      for (int u = t + 1; u < Teams; ++u) {
        if (!(tied & (1 << u)))
          continue;
        const TCmp c = CompareOver(tiePoints[u] - tiePoints[t], tieDiff[u] - tieDiff[t],
                                   tieGoals[u] - tieGoals[t], box, split);
        if (c == TCmp::Unknown)
          return false;
        levelAfterMutual = levelAfterMutual || c == TCmp::Equal;
      }
    }
    if (!levelAfterMutual)
      return true;
    // Their order is then the one the orderings after each match leave.
    for (int m = 0; m + 1 < Matches; ++m)
      for (int p = 0; p < 6; ++p)
        if (CompareOver(PointsDiff[m][p], DiffDiff[m][p], GoalsDiff[m][p], box, split) ==
            TCmp::Unknown)
          return false;
    return true;
  }

  // Points, goal difference and goals of the matches among the teams of `tied`.
  void mutualForms(quint8 tied, std::array<qint64, Teams> &points, std::array<TForm, Teams> &diff,
                   std::array<TForm, Teams> &goals) const
  {
    for (int m = 0; m < Matches; ++m) {
      if (!(tied & (1 << Sides[m][0])) || !(tied & (1 << Sides[m][1])))
        continue;
      const int w = winnerSide(m, Results);
      for (int side = 0; side < 2; ++side) {
        const int t = Sides[m][side];
        points[t] += w < 0 ? 1 : w == side ? 3 : 0;
        if (Fixed[m]) {
          diff[t].c += FixedScore[m][side] - FixedScore[m][1 - side];
          goals[t].c += FixedScore[m][side];
        } else {
          goals[t].b[m] += 1;
          if (w == side) {
            diff[t].d[m] += 1;
            goals[t].d[m] += 1;
          } else if (w >= 0) {
            diff[t].d[m] -= 1;
          }
        }
      }
    }
  }

  // The table's ordering at the lowest scores of the box.
  void see(const TBox &box, TQuest &quest) const
  {
    TScores scores{};
    for (int m = 0; m < Matches; ++m) {
      if (Fixed[m]) {
        scores[m] = FixedScore[m];
        continue;
      }
      const int w = winnerSide(m, Results);
      const qint64 b = box.blo[m];
      scores[m] = {b, b};
      if (w >= 0)
        scores[m][w] += box.dlo[m];
    }
    const std::array<int, 4> places = CompletedPlaces(Sides, scores);
    for (int t = 0; t < Teams; ++t)
      if (quest.needed(t))
        quest.witness(t, quint8(1 << (places[t] - 1)));
  }

  void explore(const TBox &box, TQuest &quest) const
  {
    if (!feasible(box) || !quest.anyNeeded())
      return;
    bool useful = false;
    for (int t = 0; t < Teams; ++t) {
      if (!quest.needed(t))
        continue;
      const quint8 places = PlacesOf(t, [&](int u) { return finalSide(t, u, box); });
      quest.witness(t, places);
      if (places & quest.useful(t))
        useful = true;
    }
    if (!useful)
      return;
    TVar split;
    if (uniform(box, split)) {
      see(box, quest);
      return;
    }
    TBox low = box, high = box;
    const int m = split.match;
    if (split.margin) {
      const qint64 mid = box.dlo[m] + (box.dhi[m] - box.dlo[m]) / 2;
      low.dhi[m] = mid;
      high.dlo[m] = mid + 1;
    } else {
      const qint64 mid = box.blo[m] + (box.bhi[m] - box.blo[m]) / 2;
      low.bhi[m] = mid;
      high.blo[m] = mid + 1;
    }
    explore(low, quest);
    explore(high, quest);
  }

  qint64 Top;
  TSides Sides{};
  std::array<bool, Matches> Fixed{};
  std::array<std::array<qint64, 2>, Matches> FixedScore{};
  std::vector<int> Remaining;

  // The pattern being searched, and its forms after each match m: per pair
  // (t, u) of Pairs, u's value minus t's.
  std::array<TMatchResult, Matches> Results{};
  std::array<std::array<qint64, 6>, Matches> PointsDiff{};
  std::array<std::array<TForm, 6>, Matches> DiffDiff{}, GoalsDiff{};
  std::array<std::array<qint64, Teams>, Matches> Points{};
};

// What the scores of one pattern (within `box` when given) show about the teams asked.
void Learn(TEngine &engine, const std::array<TMatchResult, Matches> &results, TQuest &quest,
           const TBox *within = nullptr)
{
  TBox box;
  if (!engine.fullBox(results, box))
    return;
  if (within) {
    box = *within;
  } else if (!engine.byPoints(results, quest)) {
    return;
  }
  engine.search(results, box, quest);
}

TVerdict VerdictOf(const TQuest &quest, int t)
{
  if (quest.top(t))
    return quest.below(t) ? TVerdict::Goals : TVerdict::Through;
  return quest.below(t) ? TVerdict::Out : TVerdict::None;
}

}  // namespace

std::array<int, 4> CompletedPlaces(const TSides &sides, const TScores &scores)
{
  const TTraceMute mute;
  const std::array<TTeam, Teams> &keys = TeamKeys;
  TGroupRec table;
  InitializeGroupStandings(table, keys);
  for (int m = 0; m < Matches; ++m) {
    SetGroupScores(scores[m][0], scores[m][1], keys[sides[m][0]], keys[sides[m][1]], table);
    SetGroupStandings(table);
  }
  SetGroupStandingsFinal(table, QLatin1Char('-'));
  std::array<int, 4> places{};
  for (int p = 0; p < Teams; ++p)
    places[table[p].TeamName - 1] = p + 1;
  return places;
}

std::array<TOutlook, 4> GroupOutlook(const TGroupScores &group, qint64 topScore)
{
  TEngine engine(group, topScore);
  TQuest quest;
  quest.features = 3;
  quest.asked.fill(true);

  // The points first, over all patterns: they settle most of it.
  const int patterns = engine.patternCount();
  std::vector<int> open;
  for (int p = 0; p < patterns && quest.anyNeeded(); ++p) {
    TBox box;
    if (engine.fullBox(engine.pattern(p), box) && engine.byPoints(engine.pattern(p), quest))
      open.push_back(p);
  }
  for (int p : open) {
    if (!quest.anyNeeded())
      break;
    TBox box;
    engine.fullBox(engine.pattern(p), box);
    engine.search(engine.pattern(p), box, quest);
  }

  std::array<TOutlook, 4> outlook{};
  for (int t = 0; t < Teams; ++t) {
    if (quest.top(t) && quest.below(t))
      outlook[t] = TOutlook::Open;
    else if (!quest.top(t))
      outlook[t] = TOutlook::Out;
    else
      outlook[t] = quest.notFirst(t) ? TOutlook::Through : TOutlook::Winner;
  }
  return outlook;
}

TScenarioTable GroupScenarios(const TGroupScores &group, qint64 topScore)
{
  TEngine engine(group, topScore);
  TScenarioTable table;
  const std::vector<int> &remaining = engine.remaining();
  if (remaining.empty() || remaining.size() > 3)
    return table;
  table.matches = remaining;

  const int patterns = engine.patternCount();
  for (int p = 0; p < patterns; ++p) {
    const std::array<TMatchResult, Matches> results = engine.pattern(p);
    TScenarioRow row;
    for (int m : remaining)
      row.results.push_back(results[m]);

    TQuest quest;
    quest.asked.fill(true);
    Learn(engine, results, quest);
    std::array<bool, Teams> goals{};
    for (int t = 0; t < Teams; ++t) {
      row.cells[t].verdict = VerdictOf(quest, t);
      goals[t] = row.cells[t].verdict == TVerdict::Goals;
    }

    // Whether one match's winning margin alone settles a team: the verdict
    // at each margin, and the one margin at which it changes.
    for (int m : remaining) {
      if (results[m] == TMatchResult::Draw)
        continue;
      std::array<bool, Teams> tracking{};
      std::array<TVerdict, Teams> current{};
      std::array<qint64, Teams> change{};
      for (int t = 0; t < Teams; ++t)
        tracking[t] = goals[t] && row.cells[t].match < 0;
      TBox full;
      engine.fullBox(results, full);
      for (qint64 margin = 1; margin <= topScore; ++margin) {
        TQuest atMargin;
        atMargin.asked = tracking;
        if (!atMargin.anyNeeded())
          break;
        TBox box = full;
        box.dlo[m] = box.dhi[m] = margin;
        box.bhi[m] = topScore - margin;
        Learn(engine, results, atMargin, &box);
        for (int t = 0; t < Teams; ++t) {
          if (!tracking[t])
            continue;
          const TVerdict v = VerdictOf(atMargin, t);
          if (v == TVerdict::Goals || (change[t] > 0 && v != current[t]))
            tracking[t] = false;
          else if (margin > 1 && v != current[t])
            change[t] = margin;
          current[t] = v;
        }
      }
      for (int t = 0; t < Teams; ++t) {
        if (tracking[t] && change[t] > 0) {
          row.cells[t].match = m;
          row.cells[t].margin = change[t];
          row.cells[t].settled = current[t];
        }
      }
    }
    table.rows.push_back(row);
  }
  return table;
}
