#pragma once
// A recording browser launcher for tests: reports a chosen open command and
// records the command lines it is asked to start, without starting anything.

#include "venues/browser.h"

#include <QStringList>
#include <functional>

class TFakeBrowser : public TBrowserLauncher {
public:
  // The open command the desktop reports; empty: no association.
  QString defaultCommand = QStringLiteral("webbrowser \"%1\"");
  // When set, every start fails (is still recorded).
  bool failStart = false;
  // The command lines asked to start, in order.
  QStringList started;
  // Runs inside each start, e.g. to look at the main window meanwhile.
  std::function<void(const QString &)> onStart;

  QString openCommand() override { return defaultCommand; }
  bool start(const QString &commandLine) override
  {
    started.append(commandLine);
    if (onStart)
      onStart(commandLine);
    return !failStart;
  }
};
