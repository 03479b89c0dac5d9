#pragma once
// The knockout bracket: which slot each match's winner (and, for the
// semi-finals, loser) goes to.

#include <array>

struct TBracketMatch {
  const char *prefix;      // "Final8", "Final4", "Final2"
  int match;               // match number within the stage
  const char *nextPrefix;  // stage the winner goes to
  int nextMatch;
  int nextSide;
  int thirdSide;           // semi-finals: the loser's third-place side; 0 otherwise
};

constexpr int BracketMatchCount = 14;   // eight 1/8 finals, four quarter-finals, two semi-finals

// In the order in which a changed field's match is looked up.
const std::array<TBracketMatch, BracketMatchCount> &Bracket();
