// Undo and redo of the user's steps, the notice of emptied knockout results,
// and the recovery file kept while the grid holds unsaved results.
//
// The grid's whole state follows from the texts of its score and penalty
// fields, so a step is kept as those texts before and after it; undo and
// redo fill the fields from them as loading does, and the cascade does the
// rest. No change handler knows of the history.

#include "app/undoHistory.h"

#include "app/brakkaCommon.h"
#include "groups/fixtures.h"
#include "i18n/texts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QUndoCommand>

#include <algorithm>

namespace {

constexpr int RecoveryDelay = 500;   // milliseconds

// The title label of clear button `stage`'s panel.
QString StageTitleLabel(int stage)
{
  static const char *const knockout[5] = {"Final8Lbl", "Final4Lbl", "Final2Lbl", "ThirdLbl",
                                          "FinalLbl"};
  if (stage < GroupCount)
    return QStringLiteral("Group%1Lbl").arg(GroupLetter(stage));
  return QLatin1String(knockout[stage - GroupCount]);
}

}  // namespace

class TResultsStep : public QUndoCommand {
public:
  TResultsStep(TMainForm &form, TMainForm::TStepKind kind, QLineEdit *field, int stage,
               TResultTexts before, TResultTexts after, bool joins)
      : Form(form), Kind(kind), Field(field), Stage(stage), Before(std::move(before)),
        After(std::move(after)), Joins(joins)
  {
  }

  void undo() override { Form.restoreResults(Before); }
  // The first redo is the push of a step already done.
  void redo() override
  {
    if (Done)
      Form.restoreResults(After);
    Done = true;
  }
  int id() const override { return Kind == TMainForm::TStepKind::Typing ? 1 : -1; }
  // The next edit of the same field, while no other step came between.
  bool mergeWith(const QUndoCommand *other) override
  {
    const auto *next = static_cast<const TResultsStep *>(other);
    if (!next->Joins || next->Field != Field)
      return false;
    After = next->After;
    setObsolete(After == Before);
    return true;
  }

  // What the menu item says, in the current language.
  QString describe(bool undo) const
  {
    switch (Kind) {
    case TMainForm::TStepKind::Typing: {
      QString stem = Field->objectName();
      if (stem.endsWith(QLatin1String("pk")))
        stem.chop(2);
      stem.chop(1);
      return Text(undo ? TText::UndoTypingText : TText::RedoTypingText)
          .arg(Form.label(stem + QStringLiteral("1Lbl"))->text(),
               Form.label(stem + QStringLiteral("2Lbl"))->text());
    }
    case TMainForm::TStepKind::Clearing:
      return Text(undo ? TText::UndoClearingText : TText::RedoClearingText)
          .arg(Form.label(StageTitleLabel(Stage))->text().trimmed());
    case TMainForm::TStepKind::ClearingAll:
      return Text(undo ? TText::UndoClearAllText : TText::RedoClearAllText);
    case TMainForm::TStepKind::Recovering:
      break;
    }
    return Text(undo ? TText::UndoRecoveringText : TText::RedoRecoveringText);
  }

  // Knockout matches the step emptied that it did not aim at itself: the
  // typed field, a clear button's own stage; Clear All and a recovery aim at
  // every field.
  int emptiedResults(const TMainForm::THistory &h, const std::vector<QLineEdit *> &fields,
                     const std::vector<QLineEdit *> &aimedAt) const
  {
    if (Kind == TMainForm::TStepKind::ClearingAll || Kind == TMainForm::TStepKind::Recovering)
      return 0;
    auto emptied = [&](std::size_t i) {
      return !Before[i].isEmpty() && After[i].isEmpty() && fields[i] != Field &&
             std::find(aimedAt.begin(), aimedAt.end(), fields[i]) == aimedAt.end();
    };
    int count = 0;
    for (const auto &[side1, side2] : h.KnockoutScores)
      count += emptied(side1) || emptied(side2) ? 1 : 0;
    return count;
  }

  TMainForm &Form;
  const TMainForm::TStepKind Kind;
  QLineEdit *const Field;
  const int Stage;
  TResultTexts Before;
  TResultTexts After;
  const bool Joins;
  bool Done = false;
};

TMainForm::TStepScope::TStepScope(TMainForm &form, TStepKind kind, int stage)
    : Form(form), Kind(kind), Stage(stage)
{
  ++Form.History->Depth;
}

TMainForm::TStepScope::~TStepScope()
{
  if (--Form.History->Depth == 0)
    Form.endStep(Kind, nullptr, Stage);
}

TMainForm::TQuietChanges::TQuietChanges(TMainForm &form) : Form(form) { ++Form.History->Depth; }

TMainForm::TQuietChanges::~TQuietChanges() { --Form.History->Depth; }

QUndoStack *TMainForm::undoStack() const { return &History->Stack; }

void TMainForm::startHistory()
{
  THistory &h = *History;
  // Each score field's change is seen first (connected as the field was
  // made) and last (here, after the change handlers): a change seen first
  // outside any other begins a step, which ends when that change's cascade
  // has run.
  for (QLineEdit *f : resultFields())
    connect(f, &QLineEdit::textChanged, this, [this] { fieldChanged(); });
  const std::vector<QString> &names = ResultFieldNames();
  for (std::size_t i = 0; i + 1 < names.size(); ++i) {
    if (!names[i].startsWith(QLatin1Char('G')) && !names[i].endsWith(QLatin1String("pk")) &&
        names[i].endsWith(QLatin1Char('1')))
      h.KnockoutScores.emplace_back(i, i + 1);
  }
  h.Started = true;

  menuItem(QStringLiteral("Undo1"))->setShortcuts(QKeySequence::Undo);
  menuItem(QStringLiteral("Redo1"))->setShortcuts(QKeySequence::Redo);
  connect(&h.Stack, &QUndoStack::indexChanged, this, &TMainForm::showUndoTexts);
  showUndoTexts();

  h.Notice = new QLabel(this);
  h.Notice->setObjectName(QStringLiteral("NoticeLbl"));
  h.Notice->setTextFormat(Qt::PlainText);
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->addWidget(h.Notice, 1);
  Labels.insert(h.Notice->objectName(), h.Notice);

  const QString folder = QFileInfo(SettingsDir).canonicalFilePath();
  h.SettingsFile = QDir(folder.isEmpty() ? QFileInfo(SettingsDir).absoluteFilePath() : folder)
                       .filePath(QStringLiteral("Brakka.ini"));
  // A failed write is told in the status bar; the next change tries again.
  h.Recovery = std::make_unique<TRecoveryWriter>(h.SettingsFile, [this](const QString &why) {
    QMetaObject::invokeMethod(
        this, [this, why] { History->Notice->setText(Text(TText::RecoveryUnwritableText).arg(why)); },
        Qt::QueuedConnection);
  });
  h.RecoveryTimer.setSingleShot(true);
  h.RecoveryTimer.setInterval(RecoveryDelay);
  connect(&h.RecoveryTimer, &QTimer::timeout, this, &TMainForm::writeRecovery);
}

void TMainForm::fieldChanging(QLineEdit *field)
{
  THistory &h = *History;
  if (h.Started && h.Depth++ == 0)
    h.Origin = field;
}

void TMainForm::fieldChanged()
{
  if (--History->Depth == 0)
    endStep(TStepKind::Typing, History->Origin, -1);
}

void TMainForm::endStep(TStepKind kind, QLineEdit *field, int stage)
{
  THistory &h = *History;
  if (!h.Recording)
    return;
  TResultTexts now = resultTexts();
  if (now == h.Committed)
    return;
  const bool joins = kind == TStepKind::Typing && field == h.OpenField;
  const int steps = h.Stack.index();
  h.Stack.push(new TResultsStep(*this, kind, field, stage, h.Committed, now, joins));
  h.Committed = std::move(now);
  h.OpenField = kind == TStepKind::Typing ? field : nullptr;

  // The notice speaks of the step now on top: a new one, or the one this
  // edit joined, unless the edit took it back to where it began.
  int emptied = 0;
  if (h.Stack.index() > 0 && (h.Stack.index() > steps || joins)) {
    const auto *top = static_cast<const TResultsStep *>(h.Stack.command(h.Stack.index() - 1));
    if (top->After == h.Committed) {
      static const std::vector<QLineEdit *> none;
      emptied = top->emptiedResults(h, resultFields(),
                                    kind == TStepKind::Clearing ? ClearLists.at(stage) : none);
    }
  }
  const QString notice = emptied == 1 ? Text(TText::ResultEmptiedText)
                         : emptied > 1 ? Text(TText::ResultsEmptiedText).arg(emptied)
                                       : QString();
  h.Notice->setText(notice);
  scheduleRecovery();
}

void TMainForm::restoreResults(const TResultTexts &texts)
{
  THistory &h = *History;
  fillResults(texts, TFill::Restoring);
  h.Committed = resultTexts();
  h.OpenField = nullptr;
  h.Notice->clear();
  scheduleRecovery();
}

void TMainForm::Undo1Click()
{
  if (History->Depth == 0)
    History->Stack.undo();
}

void TMainForm::Redo1Click()
{
  if (History->Depth == 0)
    History->Stack.redo();
}

void TMainForm::showUndoTexts()
{
  const QUndoStack &stack = History->Stack;
  const int at = stack.index();
  auto step = [&stack](int index) { return static_cast<const TResultsStep *>(stack.command(index)); };
  QAction *undo = menuItem(QStringLiteral("Undo1"));
  QAction *redo = menuItem(QStringLiteral("Redo1"));
  undo->setEnabled(stack.canUndo());
  undo->setText(stack.canUndo() ? step(at - 1)->describe(true) : Text(TText::Undo1));
  redo->setEnabled(stack.canRedo());
  redo->setText(stack.canRedo() ? step(at)->describe(false) : Text(TText::Redo1));
}

void TMainForm::resultsRead()
{
  THistory &h = *History;
  h.Committed = resultTexts();
  h.Saved = h.Committed;
  h.OpenField = nullptr;
  h.Recording = true;
}

void TMainForm::resultsSaved()
{
  THistory &h = *History;
  h.Saved = resultTexts();
  h.RecoveryTimer.stop();
  h.Recovery->remove();
  h.Recovery->finish();
}

void TMainForm::scheduleRecovery()
{
  if (!History->RecoveryTimer.isActive())
    History->RecoveryTimer.start();
}

// Runs on the user-interface thread, from the timer: it only takes the
// texts; the writer's thread makes the file's text and writes it.
void TMainForm::writeRecovery()
{
  THistory &h = *History;
  TResultTexts now = resultTexts();
  if (now == h.Saved)
    h.Recovery->remove();
  else
    h.Recovery->write(now);
}

void TMainForm::OfferRecovery()
{
  THistory &h = *History;
  const TRecovery found = ReadRecoveryFile(h.SettingsFile);
  if (found.state == TRecovery::TState::Damaged) {
    h.Notice->setText(Text(TText::RecoveryDamagedText).arg(RecoveryFilePath(h.SettingsFile)));
    return;
  }
  if (found.state != TRecovery::TState::Found)
    return;
  if (found.texts != h.Committed &&
      Platform.dialogs->message(this, TMsgIcon::Question, Text(TText::RecoveryQuestionText),
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    // Restored, the results are still unsaved: one step back from what was read.
    const TStepScope step(*this, TStepKind::Recovering);
    fillResults(found.texts, TFill::Restoring);
    return;
  }
  h.Recovery->remove();
}

void TMainForm::closeRecovery()
{
  THistory &h = *History;
  h.RecoveryTimer.stop();
  h.Recovery->remove();
  h.Recovery->finish();
}
