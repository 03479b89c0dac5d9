// Undo and redo of the user's steps, the notice of emptied knockout results,
// and the recovery file kept while the grid holds unsaved results.
//
// The grid's whole state follows from the texts of its score and penalty
// fields, so a step is kept as those texts before and after it; undo and
// redo fill the fields from them as loading does, and the cascade does the
// rest. No change handler knows of the history.

#include "app/undoHistory.h"

#include "core/i18n/names.h"
#include "core/i18n/texts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

namespace {

constexpr int RecoveryDelay = 500;   // milliseconds

// A team's name among names, from its name as shown in any language: a
// caption not yet carried over into a new language still names its team.
QString TeamNow(const TTeamNameList &names, const QString &shown)
{
  for (int language = 0; language < LanguageCount; ++language)
    for (int team = 1; team <= TeamCount; ++team)
      if (TeamNameIn(language, team) == shown)
        return names[std::size_t(team)];
  return shown;
}

// The title label of clear button `stage`'s panel.
QString StageTitleLabel(int stage)
{
  static const char *const knockout[KnockoutCount] = {"Final8Lbl", "Final4Lbl", "Final2Lbl",
                                                      "ThirdLbl", "FinalLbl"};
  if (stage < GroupCount)
    return QStringLiteral("Group%1Lbl").arg(GroupLetter(stage));
  return QLatin1String(knockout[stage - GroupCount]);
}

// What the Edit menu says of a step, in a language with its team names; a
// clearing names the panel by its title.
QString Describe(int language, const TTeamNameList &names, const TResultsStep &step, const TGrid &grid,
                 bool undo, const QString &stageTitle)
{
  switch (step.kind) {
  case TStepKind::Typing: {
    const TFieldInfo &info = FieldInfo(step.field);
    const TLabel side1 = info.kind == TFieldInfo::GroupScore
                             ? GroupMatchLabel(info.group, info.match, 0)
                             : KnockoutTeamLabel(info.stage, info.match, 0);
    const TLabel side2 = TLabel(Index(side1) + 1);
    return TextIn(language, undo ? TText::UndoTypingText : TText::RedoTypingText)
        .arg(TeamNow(names, grid.caption(side1)), TeamNow(names, grid.caption(side2)));
  }
  case TStepKind::Clearing:
    return TextIn(language, undo ? TText::UndoClearingText : TText::RedoClearingText).arg(stageTitle.trimmed());
  case TStepKind::ClearingAll:
    return TextIn(language, undo ? TText::UndoClearAllText : TText::RedoClearAllText);
  case TStepKind::Recovering:
    break;
  }
  return TextIn(language, undo ? TText::UndoRecoveringText : TText::RedoRecoveringText);
}

}  // namespace

TResultsHistory &TMainForm::history() { return History->Steps; }

TMainForm::THistory::THistory(TMainForm &form) : Form(form)
{
  THistory &h = *this;
  Form.menuItem(QStringLiteral("Undo1"))->setShortcuts(QKeySequence::Undo);
  Form.menuItem(QStringLiteral("Redo1"))->setShortcuts(QKeySequence::Redo);
  showUndoTexts();

  h.Notice = new QLabel(&Form);
  h.Notice->setObjectName(QStringLiteral("NoticeLbl"));
  h.Notice->setTextFormat(Qt::PlainText);
  Form.statusBar()->setObjectName(QStringLiteral("StatusBar"));
  Form.statusBar()->addWidget(h.Notice, 1);
  Form.Controls.labels.insert(h.Notice->objectName(), h.Notice);

  const QString folder = QFileInfo(Form.SettingsDir).canonicalFilePath();
  h.SettingsFile = QDir(folder.isEmpty() ? QFileInfo(Form.SettingsDir).absoluteFilePath() : folder)
                       .filePath(QStringLiteral("Brakka.ini"));
  // A failed write is told in the status bar; the next change tries again.
  h.Recovery = std::make_unique<TRecoveryWriter>(h.SettingsFile, [this](const QString &why) {
    QMetaObject::invokeMethod(
        &Form,
        [this, why] { Notice->setText(TextIn(Form.Prefs.language, TText::RecoveryUnwritableText).arg(why)); },
        Qt::QueuedConnection);
  });
  h.RecoveryTimer.setSingleShot(true);
  h.RecoveryTimer.setInterval(RecoveryDelay);
  QObject::connect(&h.RecoveryTimer, &QTimer::timeout, &Form, [this] { writeRecovery(); });
}

// A user's step has run: it is recorded, and the notice speaks of the step
// now on top (a new one, or the one this edit joined).
void TMainForm::THistory::endStep(TStepKind kind, TField field, int stage)
{
  THistory &h = *this;
  if (!h.Recording || !h.Steps.record(kind, field, stage, Form.resultTexts()))
    return;
  const TResultsStep *top = h.Steps.undoStep();
  const int emptied = top ? TResultsHistory::EmptiedResults(*top) : 0;
  const QString notice = emptied == 1 ? TextIn(Form.Prefs.language, TText::ResultEmptiedText)
                         : emptied > 1 ? TextIn(Form.Prefs.language, TText::ResultsEmptiedText).arg(emptied)
                                       : QString();
  h.Notice->setText(notice);
  stepDone();
}

// The texts of a step undone or redone are filled in as a file is read.
void TMainForm::THistory::restoreResults(const TResultTexts *texts)
{
  if (!texts)
    return;
  Form.fillResults(*texts, TFill::Restoring);
  Notice->clear();
  stepDone();
}

void TMainForm::THistory::stepDone()
{
  showUndoTexts();
  emit Form.stepsChanged(Steps.done());
  scheduleRecovery();
}

void TMainForm::Undo1Click() { History->restoreResults(History->Steps.undo()); }

void TMainForm::Redo1Click() { History->restoreResults(History->Steps.redo()); }

void TMainForm::THistory::showUndoTexts()
{
  const TResultsHistory &steps = Steps;
  QAction *undo = Form.menuItem(QStringLiteral("Undo1"));
  QAction *redo = Form.menuItem(QStringLiteral("Redo1"));
  undo->setEnabled(steps.canUndo());
  auto describe = [this](const TResultsStep *step, bool undo) {
    const QString title =
        step->kind == TStepKind::Clearing ? Form.label(StageTitleLabel(step->stage))->text() : QString();
    return Describe(Form.Prefs.language, Form.Names.teams, *step, Form.Engine.grid(), undo, title);
  };
  undo->setText(steps.canUndo() ? describe(steps.undoStep(), true) : TextIn(Form.Prefs.language, TText::Undo1));
  redo->setEnabled(steps.canRedo());
  redo->setText(steps.canRedo() ? describe(steps.redoStep(), false) : TextIn(Form.Prefs.language, TText::Redo1));
}

void TMainForm::THistory::resultsRead()
{
  THistory &h = *this;
  h.Saved = Form.resultTexts();
  h.Steps.start(h.Saved);
  h.Recording = true;
}

void TMainForm::THistory::resultsSaved()
{
  THistory &h = *this;
  h.Saved = Form.resultTexts();
  h.RecoveryTimer.stop();
  h.Recovery->remove();
  h.Recovery->finish();
}

void TMainForm::THistory::scheduleRecovery()
{
  if (!RecoveryTimer.isActive())
    RecoveryTimer.start();
}

// Runs on the user-interface thread, from the timer: it only takes the
// texts; the writer's thread makes the file's text and writes it.
void TMainForm::THistory::writeRecovery()
{
  THistory &h = *this;
  TResultTexts now = Form.resultTexts();
  if (now == h.Saved)
    h.Recovery->remove();
  else
    h.Recovery->write(now);
}

void TMainForm::THistory::OfferRecovery()
{
  THistory &h = *this;
  const TRecovery found = ReadRecoveryFile(h.SettingsFile);
  if (found.state == TRecovery::TState::Damaged) {
    h.Notice->setText(TextIn(Form.Prefs.language, TText::RecoveryDamagedText).arg(RecoveryFilePath(h.SettingsFile)));
    return;
  }
  if (found.state != TRecovery::TState::Found)
    return;
  if (found.texts != h.Steps.current() &&
      Form.Platform.dialogs->message(&Form, TMsgIcon::Question, TextIn(Form.Prefs.language, TText::RecoveryQuestionText),
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
    // Restored, the results are still unsaved: one step back from what was read.
    Form.fillResults(found.texts, TFill::Restoring);
    endStep(TStepKind::Recovering, TField(), -1);
    return;
  }
  h.Recovery->remove();
}

void TMainForm::THistory::closeRecovery()
{
  THistory &h = *this;
  h.RecoveryTimer.stop();
  h.Recovery->remove();
  h.Recovery->finish();
}
