#pragma once
// Each group's initial table order and the 1/8-final slots its winner and
// runner-up go to.

#include "core/i18n/names.h"
#include <array>

struct TSlot {
  int match;   // 1/8-final match 1..8
  int side;    // 1 or 2
};

struct TGroupSeeding {
  std::array<TTeam, 4> initialOrder;
  TSlot winner;
  TSlot runnerUp;
};

const TGroupSeeding &GroupSeeding(int group);   // groups A..H by index 0..7
