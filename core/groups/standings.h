#pragma once
// A group's table and the rules that order it: points, goal difference,
// goals for, then the matches among teams level on all three.
// Plain values only; the main window's handlers read and write the controls.

#include "core/i18n/names.h"

#include <QString>
#include <array>
#include <optional>

// One team's line of a group table. Counts are kept in 64 bits so that no
// score a settings file can hold overflows a sum.
// Teams are known by their numbers; their names are shown.
struct TTeamRec {
  TTeam TeamName = NoTeam;
  qint64 Points = 0;
  qint64 Played = 0;
  qint64 Wins = 0;
  qint64 Ties = 0;
  qint64 Losses = 0;
  qint64 GoalsFor = 0;
  qint64 GoalsAgainst = 0;
  qint64 PlusMinus = 0;
  bool TieFlag = false;
  TTeam Opp1Name = NoTeam;
  qint64 Opp1GoalsF = 0;
  qint64 Opp1GoalsA = 0;
  TTeam Opp2Name = NoTeam;
  qint64 Opp2GoalsF = 0;
  qint64 Opp2GoalsA = 0;
  TTeam Opp3Name = NoTeam;
  qint64 Opp3GoalsF = 0;
  qint64 Opp3GoalsA = 0;
  qint64 TiePoints = 0;
  qint64 TieGoalDiff = 0;
  qint64 TieGoalsFor = 0;
};

// The four lines of one group in table order (place 1 at index 0).
using TGroupRec = std::array<TTeamRec, 4>;

// A group score field's text as a number: decimal digits only, at most the
// 32-bit integer range. Anything else (empty, pasted text, a sign, a huge
// number) is no score: the match is not counted.
std::optional<qint64> ReadGroupScore(const QString &text);

// Resets the table to the four teams in the given (initial) order, every
// other field zero, false or no team.
void InitializeGroupStandings(TGroupRec &table, const std::array<TTeam, 4> &initialOrder);

// Counts one match for both teams. Returns false, counting nothing, when
// either team is not in the table.
bool SetGroupScores(qint64 s1, qint64 s2, TTeam team1, TTeam team2, TGroupRec &table);

// Provisional order: exchange ordering on Points, PlusMinus, GoalsFor.
void SetGroupStandings(TGroupRec &table);

// Final order with the tie-break among teams level on all three keys.
// The letter selects the group ("A" ... "H"); group E is traced.
void SetGroupStandingsFinal(TGroupRec &table, QChar letter);

// Adds up the matches among the first n entries of the list and orders them
// by TiePoints, TieGoalDiff, TieGoalsFor. Entries beyond n are left alone.
void SortTiedTeams(TGroupRec &list, int n);

// A number's decimal text. The texts of small numbers are made once, so that
// a table's figures are written and copied without allocating.
QString NumberText(qint64 n);

// "+1" ... "+9" for 1..9, otherwise the plain decimal text ("0", "-3", "10").
QString AddAPlusToDiff(qint64 d);
