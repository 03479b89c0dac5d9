#pragma once
// Which group match two teams play, from the group stage's fixed pairings.

#include "core/i18n/names.h"

#include <optional>

struct TGroupMatchRef {
  int group;      // 0..7 for groups A..H
  int match;      // 0..5, the fixture's place in its group
  bool swapped;   // the first team given is the fixture's side 2
};

// The group match of two teams, in either order; none when the two do not
// meet in a group (different groups, the same team twice, NoTeam).
std::optional<TGroupMatchRef> FindGroupMatch(TTeam first, TTeam second);
