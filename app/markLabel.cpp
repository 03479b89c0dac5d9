#include "app/markLabel.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace {

// A sign's outline, made once for each sign and font: outlining a glyph
// costs far more than filling the outline, and there are two signs.
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
  const QPainterPath &sign = SignPath(text(), font());
  const QRectF ink = sign.boundingRect();
  const QRectF area = contentsRect();
  if (ink.isEmpty() || area.isEmpty())
    return;
  const qreal scale = qMin(1.0, qMin(area.width() / ink.width(), area.height() / ink.height()));
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(area.center());
  painter.scale(scale, scale);
  painter.translate(-ink.center());
  painter.fillPath(sign, palette().brush(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                         foregroundRole()));
}
