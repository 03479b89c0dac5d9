#pragma once
// The tournament's shape and its typed ids: eight groups of six matches,
// then the knockout stages; every match, and every field a result is typed
// into, by a small number made from that shape.

#include <QChar>
#include <array>
#include <cstddef>
#include <cstdint>

constexpr int GroupCount = 8;
constexpr int MatchesPerGroup = 6;
constexpr int TeamsPerGroup = 4;

inline QChar GroupLetter(int group) { return QChar('A' + group); }

// Knockout stages by index: the 1/8 finals, quarter-finals, semi-finals,
// third place and final.
enum TKnockout : int { Final8 = 0, Final4, Final2, ThirdPlace, TheFinal };
constexpr int KnockoutCount = 5;
struct TKnockoutStage {
  const char *prefix;   // "Final8", "Final4", "Final2", "Third", "Final": the settings' and controls' stem
  int matches;
  int first;            // the stage's first match among the knockout matches
};
const TKnockoutStage &KnockoutStage(int stage);
constexpr int KnockoutMatchCount = 8 + 4 + 2 + 1 + 1;

// The clear buttons and the settings file's result sections: stages 0..7 are
// the groups A..H, 8.. the knockout stages in the order above.
constexpr int StageCount = GroupCount + KnockoutCount;

// A match: 0..47 the group matches (group by group, in match order), then
// the knockout matches stage by stage.
enum class TMatch : std::uint8_t {};
constexpr int GroupMatchCount = GroupCount * MatchesPerGroup;
constexpr int MatchCount = GroupMatchCount + KnockoutMatchCount;

constexpr std::size_t Index(TMatch m) { return std::size_t(m); }
constexpr TMatch GroupMatch(int group, int match) { return TMatch(group * MatchesPerGroup + match); }
constexpr bool IsGroupMatch(TMatch m) { return int(m) < GroupMatchCount; }
constexpr int KnockoutStageFirst[KnockoutCount] = {0, 8, 12, 14, 15};
constexpr TMatch KnockoutMatch(int stage, int match)
{
  return TMatch(GroupMatchCount + KnockoutStageFirst[stage] + match);
}

// Where a match stands: its group (group matches) or its stage (knockout
// matches, a TKnockout), and its index there (from 0).
struct TMatchPlace {
  std::int8_t group;   // -1 for a knockout match
  std::int8_t stage;   // -1 for a group match
  std::int8_t match;
};
constexpr TMatchPlace MatchPlace(TMatch m)
{
  const int i = int(m);
  if (i < GroupMatchCount)
    return {std::int8_t(i / MatchesPerGroup), -1, std::int8_t(i % MatchesPerGroup)};
  int stage = KnockoutCount - 1;
  while (KnockoutStageFirst[stage] > i - GroupMatchCount)
    --stage;
  return {-1, std::int8_t(stage), std::int8_t(i - GroupMatchCount - KnockoutStageFirst[stage])};
}

// A field the user types a result into: the score of a side, or its
// penalties in a knockout match. The ids run in the settings file's order:
// groups A..H, then each knockout stage's scores followed by its penalties.
enum class TField : std::uint8_t {};
constexpr int ResultFieldCount = GroupMatchCount * 2 + 2 * 2 * KnockoutMatchCount;

constexpr std::size_t Index(TField f) { return std::size_t(f); }

// Matches and sides count from 0.
constexpr TField GroupScoreField(int group, int match, int side)
{
  return TField(group * MatchesPerGroup * 2 + match * 2 + side);
}
// Where each knockout stage's fields start: its scores, then its penalties.
constexpr int KnockoutFieldBase[KnockoutCount] = {GroupMatchCount * 2, GroupMatchCount * 2 + 32,
                                                  GroupMatchCount * 2 + 48, GroupMatchCount * 2 + 56,
                                                  GroupMatchCount * 2 + 60};
constexpr int KnockoutStageMatches[KnockoutCount] = {8, 4, 2, 1, 1};
constexpr TField KnockoutScoreField(int stage, int match, int side)
{
  return TField(KnockoutFieldBase[stage] + match * 2 + side);
}
constexpr TField PenaltyField(int stage, int match, int side)
{
  return TField(KnockoutFieldBase[stage] + 2 * KnockoutStageMatches[stage] + match * 2 + side);
}
constexpr TField ScoreField(TMatch match, int side)
{
  const TMatchPlace p = MatchPlace(match);
  return p.group >= 0 ? GroupScoreField(p.group, p.match, side) : KnockoutScoreField(p.stage, p.match, side);
}
// A knockout match's.
constexpr TField PenaltyField(TMatch match, int side)
{
  const TMatchPlace p = MatchPlace(match);
  return PenaltyField(p.stage, p.match, side);
}

// What a field is.
struct TFieldInfo {
  enum TKind : std::uint8_t { GroupScore, KnockoutScore, Penalty } kind;
  std::int8_t group;   // GroupScore; -1 otherwise
  std::int8_t stage;   // KnockoutScore, Penalty (a TKnockout); -1 otherwise
  std::int8_t match;   // within its group or stage, from 0
  std::int8_t side;    // 0 or 1
  TMatch of;           // the match it belongs to
};
namespace Ids {
constexpr std::array<TFieldInfo, ResultFieldCount> FieldInfos()
{
  std::array<TFieldInfo, ResultFieldCount> infos{};
  for (int g = 0; g < GroupCount; ++g)
    for (int m = 0; m < MatchesPerGroup; ++m)
      for (int s = 0; s < 2; ++s)
        infos[Index(GroupScoreField(g, m, s))] = {TFieldInfo::GroupScore, std::int8_t(g), -1, std::int8_t(m),
                                                  std::int8_t(s), GroupMatch(g, m)};
  for (int k = 0; k < KnockoutCount; ++k)
    for (int m = 0; m < KnockoutStageMatches[k]; ++m)
      for (int s = 0; s < 2; ++s) {
        infos[Index(KnockoutScoreField(k, m, s))] = {TFieldInfo::KnockoutScore, -1, std::int8_t(k),
                                                     std::int8_t(m), std::int8_t(s), KnockoutMatch(k, m)};
        infos[Index(PenaltyField(k, m, s))] = {TFieldInfo::Penalty, -1, std::int8_t(k), std::int8_t(m),
                                               std::int8_t(s), KnockoutMatch(k, m)};
      }
  return infos;
}
inline constexpr std::array<TFieldInfo, ResultFieldCount> FieldInfoTable = FieldInfos();
}  // namespace Ids
constexpr const TFieldInfo &FieldInfo(TField field) { return Ids::FieldInfoTable[Index(field)]; }
