#pragma once
// A scripted print dialog, save dialog and printer for tests: the dialogs
// answer as planned and are counted; the lines sent to the printer are
// recorded; files are written for real (so that tests can read the bytes)
// and recorded too.

#include "report/printing.h"

#include <QPageLayout>
#include <QPageSize>

class TFakePrinting : public TPrinting {
public:
  // Answers.
  TPrintChoice printAnswer = TPrintChoice::Cancelled;
  QString printFileAnswer;         // the file the print dialog names with File; empty: none
  QString saveAnswer;              // the chosen file; empty: the save dialog is cancelled
  bool printFails = false;         // the printer reports an error

  // What was asked.
  int printDialogs = 0;
  QStringList saveDialogFolders;   // initial folder of each save dialog shown
  QString writtenPath;
  QStringList written;             // lines handed to writeFile or writePdf
  QStringList printed;             // lines handed to the printer
  QFont printedFont;
  int printJobs = 0;

  TPrintChoice printDialog(QWidget *, QString *outputFile) override
  {
    ++printDialogs;
    if (printAnswer == TPrintChoice::File)
      *outputFile = printFileAnswer;
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

  bool writePdf(const QString &path, const QStringList &lines, const QFont &font, QString *error) override
  {
    writtenPath = path;
    written = lines;
    printedFont = font;
    return WriteReportPdf(path, lines, font,
                          QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)),
                          error);
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
