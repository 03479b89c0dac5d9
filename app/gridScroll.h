#pragma once
// The scroll area that holds the grid. It shows a scroll bar whenever some
// of the grid could lie outside the window, which at a fractional scale
// factor includes the last pixel row or column that the window's rounded
// size only seems to hold.

#include <QScrollArea>

class TGridScroll : public QScrollArea {
  Q_OBJECT
public:
  using QScrollArea::QScrollArea;

  // Whether the grid needs each bar in an area of this size, at this ratio
  // of device pixels to the interface's pixels.
  struct TBars {
    bool horizontal, vertical;
  };
  static TBars BarsFor(QSize area, QSize grid, int barExtent, qreal pixelRatio);

protected:
  void resizeEvent(QResizeEvent *event) override;

private:
  void fitBars();
};
