#include "core/groups/standings.h"

#include "core/groups/brakkaDebug.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// The three keys of one ordering, most significant first.
using TOrderKeys = std::array<qint64 TTeamRec::*, 3>;

constexpr TOrderKeys StandingKeys = {&TTeamRec::Points, &TTeamRec::PlusMinus,
                                     &TTeamRec::GoalsFor};
constexpr TOrderKeys MutualKeys = {&TTeamRec::TiePoints, &TTeamRec::TieGoalDiff,
                                   &TTeamRec::TieGoalsFor};

// A team's record of its first, second and third counted match.
struct TOpponentSlot {
  TTeam TTeamRec::*name;
  qint64 TTeamRec::*goalsFor;
  qint64 TTeamRec::*goalsAgainst;
};

constexpr std::array<TOpponentSlot, 3> OpponentSlots = {{
    {&TTeamRec::Opp1Name, &TTeamRec::Opp1GoalsF, &TTeamRec::Opp1GoalsA},
    {&TTeamRec::Opp2Name, &TTeamRec::Opp2GoalsF, &TTeamRec::Opp2GoalsA},
    {&TTeamRec::Opp3Name, &TTeamRec::Opp3GoalsF, &TTeamRec::Opp3GoalsA},
}};

enum class TComparison { Worse, Level, Better };

// How `challenger` compares with `holder` on the first key where they differ.
TComparison Compare(const TTeamRec &holder, const TTeamRec &challenger, const TOrderKeys &keys) {
  for (const auto key : keys) {
    if (challenger.*key != holder.*key)
      return challenger.*key > holder.*key ? TComparison::Better : TComparison::Worse;
  }
  return TComparison::Level;
}

// The one ordering of the group tables: every place i is compared with each
// later place j, and the two records swap whole when j's record is strictly
// better. Records level on all keys stay as they are, so their order is the
// one they came in with; `onLevel` sees each such pair when it is compared.
template <typename OnLevel>
void ExchangeOrder(TGroupRec &records, int n, const TOrderKeys &keys, OnLevel onLevel) {
  for (int i = 0; i < n - 1; ++i) {
    for (int j = i + 1; j < n; ++j) {
      switch (Compare(records[i], records[j], keys)) {
      case TComparison::Better: std::swap(records[i], records[j]); break;
      case TComparison::Level: onLevel(records[i], records[j]); break;
      case TComparison::Worse: break;
      }
    }
  }
}

void ExchangeOrder(TGroupRec &records, int n, const TOrderKeys &keys) {
  ExchangeOrder(records, n, keys, [](TTeamRec &, TTeamRec &) {});
}

int PlaceOf(const TGroupRec &table, TTeam team) {
  for (int place = 0; place < 4; ++place) {
    if (table[place].TeamName == team) return place;
  }
  return -1;
}

// One match from one team's side.
void CountMatch(TTeamRec &team, qint64 goalsFor, qint64 goalsAgainst, TTeam opponent) {
  if (goalsFor > goalsAgainst) {
    team.Points += 3;
    ++team.Wins;
  } else if (goalsFor == goalsAgainst) {
    team.Points += 1;
    ++team.Ties;
  } else {
    ++team.Losses;
  }
  ++team.Played;
  team.GoalsFor += goalsFor;
  team.GoalsAgainst += goalsAgainst;
  team.PlusMinus = team.GoalsFor - team.GoalsAgainst;
  if (team.Played <= 3) {
    const TOpponentSlot &slot = OpponentSlots[team.Played - 1];
    team.*slot.name = opponent;
    team.*slot.goalsFor = goalsFor;
    team.*slot.goalsAgainst = goalsAgainst;
  }
}

// Orders the flagged teams on `points` by their mutual matches and puts them
// back into the places they came from, in their new order.
void BreakTie(TGroupRec &table, qint64 points, const QString &traceContext, bool traceTable) {
  const auto inTieGroup = [points](const TTeamRec &team) {
    return team.TieFlag && team.Points == points;
  };
  TGroupRec tied;
  int count = 0;
  for (const TTeamRec &team : table) {
    if (inTieGroup(team)) tied[count++] = team;
  }
  SortTiedTeams(tied, count);
  if (!traceContext.isEmpty()) TraceGroupRec(traceContext, QStringLiteral("tiedTeamsRec"), tied);

  int next = 0;
  for (TTeamRec &place : table) {
    if (inTieGroup(place)) {
      place = tied[next++];
      place.TieFlag = false;
    }
  }
  if (!traceContext.isEmpty() && traceTable)
    TraceGroupRec(traceContext, QStringLiteral("sortedGroupRec"), table);
}

}  // namespace

std::optional<qint64> ReadGroupScore(const QString &text) {
  if (text.isEmpty()) return std::nullopt;
  qint64 value = 0;
  for (const QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    value = value * 10 + (c.unicode() - u'0');
    if (value > std::numeric_limits<qint32>::max()) return std::nullopt;
  }
  return value;
}

void InitializeGroupStandings(TGroupRec &table, const std::array<TTeam, 4> &initialOrder) {
  for (int place = 0; place < 4; ++place) {
    table[place] = TTeamRec{};
    table[place].TeamName = initialOrder[place];
  }
}

bool SetGroupScores(qint64 s1, qint64 s2, TTeam name1, TTeam name2, TGroupRec &table) {
  const int place1 = PlaceOf(table, name1);
  const int place2 = PlaceOf(table, name2);
  if (place1 < 0 || place2 < 0) return false;

  // Each side counted in its place; a team named on both sides keeps the
  // second side's count alone, as when both were counted on copies.
  if (place1 != place2)
    CountMatch(table[place1], s1, s2, name2);
  CountMatch(table[place2], s2, s1, name1);
  return true;
}

void SetGroupStandings(TGroupRec &table) {
  ExchangeOrder(table, 4, StandingKeys);
}

void SetGroupStandingsFinal(TGroupRec &table, QChar letter) {
  // Only group E is traced; an empty context means no trace.
  const QString context = TraceEnabled && letter == QLatin1Char('E')
                              ? QStringLiteral("SetGroupStandingsFinal") + letter
                              : QString();
  const bool traced = !context.isEmpty();

  bool tieExists = false;
  ExchangeOrder(table, 4, StandingKeys, [&tieExists](TTeamRec &a, TTeamRec &b) {
    a.TieFlag = true;
    b.TieFlag = true;
    tieExists = true;
  });
  if (traced) TraceGroupRec(context, QStringLiteral("sortedGroupRec"), table);

  if (tieExists) {
    // The points of the (at most two) groups of teams level on all three keys.
    qint64 firstTied = -1;
    qint64 secondTied = -1;
    for (int i = 0; i < 3; ++i) {
      if (!table[i].TieFlag) continue;
      for (int j = i + 1; j < 4; ++j) {
        if (table[j].TieFlag && table[j].Points != table[i].Points) {
          firstTied = std::max(table[i].Points, table[j].Points);
          secondTied = std::min(table[i].Points, table[j].Points);
          break;
        }
      }
    }
    if (firstTied == -1) {
      for (const TTeamRec &team : table) {
        if (team.TieFlag) {
          firstTied = team.Points;
          break;
        }
      }
    }
    if (traced) {
      TraceValue(context, QStringLiteral("FirstTied"), firstTied);
      TraceValue(context, QStringLiteral("SecondTied"), secondTied);
    }

    BreakTie(table, firstTied, context, true);
    if (secondTied >= 0) BreakTie(table, secondTied, context, false);
  }

  if (traced) TraceGroupRec(context, QStringLiteral("GroupRec"), table);
}

void SortTiedTeams(TGroupRec &list, int n) {
  n = std::clamp(n, 0, int(list.size()));
  for (int x = 0; x < n; ++x) {
    TTeamRec &team = list[x];
    for (int y = 0; y < n; ++y) {
      for (const TOpponentSlot &slot : OpponentSlots) {
        if (team.*slot.name != list[y].TeamName) continue;
        const qint64 f = team.*slot.goalsFor;
        const qint64 a = team.*slot.goalsAgainst;
        team.TiePoints += f > a ? 3 : f == a ? 1 : 0;
        team.TieGoalDiff += f - a;
        team.TieGoalsFor += f;
        break;
      }
    }
  }
  TraceGroupRec(QStringLiteral("SortTiedTeams"), QStringLiteral("myGroupRec"), list);
  if (n >= 2) ExchangeOrder(list, n, MutualKeys);
  TraceGroupRec(QStringLiteral("SortTiedTeams"), QStringLiteral("myGroupRec(Sorted)"), list);
}

namespace {

// The texts of the numbers a table shows, -999 to 999 and "+1" to "+9",
// written once into a static buffer that every text refers to.
constexpr int Smallest = -999;
constexpr int Largest = 999;
struct TNumberTexts {
  char16_t chars[Largest - Smallest + 1 + 9][4] = {};
  QString texts[Largest - Smallest + 1];
  QString plus[9];

  static QString Raw(const char16_t *chars, qsizetype size)
  {
    return QString::fromRawData(reinterpret_cast<const QChar *>(chars), size);
  }
  TNumberTexts()
  {
    for (int n = Smallest; n <= Largest + 9; ++n) {
      const QByteArray digits = n <= Largest ? QByteArray::number(n) : '+' + QByteArray::number(n - Largest);
      char16_t *to = chars[n - Smallest];
      for (qsizetype i = 0; i < digits.size(); ++i)
        to[i] = char16_t(digits[i]);
      if (n <= Largest)
        texts[n - Smallest] = Raw(to, digits.size());
      else
        plus[n - Largest - 1] = Raw(to, digits.size());
    }
  }
};
const TNumberTexts &NumberTexts()
{
  static const TNumberTexts texts;
  return texts;
}

}  // namespace

QString NumberText(qint64 n) {
  return n >= Smallest && n <= Largest ? NumberTexts().texts[n - Smallest] : QString::number(n);
}

QString AddAPlusToDiff(qint64 d) {
  return d >= 1 && d <= 9 ? NumberTexts().plus[d - 1] : NumberText(d);
}
