#pragma once
// What importing a file's matches does to a tournament, before anything
// changes: each match of the file is found among the tournament's matches
// and its score checked, and the results the tournament holds afterwards
// are worked out on a copy. The preview shows the rows; applying the texts
// as one step gives exactly what the rows say.
//
// Group matches are found by their two teams. Knockout matches are found by
// their two teams in the slot they stand in once the results before them
// are in: the file's matches are applied round by round, the groups first,
// so that a file of the whole tournament fills the whole bracket.

#include "core/import/resultsFile.h"
#include "core/settings/resultTexts.h"
#include "core/tournament/tournament.h"

#include <array>
#include <vector>

enum class TImportOutcome : quint8 {
  // Applied:
  NewScore,      // the match had no result
  Replaced,      // the match had another result
  Unchanged,     // the match already had this result
  // Not applied:
  NotPlayed,     // the file gives no score yet
  UnknownTeam,   // a team the file names is none of the tournament's
  NoSuchMatch,   // the two teams play no match of this tournament
  NotInSlot,     // a knockout match whose teams do not stand in one of its round's slots
  ScoreNotHeld,  // a score its fields cannot hold, or a shoot-out after a score that is not level
  ListedTwice    // the file gives the match again with another score
};

inline bool Applies(TImportOutcome outcome) { return outcome <= TImportOutcome::Unchanged; }

// A match's four texts, its two scores and its two penalties, in the
// tournament's side order.
struct TMatchTexts {
  std::array<QString, 2> goals;
  std::array<QString, 2> penalties;

  bool empty() const;
  bool operator==(const TMatchTexts &o) const;
  bool operator!=(const TMatchTexts &o) const { return !(*this == o); }
};

struct TImportRow {
  TImportOutcome outcome = TImportOutcome::NotPlayed;
  bool found = false;      // the file's match was found among the tournament's: `match`
  TMatch match{};
  bool swapped = false;    // the file's first team plays the match's side 2
  TMatchTexts before;      // found: the match's texts as the import reaches it
  TMatchTexts after;       // applied: the texts it gets
};

struct TImportPlan {
  std::vector<TImportRow> rows;   // one per match of the file, in the file's order
  TResultTexts texts;             // every field's text once the import is applied
  int applied = 0;                // rows that give a match a new or another result

  // Whether applying changes any result.
  bool changes() const { return applied > 0; }
};

// The import of `matches` (a file's, or several files' one after the other)
// into a tournament.
TImportPlan PlanImport(const TTournament &tournament, const std::vector<TImportMatch> &matches);

// The longest score a field takes: two digits, any number in the final.
bool FieldHolds(TMatch match, QStringView digits);
