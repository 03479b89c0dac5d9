#pragma once
// The print dialog, the save dialog and the printer of the report.

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPageLayout;
class QPageSize;
class QPainter;
class QPrinter;
class QWidget;

// What the user chose in the print dialog.
enum class TPrintChoice {
  Cancelled,   // nothing is written
  Printer,     // print on the printer chosen in the dialog
  File,        // print to a file: the one the dialog names, else the save dialog's
};

class TPrinting {
public:
  virtual ~TPrinting() = default;

  // Shows the print dialog, whose only option is print-to-file. When the
  // dialog itself names the output file (its "Print to File" printer), the
  // choice is File and outputFile holds the name; otherwise outputFile is
  // left empty.
  virtual TPrintChoice printDialog(QWidget *parent, QString *outputFile) = 0;
  // Shows the save dialog for a text file, starting in initialFolder, or at
  // the file chosen last while the program runs. Returns the chosen file, or
  // an empty text when the user cancels.
  virtual QString saveDialog(QWidget *parent, const QString &initialFolder) = 0;
  // Writes the lines to a file, replacing it. On failure returns false with a
  // reason in error, and the file is as it was.
  virtual bool writeFile(const QString &path, const QStringList &lines, QString *error) = 0;
  // Writes the lines to a PDF file laid out as on the printer's paper, in
  // font, replacing the file as a whole. On failure returns false with a
  // reason in error, and the file is as it was.
  virtual bool writePdf(const QString &path, const QStringList &lines, const QFont &font, QString *error) = 0;
  // Prints the lines on the printer chosen in the last print dialog, in font.
  // On failure returns false with a reason in error; the job is ended anyway.
  virtual bool print(const QStringList &lines, const QFont &font, QString *error) = 0;
  // Prints one page on the printer chosen in the last print dialog, on paper
  // of the given size, landscape, from the paper's edge: paint draws it on a
  // painter whose origin is the paper's top left corner, given the device's
  // units a point. The printer keeps its own page layout for the next job.
  // On failure returns false with a reason in error; the job is ended anyway.
  virtual bool printPage(const QPageSize &paper, const std::function<void(QPainter &, qreal)> &paint,
                         QString *error) = 0;
};

std::shared_ptr<TPrinting> DesktopPrinting();

// The save dialog's settings.
extern const char *const ReportFileFilter;     // "Text file (*.txt)"
extern const char *const ReportFileName;       // "Brakka Report.txt"
extern const char *const ReportFileSuffix;     // "txt"

// The report's bytes on disk: every line in Windows-1252, each followed by
// carriage return and line feed. A character that code page lacks is
// written as "?".
QByteArray ReportFileBytes(const QStringList &lines);

// Writes ReportFileBytes(lines) to path as a whole: the file is replaced only
// when everything has been written.
bool WriteReportFile(const QString &path, const QStringList &lines, QString *error);

// The message of a file that could not be written: what was to be written
// ("The report"), the file and the system's reason.
QString NotWrittenText(const QString &what, const QString &path, const QString &reason);

// Whether a file the print dialog names receives a PDF (a name ending in
// .pdf, in any case) rather than the text report.
bool IsPdfFileName(const QString &path);

// Writes the pages of PrintReportLines on pages of layout to a PDF file at
// path, replacing it as a whole only when everything has been written.
bool WriteReportPdf(const QString &path, const QStringList &lines, const QFont &font, const QPageLayout &layout,
                    QString *error);

// The printer's font: the screen font of the report's font label, its pixel
// height turned into the same point size at the screen's resolution.
QFont PrinterFont(const QFont &screenFont, int screenDpi);

// Splits the report into pages: each line from the left edge, one below the
// other; a line wider than the page is broken after the last character that
// fits and goes on in the next line; a page holds linesPerPage lines (at
// least one). width measures a text in the same unit as pageWidth.
QList<QStringList> ReportPages(const QStringList &lines, const std::function<qreal(const QString &)> &width,
                               qreal pageWidth, int linesPerPage);

// Prints one page on a printer that has no job yet, landscape on paper,
// from the paper's edge, and gives the printer back its page layout.
bool PrintPage(QPrinter &printer, const QPageSize &paper, const std::function<void(QPainter &, qreal)> &paint,
               QString *error);

// Prints the lines on a printer that is set up but has no job yet: begins
// the job, draws the pages in font and ends the job, also after a failure.
bool PrintReportLines(QPrinter &printer, const QStringList &lines, const QFont &font, QString *error);
