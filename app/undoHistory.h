#pragma once
// What the main window keeps of the user's steps: the history, the texts as
// last saved, the notice of emptied knockout results and the recovery
// file's writer.

#include "app/brakkaMain.h"
#include "settings/recoveryFile.h"

#include <QTimer>
#include <memory>

struct TMainForm::THistory {
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
