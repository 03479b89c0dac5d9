#include "core/tournament/ids.h"

#include <array>

namespace {

constexpr TKnockoutStage Stages[KnockoutCount] = {
  {"Final8", 8, KnockoutStageFirst[0]}, {"Final4", 4, KnockoutStageFirst[1]},
  {"Final2", 2, KnockoutStageFirst[2]}, {"Third", 1, KnockoutStageFirst[3]},
  {"Final", 1, KnockoutStageFirst[4]}};

constexpr int GroupFields = GroupMatchCount * 2;
// Where each knockout stage's fields start: its scores, then its penalties.
constexpr std::array<int, KnockoutCount> StageFieldBase = {GroupFields, GroupFields + 32,
                                                          GroupFields + 48, GroupFields + 56,
                                                          GroupFields + 60};
static_assert(StageFieldBase[TheFinal] + 4 == ResultFieldCount);

struct TTables {
  std::array<TMatchPlace, MatchCount> places{};
  std::array<TFieldInfo, ResultFieldCount> fields{};
  std::array<std::array<TField, 2>, MatchCount> scores{};
  std::array<std::array<TField, 2>, MatchCount> penalties{};
};

const TTables &Tables()
{
  static const TTables tables = [] {
    TTables t;
    for (int g = 0; g < GroupCount; ++g) {
      for (int m = 0; m < MatchesPerGroup; ++m) {
        const TMatch match = GroupMatch(g, m);
        t.places[Index(match)] = {std::int8_t(g), -1, std::int8_t(m)};
        for (int s = 0; s < 2; ++s) {
          const TField f = GroupScoreField(g, m, s);
          t.fields[Index(f)] = {TFieldInfo::GroupScore, std::int8_t(g), -1, std::int8_t(m),
                                std::int8_t(s), match};
          t.scores[Index(match)][s] = f;
        }
      }
    }
    for (int k = 0; k < KnockoutCount; ++k) {
      for (int m = 0; m < Stages[k].matches; ++m) {
        const TMatch match = KnockoutMatch(k, m);
        t.places[Index(match)] = {-1, std::int8_t(k), std::int8_t(m)};
        for (int s = 0; s < 2; ++s) {
          const TField score = KnockoutScoreField(k, m, s);
          const TField pen = PenaltyField(k, m, s);
          t.fields[Index(score)] = {TFieldInfo::KnockoutScore, -1, std::int8_t(k), std::int8_t(m),
                                    std::int8_t(s), match};
          t.fields[Index(pen)] = {TFieldInfo::Penalty, -1, std::int8_t(k), std::int8_t(m),
                                  std::int8_t(s), match};
          t.scores[Index(match)][s] = score;
          t.penalties[Index(match)][s] = pen;
        }
      }
    }
    return t;
  }();
  return tables;
}

}  // namespace

const TKnockoutStage &KnockoutStage(int stage) { return Stages[stage]; }

const TMatchPlace &MatchPlace(TMatch m) { return Tables().places[Index(m)]; }

TField KnockoutScoreField(int stage, int match, int side)
{
  return TField(StageFieldBase[std::size_t(stage)] + match * 2 + side);
}

TField PenaltyField(int stage, int match, int side)
{
  return TField(StageFieldBase[std::size_t(stage)] + 2 * Stages[stage].matches + match * 2 + side);
}

TField ScoreField(TMatch match, int side) { return Tables().scores[Index(match)][std::size_t(side)]; }

TField PenaltyField(TMatch match, int side) { return Tables().penalties[Index(match)][std::size_t(side)]; }

const TFieldInfo &FieldInfo(TField field) { return Tables().fields[Index(field)]; }
