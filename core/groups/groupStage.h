#pragma once
// A group's matches as its outlook reads them, and the mark a table shows
// for a team's outlook.

#include "core/groups/outlook.h"
#include "core/tournament/ids.h"

#include <QString>
#include <array>

class TTournament;
struct TTeamRec;

// A table's columns: Pts P W T L GF GA +/-.
constexpr int TableColumnCount = 8;
// A table line's figure as the table shows it: the goal difference with a
// plus sign from +1 to +9, the others plain.
QString TableFigureText(const TTeamRec &line, int column);

// Each match's two teams by their number (0..3) in the group's initial order.
using TGroupSides = std::array<std::array<int, 2>, MatchesPerGroup>;
const TGroupSides &GroupSides(int group);

// The group's scores as the outlook reads them.
TGroupScores GroupScoresOf(const TTournament &tournament, int group);

// The outlook mark of a place: "✓" for a team sure of the 1/8 finals, "✗"
// for one that is out, nothing while it is open.
QString OutlookMark(TOutlook outlook);
