#pragma once
// What the main window keeps of the user's steps: the history, the texts as
// last saved, the notice of emptied knockout results and the recovery
// file's writer.

#include "app/brakkaMain.h"
#include "core/settings/recoveryFile.h"

#include <QTimer>
#include <memory>

struct TMainForm::THistory {
  // Builds the notice in the status bar and the recovery file's writer.
  explicit THistory(TMainForm &form);

  // A user's step has run: it is recorded, and the notice speaks of it.
  void endStep(TStepKind kind, TField field, int stage);
  // The texts of a step undone or redone, filled in as a file is read.
  void restoreResults(const TResultTexts *texts);
  void stepDone();
  void showUndoTexts();
  void resultsRead();
  void resultsSaved();
  void scheduleRecovery();
  void writeRecovery();
  // At start: the results typed since the last save, when Brakka ended without saving.
  void OfferRecovery();
  void closeRecovery();

  TMainForm &Form;
  TResultsHistory Steps;
  bool Recording = false;          // steps are recorded (once the results are read)
  TResultTexts Saved;              // the settings file's results, as read or saved
  QLabel *Notice = nullptr;
  // A change reaches the recovery file within RecoveryDelay; the writer
  // works on a thread of its own.
  QTimer RecoveryTimer;
  QString SettingsFile;
  std::unique_ptr<TRecoveryWriter> Recovery;
};
