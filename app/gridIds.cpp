#include "app/gridIds.h"

#include "app/menuTable.h"

#include <QHash>
#include <array>
#include <vector>


namespace {

constexpr const char *TableColumns[TableColumnCount] = {"Pts", "P", "W", "T", "L", "GF", "GA", "PM"};

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
  std::vector<QString> fields = std::vector<QString>(FieldCount);
  std::vector<QString> labels = std::vector<QString>(LabelCount);
  std::vector<QString> buttons = std::vector<QString>(ButtonCount);
  std::vector<QString> panels = std::vector<QString>(PanelCount);
  QHash<QString, TControlId> ids;
};

QString Joined(const char *start, QChar letter, const char *rest)
{
  QString name = StartName(QLatin1String(start));
  name += letter;
  name += QLatin1String(rest);
  return name;
}

const TNames &Names()
{
  static const TNames names = [] {
    TNames n;
    for (int g = 0; g < GroupCount; ++g) {
      const QChar letter = GroupLetter(g);
      for (int m = 0; m < MatchesPerGroup; ++m) {
        for (int s = 0; s < 2; ++s) {
          n.fields[Index(GroupScoreField(g, m, s))] = GroupFieldName(g, m + 1, s + 1);
          n.labels[Index(GroupMatchLabel(g, m, s))] = GroupMatchLabelName(g, m + 1, s + 1);
        }
      }
      for (int r = 0; r < TeamsPerGroup; ++r) {
        for (int c = 0; c < TableColumnCount; ++c)
          n.fields[Index(TableField(g, r, c))] = GroupTableName(g, TableColumns[c], r + 1);
        n.labels[Index(TableNameLabel(g, r))] = GroupTableName(g, "Name", r + 1);
        n.labels[Index(MarkLabel(g, r))] = GroupTableName(g, "Qual", r + 1);
        n.labels[Index(PlaceLabel(g, r))] = Joined("G", letter, "Place") + QString::number(r + 1) +
                                            QLatin1String("Lbl");
      }
      n.labels[Index(GroupTitleLabel(g))] = Joined("Group", letter, "Lbl");
      n.labels[Index(TableTitleLabel(g))] = Joined("Group", letter, "StandLbl");
      for (int c = 0; c < TableColumnCount; ++c)
        n.labels[Index(TableHeadingLabel(g, c))] = Joined("G", letter, TableColumns[c]) + QLatin1String("Lbl");
      n.buttons[Index(ClearButton(g))] = Joined("Group", letter, "DelButton");
      n.panels[Index(GroupPanel(g))] = Joined("GroupPanel", letter, "");
      n.panels[Index(TablePanel(g))] = Joined("GPStand", letter, "");
    }
    for (int k = 0; k < KnockoutCount; ++k) {
      const TKnockoutStage &stage = KnockoutStage(k);
      const QLatin1String prefix(stage.prefix);
      for (int m = 0; m < stage.matches; ++m) {
        for (int s = 0; s < 2; ++s) {
          n.fields[Index(KnockoutScoreField(k, m, s))] = KnockoutName(stage.prefix, m + 1, s + 1);
          n.fields[Index(PenaltyField(k, m, s))] = KnockoutName(stage.prefix, m + 1, s + 1, "pk");
          n.labels[Index(KnockoutTeamLabel(k, m, s))] = KnockoutName(stage.prefix, m + 1, s + 1, "Lbl");
        }
      }
      n.labels[Index(PenaltyHeadingLabel(k))] = prefix + QLatin1String("PKLbl");
      n.labels[Index(StageTitleLabel(k))] = prefix + QLatin1String("Lbl");
      n.buttons[Index(ClearButton(GroupCount + k))] = prefix + QLatin1String("DelButton");
      n.panels[Index(StagePanel(k))] = QLatin1String("GP") + prefix;
    }
    n.labels[Index(ChampionLabel())] = QStringLiteral("Champion");
    n.labels[Index(ChampionTitleLabel())] = QStringLiteral("ChampionLbl");
    n.labels[Index(PrintFontLabel())] = QStringLiteral("PrintFontLbl");
    n.labels[Index(NoticeLabel())] = QStringLiteral("NoticeLbl");
    n.buttons[Index(SaveButton())] = QStringLiteral("SaveButton");
    n.buttons[Index(ExitButton())] = QStringLiteral("OKButton");
    n.buttons[Index(ClearAllButton())] = QStringLiteral("ClearAllButton");
    n.panels[Index(StripPanel())] = QStringLiteral("Panel21");

    auto add = [&n](const std::vector<QString> &names, TControlId::TKind kind) {
      for (std::size_t i = 0; i < names.size(); ++i)
        n.ids.insert(names[i], {kind, std::uint16_t(i)});
    };
    add(n.fields, TControlId::Field);
    add(n.labels, TControlId::Label);
    add(n.buttons, TControlId::Button);
    add(n.panels, TControlId::Panel);
    for (std::size_t i = 0; i < MenuEntryCount(); ++i)
      n.ids.insert(QLatin1String(MenuEntries()[i].name), {TControlId::MenuItem, std::uint16_t(i)});
    return n;
  }();
  return names;
}

}  // namespace

const QString &FieldName(TGridField field) { return Names().fields[Index(field)]; }
const QString &LabelName(TLabel label) { return Names().labels[Index(label)]; }
const QString &ButtonName(TButton button) { return Names().buttons[Index(button)]; }
const QString &PanelName(TPanel panel) { return Names().panels[Index(panel)]; }
QString MenuItemName(int item) { return QLatin1String(MenuEntries()[item].name); }

std::optional<TMatchSide> MatchSideOf(TLabel label)
{
  const int i = int(Index(label));
  if (i < GroupMatchCount * 2)
    return TMatchSide{TMatch(i / 2), i % 2};
  if (i >= KnockoutLabelBase && i < PenaltyHeadingBase)
    return TMatchSide{TMatch(GroupMatchCount + (i - KnockoutLabelBase) / 2), (i - KnockoutLabelBase) % 2};
  return std::nullopt;
}

std::optional<TControlId> ControlIdOf(const QString &objectName)
{
  const auto it = Names().ids.constFind(objectName);
  if (it == Names().ids.cend())
    return std::nullopt;
  return *it;
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
