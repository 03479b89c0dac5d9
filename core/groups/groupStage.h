#pragma once
// A group's table rebuilt from its score fields: ordered by the table's
// rules and written into the group's table panel with its outlook marks.

#include "core/grid/gridState.h"
#include "core/groups/outlook.h"
#include "core/groups/standings.h"
#include "core/i18n/names.h"

#include <array>
#include <optional>

// The groups' tables and outlooks behind the table panels.
struct TGroupStage {
  std::array<TGroupRec, GroupCount> tables{};

  // What the remaining matches can change, worked out again only when the
  // group's scores differ from those it was last worked out for.
  struct TShownOutlook {
    std::optional<TGroupScores> scores;
    std::array<TOutlook, TeamsPerGroup> outlook{};        // by team number
    std::array<int, TeamsPerGroup> teamAt = {0, 1, 2, 3};  // team number at each place
  };
  std::array<TShownOutlook, GroupCount> outlooks{};
};

// The group's scores as the outlook reads them.
TGroupScores GroupScoresOf(const TGrid &grid, int group);

// Rebuilds the group's table from its score fields and writes it, with the
// outlook marks (when wanted), into the group's table panel; names are the
// team names now shown.
void RebuildGroup(TGrid &grid, TGroupStage &stage, int group, const TTeamNameList &names,
                  bool outlookMarks = true);

// The outlook mark of a place: "✓" for a team sure of the 1/8 finals, "✗"
// for one that is out, nothing while it is open.
QString OutlookMark(TOutlook outlook);
