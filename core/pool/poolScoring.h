#pragma once
// The prediction pool: every friend's Brakka.ini in the pool folder is an
// entry, read into a tournament of its own, whose bracket is the one Brakka
// shows after reading that file. Each entry's matches and the teams it sends
// through the rounds are compared with the results typed so far.
//
// An entry is read and compared once; what each right prediction is worth
// is applied afterwards, so that a change of a value only adds points again.

#include "core/i18n/names.h"
#include "core/settings/poolSettings.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class TTournament;

// The 48 group matches (groups A to H, each in match order), then the eight
// 1/8 finals, four quarter-finals, two semi-finals, third place and final.
constexpr int PoolGroupMatchCount = 48;
constexpr int PoolMatchCount = 64;

// The rounds a team is predicted to reach.
enum TPoolRound : int { RoundOf16, RoundQuarter, RoundSemi, RoundFinal, RoundChampion };
constexpr int PoolRoundCount = 5;

// One match as a tournament shows it.
struct TPoolMatch {
  std::array<int, 2> teams{};          // team numbers; 0 for an undecided knockout slot
  std::array<QString, 2> scores;
  std::array<QString, 2> penalties;    // knockout matches only
  // Both scores and, in a knockout match, both teams; a level knockout
  // score also needs two different penalty figures.
  bool complete = false;
  int winner = -1;                     // knockout: the side that goes through, -1 none
};

// A match from its teams, scores and penalties: whether it is complete and,
// in a knockout match, who goes through.
TPoolMatch PoolMatch(const std::array<int, 2> &teams, const std::array<QString, 2> &scores,
                     const std::array<QString, 2> &penalties, bool knockout);

// What the pool compares of a tournament.
struct TPoolSheet {
  std::array<TPoolMatch, PoolMatchCount> matches;
  // The teams in each round, bit t for team number t: in a 1/8-final slot
  // with all six scores of their group; in a later round's slot as the
  // winner of the match before; the champion.
  std::array<std::uint64_t, PoolRoundCount> rounds{};
};

// The sheet of a tournament whose team captions are the English names (a
// tournament as TTournament() builds it).
TPoolSheet PoolSheetOf(const TTournament &tournament);
// The sheet of the results a window shows, whatever language its captions
// are in: its scores run once more through a tournament of its own.
TPoolSheet PoolResultsOf(const TTournament &shown);

// How a predicted match compares with its result.
enum class TPoolMark : std::uint8_t { None, Exact, Difference, Outcome };
TPoolMark ComparePoolMatch(const TPoolMatch &prediction, const TPoolMatch &result, bool knockout);

struct TPoolScore {
  std::array<TPoolMark, PoolMatchCount> marks{};
  std::array<int, PoolRoundCount> rounds{};   // teams right in each round
  int exact = 0;
  int difference = 0;
  int outcome = 0;
};
TPoolScore ScorePoolSheet(const TPoolSheet &prediction, const TPoolSheet &results);

int MarkPoints(TPoolMark mark, const TPoolValues &values);
int RoundValue(int round, const TPoolValues &values);
int RoundsPoints(const TPoolScore &score, const TPoolValues &values);
int TotalPoints(const TPoolScore &score, const TPoolValues &values);

struct TPoolEntry {
  QString name;       // the file name without ".ini", as PoolEntryName shows it
  QString path;
  QString problem;    // why the entry is not scored, in the interface language; empty when it is
  TPoolSheet sheet;
  TPoolScore score;
};

// The name of an entry from its file's name as the system holds it: without
// ".ini", in UTF-8, each byte that is not part of a valid UTF-8 character
// and each control character shown as \xHH.
QString PoolEntryName(QByteArrayView fileName);
// An entry from its file. A file that cannot be read, holds no result of
// Brakka's, holds a value that is not a score or is a text in an encoding
// Brakka does not read gets a problem; a file with part of the tournament
// holds what it holds.
TPoolEntry ReadPoolEntry(const QString &path, int language);
// Every *.ini name the folder lists (not the hidden ones, whose names begin
// with a dot), whatever its bytes, but the settings file in use, by name: a
// file, or anything else by that name with why it is not one. A folder that
// cannot be listed gives no entry, and folderProblem (when given) says why.
std::vector<TPoolEntry> ReadPoolFolder(const QString &folder, const QString &settingsFile,
                                       int language, QString *folderProblem = nullptr);
// Compares every readable entry with the results.
void ScorePool(std::vector<TPoolEntry> &entries, const TPoolSheet &results);

// The table: the scored entries by points, then exact scores, then name;
// entries equal on points and exact scores share a rank ("1", "1", "3").
// Entries with a problem follow by name, without rank or points.
struct TPoolRow {
  int entry = 0;
  QString rank;
  int points = 0;
  int rounds = 0;
};
std::vector<TPoolRow> RankPool(const std::vector<TPoolEntry> &entries, const TPoolValues &values);

// How the scored entries picked each match: a group match by its outcome
// (side 1 wins, a draw, side 2 wins), a knockout match by the team it sends
// through. A match an entry left incomplete is no pick.
enum TPoolPick : int { PickSide1, PickDraw, PickSide2 };
struct TPoolPicks {
  int entries = 0;   // the scored entries
  std::array<std::array<int, 3>, PoolGroupMatchCount> outcomes{};
  std::array<std::array<int, TeamCount + 1>, PoolMatchCount - PoolGroupMatchCount> winners{};
};
TPoolPicks CountPoolPicks(const std::vector<TPoolEntry> &entries);

// An entry's 64 matches, then its rounds, in the interface language; the
// points of all rows add up to its total. A match's picks say how many of
// the entries picked what this entry picked ("7 of 12 picked France to
// win"), or the most picked when this entry picked nothing; the hint lists
// every pick made, the most picked first.
struct TPoolDetailRow {
  QString match;
  QString prediction;
  QString result;
  QString picks;
  QString picksHint;
  int points = 0;
};
std::vector<TPoolDetailRow> PoolDetail(const TPoolEntry &entry, const TPoolSheet &results,
                                       const TPoolValues &values, const TPoolPicks &picks,
                                       int language);

// A text cell of the CSV file that a spreadsheet reads as text: a text that
// begins (after any blanks) with a character that would start a formula
// (=, +, -, @, a tab, a line break, or their full-width forms) gets a
// leading apostrophe.
QString CsvTextCell(const QString &text);
// The table as a CSV file: UTF-8, a header row, CRLF line ends, fields
// quoted when they hold a comma, a quote or a line break (quotes doubled).
// The names and texts are text cells; the figures Brakka writes are numbers.
QByteArray PoolCsv(const std::vector<TPoolEntry> &entries, const std::vector<TPoolRow> &rows,
                   int language);
