#pragma once
// The main window's grid controls by typed ids, made from the tournament's
// shape: every field (a result field of the tournament, or a table figure)
// and every label that shows the tournament. The controls' object names
// ("GA11", "Final811pk", "Champion") are only for the edges: building the
// window, and tests.

#include "core/groups/groupStage.h"
#include "core/tournament/ids.h"

#include <QString>
#include <cstdint>
#include <optional>

// A field of the grid: ids 0.. are the tournament's result fields (a TField
// has the same number), then the group tables' figures.
enum class TGridField : std::uint16_t {};
constexpr int FigureCount = GroupCount * TeamsPerGroup * TableColumnCount;
constexpr int FieldCount = ResultFieldCount + FigureCount;

// A label. The first TournamentLabelCount show the tournament: a team's name
// in a match or table, an outlook mark, a stage's "Pen." heading, the
// champion. Then the window's own: titles and headings, the table places,
// the report font's sample and the status bar's notice.
enum class TLabel : std::uint16_t {};
constexpr int TournamentLabelCount = GroupMatchCount * 2 + 2 * GroupCount * TeamsPerGroup +
                                     2 * KnockoutMatchCount + KnockoutCount + 1;

constexpr std::size_t Index(TGridField f) { return std::size_t(f); }
constexpr std::size_t Index(TLabel l) { return std::size_t(l); }

constexpr TGridField GridField(TField f) { return TGridField(Index(f)); }
// Places count from 0 (place 1 is 0); columns as in a table line (0 Pts .. 7 +/-).
constexpr TGridField TableField(int group, int place, int column)
{
  return TGridField(ResultFieldCount + (group * TeamsPerGroup + place) * TableColumnCount + column);
}
// The result field a grid field is, when it is one.
inline bool IsResultField(TGridField f) { return Index(f) < std::size_t(ResultFieldCount); }
inline TField ResultField(TGridField f) { return TField(Index(f)); }

constexpr int TableNameLabelBase = GroupMatchCount * 2;
constexpr int MarkLabelBase = TableNameLabelBase + GroupCount * TeamsPerGroup;
constexpr int KnockoutLabelBase = MarkLabelBase + GroupCount * TeamsPerGroup;
constexpr int PenaltyHeadingBase = KnockoutLabelBase + 2 * KnockoutMatchCount;
constexpr TLabel GroupMatchLabel(int group, int match, int side)
{
  return TLabel(group * MatchesPerGroup * 2 + match * 2 + side);
}
constexpr TLabel TableNameLabel(int group, int place)
{
  return TLabel(TableNameLabelBase + group * TeamsPerGroup + place);
}
constexpr TLabel MarkLabel(int group, int place) { return TLabel(MarkLabelBase + group * TeamsPerGroup + place); }
// A match's team label of a side: the group matches' and the knockout slots'.
constexpr TLabel TeamLabel(TMatch match, int side)
{
  return IsGroupMatch(match) ? TLabel(int(match) * 2 + side)
                             : TLabel(KnockoutLabelBase + (int(match) - GroupMatchCount) * 2 + side);
}
constexpr TLabel KnockoutTeamLabel(int stage, int match, int side)
{
  return TeamLabel(KnockoutMatch(stage, match), side);
}
// The match and side whose team a label shows, when it is a match's.
struct TMatchSide {
  TMatch match;
  int side;
};
std::optional<TMatchSide> MatchSideOf(TLabel label);
constexpr TLabel PenaltyHeadingLabel(int stage) { return TLabel(PenaltyHeadingBase + stage); }
constexpr TLabel ChampionLabel() { return TLabel(PenaltyHeadingBase + KnockoutCount); }
static_assert(Index(ChampionLabel()) + 1 == TournamentLabelCount);

constexpr int GroupTitleBase = TournamentLabelCount;
constexpr int TableTitleBase = GroupTitleBase + GroupCount;
constexpr int HeadingBase = TableTitleBase + GroupCount;
constexpr int PlaceLabelBase = HeadingBase + GroupCount * TableColumnCount;
constexpr int StageTitleBase = PlaceLabelBase + GroupCount * TeamsPerGroup;
// "Group A" over a group's matches and over its table.
constexpr TLabel GroupTitleLabel(int group) { return TLabel(GroupTitleBase + group); }
constexpr TLabel TableTitleLabel(int group) { return TLabel(TableTitleBase + group); }
// A table's column heading ("Pts" .. "+/-") and place ("1." .. "4.").
constexpr TLabel TableHeadingLabel(int group, int column)
{
  return TLabel(HeadingBase + group * TableColumnCount + column);
}
constexpr TLabel PlaceLabel(int group, int place) { return TLabel(PlaceLabelBase + group * TeamsPerGroup + place); }
constexpr TLabel StageTitleLabel(int stage) { return TLabel(StageTitleBase + stage); }
constexpr TLabel ChampionTitleLabel() { return TLabel(StageTitleBase + KnockoutCount); }
constexpr TLabel PrintFontLabel() { return TLabel(StageTitleBase + KnockoutCount + 1); }
constexpr TLabel NoticeLabel() { return TLabel(StageTitleBase + KnockoutCount + 2); }
constexpr int LabelCount = StageTitleBase + KnockoutCount + 3;

// The buttons: the clear buttons by stage (the groups A..H, then the
// knockout stages), then Save, Exit and Clear All.
enum class TButton : std::uint8_t {};
constexpr TButton ClearButton(int stage) { return TButton(stage); }
constexpr TButton SaveButton() { return TButton(StageCount); }
constexpr TButton ExitButton() { return TButton(StageCount + 1); }
constexpr TButton ClearAllButton() { return TButton(StageCount + 2); }
constexpr int ButtonCount = StageCount + 3;
constexpr std::size_t Index(TButton b) { return std::size_t(b); }

// The panels: each group's matches, each group's table, each knockout
// stage's, and the strip between groups D and E.
enum class TPanel : std::uint8_t {};
constexpr TPanel GroupPanel(int group) { return TPanel(group); }
constexpr TPanel TablePanel(int group) { return TPanel(GroupCount + group); }
constexpr TPanel StagePanel(int stage) { return TPanel(2 * GroupCount + stage); }
constexpr TPanel StripPanel() { return TPanel(2 * GroupCount + KnockoutCount); }
constexpr int PanelCount = 2 * GroupCount + KnockoutCount + 1;
constexpr std::size_t Index(TPanel p) { return std::size_t(p); }

// A control of the main window, whatever its kind; menu items by their
// index in the menu's table (app/mainMenu.h).
struct TControlId {
  enum TKind : std::uint8_t { Field, Label, Button, Panel, MenuItem } kind;
  std::uint16_t index;
  bool operator==(const TControlId &o) const { return kind == o.kind && index == o.index; }
};

// Object names.
const QString &FieldName(TGridField field);
inline const QString &FieldName(TField field) { return FieldName(GridField(field)); }
const QString &LabelName(TLabel label);
const QString &ButtonName(TButton button);
const QString &PanelName(TPanel panel);
QString MenuItemName(int item);
// The one way from an object name to the control's id, for tests and the
// edges; nothing when no control of the main window has the name.
std::optional<TControlId> ControlIdOf(const QString &objectName);

// "GA11": group field of match m (1..6), side s (1..2); "GA11Lbl" its label.
QString GroupFieldName(int group, int match, int side);
QString GroupMatchLabelName(int group, int match, int side);
// Table controls: "GAName1", "GAPts1", ... for place r (1..4).
QString GroupTableName(int group, const char *column, int place);
// "Final811", "Final811pk", "Final811Lbl": stage prefix + match + side + suffix.
QString KnockoutName(const char *prefix, int match, int side, const char *suffix = "");
// The table columns' name parts: "Pts", "P", "W", "T", "L", "GF", "GA", "PM".
const char *TableColumnName(int column);
