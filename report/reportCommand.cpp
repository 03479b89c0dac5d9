// File > Print Report: the tournament report to the printer, or, with
// print-to-file ticked, to a text file.

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
  const TPrintChoice choice = printing.printDialog(this);
  if (choice == TPrintChoice::Cancelled)
    return;

  QString path;
  if (choice == TPrintChoice::File) {
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

  QString error;
  if (choice == TPrintChoice::File) {
    if (!printing.writeFile(path, lines, &error))
      Platform.dialogs->message(this, TMsgIcon::Error,
                                NotWrittenText(QStringLiteral("The report"), path, error),
                                QMessageBox::Ok);
    return;
  }

  const QLabel *fontLabel = label(QStringLiteral("PrintFontLbl"));
  const QFont font = fontLabel ? PrinterFont(fontLabel->font(), fontLabel->logicalDpiY())
                                : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (!printing.print(lines, font, &error))
    Platform.dialogs->message(this, TMsgIcon::Error,
                              QStringLiteral("The report could not be printed.\n%1").arg(error),
                              QMessageBox::Ok);
}
