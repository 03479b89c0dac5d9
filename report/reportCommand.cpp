// File > Print Report: the tournament report to the printer, or to a file:
// the one the print dialog names (a PDF for a .pdf name, else the text), or
// a text file chosen in the save dialog.

#include "report/reportCommand.h"

#include "desktop/platform.h"
#include "report/printing.h"
#include "core/report/reportLines.h"
#include "settings/settingsPlace.h"

#include <QCoreApplication>

void PrintReport(QWidget *parent, const TTournament &tournament, int language, const QFont &printerFont,
                 TPrinting &printing, TDialogs &dialogs)
{
  QString path;
  const TPrintChoice choice = printing.printDialog(parent, &path);
  if (choice == TPrintChoice::Cancelled)
    return;

  // A file the print dialog names is a PDF for a .pdf name, else the text
  // report; the save dialog asks for a text file when the dialog names none.
  const bool pdf = choice == TPrintChoice::File && !path.isEmpty() && IsPdfFileName(path);
  if (choice == TPrintChoice::File && path.isEmpty()) {
    path = printing.saveDialog(parent, ReportFolder(QCoreApplication::applicationDirPath()));
    if (path.isEmpty())
      return;
  }

  const QStringList lines = ReportLines(ReportTexts(tournament, language));
  QString error;
  if (choice == TPrintChoice::File) {
    const bool written = pdf ? printing.writePdf(path, lines, printerFont, &error)
                             : printing.writeFile(path, lines, &error);
    if (!written)
      dialogs.message(parent, TMsgIcon::Error, NotWrittenText(QStringLiteral("The report"), path, error),
                      QMessageBox::Ok);
    return;
  }

  if (!printing.print(lines, printerFont, &error))
    dialogs.message(parent, TMsgIcon::Error, QStringLiteral("The report could not be printed.\n%1").arg(error),
                    QMessageBox::Ok);
}
