#include "core/import/groupMatches.h"

#include "core/groups/fixtures.h"

std::optional<TGroupMatchRef> FindGroupMatch(TTeam first, TTeam second)
{
  if (first == NoTeam || second == NoTeam || first == second)
    return std::nullopt;
  for (int group = 0; group < GroupCount; ++group) {
    const TGroupFixtures &fixtures = GroupFixtures(group);
    for (int match = 0; match < MatchesPerGroup; ++match) {
      const TGroupMatch &m = fixtures[std::size_t(match)];
      if (m.side1 == first && m.side2 == second)
        return TGroupMatchRef{group, match, false};
      if (m.side1 == second && m.side2 == first)
        return TGroupMatchRef{group, match, true};
    }
  }
  return std::nullopt;
}
