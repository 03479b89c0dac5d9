#include "core/tournament/ids.h"

#include <array>

namespace {

constexpr TKnockoutStage Stages[KnockoutCount] = {
  {"Final8", KnockoutStageMatches[0], KnockoutStageFirst[0]},
  {"Final4", KnockoutStageMatches[1], KnockoutStageFirst[1]},
  {"Final2", KnockoutStageMatches[2], KnockoutStageFirst[2]},
  {"Third", KnockoutStageMatches[3], KnockoutStageFirst[3]},
  {"Final", KnockoutStageMatches[4], KnockoutStageFirst[4]}};

}  // namespace

const TKnockoutStage &KnockoutStage(int stage) { return Stages[stage]; }

