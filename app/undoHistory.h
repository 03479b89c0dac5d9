#pragma once
// What the main window keeps of the user's steps: the undo stack, the texts
// the grid held after the last step and as last saved, the notice of
// emptied knockout results and the recovery file's writer.

#include "app/brakkaMain.h"
#include "settings/recoveryFile.h"

#include <QTimer>
#include <QUndoStack>
#include <memory>
#include <utility>
#include <vector>

struct TMainForm::THistory {
  QUndoStack Stack;
  bool Started = false;            // field changes are followed
  bool Recording = false;          // steps are recorded (once the results are read)
  int Depth = 0;                   // field changes and commands under way
  QLineEdit *Origin = nullptr;     // the field whose change began the step under way
  QLineEdit *OpenField = nullptr;  // the field whose next edit joins the last step
  TResultTexts Committed;          // the grid after the last step
  TResultTexts Saved;              // the settings file's results, as read or saved
  QLabel *Notice = nullptr;
  // Knockout matches as the indices of their two scores in the texts.
  std::vector<std::pair<std::size_t, std::size_t>> KnockoutScores;
  // A change reaches the recovery file within RecoveryDelay; the writer
  // works on a thread of its own.
  QTimer RecoveryTimer;
  QString SettingsFile;
  std::unique_ptr<TRecoveryWriter> Recovery;
};
