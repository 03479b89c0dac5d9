#pragma once
// A whole tournament to type into the grid: the group results of 2002 and a
// knockout stage with two shoot-outs, ending with Brazil as champion.

#include "support/grid.h"

void PlayGroups(TGridDriver &g);
// The real result of a group match ("0-1"), by group and match from 0.
QString GroupResult(int group, int match);
// The groups after two matchdays: the first four matches of each, in match order.
void PlayTwoMatchdays(TGridDriver &g);
// The 1/8 finals up to the semi-finals (after PlayGroups).
void PlayBracket(TGridDriver &g);
// Everything: groups, bracket, third place and final.
void PlayAll(TGridDriver &g);
