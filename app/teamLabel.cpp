#include "app/teamLabel.h"

#include <QHash>
#include <QPainter>
#include <QStyle>
#include <utility>

namespace {

// Measuring a name lays its text out, which costs about as much as drawing
// it. A name appears on many labels in the same font (a team's three group
// matches, its table line, its knockout slots), so each name is measured
// once per font. The grid's labels share one screen.
int NameWidth(const QLabel &label)
{
  static QHash<std::pair<QFont, QString>, int> widths;
  std::pair<QFont, QString> key{label.font(), label.text()};
  const auto known = widths.constFind(key);
  if (known != widths.constEnd())
    return *known;
  const int width = label.fontMetrics().horizontalAdvance(key.second);
  widths.insert(std::move(key), width);
  return width;
}

}  // namespace

void TTeamLabel::paintEvent(QPaintEvent *event)
{
  const QRect area = contentsRect();
  const int width = NameWidth(*this);
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
