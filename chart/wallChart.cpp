#include "chart/wallChart.h"

#include "chart/chartDrawing.h"
#include "core/i18n/texts.h"
#include "core/settings/wholeFile.h"
#include "desktop/platform.h"
#include "report/printing.h"

#include <QDir>
#include <QPageSize>
#include <QStandardPaths>

namespace {

// Writes the chart to path in the format of its name; says why when it
// cannot.
void WriteChart(QWidget *parent, const TTournament &tournament, const TPreferences &preferences,
                const TRegionalFormats &formats, TDialogs &dialogs, const QString &path)
{
  const std::optional<TChartFormat> format = ChartFormatOf(path);
  if (!format) {
    dialogs.message(parent, TMsgIcon::Warning,
                    TextIn(preferences.language, TText::ChartFormatText).arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Ok);
    return;
  }
  const TPaper paper = ChartPaper(preferences);
  const QByteArray bytes = ChartFileBytes(WallChartLayout(tournament, preferences, formats, paper), paper, *format);
  QString error = QStringLiteral("The chart could not be drawn.");
  if (bytes.isEmpty() || !WriteWholeFile(path, bytes, &error))
    dialogs.message(parent, TMsgIcon::Error, NotWrittenText(QStringLiteral("The wall chart"), path, error),
                    QMessageBox::Ok);
}

}  // namespace

void SaveWallChart(QWidget *parent, const TTournament &tournament, const TPreferences &preferences,
                   const TRegionalFormats &formats, TDialogs &dialogs)
{
  const QString path = dialogs.saveFile(
      parent, {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QLatin1String(ChartFileName),
               QLatin1String(ChartFileFilter), QLatin1String(ChartFileSuffix)});
  if (!path.isEmpty())
    WriteChart(parent, tournament, preferences, formats, dialogs, path);
}

void PrintWallChart(QWidget *parent, const TTournament &tournament, const TPreferences &preferences,
                    const TRegionalFormats &formats, TPrinting &printing, TDialogs &dialogs)
{
  QString path;
  switch (printing.printDialog(parent, &path)) {
  case TPrintChoice::Cancelled:
    return;
  case TPrintChoice::File:
    if (path.isEmpty())
      SaveWallChart(parent, tournament, preferences, formats, dialogs);
    else
      WriteChart(parent, tournament, preferences, formats, dialogs, path);
    return;
  case TPrintChoice::Printer:
    break;
  }
  const TPaper paper = ChartPaper(preferences);
  const TChartLayout layout = WallChartLayout(tournament, preferences, formats, paper);
  QString error;
  if (!printing.printPage(
          ChartPageSizeOf(paper), [&layout](QPainter &painter, qreal k) { PaintChart(painter, layout, k); }, &error))
    dialogs.message(parent, TMsgIcon::Error, QStringLiteral("The wall chart could not be printed.\n%1").arg(error),
                    QMessageBox::Ok);
}
