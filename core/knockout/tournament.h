#pragma once
// The tournament on plain values: the grid's controls with the rules that
// tie them together. Writing a score or penalty field's text runs that
// field's rule when the text differs, and rules nest: a group's rebuild
// empties the 1/8-final scores of a slot whose team changed, which decides
// that match again, and so on to the champion. Everything has run when a
// call returns; the grid then marks every control whose value changed.

#include "core/grid/gridState.h"
#include "core/groups/groupStage.h"
#include "core/i18n/names.h"

#include <array>

class TTournament {
public:
  // The grid as it first shows: the teams' English names, the 1/8 finals
  // seeded from each group's initial order, nothing played. Without
  // outlook marks the tables' marks stay empty: for a tournament that is
  // read, compared or checked but never shown, the outlook's search is
  // most of a group's rebuild.
  explicit TTournament(bool outlookMarks = true);

  const TGrid &grid() const { return Grid; }
  const TGroupStage &groups() const { return Groups; }
  const TGroupRec &groupTable(int group) const { return Groups.tables[std::size_t(group)]; }
  const TTeamNameList &teamNames() const { return Names; }

  // A score or penalty field's new text, with all that follows from it.
  void setText(TField field, const QString &text);
  // A group's twelve score fields in field order, written as a whole: the
  // group is rebuilt once at the end when any of them changed.
  using TGroupTexts = std::array<QString, MatchesPerGroup * 2>;
  void setGroupTexts(int group, const TGroupTexts &texts);

  // The names teams are shown in from now on: the group matches' labels
  // take them, and the tables are rebuilt in them as their scores change.
  void setTeamNames(const TTeamNameList &names);
  // Every other team caption (tables, knockout slots, champion) shown in
  // one of `previous` names takes that team's name in the current names.
  void relabel(const TTeamNameList &previous);

  // The controls changed since the last call.
  TGrid::TChanges takeChanges() { return Grid.takeChanges(); }

private:
  void fieldChanged(TField field);
  void groupChange(int group);
  void bracketChange(TField sender);
  void advanceWinner(int match);
  void decideWinner(int match);
  void resetSlot(int match);
  void setThirdPlace(int side);
  void thirdChange();
  void finalChange();
  void calculateWinner();
  void showPenaltyFields(int stage, bool on);
  void clearPenaltyFields(int stage);

  TGrid Grid;
  TGroupStage Groups;
  TTeamNameList Names;
  bool OutlookMarks;
};
