#pragma once
// The group stage's fixed pairings and how they are laid out in the group
// panels, and the names of the grid's controls.

#include "i18n/names.h"
#include <QString>
#include <array>

constexpr int GroupCount = 8;
constexpr int MatchesPerGroup = 6;

struct TGroupMatch {
  TTeam side1;
  TTeam side2;
  int row;             // display row 1..6 in the group panel
  bool side2Above;     // side 2's entry is the upper one
};

using TGroupFixtures = std::array<TGroupMatch, MatchesPerGroup>;

// Groups A..H by index 0..7, matches 1..6 by index 0..5.
const TGroupFixtures &GroupFixtures(int group);

inline QChar GroupLetter(int group) { return QChar('A' + group); }

// "GA11": group field of match m (1..6), side s (1..2); "GA11Lbl" its label.
QString GroupFieldName(int group, int match, int side);
QString GroupMatchLabelName(int group, int match, int side);
// Table controls: "GAName1", "GAPts1", ... for place r (1..4).
QString GroupTableName(int group, const char *column, int place);

// Knockout stages that are decided through the bracket: prefix and match count.
struct TKnockoutStage {
  const char *prefix;   // "Final8", "Final4", "Final2", "Third", "Final"
  int matches;
};
// "Final811", "Final811pk", "Final811Lbl": stage prefix + match + side + suffix.
QString KnockoutName(const char *prefix, int match, int side, const char *suffix = "");

extern const QString Placeholder;   // "xxxxxxxxxx", an undecided knockout slot
