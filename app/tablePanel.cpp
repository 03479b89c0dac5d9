#include "app/tablePanel.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

TTablePanel::TTablePanel(QWidget *parent) : QFrame(parent)
{
  setFocusPolicy(Qt::TabFocus);
}

void TTablePanel::paintEvent(QPaintEvent *event)
{
  QFrame::paintEvent(event);
  if (!hasFocus())
    return;
  // A frame in the highlight colour just inside the panel's border, drawn
  // over nothing: the rows start below it and the figures keep clear of it.
  QPainter painter(this);
  QPen pen(palette().color(QPalette::Highlight));
  pen.setWidth(2);
  painter.setPen(pen);
  painter.drawRect(contentsRect().adjusted(1, 1, -1, -1));
}
