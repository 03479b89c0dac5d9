#include "groups/outlookForm.h"

#include "desktop/windowPlacement.h"
#include "desktop/platform.h"
#include "core/groups/groupTables.h"
#include "core/i18n/texts.h"
#include "core/groups/groupStage.h"
#include "core/tournament/tournament.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString ResultWords(int language, TMatchResult result, const TOutlookGroupView &g, int match)
{
  if (result == TMatchResult::Draw)
    return TextIn(language, TText::OutlookDraw);
  const int side = result == TMatchResult::Side1 ? 0 : 1;
  return TextIn(language, TText::OutlookWin).arg(g.names[g.scores.sides[match][side]]);
}

QString CellWords(int language, const TScenarioCell &cell, const TScenarioRow &row, const TScenarioTable &table,
                  const TOutlookGroupView &g)
{
  switch (cell.verdict) {
  case TVerdict::Through: return TextIn(language, TText::OutlookThrough);
  case TVerdict::Out: return TextIn(language, TText::OutlookOut);
  case TVerdict::None: return QString();
  case TVerdict::Goals: break;
  }
  if (cell.match < 0)
    return TextIn(language, TText::OutlookGoals);
  const int i = int(std::find(table.matches.begin(), table.matches.end(), cell.match) - table.matches.begin());
  const int side = row.results[i] == TMatchResult::Side1 ? 0 : 1;
  const QString winner = g.names[g.scores.sides[cell.match][side]];
  return TextIn(language, cell.settled == TVerdict::Through ? TText::OutlookThroughIf : TText::OutlookOutIf)
      .arg(winner, QString::number(cell.margin));
}

}  // namespace

QString OutlookWords(int language, TOutlook outlook, const QString &team, const QString &groupTitle)
{
  switch (outlook) {
  case TOutlook::Winner: return TextIn(language, TText::OutlookWinnerHint).arg(team, groupTitle);
  case TOutlook::Through: return TextIn(language, TText::OutlookThroughHint).arg(team);
  case TOutlook::Out: return TextIn(language, TText::OutlookOutHint).arg(team);
  case TOutlook::Open: break;
  }
  return TextIn(language, TText::OutlookOpenHint).arg(team);
}

TOutlookForm::TOutlookForm(QWidget *owner, int language,
                           const std::array<TOutlookGroupView, 8> &groups, int chosen)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      Language(language), Groups(groups)
{
  setObjectName(QStringLiteral("OutlookForm"));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  setFont(font);

  GroupLbl = new QLabel(TextIn(Language, TText::OutlookGroupLbl), this);
  GroupLbl->setObjectName(QStringLiteral("GroupLbl"));
  GroupCB = new QComboBox(this);
  GroupCB->setObjectName(QStringLiteral("GroupCB"));
  for (const TOutlookGroupView &g : Groups)
    GroupCB->addItem(g.title);
  GroupLbl->setBuddy(GroupCB);

  OutlookLbl = new QLabel(this);
  OutlookLbl->setObjectName(QStringLiteral("OutlookLbl"));
  OutlookLbl->setTextFormat(Qt::PlainText);
  OutlookLbl->setWordWrap(true);
  OutlookLbl->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  ScenariosLbl = new QLabel(this);
  ScenariosLbl->setObjectName(QStringLiteral("ScenariosLbl"));
  ScenariosLbl->setWordWrap(true);

  ScenarioGrid = new QTableWidget(this);
  ScenarioGrid->setObjectName(QStringLiteral("ScenarioGrid"));
  ScenarioGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ScenarioGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  ScenarioGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  ScenarioGrid->verticalHeader()->setDefaultSectionSize(20);
  ScenarioGrid->setAccessibleName(TextIn(Language, TText::OutlookScenariosLbl));

  CloseButton = new QPushButton(TextIn(Language, TText::ScheduleCloseButton), this);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  CloseButton->setDefault(true);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);

  auto *top = new QHBoxLayout;
  top->addWidget(GroupLbl);
  top->addWidget(GroupCB);
  top->addStretch(1);
  auto *bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(CloseButton);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(OutlookLbl);
  layout->addWidget(ScenariosLbl);
  layout->addWidget(ScenarioGrid, 1);
  layout->addLayout(bottom);

  GroupCB->setCurrentIndex(chosen);
  GroupCBChange();
  connect(GroupCB, &QComboBox::currentIndexChanged, this, &TOutlookForm::GroupCBChange);
}

void TOutlookForm::GroupCBChange()
{
  const TOutlookGroupView &g = Groups[qBound(0, GroupCB->currentIndex(), 7)];

  const std::array<TOutlook, 4> outlook = GroupOutlook(g.scores);
  QStringList lines;
  for (int team : g.order)
    lines << OutlookWords(Language, outlook[team], g.names[team], g.title);
  OutlookLbl->setText(lines.join(QLatin1Char('\n')));

  const TScenarioTable table = GroupScenarios(g.scores);
  const int open = int(std::count_if(g.scores.scores.begin(), g.scores.scores.end(),
                                     [](const auto &s) { return !s[0] || !s[1]; }));
  ScenariosLbl->setText(open == 0   ? TextIn(Language, TText::OutlookAllPlayed)
                        : open > 3  ? TextIn(Language, TText::OutlookTooMany)
                                    : TextIn(Language, TText::OutlookScenariosLbl));
  ScenarioGrid->setVisible(!table.rows.empty());

  const int matches = int(table.matches.size());
  ScenarioGrid->clear();
  ScenarioGrid->setColumnCount(table.rows.empty() ? 0 : matches + 4);
  ScenarioGrid->setRowCount(int(table.rows.size()));
  QStringList headings;
  for (int m : table.matches)
    headings << g.names[g.scores.sides[m][0]] + QStringLiteral(" – ") + g.names[g.scores.sides[m][1]];
  for (int team : g.order)
    headings << g.names[team];
  ScenarioGrid->setHorizontalHeaderLabels(headings);

  for (int r = 0; r < int(table.rows.size()); ++r) {
    const TScenarioRow &row = table.rows[r];
    for (int i = 0; i < matches; ++i)
      ScenarioGrid->setItem(r, i, new QTableWidgetItem(ResultWords(Language, row.results[i], g, table.matches[i])));
    for (int c = 0; c < 4; ++c) {
      const TScenarioCell &cell = row.cells[g.order[c]];
      auto *item = new QTableWidgetItem(CellWords(Language, cell, row, table, g));
      if (cell.verdict == TVerdict::Through)
        item->setBackground(QColor(0xd8, 0xf0, 0xd8));
      else if (cell.verdict == TVerdict::Out)
        item->setBackground(QColor(0xf4, 0xd8, 0xd8));
      ScenarioGrid->setItem(r, matches + c, item);
    }
  }
  ScenarioGrid->resizeColumnsToContents();

  // The window takes the size of what it shows, up to 27 rows.
  int width = ScenarioGrid->verticalHeader()->sizeHint().width() + 2 * ScenarioGrid->frameWidth() + 2;
  for (int c = 0; c < ScenarioGrid->columnCount(); ++c)
    width += ScenarioGrid->columnWidth(c);
  const int height = ScenarioGrid->horizontalHeader()->sizeHint().height() +
                     ScenarioGrid->rowCount() * ScenarioGrid->verticalHeader()->defaultSectionSize() +
                     2 * ScenarioGrid->frameWidth() + 2;
  ScenarioGrid->setMinimumSize(qMax(width, 560), qMin(height, 600));
  adjustSize();
}

void TOutlookForm::showEvent(QShowEvent *event)
{
  CentreOnScreen(this);
  QDialog::showEvent(event);
}

void ShowOutlookWindow(QWidget *parent, TDialogs &dialogs, const TTournament &tournament, int language,
                       int favourite)
{
  // The tournament as it is now: each group's scores, its teams' names in
  // the interface language and its table order.
  const TTeamNameList names = TeamNamesIn(language);
  std::array<TOutlookGroupView, GroupCount> groups;
  int chosen = 0;
  for (int g = 0; g < GroupCount; ++g) {
    TOutlookGroupView &view = groups[g];
    view.title = GroupTitle(language, g);
    view.scores = GroupScoresOf(tournament, g);
    const TGroupSeeding &seeding = GroupSeeding(g);
    for (int t = 0; t < 4; ++t) {
      view.names[t] = names[seeding.initialOrder[t]];
      if (seeding.initialOrder[t] == favourite)
        chosen = g;
    }
    for (int r = 0; r < TeamsPerGroup; ++r)
      for (int t = 0; t < TeamsPerGroup; ++t)
        if (tournament.groupTable(g)[std::size_t(r)].TeamName == seeding.initialOrder[std::size_t(t)])
          view.order[std::size_t(r)] = t;
  }
  auto *form = new TOutlookForm(parent, language, groups, chosen);
  form->setWindowTitle(TextIn(language, TText::CaptionPrefix) + TextIn(language, TText::OutlookCaption));
  dialogs.showModal(form);
  form->deleteLater();
}
