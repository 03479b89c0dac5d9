// The grid's accessible names, built on demand from the captions shown.

#include "app/accessibility.h"

#include "app/gridControls.h"
#include "core/i18n/names.h"
#include "core/i18n/texts.h"
#include "core/knockout/bracket.h"

#include <QAccessible>
#include <QHash>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

namespace {

// The knockout stages with the words that name one of their matches.
struct TStageWords {
  const char *prefix;
  int matches;
  TText match;
};
constexpr TStageWords Stages[5] = {
  {"Final8", 8, TText::AccessFinal8Match}, {"Final4", 4, TText::AccessFinal4Match},
  {"Final2", 2, TText::AccessFinal2Match}, {"Third", 1, TText::AccessThirdMatch},
  {"Final", 1, TText::FinalWord},
};
constexpr int ThirdStage = 3;
constexpr int FinalStage = 4;

// Table columns in the order of their control names.
struct TColumnWords {
  const char *column;
  TText words;
};
constexpr TColumnWords Columns[8] = {
  {"Pts", TText::AccessPoints},      {"P", TText::AccessPlayed},
  {"W", TText::AccessWon},           {"T", TText::AccessTied},
  {"L", TText::AccessLost},          {"GF", TText::AccessGoalsFor},
  {"GA", TText::AccessGoalsAgainst}, {"PM", TText::AccessGoalDifference},
};

enum class TRole { Score, Penalty, Team, TableTeam, TableFigure, Champion };

// Where a control sits on the grid, from its id.
struct TGridPlace {
  TRole role;
  int group = -1;    // 0..7 for group and table controls
  int stage = -1;    // index into Stages for knockout controls
  int match = 0;     // group match 1..6, or match within the stage
  int side = 0;      // 1 or 2
  int place = 0;     // table place 1..4
  int column = -1;   // index into Columns
};

std::optional<TGridPlace> PlaceOf(const TControlId &id)
{
  TGridPlace p{TRole::Score};
  if (id.kind == TControlId::Field) {
    const TGridField field = TGridField(id.index);
    if (!IsResultField(field)) {
      const int figure = int(id.index) - ResultFieldCount;
      p.role = TRole::TableFigure;
      p.group = figure / (TeamsPerGroup * TableColumnCount);
      p.place = figure / TableColumnCount % TeamsPerGroup + 1;
      p.column = figure % TableColumnCount;
      return p;
    }
    const TFieldInfo &info = FieldInfo(ResultField(field));
    p.role = info.kind == TFieldInfo::Penalty ? TRole::Penalty : TRole::Score;
    p.group = info.group;
    p.stage = info.stage;
    p.match = info.match + 1;
    p.side = info.side + 1;
    return p;
  }
  if (id.kind != TControlId::Label)
    return std::nullopt;
  const TLabel label = TLabel(id.index);
  if (label == ChampionLabel()) {
    p.role = TRole::Champion;
    return p;
  }
  if (const std::optional<TMatchSide> at = MatchSideOf(label)) {
    const TMatchPlace &place = MatchPlace(at->match);
    p.role = TRole::Team;
    p.group = place.group;
    p.stage = place.stage;
    p.match = place.match + 1;
    p.side = at->side + 1;
    return p;
  }
  for (int g = 0; g < GroupCount; ++g)
    for (int r = 0; r < TeamsPerGroup; ++r)
      if (label == TableNameLabel(g, r)) {
        p.role = TRole::TableTeam;
        p.group = g;
        p.place = r + 1;
        return p;
      }
  return std::nullopt;
}

// The grids a screen reader can be told of: by window, its controls and
// the interface language.
struct TAccessibleGrid {
  const TGridControls *controls;
  std::function<int()> language;
};
QHash<const QWidget *, TAccessibleGrid> &Grids()
{
  static QHash<const QWidget *, TAccessibleGrid> grids;
  return grids;
}

QString MatchTitle(int language, int stage, int match)
{
  const QString words = TextIn(language, Stages[stage].match);
  return stage < 3 ? words.arg(match) : words;
}

int StageOf(const char *prefix)
{
  for (int s = 0; s < 5; ++s)
    if (std::strcmp(Stages[s].prefix, prefix) == 0)
      return s;
  return -1;
}

// Who plays in an undecided knockout slot: the winner or loser of the match
// that feeds it.
QString SlotWords(int language, int stage, int match, int side)
{
  for (const TBracketMatch &b : Bracket()) {
    const QString feeder = MatchTitle(language, StageOf(b.prefix), b.match);
    if (StageOf(b.nextPrefix) == stage && b.nextMatch == match && b.nextSide == side)
      return TextIn(language, TText::AccessWinnerOf).arg(feeder);
    if (stage == ThirdStage && b.thirdSide == side)
      return TextIn(language, TText::AccessLoserOf).arg(feeder);
  }
  return QString();
}

// Builds a control's name from what the window shows now.
class TNamer {
public:
  TNamer(const TAccessibleGrid &grid, const TGridPlace &place) : Grid(grid), P(place) {}

  QString name() const
  {
    switch (P.role) {
    case TRole::Score:
      return matchWords() + QStringLiteral(", ") + TextIn(language(), TText::AccessGoalsOf).arg(team(P.side));
    case TRole::Penalty:
      return matchWords() + QStringLiteral(", ") + TextIn(language(), TText::AccessPenaltiesOf).arg(team(P.side));
    case TRole::Team:
      return matchWords() + QStringLiteral(", ") + TextIn(language(), TText::AccessTeam).arg(team(P.side));
    case TRole::TableTeam:
      return placeWords() + QStringLiteral(", ") + TextIn(language(), TText::AccessTeam).arg(tableTeam());
    case TRole::TableFigure:
      return placeWords() + QStringLiteral(", ") + tableTeam() + QStringLiteral(", ") +
             TextIn(language(), Columns[P.column].words);
    case TRole::Champion:
      return TextIn(language(), TText::ChampionText) + QStringLiteral(", ") +
             shown(ChampionLabel(),
                   TextIn(language(), TText::AccessWinnerOf).arg(MatchTitle(language(), FinalStage, 1)));
    }
    return QString();
  }

  // A score or penalty field tells its match's venue and kick-off, the hint
  // of its team's label; a label tells its own hint.
  QString description(const QWidget *control) const
  {
    if (!control->toolTip().isEmpty() || (P.role != TRole::Score && P.role != TRole::Penalty))
      return control->toolTip();
    const QLabel *team = Grid.controls->label(teamLabel(P.side));
    return team ? team->toolTip() : QString();
  }

private:
  TLabel teamLabel(int side) const
  {
    return P.group >= 0 ? GroupMatchLabel(P.group, P.match - 1, side - 1)
                        : KnockoutTeamLabel(P.stage, P.match - 1, side - 1);
  }
  QString caption(TLabel id) const
  {
    const QLabel *l = Grid.controls->label(id);
    return l ? l->text() : QString();
  }
  // A slot's caption, or the words for it while it is undecided.
  QString shown(TLabel id, const QString &undecided) const
  {
    const QString text = caption(id);
    return text == Placeholder || text.isEmpty() ? undecided : text;
  }
  QString team(int side) const
  {
    if (P.group >= 0)
      return caption(teamLabel(side));
    return shown(teamLabel(side), SlotWords(language(), P.stage, P.match, side));
  }
  QString matchWords() const
  {
    const QString title =
        P.group >= 0 ? GroupTitle(language(), P.group) : MatchTitle(language(), P.stage, P.match);
    return title + QStringLiteral(", ") + TextIn(language(), TText::AccessVersus).arg(team(1), team(2));
  }
  QString placeWords() const
  {
    return GroupTitle(language(), P.group) + QStringLiteral(", ") +
           TextIn(language(), TText::AccessPlace).arg(P.place);
  }
  QString tableTeam() const { return caption(TableNameLabel(P.group, P.place - 1)); }

  // The interface language now: a namer lasts as long as its control.
  int language() const { return Grid.language(); }

  TAccessibleGrid Grid;
  TGridPlace P;
};

// What a screen reader was last told of a control. A reader keeps the
// names it has read (libatspi does), so a control that has been read is
// listed, and at the end of every change of the grid its name and
// description are compared with what the reader heard: each one that
// differs is announced. Controls never read need no announcement.
class TSpoken {
public:
  virtual ~TSpoken() = default;
  virtual QString nameNow() const = 0;
  virtual QString descriptionNow() const = 0;

  QString heardName(QWidget *control) const { return heard(control, Name, nameNow()); }
  QString heardDescription(QWidget *control) const
  {
    return heard(control, Description, descriptionNow());
  }
  // Announces what changed since the reader last heard it.
  void announce(QWidget *control) const
  {
    const QString name = nameNow();
    if (name != Name) {
      Name = name;
      QAccessibleEvent event(control, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&event);
    }
    const QString description = descriptionNow();
    if (description != Description) {
      Description = description;
      QAccessibleEvent event(control, QAccessible::DescriptionChanged);
      QAccessible::updateAccessibility(&event);
    }
  }

  // The controls a reader has asked about.
  static std::vector<QPointer<QWidget>> &listed()
  {
    static std::vector<QPointer<QWidget>> controls;
    return controls;
  }

private:
  QString heard(QWidget *control, QString &slot, const QString &now) const
  {
    if (!Listed) {
      Listed = true;
      listed().emplace_back(control);
    }
    slot = now;
    return now;
  }
  mutable QString Name, Description;
  mutable bool Listed = false;
};

// A grid label: static text named for its place, its caption as value.
class TGridLabelAccessible : public QAccessibleWidget, public TSpoken {
public:
  TGridLabelAccessible(QLabel *label, const TNamer &namer)
      : QAccessibleWidget(label, QAccessible::StaticText), Namer(namer)
  {
  }

  QString nameNow() const override { return Namer.name(); }
  QString descriptionNow() const override { return Namer.description(widget()); }

  QString text(QAccessible::Text t) const override
  {
    switch (t) {
    case QAccessible::Name:
      return heardName(widget());
    case QAccessible::Description:
      return heardDescription(widget());
    case QAccessible::Value:
      return static_cast<QLabel *>(widget())->text();
    default:
      return QAccessibleWidget::text(t);
    }
  }

private:
  TNamer Namer;
};

// A score, penalty or table field: editable (or read-only) text named for its
// place, whose text, caret and selection a screen reader can follow.
class TGridFieldAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public TSpoken {
public:
  TGridFieldAccessible(QLineEdit *field, const TNamer &namer)
      : QAccessibleWidget(field, QAccessible::EditableText), Namer(namer)
  {
  }

  QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }

  QString nameNow() const override { return Namer.name(); }
  QString descriptionNow() const override { return Namer.description(widget()); }

  QString text(QAccessible::Text t) const override
  {
    switch (t) {
    case QAccessible::Name:
      return heardName(widget());
    case QAccessible::Description:
      return heardDescription(widget());
    case QAccessible::Value:
      return field()->text();
    default:
      return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override
  {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !field()->isReadOnly();
    s.readOnly = field()->isReadOnly();
    s.selectableText = true;
    return s;
  }

  void *interface_cast(QAccessible::InterfaceType type) override
  {
    if (type == QAccessible::TextInterface)
      return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // QAccessibleTextInterface
  void selection(int selectionIndex, int *startOffset, int *endOffset) const override
  {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && field()->hasSelectedText()) {
      *startOffset = field()->selectionStart();
      *endOffset = field()->selectionEnd();
    }
  }
  int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override
  {
    setSelection(0, startOffset, endOffset);
  }
  void removeSelection(int selectionIndex) override
  {
    if (selectionIndex == 0)
      field()->deselect();
  }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override
  {
    if (selectionIndex == 0)
      field()->setSelection(startOffset, endOffset - startOffset);
  }
  int cursorPosition() const override { return field()->cursorPosition(); }
  void setCursorPosition(int position) override { field()->setCursorPosition(position); }
  QString text(int startOffset, int endOffset) const override
  {
    if (startOffset > endOffset)
      return QString();
    return field()->text().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return int(field()->text().size()); }
  QRect characterRect(int offset) const override
  {
    // The text is drawn centred in the field.
    const QString text = field()->text();
    if (offset < 0 || offset >= text.size())
      return QRect();
    const QFontMetrics metrics = field()->fontMetrics();
    const QRect box = field()->rect();
    const int left = box.center().x() - metrics.horizontalAdvance(text) / 2 +
                     metrics.horizontalAdvance(text.left(offset));
    const QRect glyph(left, box.center().y() - metrics.height() / 2,
                      metrics.horizontalAdvance(text.at(offset)), metrics.height());
    return QRect(field()->mapToGlobal(glyph.topLeft()), glyph.size());
  }
  int offsetAtPoint(const QPoint &point) const override
  {
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int *startOffset, int *endOffset) const override
  {
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
  }

private:
  TNamer Namer;
};

// A group table's panel: a table of four rows (the places) and nine
// columns (the team and its eight figures), whose cells are the table's own
// labels and fields. Its description reads the rows, for a reader that
// speaks only the focused control.
class TTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface, public TSpoken {
public:
  TTableAccessible(QWidget *panel, const TAccessibleGrid &grid, int group)
      : QAccessibleWidget(panel, QAccessible::Table), Grid(grid), Group(group)
  {
  }

  QString nameNow() const override { return widget()->accessibleName(); }
  QString descriptionNow() const override
  {
    QStringList rows;
    for (int r = 0; r < 4; ++r) {
      QStringList cells{rowDescription(r), cellText(r, 0)};
      for (int c = 1; c < 9; ++c)
        cells << columnDescription(c) + QLatin1Char(' ') + cellText(r, c);
      rows << cells.join(QStringLiteral(", "));
    }
    return rows.join(QLatin1Char('\n'));
  }

  QString text(QAccessible::Text t) const override
  {
    switch (t) {
    case QAccessible::Name:
      return heardName(widget());
    case QAccessible::Description:
      return heardDescription(widget());
    default:
      return QAccessibleWidget::text(t);
    }
  }

  void *interface_cast(QAccessible::InterfaceType type) override
  {
    if (type == QAccessible::TableInterface)
      return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // QAccessibleTableInterface
  QAccessibleInterface *caption() const override
  {
    return QAccessible::queryAccessibleInterface(Grid.controls->label(TableTitleLabel(Group)));
  }
  QAccessibleInterface *summary() const override { return nullptr; }
  QAccessibleInterface *cellAt(int row, int column) const override
  {
    QWidget *cell = cellWidget(row, column);
    return cell ? QAccessible::queryAccessibleInterface(cell) : nullptr;
  }
  int columnCount() const override { return 9; }
  int rowCount() const override { return 4; }
  QString columnDescription(int column) const override
  {
    if (column == 0)
      return TextIn(language(), TText::AccessTeam).arg(QString()).trimmed();
    return column > 0 && column < 9 ? TextIn(language(), Columns[column - 1].words) : QString();
  }
  QString rowDescription(int row) const override
  {
    return TextIn(language(), TText::AccessPlace).arg(row + 1);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface *> selectedCells() const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
  QWidget *cellWidget(int row, int column) const
  {
    if (row < 0 || row > 3 || column < 0 || column > 8)
      return nullptr;
    if (column == 0)
      return Grid.controls->label(TableNameLabel(Group, row));
    return Grid.controls->field(TableField(Group, row, column - 1));
  }
  QString cellText(int row, int column) const
  {
    QWidget *cell = cellWidget(row, column);
    if (auto *l = qobject_cast<QLabel *>(cell))
      return l->text();
    if (auto *f = qobject_cast<QLineEdit *>(cell))
      return f->text();
    return QString();
  }

  int language() const { return Grid.language(); }

  TAccessibleGrid Grid;
  int Group;
};

QAccessibleInterface *GridAccessibleFactory(const QString &className, QObject *object)
{
  if (!object->isWidgetType())
    return nullptr;
  auto *control = static_cast<QWidget *>(object);
  const auto grid = Grids().constFind(control->window());
  if (grid == Grids().cend())
    return nullptr;
  const std::optional<TControlId> id = grid->controls->idOf(object);
  if (!id)
    return nullptr;
  if (id->kind == TControlId::Panel) {
    for (int g = 0; g < GroupCount; ++g)
      if (id->index == Index(TablePanel(g)))
        return new TTableAccessible(control, *grid, g);
    // The group and knockout panels group their controls under their names.
    if (id->index != Index(StripPanel()))
      return new QAccessibleWidget(control, QAccessible::Grouping);
    return nullptr;
  }
  const bool isField = className == QLatin1String("QLineEdit");
  if (!isField && className != QLatin1String("QLabel"))
    return nullptr;
  const std::optional<TGridPlace> place = PlaceOf(*id);
  if (!place)
    return nullptr;
  const bool wantsField = place->role == TRole::Score || place->role == TRole::Penalty ||
                          place->role == TRole::TableFigure;
  if (wantsField != isField)
    return nullptr;
  const TNamer namer(*grid, *place);
  if (isField)
    return new TGridFieldAccessible(static_cast<QLineEdit *>(control), namer);
  return new TGridLabelAccessible(static_cast<QLabel *>(control), namer);
}

}  // namespace

void AnnounceGridChanges(const QWidget *form)
{
  if (!QAccessible::isActive())
    return;
  std::vector<QPointer<QWidget>> &listed = TSpoken::listed();
  // By index: announcing lets the reader ask about controls not yet listed.
  for (size_t i = 0; i < listed.size(); ++i) {
    QWidget *control = listed[i];
    if (!control || control->window() != form)
      continue;
    if (auto *spoken = dynamic_cast<TSpoken *>(QAccessible::queryAccessibleInterface(control)))
      spoken->announce(control);
  }
  listed.erase(std::remove_if(listed.begin(), listed.end(),
                              [](const QPointer<QWidget> &c) { return c.isNull(); }),
               listed.end());
}

void RegisterAccessibleGrid(const QWidget *window, const TGridControls *controls, std::function<int()> language)
{
  if (controls)
    Grids().insert(window, {controls, std::move(language)});
  else
    Grids().remove(window);
}

void InstallAccessibleNames()
{
  static bool installed = false;
  if (!installed) {
    installed = true;
    QAccessible::installFactory(GridAccessibleFactory);
  }
}
