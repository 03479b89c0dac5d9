#include "app/gridScroll.h"

#include <QScrollBar>
#include <QStyle>
#include <cmath>

TGridScroll::TBars TGridScroll::BarsFor(QSize area, QSize grid, int barExtent, qreal pixelRatio)
{
  // A window's size in device pixels is rounded to whole interface pixels,
  // up or down: at a fractional ratio its last row and column may be up to
  // half a pixel short of what they seem. Only a whole pixel to spare is
  // sure room then.
  const int slack = std::abs(pixelRatio - std::round(pixelRatio)) < 1e-6 ? 0 : 1;
  const int width = area.width() - slack;
  const int height = area.height() - slack;
  TBars bars{grid.width() > width, grid.height() > height};
  // One bar takes room from the other direction.
  if (bars.vertical && !bars.horizontal)
    bars.horizontal = grid.width() > width - barExtent;
  if (bars.horizontal && !bars.vertical)
    bars.vertical = grid.height() > height - barExtent;
  return bars;
}

void TGridScroll::resizeEvent(QResizeEvent *event)
{
  fitBars();
  QScrollArea::resizeEvent(event);
}

void TGridScroll::fitBars()
{
  if (!widget())
    return;
  const int frame = 2 * frameWidth();
  const TBars bars =
      BarsFor(size() - QSize(frame, frame), widget()->size(),
              style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar()),
              devicePixelRatioF());
  setHorizontalScrollBarPolicy(bars.horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(bars.vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}
