#include "import/importForm.h"

#include "core/i18n/texts.h"
#include "core/schedule/calendar.h"
#include "core/schedule/calendarExport.h"
#include "desktop/windowPlacement.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const TText Headings[ImportColumnCount] = {TText::ImportMatchHeading, TText::ImportTeamsHeading,
                                           TText::ImportWhatHeading, TText::ImportReasonHeading};

QString Side(const QString &goals) { return goals.isEmpty() ? QStringLiteral("?") : goals; }

// "2-1", "1-1 (pen. 3-2)": a match's texts as a fan reads them.
QString ResultText(const TMatchTexts &t, int language)
{
  const QString goals = Side(t.goals[0]) + QLatin1Char('-') + Side(t.goals[1]);
  if (t.penalties[0].isEmpty() && t.penalties[1].isEmpty())
    return goals;
  return TextIn(language, TText::ImportPenalties)
      .arg(goals, Side(t.penalties[0]) + QLatin1Char('-') + Side(t.penalties[1]));
}

// The score as the file gives it, in the file's order.
QString FileScoreText(const TImportMatch &m, int language)
{
  const auto pair = [](const TImportScore &s) { return Side(s.goals1) + QLatin1Char('-') + Side(s.goals2); };
  const QString goals = m.score.state == TImportScore::Absent ? QStringLiteral("?-?") : pair(m.score);
  return m.penalties.state == TImportScore::Absent
             ? goals
             : TextIn(language, TText::ImportPenalties).arg(goals, pair(m.penalties));
}

QString WhatHappens(const TImportRow &row, int language)
{
  switch (row.outcome) {
    case TImportOutcome::NewScore:
      return TextIn(language, TText::ImportNewScore).arg(ResultText(row.after, language));
    case TImportOutcome::Replaced:
      return TextIn(language, TText::ImportReplaced)
          .arg(ResultText(row.before, language), ResultText(row.after, language));
    case TImportOutcome::Unchanged:
      return TextIn(language, TText::ImportUnchanged).arg(ResultText(row.after, language));
    default:
      return TextIn(language, TText::ImportNotApplied);
  }
}

QString Reason(const TImportRow &row, const TImportMatch &m, int language)
{
  switch (row.outcome) {
    case TImportOutcome::NotPlayed: return TextIn(language, TText::ImportNotPlayedReason);
    case TImportOutcome::UnknownTeam: {
      QStringList unknown;
      if (m.team1 == NoTeam)
        unknown << m.name1;
      if (m.team2 == NoTeam)
        unknown << m.name2;
      return TextIn(language, TText::ImportUnknownTeamReason).arg(unknown.join(QStringLiteral(", ")));
    }
    case TImportOutcome::NoSuchMatch: return TextIn(language, TText::ImportNoSuchMatchReason);
    case TImportOutcome::NotInSlot: return TextIn(language, TText::ImportNotInSlotReason);
    case TImportOutcome::ScoreNotHeld:
      return TextIn(language, TText::ImportScoreNotHeldReason).arg(FileScoreText(m, language));
    case TImportOutcome::ListedTwice: return TextIn(language, TText::ImportListedTwiceReason);
    default: return QString();
  }
}

// "52 · 1/8 final": the tournament's match; else the round the file names.
QString MatchText(const TImportRow &row, const TImportMatch &m, int language)
{
  if (!row.found)
    return m.round;
  const int number = MatchNumber(row.match);
  return QString::number(number) + QStringLiteral(" · ") + MatchStage(language, number);
}

// The teams in the match's side order once it is found, else as the file
// lists them; a name the tournament does not know as the file writes it.
QString TeamsText(const TImportRow &row, const TImportMatch &m, const TTeamNameList &names)
{
  const auto name = [&](TTeam team, const QString &written) {
    return team == NoTeam ? written : names[std::size_t(team)];
  };
  QString first = name(m.team1, m.name1), second = name(m.team2, m.name2);
  if (row.found && row.swapped)
    std::swap(first, second);
  return first + QStringLiteral(" – ") + second;
}

}  // namespace

TImportForm::TImportForm(QWidget *owner, const QString &fileName, const std::vector<TImportMatch> &matches,
                         const TImportPlan &plan, const TTeamNameList &names, int language)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
  setObjectName(QStringLiteral("ImportForm"));
  setWindowTitle(TextIn(language, TText::ImportCaption).arg(fileName));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(12);
  setFont(font);

  ImportTable = new QTableWidget(int(plan.rows.size()), ImportColumnCount, this);
  ImportTable->setObjectName(QStringLiteral("ImportTable"));
  ImportTable->setAccessibleName(TextIn(language, TText::ImportCaption).arg(fileName));
  ImportTable->setTabKeyNavigation(false);
  ImportTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ImportTable->setSelectionMode(QAbstractItemView::SingleSelection);
  ImportTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  ImportTable->setWordWrap(false);
  ImportTable->setTextElideMode(Qt::ElideRight);
  ImportTable->verticalHeader()->hide();
  ImportTable->verticalHeader()->setDefaultSectionSize(ImportTable->fontMetrics().height() + 6);
  ImportTable->horizontalHeader()->setHighlightSections(false);
  ImportTable->horizontalHeader()->setStretchLastSection(true);
  QStringList labels;
  for (TText heading : Headings)
    labels << TextIn(language, heading);
  ImportTable->setHorizontalHeaderLabels(labels);

  for (int r = 0; r < int(plan.rows.size()); ++r) {
    const TImportRow &row = plan.rows[std::size_t(r)];
    const TImportMatch &m = matches[std::size_t(r)];
    const QString texts[ImportColumnCount] = {MatchText(row, m, language), TeamsText(row, m, names),
                                              WhatHappens(row, language), Reason(row, m, language)};
    const QString line = TextIn(language, TText::ImportLineHint).arg(m.line);
    for (int c = 0; c < ImportColumnCount; ++c) {
      auto *item = new QTableWidgetItem(texts[c]);
      item->setToolTip(c == ImportReasonColumn && !texts[c].isEmpty() ? texts[c] : line);
      ImportTable->setItem(r, c, item);
    }
  }
  // Every column as wide as its widest text; the reason takes what is left.
  ImportTable->resizeColumnsToContents();

  TableLbl = new QLabel(TextIn(language, TText::ImportTableLbl), this);
  TableLbl->setObjectName(QStringLiteral("TableLbl"));
  TableLbl->setBuddy(ImportTable);
  SummaryLbl = new QLabel(plan.changes() ? TextIn(language, TText::ImportSummary)
                                               .arg(plan.applied)
                                               .arg(plan.rows.size())
                                         : TextIn(language, TText::ImportNothing),
                          this);
  SummaryLbl->setObjectName(QStringLiteral("SummaryLbl"));
  SummaryLbl->setWordWrap(true);

  ApplyButton = new QPushButton(TextIn(language, TText::ApplyButton), this);
  ApplyButton->setObjectName(QStringLiteral("ApplyButton"));
  ApplyButton->setEnabled(plan.changes());
  connect(ApplyButton, &QPushButton::clicked, this, &QDialog::accept);
  CancelButton = new QPushButton(TextIn(language, TText::ImportCancelButton), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  (plan.changes() ? ApplyButton : CancelButton)->setDefault(true);

  auto *buttons = new QHBoxLayout;
  buttons->addWidget(SummaryLbl, 1);
  buttons->addWidget(ApplyButton);
  buttons->addWidget(CancelButton);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(TableLbl);
  layout->addWidget(ImportTable, 1);
  layout->addLayout(buttons);

  // Wide enough for every column but the reason, and for the longest
  // reason the file gives, within a common screen.
  int width = 40 + ImportTable->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < ImportColumnCount; ++c)
    width += ImportTable->columnWidth(c);
  resize(qBound(640, width, 1240), 600);
  setTabOrder(ImportTable, ApplyButton);
  setTabOrder(ApplyButton, CancelButton);
  ImportTable->setFocus();
}

void TImportForm::showEvent(QShowEvent *event)
{
  CentreOnScreen(this);
  QDialog::showEvent(event);
}
