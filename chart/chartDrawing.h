#pragma once
// The wall chart drawn: its fonts and their metrics, the painting of a
// laid-out chart on any device, and its files (PDF, SVG, PNG).

#include "core/chart/chartLayout.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

class QFontMetricsF;
class QPageSize;
class QPainter;

// The font a chart text is drawn in: a sans font of its role's size, not
// hinted, so that its widths grow in proportion to its size at any
// resolution.
QFont ChartFont(const TChartFont &font);

// The metrics of ChartFont, in points.
class TChartFontMetrics : public TChartMetrics {
public:
  TChartFontMetrics();
  ~TChartFontMetrics() override;
  qreal width(const TChartFont &font, const QString &text) const override;
  qreal height(const TChartFont &font) const override;

private:
  const QFontMetricsF &metricsOf(const TChartFont &font) const;
  mutable QHash<QString, std::shared_ptr<QFontMetricsF>> Cache;
};

// The chart of the tournament as it stands, on a paper, printed today (or
// the day given).
TChartLayout WallChartLayout(const TTournament &tournament, const TPreferences &preferences,
                             const TRegionalFormats &formats, TPaper paper, const QDate &printed = QDate());

// The paper's page for printers and PDF files.
QPageSize ChartPageSizeOf(TPaper paper);

// Paints the chart on a painter whose device has devicePerPoint units a
// point, its origin at the page's top left corner.
void PaintChart(QPainter &painter, const TChartLayout &layout, qreal devicePerPoint);

// The formats a chart is written in, chosen by a file name's ending.
enum class TChartFormat { Pdf, Svg, Png };
std::optional<TChartFormat> ChartFormatOf(const QString &path);

// The PNG's resolution.
constexpr int ChartPngDpi = 300;

// The chart's file in a format: a PDF whose texts stay texts, an SVG whose
// texts are <text> elements, a PNG of 300 dots per inch. Empty when it
// could not be made.
QByteArray ChartFileBytes(const TChartLayout &layout, TPaper paper, TChartFormat format);

// The save dialog's settings.
extern const char *const ChartFileFilter;   // PDF, SVG and PNG
extern const char *const ChartFileName;     // "Brakka wall chart.pdf"
extern const char *const ChartFileSuffix;   // "pdf"
