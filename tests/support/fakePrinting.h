#pragma once
// A scripted print dialog, save dialog and printer for tests: the dialogs
// answer as planned and are counted; the lines sent to the printer are
// recorded; files are written for real (so that tests can read the bytes)
// and recorded too.

#include "report/printing.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

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
  QPageSize printedPaper;          // the paper of the page printed last
  QByteArray printedPdf;           // that page, as a PDF

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

  bool printPage(const QPageSize &paper, const std::function<void(QPainter &, qreal)> &paint,
                 QString *error) override
  {
    ++printJobs;
    printedPaper = paper;
    // Drawn on a PDF printer as the real one would draw it, so that tests
    // can read what went to the printer.
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    if (!PrintPage(printer, paper, paint, error))
      return false;
    QFile pdf(printer.outputFileName());
    pdf.open(QIODevice::ReadOnly);
    printedPdf = pdf.readAll();
    if (printFails && error)
      *error = QStringLiteral("The printer is out of paper.");
    return !printFails;
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
