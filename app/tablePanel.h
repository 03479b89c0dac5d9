#pragma once
// A group table's panel. The table is one stop of the keyboard order: its
// figures take no focus of their own, and a screen reader reads the table
// from the panel, row by row. The panel shows when it has the focus.

#include <QFrame>

class TTablePanel : public QFrame {
  Q_OBJECT
public:
  explicit TTablePanel(QWidget *parent);

protected:
  void paintEvent(QPaintEvent *event) override;
};
