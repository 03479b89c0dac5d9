// File > Print Report: the tournament report to the printer, or to a file:
// the one the print dialog names (a PDF for a .pdf name, else the text), or
// a text file chosen in the save dialog.

#include "app/brakkaMain.h"

#include "report/printing.h"
#include "report/reportLines.h"
#include "settings/preferences.h"
#include "settings/settingsPlace.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QFontDatabase>

void TMainForm::Report1Click()
{
  TPrinting &printing = *Platform.printing;
  QString path;
  const TPrintChoice choice = printing.printDialog(this, &path);
  if (choice == TPrintChoice::Cancelled)
    return;

  // A file the print dialog names is a PDF for a .pdf name, else the text
  // report; the save dialog asks for a text file when the dialog names none.
  const bool pdf = choice == TPrintChoice::File && !path.isEmpty() && IsPdfFileName(path);
  if (choice == TPrintChoice::File && path.isEmpty()) {
    path = printing.saveDialog(this, ReportFolder(QCoreApplication::applicationDirPath()));
    if (path.isEmpty())
      return;
  }

  // The report is what the window shows now: field texts and label captions.
  const QStringList lines = ReportLines(
      [this](const QString &name) {
        if (const QLineEdit *f = field(name))
          return f->text();
        if (const QLabel *l = label(name))
          return l->text();
        return QString();
      },
      LanguageIndex);

  const QLabel *fontLabel = label(QStringLiteral("PrintFontLbl"));
  const QFont font = fontLabel ? PrinterFont(fontLabel->font(), fontLabel->logicalDpiY())
                                : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  QString error;
  if (choice == TPrintChoice::File) {
    const bool written =
        pdf ? printing.writePdf(path, lines, font, &error) : printing.writeFile(path, lines, &error);
    if (!written)
      Platform.dialogs->message(this, TMsgIcon::Error,
                                NotWrittenText(QStringLiteral("The report"), path, error),
                                QMessageBox::Ok);
    return;
  }

  if (!printing.print(lines, font, &error))
    Platform.dialogs->message(this, TMsgIcon::Error,
                              QStringLiteral("The report could not be printed.\n%1").arg(error),
                              QMessageBox::Ok);
}
