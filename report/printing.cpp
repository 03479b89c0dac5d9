// The report's destinations: a text file in the Western European code page,
// or the printer chosen in the print dialog.

#include "report/printing.h"

#include "core/settings/wholeFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

const char *const ReportFileFilter = "Text file (*.txt)";
const char *const ReportFileName = "Brakka Report.txt";
const char *const ReportFileSuffix = "txt";

namespace {

// Bytes 0x80 to 0x9F of Windows-1252 and the characters they stand for; the
// bytes 0xA0 to 0xFF are the characters U+00A0 to U+00FF.
struct TCodePageEntry {
  char32_t character;
  unsigned char byte;
};
constexpr TCodePageEntry Windows1252High[] = {
  {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
  {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
  {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
  {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
  {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
  {0x017E, 0x9E}, {0x0178, 0x9F},
};

char Windows1252Byte(char32_t c)
{
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
    return char(c);
  for (const TCodePageEntry &e : Windows1252High)
    if (e.character == c)
      return char(e.byte);
  return '?';
}

class TDesktopPrinting : public TPrinting {
public:
  TPrintChoice printDialog(QWidget *parent, QString *outputFile) override
  {
    QPrintDialog dialog(&printer(), parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    // The report's own "print to file" box: the text file is chosen next.
    auto *reportTab = new QWidget;
    reportTab->setWindowTitle(QStringLiteral("Brakka"));
    auto *toFileBox = new QCheckBox(QStringLiteral("Print to file"), reportTab);
    toFileBox->setObjectName(QStringLiteral("PrintToFileBox"));
    auto *layout = new QVBoxLayout(reportTab);
    layout->addWidget(toFileBox);
    layout->addStretch();
    dialog.setOptionTabs({reportTab});
    if (dialog.exec() != QDialog::Accepted)
      return TPrintChoice::Cancelled;
    // Qt's dialog also offers printing to a file as a printer of its own,
    // with the file's name; choosing a real printer clears that name.
    QString named = printer().outputFileName();
    if (named.startsWith(QLatin1String("~/")))   // as a shell would read it
      named = QDir::homePath() + named.mid(1);
    if (!named.isEmpty()) {
      *outputFile = named;
      return TPrintChoice::File;
    }
    const bool toFile = toFileBox->isChecked() || printer().outputFormat() == QPrinter::PdfFormat;
    return toFile ? TPrintChoice::File : TPrintChoice::Printer;
  }

  QString saveDialog(QWidget *parent, const QString &initialFolder) override
  {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QLatin1String(ReportFileFilter));
    dialog.setDefaultSuffix(QLatin1String(ReportFileSuffix));
    dialog.setSizeGripEnabled(true);
    if (LastFile.isEmpty()) {
      dialog.setDirectory(initialFolder);
      dialog.selectFile(QLatin1String(ReportFileName));
    } else {
      const QFileInfo last(LastFile);
      dialog.setDirectory(last.absolutePath());
      dialog.selectFile(last.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
      return QString();
    LastFile = dialog.selectedFiles().constFirst();
    return LastFile;
  }

  bool writeFile(const QString &path, const QStringList &lines, QString *error) override
  {
    return WriteReportFile(path, lines, error);
  }

  bool writePdf(const QString &path, const QStringList &lines, const QFont &font, QString *error) override
  {
    // On the paper chosen in the print dialog.
    return WriteReportPdf(path, lines, font, printer().pageLayout(), error);
  }

  bool print(const QStringList &lines, const QFont &font, QString *error) override
  {
    return PrintReportLines(printer(), lines, font, error);
  }

  bool printPage(const QPageSize &paper, const std::function<void(QPainter &, qreal)> &paint,
                 QString *error) override
  {
    return PrintPage(printer(), paper, paint, error);
  }

private:
  // Made when the report is first printed: finding the printers takes the
  // printing system's time, which the start of the program need not wait for.
  QPrinter &printer()
  {
    if (!Printer)
      Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *Printer;
  }

  std::unique_ptr<QPrinter> Printer;
  QString LastFile;   // the file chosen last while the program runs
};

}  // namespace

std::shared_ptr<TPrinting> DesktopPrinting() { return std::make_shared<TDesktopPrinting>(); }

QByteArray ReportFileBytes(const QStringList &lines)
{
  QByteArray bytes;
  for (const QString &line : lines) {
    for (const char32_t c : line.toUcs4())
      bytes.append(Windows1252Byte(c));
    bytes.append("\r\n");
  }
  return bytes;
}

bool WriteReportFile(const QString &path, const QStringList &lines, QString *error)
{
  return WriteWholeFile(path, ReportFileBytes(lines), error);
}

QString NotWrittenText(const QString &what, const QString &path, const QString &reason)
{
  return QStringLiteral("%1 could not be written to the file\n%2\n\n%3")
      .arg(what, QDir::toNativeSeparators(path), reason);
}

bool IsPdfFileName(const QString &path)
{
  return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

bool WriteReportPdf(const QString &path, const QStringList &lines, const QFont &font, const QPageLayout &layout,
                    QString *error)
{
  // Qt's PDF printer writes straight into its file: it writes a file of its
  // own, whose bytes then replace the destination as a whole. The folder is
  // named here: Qt's default name is the application's, whose title holds a
  // slash.
  QTemporaryDir work(QDir::tempPath() + QStringLiteral("/brakka-XXXXXX"));
  if (!work.isValid()) {
    if (error)
      *error = work.errorString();
    return false;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(work.filePath(QStringLiteral("report.pdf")));
  printer.setPageLayout(layout);
  if (!PrintReportLines(printer, lines, font, error))
    return false;
  QFile pdf(printer.outputFileName());
  if (!pdf.open(QIODevice::ReadOnly)) {
    if (error)
      *error = pdf.errorString();
    return false;
  }
  return WriteWholeFile(path, pdf.readAll(), error);
}

QFont PrinterFont(const QFont &screenFont, int screenDpi)
{
  QFont font(screenFont);
  if (screenFont.pixelSize() > 0)
    font.setPointSizeF(screenFont.pixelSize() * 72.0 / (screenDpi > 0 ? screenDpi : 96));
  return font;
}

QList<QStringList> ReportPages(const QStringList &lines, const std::function<qreal(const QString &)> &width,
                               qreal pageWidth, int linesPerPage)
{
  QStringList rows;
  for (const QString &line : lines) {
    QString rest = line;
    do {
      // The longest start that fits, and at least one character, so that
      // even a page narrower than a character makes progress.
      qsizetype fits = rest.size();
      while (fits > 1 && width(rest.left(fits)) > pageWidth)
        --fits;
      rows.append(rest.left(fits));
      rest = rest.mid(fits);
    } while (!rest.isEmpty());
  }
  QList<QStringList> pages;
  const int perPage = qMax(1, linesPerPage);
  for (qsizetype i = 0; i < rows.size(); i += perPage)
    pages.append(rows.mid(i, perPage));
  return pages;
}

bool PrintPage(QPrinter &printer, const QPageSize &paper, const std::function<void(QPainter &, qreal)> &paint,
               QString *error)
{
  const QPageLayout before = printer.pageLayout();
  const bool fullPage = printer.fullPage();
  printer.setFullPage(true);
  printer.setPageLayout(QPageLayout(paper, QPageLayout::Landscape, QMarginsF()));
  bool ok = true;
  QPainter painter;
  if (!painter.begin(&printer)) {
    ok = false;
    if (error)
      *error = QStringLiteral("The printer could not start the print job.");
  } else {
    paint(painter, printer.resolution() / 72.0);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
      ok = false;
      if (error)
        *error = QStringLiteral("The printer reported an error.");
    }
  }
  printer.setPageLayout(before);
  printer.setFullPage(fullPage);
  return ok;
}

bool PrintReportLines(QPrinter &printer, const QStringList &lines, const QFont &font, QString *error)
{
  const auto fail = [error](const QString &reason) {
    if (error)
      *error = reason;
    return false;
  };
  QPainter painter;
  if (!painter.begin(&printer))
    return fail(QStringLiteral("The printer could not start the print job."));
  painter.setFont(font);
  const QFontMetricsF metrics(painter.font(), painter.device());
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const qreal lineHeight = metrics.height();
  const int linesPerPage = int(std::floor(page.height() / lineHeight));
  const QList<QStringList> pages = ReportPages(
      lines, [&metrics](const QString &text) { return metrics.horizontalAdvance(text); }, page.width(),
      linesPerPage);

  bool ok = true;
  for (qsizetype p = 0; p < pages.size() && ok; ++p) {
    if (p > 0 && !printer.newPage()) {
      ok = fail(QStringLiteral("The printer could not start a new page."));
      break;
    }
    qreal top = 0;
    for (const QString &row : pages[p]) {
      painter.drawText(QPointF(0, top + metrics.ascent()), row);
      top += lineHeight;
    }
  }
  // The job ends whatever happened, so that the printer is never left waiting.
  if (!painter.end() && ok)
    ok = fail(QStringLiteral("The printer could not finish the print job."));
  if (ok && printer.printerState() == QPrinter::Error)
    ok = fail(QStringLiteral("The printer reported an error."));
  return ok;
}
