#include "core/tournament/clearing.h"

#include "core/tournament/tournament.h"

#include <array>

const std::vector<TField> &ClearList(int stage)
{
  static const auto lists = [] {
    std::array<std::vector<TField>, StageCount> l;
    for (int g = 0; g < GroupCount; ++g)
      for (int m = 0; m < MatchesPerGroup; ++m)
        for (int s = 0; s < 2; ++s)
          l[std::size_t(g)].push_back(GroupScoreField(g, m, s));
    for (int k = 0; k < KnockoutCount; ++k)
      for (int m = 0; m < KnockoutStage(k).matches; ++m)
        for (int s = 0; s < 2; ++s)
          l[std::size_t(GroupCount + k)].push_back(KnockoutScoreField(k, m, s));
    return l;
  }();
  return lists.at(std::size_t(stage));
}

void ClearStage(TTournament &tournament, int stage)
{
  for (TField f : ClearList(stage))
    tournament.setText(f, QString());
}

void ClearAll(TTournament &tournament)
{
  // The end is what counts: every score empty and everything that follows
  // from that. The knockout stages are emptied from the final back to the
  // 1/8 finals, so that no match is reset while the matches after it still
  // hold scores (the resets would run on to the end of the bracket again
  // and again). Emptied one field after the other, a group's table would be
  // rebuilt after each of its twelve fields: the group is emptied as a
  // whole and rebuilt once. This leaves every control as emptying the
  // stages field by field in their order does. The trace log records every
  // rebuild, so with the trace on the stages are emptied as the clear
  // buttons do.
  if (BRAKKA_TRACE_ENABLED) {
    for (int stage = 0; stage < StageCount; ++stage)
      ClearStage(tournament, stage);
    return;
  }
  for (int stage = StageCount - 1; stage >= GroupCount; --stage)
    ClearStage(tournament, stage);
  for (int group = 0; group < GroupCount; ++group)
    tournament.setGroupTexts(group, TTournament::TGroupTexts());
}
