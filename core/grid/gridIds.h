#pragma once
// The grid's controls by typed ids, made from the tournament's shape: eight
// groups of six matches, then the knockout stages. The controls' object
// names ("GA11", "Final811pk", "Champion") are only for the edges: the
// window, the settings keys and tests.

#include <QString>
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
  const char *prefix;   // "Final8", "Final4", "Final2", "Third", "Final"
  int matches;
};
const TKnockoutStage &KnockoutStage(int stage);

// Clear buttons and the settings file's result sections: stages 0..7 are
// the groups A..H, 8.. the knockout stages in the order above.
constexpr int StageCount = GroupCount + KnockoutCount;

// A field: a score, a penalty or a table figure. The first ResultFieldCount
// ids are the score and penalty fields in the settings file's order (groups
// A..H, then each knockout stage's scores followed by its penalties).
enum class TField : std::uint16_t {};
// A label: a team's name in a match or table, an outlook mark, a stage's
// "Pen." heading or the champion.
enum class TLabel : std::uint16_t {};

constexpr int ResultFieldCount = GroupCount * MatchesPerGroup * 2 + 2 * 2 * (8 + 4 + 2 + 1 + 1);
constexpr int TableColumnCount = 8;   // Pts P W T L GF GA +/-
constexpr int FieldCount = ResultFieldCount + GroupCount * TeamsPerGroup * TableColumnCount;
constexpr int LabelCount = GroupCount * MatchesPerGroup * 2 + 2 * GroupCount * TeamsPerGroup +
                           2 * (8 + 4 + 2 + 1 + 1) + KnockoutCount + 1;

constexpr std::size_t Index(TField f) { return std::size_t(f); }
constexpr std::size_t Index(TLabel l) { return std::size_t(l); }

// Matches and sides count from 0; places from 0 (place 1 is 0).
constexpr TField GroupScoreField(int group, int match, int side)
{
  return TField(group * MatchesPerGroup * 2 + match * 2 + side);
}
TField KnockoutScoreField(int stage, int match, int side);
TField PenaltyField(int stage, int match, int side);
constexpr TField TableField(int group, int place, int column)
{
  return TField(ResultFieldCount + (group * TeamsPerGroup + place) * TableColumnCount + column);
}

// The labels: the group matches' teams, the tables' names, their marks,
// the knockout slots, the "Pen." headings, the champion.
constexpr int TableNameLabelBase = GroupCount * MatchesPerGroup * 2;
constexpr int MarkLabelBase = TableNameLabelBase + GroupCount * TeamsPerGroup;
constexpr TLabel GroupMatchLabel(int group, int match, int side)
{
  return TLabel(group * MatchesPerGroup * 2 + match * 2 + side);
}
constexpr TLabel TableNameLabel(int group, int place)
{
  return TLabel(TableNameLabelBase + group * TeamsPerGroup + place);
}
constexpr TLabel MarkLabel(int group, int place) { return TLabel(MarkLabelBase + group * TeamsPerGroup + place); }
TLabel KnockoutTeamLabel(int stage, int match, int side);
TLabel PenaltyHeadingLabel(int stage);
TLabel ChampionLabel();

// What a field is.
struct TFieldInfo {
  enum TKind : std::uint8_t { GroupScore, KnockoutScore, Penalty, TableFigure } kind;
  std::int8_t group;   // GroupScore, TableFigure; -1 otherwise
  std::int8_t stage;   // KnockoutScore, Penalty (a TKnockout); -1 otherwise
  std::int8_t match;   // 0-based; for a table figure the place
  std::int8_t side;    // 0 or 1; for a table figure the column
};
const TFieldInfo &FieldInfo(TField field);

// Object names.
const QString &FieldName(TField field);
const QString &LabelName(TLabel label);
// The id of a name; false when no field or label has it.
bool FieldByName(const QString &name, TField &field);
bool LabelByName(const QString &name, TLabel &label);

// "GA11": group field of match m (1..6), side s (1..2); "GA11Lbl" its label.
QString GroupFieldName(int group, int match, int side);
QString GroupMatchLabelName(int group, int match, int side);
// Table controls: "GAName1", "GAPts1", ... for place r (1..4).
QString GroupTableName(int group, const char *column, int place);
// "Final811", "Final811pk", "Final811Lbl": stage prefix + match + side + suffix.
QString KnockoutName(const char *prefix, int match, int side, const char *suffix = "");
// The table columns' name parts: "Pts", "P", "W", "T", "L", "GF", "GA", "PM".
const char *TableColumnName(int column);

extern const QString Placeholder;   // "xxxxxxxxxx", an undecided knockout slot
