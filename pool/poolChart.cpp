#include "pool/poolChart.h"

#include "core/i18n/names.h"
#include "core/i18n/texts.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace {

// The longest name the legend shows whole, in average characters.
constexpr int LegendChars = 16;
constexpr double Gap = 6;
// Beyond this many lines, those not highlighted are hairlines.
constexpr std::size_t ManyLines = 30;
// How near a click must come to a line to choose it, in pixels.
constexpr double Reach = 6;

// The first ten entries in the colours of a common qualitative palette,
// the others spread round the colour wheel.
QColor LineColour(int entry)
{
  static const QRgb first[] = {0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd,
                               0x8c564b, 0xe377c2, 0x7f7f7f, 0xbcbd22, 0x17becf};
  if (entry >= 0 && entry < int(std::size(first)))
    return QColor(first[entry]);
  return QColor::fromHsvF(float(std::fmod(entry * 0.6180339887, 1.0)), 0.7f, 0.75f);
}

// A step of 1, 2 or 5 times a power of ten that divides 0..most into at
// most six parts.
int NiceStep(int most)
{
  for (int power = 1;; power *= 10)
    for (const int f : {1, 2, 5})
      if (most <= 6 * f * power)
        return f * power;
}

QString DayText(const QDate &date, int language)
{
  static const QLocale locales[LanguageCount] = {QLocale(QLocale::English, QLocale::UnitedKingdom),
                                                 QLocale(QLocale::Spanish, QLocale::Spain),
                                                 QLocale(QLocale::French, QLocale::France)};
  const int l = language >= 0 && language < LanguageCount ? language : LangEnglish;
  return locales[l].toString(date, QStringLiteral("d MMM"));
}

// Where everything goes: one layout for drawing and for finding what a
// click reaches.
struct TLayout {
  QRectF title, plot, legend;
  int top = 1;                 // the points at the top of the axis
  int step = 1;
  double row = 0;              // a legend row's height
  double nameWidth = 0, pointsWidth = 0;
  std::vector<int> shown;      // the lines the legend has room for
  int more = 0;                // the lines it has no room for

  double x(std::size_t day, std::size_t days) const
  {
    return plot.left() + (double(day) + 0.5) * plot.width() / double(days);
  }
  double y(int points) const { return plot.bottom() - plot.height() * points / top; }
  QRectF legendRow(std::size_t k) const
  {
    return QRectF(legend.left(), legend.top() + double(k) * row, legend.width(), row);
  }
};

TLayout LayOut(const QRectF &rect, const TPoolChartData &data, int selected, const QFont &font,
               bool titled)
{
  TLayout l;
  const QFontMetricsF metrics(font);
  int most = 0;
  for (const TPoolChartLine &line : data.lines)
    for (const int p : line.points)
      most = std::max(most, p);
  l.step = NiceStep(std::max(most, 1));
  l.top = (std::max(most, 1) + l.step - 1) / l.step * l.step;

  const double titleHeight = titled ? metrics.height() * 2 : 0;
  l.title = QRectF(rect.left(), rect.top(), rect.width(), titleHeight);
  l.row = metrics.height() + 2;
  QFont bold = font;
  bold.setBold(true);
  const QFontMetricsF boldMetrics(bold);
  for (const TPoolChartLine &line : data.lines) {
    l.nameWidth = std::max(l.nameWidth, boldMetrics.horizontalAdvance(line.name));
    l.pointsWidth = std::max(l.pointsWidth,
                             boldMetrics.horizontalAdvance(QString::number(line.points.empty() ? 0 : line.points.back())));
  }
  l.nameWidth = std::min(l.nameWidth, metrics.averageCharWidth() * LegendChars);
  const double swatch = 3 * Gap;
  const double legendWidth = std::min(swatch + Gap + l.nameWidth + Gap + l.pointsWidth, rect.width() * 0.4);
  l.nameWidth = std::max(0.0, legendWidth - swatch - 2 * Gap - l.pointsWidth);
  const double top = rect.top() + titleHeight + metrics.height() * 1.5;
  l.legend = QRectF(rect.right() - legendWidth, top, legendWidth, rect.bottom() - top);

  const double labels = metrics.horizontalAdvance(QString::number(l.top)) + Gap;
  l.plot = QRectF(QPointF(rect.left() + labels + Gap, top),
                  QPointF(l.legend.left() - 3 * Gap, rect.bottom() - metrics.height() - Gap));

  // The legend's rows; the selected line always among them.
  const int lines = int(data.lines.size());
  const int room = std::max(0, int(l.legend.height() / l.row));
  const int rows = lines <= room ? lines : std::max(0, room - 1);
  for (int i = 0; i < rows; ++i)
    l.shown.push_back(i);
  for (int i = rows; i < lines && rows > 0; ++i)
    if (data.lines[std::size_t(i)].entry == selected)
      l.shown.back() = i;
  l.more = lines - rows;
  return l;
}

void DrawLine(QPainter &painter, const TLayout &l, const TPoolChartLine &line, std::size_t days,
              QColor colour, double width, bool dots)
{
  // Width 0 is a hairline of the device's pixels: the quick way to draw
  // a great many lines.
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPolygonF points;
  for (std::size_t d = 0; d < line.points.size() && d < days; ++d)
    points << QPointF(l.x(d, days), l.y(line.points[d]));
  painter.drawPolyline(points);
  if (!dots)
    return;
  painter.setBrush(colour);
  for (const QPointF &p : points)
    painter.drawEllipse(p, width, width);
  painter.setBrush(Qt::NoBrush);
}

}  // namespace

void DrawPoolChart(QPainter &painter, const QRectF &rect, const TPoolChartData &data, int selected,
                   const TChartColours &colours, const QString &title)
{
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect, colours.background);
  const QFont font = painter.font();
  QFont bold = font;
  bold.setBold(true);
  const QFontMetricsF metrics(font);
  const TLayout l = LayOut(rect, data, selected, font, !title.isEmpty());

  painter.setPen(colours.text);
  if (!title.isEmpty()) {
    QFont big = bold;
    big.setPixelSize(qRound(metrics.height() * 1.3));
    painter.setFont(big);
    painter.drawText(l.title, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(font);
  }
  if (data.days.empty()) {
    painter.drawText(rect.adjusted(Gap, Gap, -Gap, -Gap), Qt::AlignCenter | Qt::TextWordWrap,
                     TextIn(data.language, TText::PoolChartEmpty));
    painter.restore();
    return;
  }

  // The points' axis: a grid line and a figure at each step.
  painter.drawText(QRectF(rect.left(), l.plot.top() - metrics.height() * 1.5, l.plot.width(), metrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, TextIn(data.language, TText::PoolPointsHeading));
  for (int p = 0; p <= l.top; p += l.step) {
    painter.setPen(QPen(colours.grid, 0));
    painter.drawLine(QPointF(l.plot.left(), l.y(p)), QPointF(l.plot.right(), l.y(p)));
    painter.setPen(colours.text);
    painter.drawText(QRectF(rect.left(), l.y(p) - metrics.height() / 2, l.plot.left() - rect.left() - Gap,
                            metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(p));
  }
  // The days' axis: as many dates as there is room for, the last one always.
  const std::size_t days = data.days.size();
  double widest = 0;
  for (const QDate &day : data.days)
    widest = std::max(widest, metrics.horizontalAdvance(DayText(day, data.language)));
  const double slot = l.plot.width() / double(days);
  const std::size_t every = std::max<std::size_t>(1, std::size_t(std::ceil((widest + Gap) / slot)));
  painter.setPen(colours.text);
  for (std::size_t d = 0; d < days; ++d) {
    if (d + 1 < days && (d % every != 0 || days - 1 - d < every))
      continue;
    const double x = l.x(d, days);
    painter.drawLine(QPointF(x, l.plot.bottom()), QPointF(x, l.plot.bottom() + Gap / 2));
    // Centred under its day, but never under the figures of the points' axis.
    const QString text = DayText(data.days[d], data.language);
    const double width = metrics.horizontalAdvance(text);
    painter.drawText(QRectF(std::max(x - width / 2, l.plot.left() - Gap / 2), l.plot.bottom() + Gap / 2,
                            width, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop, text);
  }

  // The lines, the selected one last, above the others.
  const TPoolChartLine *chosen = nullptr;
  for (const TPoolChartLine &line : data.lines) {
    if (line.entry == selected) {
      chosen = &line;
      continue;
    }
    QColor colour = LineColour(line.entry);
    if (selected >= 0)
      colour.setAlpha(90);
    DrawLine(painter, l, line, days, colour, data.lines.size() > ManyLines ? 0 : 1.5, days == 1);
  }
  if (chosen)
    DrawLine(painter, l, *chosen, days, LineColour(chosen->entry), 3.5, true);

  // The legend: a row a line, in the table's order, then how many more.
  for (std::size_t k = 0; k < l.shown.size(); ++k) {
    const TPoolChartLine &line = data.lines[std::size_t(l.shown[k])];
    const QRectF row = l.legendRow(k);
    const bool isChosen = line.entry == selected;
    painter.setPen(QPen(LineColour(line.entry), isChosen ? 3.5 : 2));
    painter.drawLine(QPointF(row.left(), row.center().y()), QPointF(row.left() + 3 * Gap, row.center().y()));
    painter.setPen(colours.text);
    painter.setFont(isChosen ? bold : font);
    const QFontMetricsF rowMetrics(painter.font());
    const QRectF nameRect(row.left() + 4 * Gap, row.top(), l.nameWidth, row.height());
    painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                     rowMetrics.elidedText(line.name, Qt::ElideRight, l.nameWidth));
    painter.drawText(QRectF(row.right() - l.pointsWidth, row.top(), l.pointsWidth, row.height()),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(line.points.empty() ? 0 : line.points.back()));
    painter.setFont(font);
  }
  if (l.more > 0)
    painter.drawText(l.legendRow(l.shown.size()).adjusted(4 * Gap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     TextIn(data.language, TText::PoolChartMore).arg(l.more));
  painter.restore();
}

QByteArray PoolChartPicture(const TPoolChartData &data, int selected, TPictureFormat format,
                            const QString &title)
{
  const QSize size(960, 600);
  const QRectF chart = QRectF(QPointF(0, 0), size).adjusted(16, 12, -16, -12);
  const TChartColours colours = {Qt::white, Qt::black, QColor(205, 205, 205)};
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(13);
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  if (format == TPictureFormat::Svg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(title);
    QPainter painter(&svg);
    painter.fillRect(QRectF(QPointF(0, 0), size), colours.background);
    painter.setFont(font);
    DrawPoolChart(painter, chart, data, selected, colours, title);
  } else {
    // Twice the pixels, for a sharp picture on paper and on a fine screen.
    QImage image(size * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(colours.background);
    {
      QPainter painter(&image);
      painter.setFont(font);
      DrawPoolChart(painter, chart, data, selected, colours, title);
    }
    // Quick compression: the picture is mostly white.
    image.save(&bytes, "PNG", 90);
  }
  return bytes.data();
}

TPoolChart::TPoolChart(QWidget *parent) : QWidget(parent)
{
  setObjectName(QStringLiteral("PoolChart"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPoolChart::setData(TPoolChartData data)
{
  Data = std::move(data);
  update();
}

void TPoolChart::setSelected(int entry)
{
  if (entry == Selected)
    return;
  Selected = entry;
  update();
}

QSize TPoolChart::sizeHint() const { return QSize(480, 260); }
QSize TPoolChart::minimumSizeHint() const { return QSize(240, 140); }

QRectF TPoolChart::chartRect() const { return QRectF(rect()).adjusted(3, 3, -3, -3); }

int TPoolChart::entryAt(const QPointF &point) const
{
  if (Data.days.empty())
    return -1;   // the chart shows neither lines nor legend
  const TLayout l = LayOut(chartRect(), Data, Selected, font(), false);
  for (std::size_t k = 0; k < l.shown.size(); ++k)
    if (l.legendRow(k).contains(point))
      return Data.lines[std::size_t(l.shown[k])].entry;
  const std::size_t days = Data.days.size();
  if (!l.plot.adjusted(-Reach, -Reach, Reach, Reach).contains(point))
    return -1;
  // Each line's height where the click is, between the days either side.
  const double at = std::clamp((point.x() - l.plot.left()) / l.plot.width() * double(days) - 0.5, 0.0,
                               double(days - 1));
  const std::size_t before = std::size_t(at);
  const std::size_t after = std::min(before + 1, days - 1);
  int nearest = -1;
  double best = Reach;
  for (const TPoolChartLine &line : Data.lines) {
    if (line.points.size() < days)
      continue;
    const double y = l.y(line.points[before]) +
                     (l.y(line.points[after]) - l.y(line.points[before])) * (at - double(before));
    if (std::abs(y - point.y()) <= best) {
      best = std::abs(y - point.y());
      nearest = line.entry;
    }
  }
  return nearest;
}

void TPoolChart::paintEvent(QPaintEvent *)
{
  QStylePainter painter(this);
  const TChartColours colours = {palette().color(QPalette::Base), palette().color(QPalette::Text),
                                 palette().color(QPalette::Midlight)};
  painter.fillRect(rect(), colours.background);
  DrawPoolChart(painter, chartRect(), Data, Selected, colours);
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = colours.background;
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
  }
}

void TPoolChart::mousePressEvent(QMouseEvent *event)
{
  const int entry = entryAt(event->position());
  if (entry >= 0)
    emit entryChosen(entry);
  QWidget::mousePressEvent(event);
}

void TPoolChart::keyPressEvent(QKeyEvent *event)
{
  const int lines = int(Data.lines.size());
  int at = -1;
  for (int i = 0; i < lines; ++i)
    if (Data.lines[std::size_t(i)].entry == Selected)
      at = i;
  int next = -1;
  switch (event->key()) {
  case Qt::Key_Down: next = at < 0 ? 0 : std::min(at + 1, lines - 1); break;
  case Qt::Key_Up: next = std::max(at - 1, 0); break;
  case Qt::Key_Home: next = 0; break;
  case Qt::Key_End: next = lines - 1; break;
  default: QWidget::keyPressEvent(event); return;
  }
  if (next >= 0 && next < lines && next != at)
    emit entryChosen(Data.lines[std::size_t(next)].entry);
}
