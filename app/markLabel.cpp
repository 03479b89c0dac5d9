#include "app/markLabel.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace {

// The outlook's two signs as strokes in a unit box (drawn as tall as it is
// wide and half again, as the signs' glyphs are): drawing them needs no
// font that holds them, and finding and loading one is most of a start-up's
// first paint of the tables.
bool StrokesOf(const QString &text, QPainterPath *strokes)
{
  if (text == QStringLiteral("✓")) {
    strokes->moveTo(0.06, 0.58);
    strokes->lineTo(0.34, 0.92);
    strokes->lineTo(0.94, 0.06);
    return true;
  }
  if (text == QStringLiteral("✗")) {
    strokes->moveTo(0.1, 0.2);
    strokes->lineTo(0.9, 0.8);
    strokes->moveTo(0.9, 0.2);
    strokes->lineTo(0.1, 0.8);
    return true;
  }
  return false;
}

// Any other sign's outline, made once for each sign and font: outlining a
// glyph costs far more than filling the outline.
const QPainterPath &SignPath(const QString &text, const QFont &font)
{
  static QHash<QString, QPainterPath> paths;
  const QString key = font.key() + QLatin1Char('\n') + text;
  auto it = paths.find(key);
  if (it == paths.end()) {
    QPainterPath sign;
    sign.addText(0, 0, font, text);
    it = paths.insert(key, sign);
  }
  return *it;
}

}  // namespace

void TMarkLabel::paintEvent(QPaintEvent *)
{
  if (text().isEmpty())
    return;
  const QRectF area = contentsRect();
  if (area.isEmpty())
    return;
  const QBrush ink = palette().brush(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath strokes;
  if (StrokesOf(text(), &strokes)) {
    const qreal pen = qMax(1.0, area.width() * (font().bold() ? 0.2 : 0.14));
    const qreal width = qMin(area.width(), area.height() / 1.5) - pen;
    const QSizeF box(width, width * 1.5);
    painter.translate(area.center() - QPointF(box.width(), box.height()) / 2);
    painter.setPen(QPen(ink, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(QTransform::fromScale(box.width(), box.height()).map(strokes));
    return;
  }
  const QPainterPath &sign = SignPath(text(), font());
  const QRectF box = sign.boundingRect();
  if (box.isEmpty())
    return;
  const qreal scale = qMin(1.0, qMin(area.width() / box.width(), area.height() / box.height()));
  painter.translate(area.center());
  painter.scale(scale, scale);
  painter.translate(-box.center());
  painter.fillPath(sign, ink);
}
