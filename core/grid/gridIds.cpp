#include "core/grid/gridIds.h"

#include <QHash>
#include <array>
#include <vector>

const QString Placeholder = QStringLiteral("xxxxxxxxxx");

namespace {

constexpr TKnockoutStage Stages[KnockoutCount] = {
  {"Final8", 8}, {"Final4", 4}, {"Final2", 2}, {"Third", 1}, {"Final", 1}};

constexpr const char *TableColumns[TableColumnCount] = {"Pts", "P", "W", "T", "L", "GF", "GA", "PM"};

constexpr int GroupFields = GroupCount * MatchesPerGroup * 2;
constexpr int TableNames = TableNameLabelBase;
constexpr int Marks = MarkLabelBase;
constexpr int KnockoutLabels = Marks + GroupCount * TeamsPerGroup;
constexpr int PenaltyHeadings = KnockoutLabels + 2 * (8 + 4 + 2 + 1 + 1);
constexpr int Champion = PenaltyHeadings + KnockoutCount;
static_assert(Champion + 1 == LabelCount);

// Where each knockout stage's fields start: its scores, then its penalties.
constexpr std::array<int, KnockoutCount> StageFieldBase = {GroupFields, GroupFields + 32,
                                                          GroupFields + 48, GroupFields + 56,
                                                          GroupFields + 60};
static_assert(StageFieldBase[TheFinal] + 4 == ResultFieldCount);
constexpr std::array<int, KnockoutCount> StageLabelBase = {0, 16, 24, 28, 30};

// Control names are joined for every control once: plain appends into room
// reserved once.
QString StartName(QLatin1String start)
{
  QString name;
  name.reserve(16);
  name += start;
  return name;
}

void appendNumber(QString &name, int n)
{
  if (n >= 0 && n <= 9)
    name += QLatin1Char(char('0' + n));
  else
    name += QString::number(n);
}

struct TNames {
  std::array<TFieldInfo, FieldCount> info{};
  std::vector<QString> fields = std::vector<QString>(FieldCount);
  std::vector<QString> labels = std::vector<QString>(LabelCount);
  QHash<QString, int> fieldIds;
  QHash<QString, int> labelIds;
};

const TNames &Names()
{
  static const TNames names = [] {
    TNames n;
    for (int g = 0; g < GroupCount; ++g) {
      for (int m = 0; m < MatchesPerGroup; ++m) {
        for (int s = 0; s < 2; ++s) {
          const auto f = Index(GroupScoreField(g, m, s));
          n.info[f] = {TFieldInfo::GroupScore, std::int8_t(g), -1, std::int8_t(m), std::int8_t(s)};
          n.fields[f] = GroupFieldName(g, m + 1, s + 1);
          n.labels[Index(GroupMatchLabel(g, m, s))] = GroupMatchLabelName(g, m + 1, s + 1);
        }
      }
      for (int r = 0; r < TeamsPerGroup; ++r) {
        for (int c = 0; c < TableColumnCount; ++c) {
          const auto f = Index(TableField(g, r, c));
          n.info[f] = {TFieldInfo::TableFigure, std::int8_t(g), -1, std::int8_t(r), std::int8_t(c)};
          n.fields[f] = GroupTableName(g, TableColumns[c], r + 1);
        }
        n.labels[Index(TableNameLabel(g, r))] = GroupTableName(g, "Name", r + 1);
        n.labels[Index(MarkLabel(g, r))] = GroupTableName(g, "Qual", r + 1);
      }
    }
    for (int k = 0; k < KnockoutCount; ++k) {
      const TKnockoutStage &stage = Stages[k];
      for (int m = 0; m < stage.matches; ++m) {
        for (int s = 0; s < 2; ++s) {
          const auto score = Index(KnockoutScoreField(k, m, s));
          const auto pen = Index(PenaltyField(k, m, s));
          n.info[score] = {TFieldInfo::KnockoutScore, -1, std::int8_t(k), std::int8_t(m), std::int8_t(s)};
          n.info[pen] = {TFieldInfo::Penalty, -1, std::int8_t(k), std::int8_t(m), std::int8_t(s)};
          n.fields[score] = KnockoutName(stage.prefix, m + 1, s + 1);
          n.fields[pen] = KnockoutName(stage.prefix, m + 1, s + 1, "pk");
          n.labels[Index(KnockoutTeamLabel(k, m, s))] = KnockoutName(stage.prefix, m + 1, s + 1, "Lbl");
        }
      }
      n.labels[Index(PenaltyHeadingLabel(k))] = QLatin1String(stage.prefix) + QLatin1String("PKLbl");
    }
    n.labels[Index(ChampionLabel())] = QStringLiteral("Champion");
    for (int i = 0; i < FieldCount; ++i)
      n.fieldIds.insert(n.fields[std::size_t(i)], i);
    for (int i = 0; i < LabelCount; ++i)
      n.labelIds.insert(n.labels[std::size_t(i)], i);
    return n;
  }();
  return names;
}

}  // namespace

const TKnockoutStage &KnockoutStage(int stage) { return Stages[stage]; }

TField KnockoutScoreField(int stage, int match, int side)
{
  return TField(StageFieldBase[std::size_t(stage)] + match * 2 + side);
}

TField PenaltyField(int stage, int match, int side)
{
  return TField(StageFieldBase[std::size_t(stage)] + 2 * Stages[stage].matches + match * 2 + side);
}


TLabel KnockoutTeamLabel(int stage, int match, int side)
{
  return TLabel(KnockoutLabels + StageLabelBase[std::size_t(stage)] + match * 2 + side);
}

TLabel PenaltyHeadingLabel(int stage) { return TLabel(PenaltyHeadings + stage); }
TLabel ChampionLabel() { return TLabel(Champion); }

const TFieldInfo &FieldInfo(TField field) { return Names().info[Index(field)]; }

const QString &FieldName(TField field) { return Names().fields[Index(field)]; }
const QString &LabelName(TLabel label) { return Names().labels[Index(label)]; }

bool FieldByName(const QString &name, TField &field)
{
  const auto it = Names().fieldIds.constFind(name);
  if (it == Names().fieldIds.cend())
    return false;
  field = TField(*it);
  return true;
}

bool LabelByName(const QString &name, TLabel &label)
{
  const auto it = Names().labelIds.constFind(name);
  if (it == Names().labelIds.cend())
    return false;
  label = TLabel(*it);
  return true;
}

QString GroupFieldName(int group, int match, int side)
{
  QString name = StartName(QLatin1String("G"));
  name += GroupLetter(group);
  appendNumber(name, match);
  appendNumber(name, side);
  return name;
}

QString GroupMatchLabelName(int group, int match, int side)
{
  QString name = GroupFieldName(group, match, side);
  name += QLatin1String("Lbl");
  return name;
}

QString GroupTableName(int group, const char *column, int place)
{
  QString name = StartName(QLatin1String("G"));
  name += GroupLetter(group);
  name += QLatin1String(column);
  appendNumber(name, place);
  return name;
}

QString KnockoutName(const char *prefix, int match, int side, const char *suffix)
{
  QString name = StartName(QLatin1String(prefix));
  appendNumber(name, match);
  appendNumber(name, side);
  name += QLatin1String(suffix);
  return name;
}

const char *TableColumnName(int column) { return TableColumns[column]; }
