#pragma once
// Reading a file of real results: openfootball's JSON, openfootball's
// Football.TXT and the JSON of football-data.org's v4 API, told apart by what
// the file holds, never by its name. What comes out is each match of the file
// as the file gives it, its teams recognised; which of the tournament's
// matches it fills is the matching's to say. A file that cannot be read
// gives a reason and no match at all.

#include "core/i18n/names.h"

#include <QDate>
#include <QString>
#include <vector>

// The largest file read: a bigger one is refused before it is read.
constexpr qint64 ResultsFileLimit = 5 * 1024 * 1024;

enum class TResultsFormat : quint8 { None, OpenFootballJson, FootballTxt, FootballDataJson };

// The tournament's stages a match of the file belongs to.
enum class TImportStage : quint8 {
  Unknown, GroupStage, RoundOf16, QuarterFinal, SemiFinal, ThirdPlace, Final
};

// A pair of goal counts, side 1 then side 2, as a fan types them.
struct TImportScore {
  enum TState : quint8 {
    Absent,    // the file gives none: the match is not played yet
    Valid,     // two texts of decimal digits, of any length
    Invalid    // the file gives a score no field can hold: negative,
               // fractional, not a number, or only one side
  };
  TState state = Absent;
  // Valid: the goals in decimal digits, as the file writes them (sums and
  // differences without leading zeros). Invalid: the file's texts, for
  // showing; empty where it has none.
  QString goals1, goals2;

  bool valid() const { return state == Valid; }
};

struct TImportMatch {
  int line = 0;                 // where the match stands in the file, from 1
  TImportStage stage = TImportStage::Unknown;
  int group = -1;               // 0..7 for groups A..H when the file names one
  QString round;                // the round as the file names it ("Round of 16", "LAST_16")
  QString name1, name2;         // the teams as the file writes them
  TTeam team1 = NoTeam;         // ... and whom they name
  TTeam team2 = NoTeam;
  QDate date;                   // null when the file gives none
  QString venue;                // empty when the file gives none
  // The score a fan types: after extra time where the file has one, else
  // at full time; never with a shoot-out's goals in it.
  TImportScore score;
  TImportScore penalties;       // the shoot-out, when there was one
  bool extraTime = false;       // score is the one after extra time
};

// Why a whole file gives nothing. The window words the reason.
enum class TResultsError : quint8 {
  None,
  CannotOpen,      // openFailure and systemReason say why
  TooLarge,        // size holds the file's size
  Empty,           // nothing but blanks
  Binary,          // a NUL byte or bytes that are not UTF-8, at line/column
  BrokenJson,      // JSON that breaks off with an error at line/column
  Truncated,       // the file ends in the middle of a value (JSON) or a character
  UnknownFormat    // none of the three formats
};

enum class TOpenFailure : quint8 { None, Missing, Folder, NotReadable, ReadFailed };

struct TResultsFile {
  TResultsError error = TResultsError::None;
  TResultsFormat format = TResultsFormat::None;
  std::vector<TImportMatch> matches;   // in the file's order; none on an error
  // Details of an error.
  TOpenFailure openFailure = TOpenFailure::None;
  QString systemReason;   // CannotOpen: the system's own words
  qint64 size = 0;        // TooLarge: bytes
  int line = 0;           // Binary, BrokenJson, Truncated: from 1
  int column = 0;         // characters from the start of the line, from 1

  bool ok() const { return error == TResultsError::None; }
};

// Reads the file at `path`: at most ResultsFileLimit bytes, after the size
// was checked.
TResultsFile ReadResultsFile(const QString &path);
// Reads a file's bytes.
TResultsFile ReadResults(const QByteArray &bytes);
