#pragma once
// What the window targets share: one offscreen application per process, the
// main window's score fields, and the checks every state of the grid passes.

#include "profileChecks.h"

#include "app/brakkaMain.h"
#include "support/fakePlatform.h"
#include "support/grid.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

class QLineEdit;

// Creates the QApplication (offscreen, no modal loops) once per process.
void StartFuzzApplication();

// Every field a user can type a score into, in a fixed order.
std::vector<QLineEdit *> ScoreFields(const TMainForm &form);

// The grid's invariants: score fields hold digits only; with limitGroups the
// group fields hold at most two characters; every group table keeps
// Pts = 3W + T and P = W + T + L.
void CheckGrid(const TMainForm &form, bool limitGroups, const char *when);

// Fails when two snapshots of the window's controls differ, naming the
// first control that differs.
void CompareSnapshots(const QStringList &expected, const QStringList &actual, const char *what);

// The main window on a settings folder of its own, with the scripted desktop.
struct TFuzzWindow {
  QTemporaryDir dir;
  TFakePlatform fake;
  std::unique_ptr<TMainForm> form;
  // The window that stands for a restart, kept from one restart to the next.
  std::unique_ptr<TMainForm> second;

  QString iniPath() const { return dir.filePath(QStringLiteral("Brakka.ini")); }
  void writeIni(const QByteArray &bytes) const;
  // A new window read from the folder, as a restart of the program would.
  std::unique_ptr<TMainForm> openAnother() const;
  // The window as a restart would show it on the folder's file: the second
  // window, emptied and read again as readAgain() does. With the environment
  // variable BRAKKA_FUZZ_FRESH_WINDOW set, a new window is checked to show
  // the same, which proves the reuse sound.
  const TMainForm &restarted();
  // Empties every score field of window: what the grid holds before anything
  // is read.
  static void clearScores(TMainForm &window);
  // Switches window to English with no favourite through the options
  // dialog, as a user would: the state a new window's labels start from.
  void backToEnglish(TMainForm &window);
  // Makes window the window of a new process on bytes as the settings file:
  // emptied, back to English, then the file written and read.
  void readAgain(TMainForm &window, const QByteArray &bytes);
  // Forgets what the scripted desktop recorded (it would grow over a long run).
  void forgetDialogs();
};
