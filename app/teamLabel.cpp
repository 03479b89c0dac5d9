#include "app/teamLabel.h"

#include <QPainter>
#include <QStyle>

void TTeamLabel::paintEvent(QPaintEvent *event)
{
  const QRect area = contentsRect();
  const int width = fontMetrics().horizontalAdvance(text());
  if (width <= area.width() || area.width() <= 0) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.translate(area.left(), 0);
  painter.scale(qreal(area.width()) / width, 1.0);
  style()->drawItemText(&painter, QRect(0, area.top(), width, area.height()), int(alignment()),
                        palette(), isEnabled(), text(), foregroundRole());
}
