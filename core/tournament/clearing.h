#pragma once
// Clearing results: a stage's clear button and Clear All. Only score fields
// are emptied; everything else follows from their rules.

#include "core/tournament/ids.h"

#include <vector>

class TTournament;

// The score fields a stage's clear button empties, in order: stages 0..7
// the groups A..H, then the 1/8 finals, quarter-finals, semi-finals, third
// place and final.
const std::vector<TField> &ClearList(int stage);

void ClearStage(TTournament &tournament, int stage);
void ClearAll(TTournament &tournament);
