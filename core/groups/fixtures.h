#pragma once
// The group stage's fixed pairings and how they are laid out in the group
// panels.

#include "core/tournament/ids.h"
#include "core/i18n/names.h"
#include <array>

struct TGroupMatch {
  TTeam side1;
  TTeam side2;
  int row;             // display row 1..6 in the group panel
  bool side2Above;     // side 2's entry is the upper one
};

using TGroupFixtures = std::array<TGroupMatch, MatchesPerGroup>;

// Groups A..H by index 0..7, matches 1..6 by index 0..5.
const TGroupFixtures &GroupFixtures(int group);
