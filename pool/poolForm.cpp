#include "pool/poolForm.h"

#include "pool/poolChart.h"
#include "desktop/platform.h"
#include "desktop/windowPlacement.h"
#include "core/i18n/texts.h"
#include "core/settings/wholeFile.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The table's columns.
enum TPoolColumn { RankColumn, NameColumn, PointsColumn, ExactColumn, DifferenceColumn,
                   OutcomeColumn, RoundsColumn, PoolColumnCount };
const TText PoolHeadings[PoolColumnCount] = {
    TText::PoolRankHeading,  TText::PoolNameHeading,       TText::PoolPointsHeading,
    TText::PoolExactHeading, TText::PoolDifferenceHeading, TText::PoolOutcomeHeading,
    TText::PoolRoundsHeading};
// The detail's columns.
enum TDetailColumn { MatchColumn, PredictionColumn, ResultColumn, DetailPointsColumn, PicksColumn,
                     DetailColumnCount };
const TText DetailHeadings[DetailColumnCount] = {TText::PoolMatchHeading, TText::PoolPredictionHeading,
                                                 TText::PoolResultHeading, TText::PoolPointsHeading,
                                                 TText::PoolPicksHeading};
// The value editors, two rows of four: the matches, then the rounds.
const TText ValueLabels[PoolValueCount] = {
    TText::PoolExactValue,   TText::PoolDifferenceValue, TText::PoolOutcomeValue,
    TText::PoolRound16Value, TText::PoolQuarterValue,    TText::PoolSemiValue,
    TText::PoolFinalValue,   TText::PoolChampionValue};
const int ValuePlace[PoolValueCount][2] = {{0, 0}, {0, 1}, {0, 2}, {1, 0},
                                           {1, 1}, {1, 2}, {1, 3}, {0, 3}};

// The longest name the table shows whole, in average characters: a longer
// one is cut short with an ellipsis, and its tooltip holds it whole.
constexpr int NameColumnChars = 26;

QTableWidget *NewTable(QWidget *parent, const char *name, int language, const TText *headings,
                       int columns)
{
  auto *table = new QTableWidget(0, columns, parent);
  table->setObjectName(QLatin1String(name));
  // Tab goes on to the next control; the arrow keys move inside the table.
  table->setTabKeyNavigation(false);
  table->setTextElideMode(Qt::ElideRight);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->horizontalHeader()->setHighlightSections(false);
  QStringList labels;
  for (int c = 0; c < columns; ++c)
    labels << TextIn(language, headings[c]);
  table->setHorizontalHeaderLabels(labels);
  return table;
}

int HeadingWidth(const QTableWidget *table, int column)
{
  return table->horizontalHeader()->fontMetrics().horizontalAdvance(
             table->horizontalHeaderItem(column)->text()) + 24;
}

// The width of a column as wide as its heading or its widest text,
// whichever is wider.
int FittingWidth(const QTableWidget *table, int column, const QStringList &texts)
{
  const QFontMetrics metrics = table->fontMetrics();
  int width = HeadingWidth(table, column);
  for (const QString &text : texts)
    width = qMax(width, metrics.horizontalAdvance(text) + 16);
  return width;
}

void FitColumn(QTableWidget *table, int column, const QStringList &texts)
{
  table->setColumnWidth(column, FittingWidth(table, column, texts));
}

// A table or the chart, above which its caption stands, whose letter moves to it.
QWidget *Captioned(QWidget *control, TText caption, const char *name, int language)
{
  auto *pane = new QWidget;
  auto *label = new QLabel(TextIn(language, caption), pane);
  label->setObjectName(QLatin1String(name));
  label->setBuddy(control);
  auto *layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(label);
  layout->addWidget(control, 1);
  return pane;
}

QTableWidgetItem *NumberItem()
{
  auto *item = new QTableWidgetItem;
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

TPoolForm::TPoolForm(QWidget *owner, TDialogs &dialogs, const TTournament &shown,
                     const TPoolSettings &settings, const QString &settingsFile, int language)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      Dialogs(dialogs), Results(PoolResultsOf(shown)), Days(PoolResultsByDay(shown)),
      Settings(settings), SettingsFile(settingsFile),
      Language(language)
{
  setObjectName(QStringLiteral("PoolForm"));
  setWindowTitle(TextIn(language, TText::PoolCaption));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  setFont(font);

  FolderLbl = new QLabel(TextIn(language, TText::PoolFolderLbl), this);
  FolderLbl->setObjectName(QStringLiteral("FolderLbl"));
  FolderName = new QLabel(this);
  FolderName->setObjectName(QStringLiteral("FolderName"));
  FolderName->setTextFormat(Qt::PlainText);
  FolderName->setTextInteractionFlags(Qt::TextSelectableByMouse);
  FolderName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  FolderButton = new QPushButton(TextIn(language, TText::PoolFolderButton), this);
  FolderButton->setObjectName(QStringLiteral("FolderButton"));
  connect(FolderButton, &QPushButton::clicked, this, &TPoolForm::FolderButtonClick);

  auto *valuesBox = new QGroupBox(TextIn(language, TText::PoolValuesLbl), this);
  valuesBox->setObjectName(QStringLiteral("ValuesPanel"));
  auto *values = new QGridLayout(valuesBox);
  values->setHorizontalSpacing(8);
  for (int v = 0; v < PoolValueCount; ++v) {
    auto *edit = new QSpinBox(valuesBox);
    edit->setObjectName(QLatin1String(PoolValueKey(v)) + QStringLiteral("Value"));
    edit->setRange(0, PoolValueMax);
    edit->setValue(Settings.values[std::size_t(v)]);
    auto *label = new QLabel(TextIn(language, ValueLabels[v]), valuesBox);
    label->setBuddy(edit);
    values->addWidget(label, ValuePlace[v][0], 2 * ValuePlace[v][1]);
    values->addWidget(edit, ValuePlace[v][0], 2 * ValuePlace[v][1] + 1);
    connect(edit, &QSpinBox::valueChanged, this, [this, v](int points) { valueChanged(v, points); });
    ValueEdits[std::size_t(v)] = edit;
  }
  for (int c = 0; c < 4; ++c)
    values->setColumnStretch(2 * c, 1);

  NoticeLbl = new QLabel(this);
  NoticeLbl->setObjectName(QStringLiteral("NoticeLbl"));
  NoticeLbl->setWordWrap(true);

  PoolTable = NewTable(this, "PoolTable", language, PoolHeadings, PoolColumnCount);
  PoolTable->setAccessibleName(TextIn(language, TText::PoolCaption));
  // The name takes the room the figures leave, up to its longest: the
  // figures always show.
  PoolTable->viewport()->installEventFilter(this);
  PoolChart = new TPoolChart(this);
  PoolChart->setAccessibleName(TextIn(language, TText::PoolChartLbl).remove(QLatin1Char('&')));
  connect(PoolChart, &TPoolChart::entryChosen, this, &TPoolForm::chooseEntry);
  PoolDetail = NewTable(this, "PoolDetail", language, DetailHeadings, DetailColumnCount);
  PoolDetail->setSelectionMode(QAbstractItemView::NoSelection);
  // The two teams' columns and the picks share what the match and its
  // points leave, whether or not the scroll bar shows.
  PoolDetail->horizontalHeader()->setStretchLastSection(false);
  for (int c : {PredictionColumn, ResultColumn, PicksColumn})
    PoolDetail->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
  connect(PoolTable, &QTableWidget::itemSelectionChanged, this, &TPoolForm::showDetail);

  // The table and the chart side by side, the detail across below them.
  TableAndChart = new QSplitter(Qt::Horizontal, this);
  TableAndChart->setChildrenCollapsible(false);
  TableAndChart->addWidget(Captioned(PoolTable, TText::PoolTableLbl, "PoolTableLbl", language));
  TableAndChart->addWidget(Captioned(PoolChart, TText::PoolChartLbl, "PoolChartLbl", language));
  TableAndChart->setStretchFactor(1, 1);
  auto *split = new QSplitter(Qt::Vertical, this);
  split->setChildrenCollapsible(false);
  split->addWidget(TableAndChart);
  split->addWidget(Captioned(PoolDetail, TText::PoolDetailLbl, "PoolDetailLbl", language));
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);

  PoolCsvButton = new QPushButton(TextIn(language, TText::PoolCsvButton), this);
  PoolCsvButton->setObjectName(QStringLiteral("PoolCsvButton"));
  connect(PoolCsvButton, &QPushButton::clicked, this, &TPoolForm::PoolCsvButtonClick);
  PoolChartButton = new QPushButton(TextIn(language, TText::PoolChartButton), this);
  PoolChartButton->setObjectName(QStringLiteral("PoolChartButton"));
  connect(PoolChartButton, &QPushButton::clicked, this, &TPoolForm::PoolChartButtonClick);
  CloseButton = new QPushButton(TextIn(language, TText::ScheduleCloseButton), this);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  CloseButton->setDefault(true);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);

  auto *top = new QHBoxLayout;
  top->addWidget(FolderLbl);
  top->addWidget(FolderName, 1);
  top->addWidget(FolderButton);
  auto *bottom = new QHBoxLayout;
  bottom->addWidget(PoolCsvButton);
  bottom->addWidget(PoolChartButton);
  bottom->addStretch(1);
  bottom->addWidget(CloseButton);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(valuesBox);
  layout->addWidget(NoticeLbl);
  layout->addWidget(split, 1);
  layout->addLayout(bottom);
  resize(1160, 760);

  // Tab goes from control to control in the order they are seen.
  QList<QWidget *> order = {FolderButton};
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 4; ++column)
      for (int v = 0; v < PoolValueCount; ++v)
        if (ValuePlace[v][0] == row && ValuePlace[v][1] == column)
          order << ValueEdits[std::size_t(v)];
  order << PoolTable << PoolChart << PoolDetail << PoolCsvButton << PoolChartButton << CloseButton;
  for (qsizetype i = 1; i < order.size(); ++i)
    setTabOrder(order[i - 1], order[i]);

  readFolder();
}

void TPoolForm::readFolder()
{
  FolderName->setText(QDir::toNativeSeparators(Settings.folder));
  FolderName->setToolTip(FolderName->text());
  QString folderProblem;
  Entries = ReadPoolFolder(Settings.folder, SettingsFile, Language, &folderProblem);
  ScorePool(Entries, Results);
  Picks = CountPoolPicks(Entries);
  DayScores = ScorePoolByDay(Entries, Days);
  NoticeLbl->setText(Settings.folder.isEmpty() ? TextIn(Language, TText::PoolNoFolder)
                     : !folderProblem.isEmpty() ? folderProblem
                     : Entries.empty()          ? TextIn(Language, TText::PoolNoEntries)
                                                : QString());
  NoticeLbl->setHidden(NoticeLbl->text().isEmpty());
  PoolCsvButton->setEnabled(!Entries.empty());

  // One item per cell, kept while the values change: only their texts do.
  PoolTable->clearSpans();
  PoolTable->setRowCount(0);
  PoolTable->setRowCount(int(Entries.size()));
  QStringList names;
  for (int r = 0; r < int(Entries.size()); ++r) {
    for (int c = 0; c < PoolColumnCount; ++c)
      PoolTable->setItem(r, c, c == NameColumn ? new QTableWidgetItem : NumberItem());
    names << Entries[std::size_t(r)].name;
  }
  showTable();
  for (int c = 0; c < PoolColumnCount; ++c)
    if (c != NameColumn)
      FitColumn(PoolTable, c, {QStringLiteral("0000")});
  NameWidth = qMin(FittingWidth(PoolTable, NameColumn, names),
                   qMax(HeadingWidth(PoolTable, NameColumn),
                        PoolTable->fontMetrics().averageCharWidth() * NameColumnChars));
  // The table is never narrower than its figures and the Name heading, and
  // starts as wide as its names, up to half the window: the chart has the rest.
  int figures = 0;
  for (int c = 0; c < PoolColumnCount; ++c)
    figures += c == NameColumn ? 0 : PoolTable->columnWidth(c);
  const int frame = 2 * PoolTable->frameWidth() + PoolTable->verticalScrollBar()->sizeHint().width();
  PoolTable->setMinimumWidth(figures + HeadingWidth(PoolTable, NameColumn) + frame);
  const int room = TableAndChart->width() > 100 ? TableAndChart->width() : width();
  const int tableWidth = qMin(figures + NameWidth + frame, room / 2);
  TableAndChart->setSizes({tableWidth, room - tableWidth});
  fitNameColumn();
  PoolDetail->setRowCount(0);
  if (!Entries.empty())
    PoolTable->selectRow(0);
}

void TPoolForm::showTable()
{
  const int selected = selectedEntry();
  Rows = RankPool(Entries, Settings.values);
  const QSignalBlocker quiet(PoolTable);
  for (int r = 0; r < int(Rows.size()); ++r) {
    const TPoolRow &row = Rows[std::size_t(r)];
    const TPoolEntry &e = Entries[std::size_t(row.entry)];
    const bool scored = e.problem.isEmpty();
    PoolTable->item(r, RankColumn)->setText(row.rank);
    PoolTable->item(r, NameColumn)->setText(e.name);
    PoolTable->item(r, NameColumn)->setToolTip(e.name);
    PoolTable->item(r, PointsColumn)->setText(scored ? QString::number(row.points) : e.problem);
    PoolTable->item(r, PointsColumn)->setToolTip(scored ? QString() : e.problem);
    PoolTable->item(r, PointsColumn)->setTextAlignment(
        scored ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    PoolTable->item(r, ExactColumn)->setText(scored ? QString::number(e.score.exact) : QString());
    PoolTable->item(r, DifferenceColumn)->setText(scored ? QString::number(e.score.difference) : QString());
    PoolTable->item(r, OutcomeColumn)->setText(scored ? QString::number(e.score.outcome) : QString());
    PoolTable->item(r, RoundsColumn)->setText(scored ? QString::number(row.rounds) : QString());
    // An entry that is not scored shows why across its figures.
    if (!scored && PoolTable->columnSpan(r, PointsColumn) == 1)
      PoolTable->setSpan(r, PointsColumn, 1, PoolColumnCount - PointsColumn);
    if (row.entry == selected)
      PoolTable->selectRow(r);
  }
  showChart();
}

void TPoolForm::showChart()
{
  TPoolChartData data;
  data.language = Language;
  for (const TPoolDay &day : Days)
    data.days.push_back(day.date);
  for (const TPoolRow &row : Rows)
    if (Entries[std::size_t(row.entry)].problem.isEmpty())
      data.lines.push_back({row.entry, Entries[std::size_t(row.entry)].name,
                            PointsByDay(DayScores[std::size_t(row.entry)], Settings.values)});
  PoolChartButton->setEnabled(!data.days.empty() && !data.lines.empty());
  PoolChart->setData(std::move(data));
}

void TPoolForm::chooseEntry(int entry)
{
  for (int r = 0; r < int(Rows.size()); ++r)
    if (Rows[std::size_t(r)].entry == entry) {
      PoolTable->selectRow(r);
      PoolTable->scrollToItem(PoolTable->item(r, NameColumn));
    }
}

int TPoolForm::selectedEntry() const
{
  const QList<QTableWidgetItem *> items = PoolTable->selectedItems();
  if (items.isEmpty() || items.first()->row() >= int(Rows.size()))
    return -1;
  return Rows[std::size_t(items.first()->row())].entry;
}

void TPoolForm::valueChanged(int value, int points)
{
  Settings.values[std::size_t(value)] = points;
  showTable();
  showDetail();
}

void TPoolForm::showDetail()
{
  const int entry = selectedEntry();
  PoolChart->setSelected(entry);
  if (entry < 0 || !Entries[std::size_t(entry)].problem.isEmpty()) {
    PoolDetail->setRowCount(0);
    return;
  }
  const std::vector<TPoolDetailRow> rows =
      ::PoolDetail(Entries[std::size_t(entry)], Results, Settings.values, Picks, Language);
  PoolDetail->setRowCount(int(rows.size()));
  QStringList matches;
  for (int r = 0; r < int(rows.size()); ++r) {
    const TPoolDetailRow &row = rows[std::size_t(r)];
    PoolDetail->setItem(r, MatchColumn, new QTableWidgetItem(row.match));
    PoolDetail->setItem(r, PredictionColumn, new QTableWidgetItem(row.prediction));
    PoolDetail->setItem(r, ResultColumn, new QTableWidgetItem(row.result));
    QTableWidgetItem *points = NumberItem();
    points->setText(QString::number(row.points));
    PoolDetail->setItem(r, DetailPointsColumn, points);
    auto *picks = new QTableWidgetItem(row.picks);
    picks->setToolTip(row.picksHint);
    PoolDetail->setItem(r, PicksColumn, picks);
    matches << row.match;
  }
  FitColumn(PoolDetail, MatchColumn, matches);
  FitColumn(PoolDetail, DetailPointsColumn, {QStringLiteral("000")});
}

void TPoolForm::fitNameColumn()
{
  int figures = 0;
  for (int c = 0; c < PoolColumnCount; ++c)
    figures += c == NameColumn ? 0 : PoolTable->columnWidth(c);
  const int room = PoolTable->viewport()->width() - figures;
  PoolTable->setColumnWidth(NameColumn,
                            qMax(HeadingWidth(PoolTable, NameColumn), qMin(NameWidth, room)));
}

bool TPoolForm::eventFilter(QObject *watched, QEvent *event)
{
  if (watched == PoolTable->viewport() && event->type() == QEvent::Resize)
    fitNameColumn();
  return QDialog::eventFilter(watched, event);
}

void TPoolForm::FolderButtonClick()
{
  const QString start =
      Settings.folder.isEmpty() ? QFileInfo(SettingsFile).absolutePath() : Settings.folder;
  const QString folder = Dialogs.chooseFolder(this, start);
  if (folder.isEmpty())
    return;
  Settings.folder = folder;
  readFolder();
}

void TPoolForm::PoolCsvButtonClick()
{
  TSaveFileRequest request;
  request.folder = Settings.folder;
  request.fileName = QStringLiteral("pool.csv");
  request.filter = TextIn(Language, TText::PoolCsvFilter);
  request.suffix = QStringLiteral("csv");
  const QString path = Dialogs.saveFile(this, request);
  if (path.isEmpty())
    return;
  QString error;
  if (!WriteWholeFile(path, PoolCsv(Entries, Rows, Language), &error))
    Dialogs.message(this, TMsgIcon::Error, TextIn(Language, TText::PoolCsvFailed).arg(path, error),
                    QMessageBox::Ok);
}

void TPoolForm::PoolChartButtonClick()
{
  TSaveFileRequest request;
  request.folder = Settings.folder;
  request.fileName = QStringLiteral("pool.png");
  request.filter = TextIn(Language, TText::PoolChartFilter);
  request.suffix = QStringLiteral("png");
  const QString path = Dialogs.saveFile(this, request);
  if (path.isEmpty())
    return;
  // The name's extension chooses the format.
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
    Dialogs.message(this, TMsgIcon::Error, TextIn(Language, TText::PoolChartFormat).arg(path),
                    QMessageBox::Ok);
    return;
  }
  const QByteArray bytes =
      PoolChartPicture(PoolChart->data(), PoolChart->selected(),
                       suffix == QLatin1String("svg") ? TPictureFormat::Svg : TPictureFormat::Png,
                       TextIn(Language, TText::PoolCaption));
  QString error;
  if (!WriteWholeFile(path, bytes, &error))
    Dialogs.message(this, TMsgIcon::Error, TextIn(Language, TText::PoolCsvFailed).arg(path, error),
                    QMessageBox::Ok);
}

void TPoolForm::showEvent(QShowEvent *event)
{
  CentreOnScreen(this);
  QDialog::showEvent(event);
  showDetail();
}

void ShowPoolWindow(QWidget *parent, TDialogs &dialogs, const TTournament &shown,
                    std::optional<TPoolSettings> &settings, const QString &settingsFile,
                    int language)
{
  auto *form = new TPoolForm(parent, dialogs, shown, settings.value_or(TPoolSettings{}),
                             settingsFile, language);
  dialogs.showModal(form);
  settings = form->settings();
  form->deleteLater();
}
