#include "desktop/teamLabel.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
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

// Whether the label's name surely fits its width: its characters' advances
// added up, with room to spare for kerning and rounding, stay within it.
// Adding advances costs little next to laying the name out, and most names
// fit by far.
bool SurelyFits(const QLabel &label, int width)
{
  const QFontMetricsF metrics(label.font(), &label);
  qreal advances = 2;
  for (const QChar c : label.text()) {
    if (c.isSurrogate())
      return false;
    advances += metrics.horizontalAdvance(c);
  }
  return advances <= width;
}

}  // namespace

void TTeamLabel::focusInEvent(QFocusEvent *event)
{
  QLabel::focusInEvent(event);
  update();
}

void TTeamLabel::focusOutEvent(QFocusEvent *event)
{
  QLabel::focusOutEvent(event);
  update();
}

void TTeamLabel::paintEvent(QPaintEvent *event)
{
  paintName(event);
  if (hasFocus()) {
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void TTeamLabel::paintName(QPaintEvent *event)
{
  const QRect area = contentsRect();
  if (area.width() <= 0 || SurelyFits(*this, area.width())) {
    QLabel::paintEvent(event);
    return;
  }
  const int width = NameWidth(*this);
  if (width <= area.width()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.translate(area.left(), 0);
  painter.scale(qreal(area.width()) / width, 1.0);
  style()->drawItemText(&painter, QRect(0, area.top(), width, area.height()), int(alignment()),
                        palette(), isEnabled(), text(), foregroundRole());
}
