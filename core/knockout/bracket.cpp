#include "core/knockout/bracket.h"

namespace {

const std::array<TBracketMatch, BracketMatchCount> Matches = {{
  {"Final8", 1, "Final4", 2, 1, 0},
  {"Final8", 2, "Final4", 1, 1, 0},
  {"Final8", 3, "Final4", 4, 1, 0},
  {"Final8", 4, "Final4", 3, 1, 0},
  {"Final8", 5, "Final4", 2, 2, 0},
  {"Final8", 6, "Final4", 1, 2, 0},
  {"Final8", 7, "Final4", 4, 2, 0},
  {"Final8", 8, "Final4", 3, 2, 0},
  {"Final4", 1, "Final2", 2, 1, 0},
  {"Final4", 2, "Final2", 1, 1, 0},
  {"Final4", 3, "Final2", 1, 2, 0},
  {"Final4", 4, "Final2", 2, 2, 0},
  {"Final2", 1, "Final", 1, 1, 1},
  {"Final2", 2, "Final", 1, 2, 2},
}};

}  // namespace

const std::array<TBracketMatch, BracketMatchCount> &Bracket() { return Matches; }
