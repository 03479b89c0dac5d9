#pragma once
// A scripted print dialog, save dialog and printer for tests: the dialogs
// answer as planned and are counted; the lines sent to the printer are
// recorded; files are written for real (so that tests can read the bytes)
// and recorded too.

#include "report/printing.h"

class TFakePrinting : public TPrinting {
public:
  // Answers.
  TPrintChoice printAnswer = TPrintChoice::Cancelled;
  QString saveAnswer;              // the chosen file; empty: the save dialog is cancelled
  bool printFails = false;         // the printer reports an error

  // What was asked.
  int printDialogs = 0;
  QStringList saveDialogFolders;   // initial folder of each save dialog shown
  QString writtenPath;
  QStringList written;             // lines handed to writeFile
  QStringList printed;             // lines handed to the printer
  QFont printedFont;
  int printJobs = 0;

  TPrintChoice printDialog(QWidget *) override
  {
    ++printDialogs;
    return printAnswer;
  }

  QString saveDialog(QWidget *, const QString &initialFolder) override
  {
    saveDialogFolders.append(initialFolder);
    return saveAnswer;
  }

  bool writeFile(const QString &path, const QStringList &lines, QString *error) override
  {
    writtenPath = path;
    written = lines;
    return WriteReportFile(path, lines, error);
  }

  bool print(const QStringList &lines, const QFont &font, QString *error) override
  {
    ++printJobs;
    printed = lines;
    printedFont = font;
    if (printFails && error)
      *error = QStringLiteral("The printer is out of paper.");
    return !printFails;
  }
};
