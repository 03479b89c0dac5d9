#include "app/markLabel.h"

#include <QPainter>
#include <QPainterPath>

void TMarkLabel::paintEvent(QPaintEvent *)
{
  if (text().isEmpty())
    return;
  QPainterPath sign;
  sign.addText(0, 0, font(), text());
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
