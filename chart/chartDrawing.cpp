#include "chart/chartDrawing.h"

#include "chart/pngFile.h"
#include "core/schedule/regional.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

const char *const ChartFileFilter = "PDF document (*.pdf);;SVG image (*.svg);;PNG image (*.png)";
const char *const ChartFileName = "Brakka wall chart.pdf";
const char *const ChartFileSuffix = "pdf";

namespace {

constexpr qreal PointsPerInch = 72;
// Fonts are measured at this resolution, where their widths are as they
// print.
constexpr int MeasuringDpi = 1200;
constexpr qreal InchesPerMetre = 39.37007874;

QColor InkColour(TChartInk ink)
{
  switch (ink) {
  case TChartInk::Favourite:
    return QColor(0, 0, 255);   // as on the grid
  case TChartInk::Muted:
    return QColor(90, 90, 90);
  case TChartInk::Text:
    break;
  }
  return Qt::black;
}

struct TBoxLook {
  QColor fill;
  QColor frame;
};

TBoxLook LookOf(TChartFill fill)
{
  switch (fill) {
  case TChartFill::Panel:
    return {QColor(245, 247, 250), QColor(150, 160, 175)};
  case TChartFill::Match:
    return {Qt::white, QColor(90, 100, 115)};
  case TChartFill::Champion:
    return {QColor(255, 241, 196), QColor(190, 150, 40)};
  case TChartFill::Score:
    return {Qt::white, QColor(150, 160, 175)};
  case TChartFill::Qualified:
    break;
  }
  return {QColor(220, 238, 220), Qt::transparent};
}

int AlignmentFlags(TChartAlign align)
{
  const int horizontal = align == TChartAlign::Left    ? Qt::AlignLeft
                         : align == TChartAlign::Right ? Qt::AlignRight
                                                       : Qt::AlignHCenter;
  return horizontal | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;
}

QRectF Scaled(const QRectF &r, qreal k) { return QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k); }

QImage MeasuringDevice()
{
  QImage image(1, 1, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(MeasuringDpi * InchesPerMetre));
  image.setDotsPerMeterY(qRound(MeasuringDpi * InchesPerMetre));
  return image;
}

QByteArray PdfBytes(const TChartLayout &layout, TPaper paper)
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Brakka"));
    pdf.setTitle(QStringLiteral("Brakka"));
    pdf.setPageLayout(QPageLayout(ChartPageSizeOf(paper), QPageLayout::Landscape, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&pdf))
      return QByteArray();
    PaintChart(painter, layout, pdf.resolution() / PointsPerInch);
    if (!painter.end())
      return QByteArray();
  }
  return bytes;
}

QByteArray SvgBytes(const TChartLayout &layout)
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(int(PointsPerInch));
  svg.setSize(layout.page.toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), layout.page));
  svg.setTitle(QStringLiteral("Brakka"));
  QPainter painter;
  if (!painter.begin(&svg))
    return QByteArray();
  PaintChart(painter, layout, 1);
  if (!painter.end())
    return QByteArray();
  return bytes;
}

QByteArray PngBytes(const TChartLayout &layout)
{
  const qreal k = ChartPngDpi / PointsPerInch;
  QImage image(qRound(layout.page.width() * k), qRound(layout.page.height() * k), QImage::Format_RGB888);
  if (image.isNull())
    return QByteArray();
  image.setDotsPerMeterX(qRound(ChartPngDpi * InchesPerMetre));
  image.setDotsPerMeterY(qRound(ChartPngDpi * InchesPerMetre));
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintChart(painter, layout, k);
  }
  return FastPngBytes(image, ChartPngDpi);
}

}  // namespace

QFont ChartFont(const TChartFont &font)
{
  QFont f(QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(font.size);
  f.setBold(font.bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

TChartFontMetrics::TChartFontMetrics() = default;
TChartFontMetrics::~TChartFontMetrics() = default;

const QFontMetricsF &TChartFontMetrics::metricsOf(const TChartFont &font) const
{
  const QString key = QStringLiteral("%1/%2/%3").arg(int(font.role)).arg(font.size, 0, 'g', 12).arg(font.bold);
  std::shared_ptr<QFontMetricsF> &m = Cache[key];
  if (!m) {
    static const QImage device = MeasuringDevice();
    m = std::make_shared<QFontMetricsF>(ChartFont(font), &device);
  }
  return *m;
}

qreal TChartFontMetrics::width(const TChartFont &font, const QString &text) const
{
  return metricsOf(font).horizontalAdvance(text) * PointsPerInch / MeasuringDpi;
}

qreal TChartFontMetrics::height(const TChartFont &font) const
{
  return metricsOf(font).height() * PointsPerInch / MeasuringDpi;
}

TChartLayout WallChartLayout(const TTournament &tournament, const TPreferences &preferences,
                             const TRegionalFormats &formats, TPaper paper, const QDate &printed)
{
  const TChartFontMetrics metrics;
  return LayOutChart(tournament, preferences, formats, printed.isValid() ? printed : QDate::currentDate(),
                     ChartPageSize(paper), metrics);
}

QPageSize ChartPageSizeOf(TPaper paper)
{
  switch (paper) {
  case TPaper::A3:
    return QPageSize(QPageSize::A3);
  case TPaper::Letter:
    return QPageSize(QPageSize::Letter);
  case TPaper::A4:
    break;
  }
  return QPageSize(QPageSize::A4);
}

void PaintChart(QPainter &painter, const TChartLayout &layout, qreal k)
{
  painter.save();
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const TChartBox &b : layout.boxes) {
    const TBoxLook look = LookOf(b.fill);
    painter.setBrush(look.fill);
    if (look.frame.alpha() == 0)
      painter.setPen(Qt::NoPen);
    else
      painter.setPen(QPen(look.frame, layout.lineWidth * k));
    painter.drawRect(Scaled(b.box, k));
  }
  painter.setPen(QPen(QColor(90, 100, 115), layout.lineWidth * k, Qt::SolidLine, Qt::FlatCap));
  for (const TChartLine &l : layout.lines)
    painter.drawLine(l.from * k, l.to * k);
  for (const TChartText &t : layout.texts) {
    painter.setFont(ChartFont(t.font));
    painter.setPen(InkColour(t.ink));
    painter.drawText(Scaled(t.box, k), AlignmentFlags(t.align), t.text);
  }
  painter.restore();
}

std::optional<TChartFormat> ChartFormatOf(const QString &path)
{
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("pdf"))
    return TChartFormat::Pdf;
  if (suffix == QLatin1String("svg"))
    return TChartFormat::Svg;
  if (suffix == QLatin1String("png"))
    return TChartFormat::Png;
  return std::nullopt;
}

QByteArray ChartFileBytes(const TChartLayout &layout, TPaper paper, TChartFormat format)
{
  switch (format) {
  case TChartFormat::Svg:
    return SvgBytes(layout);
  case TChartFormat::Png:
    return PngBytes(layout);
  case TChartFormat::Pdf:
    break;
  }
  return PdfBytes(layout, paper);
}
