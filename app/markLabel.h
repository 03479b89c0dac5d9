#pragma once
// A one-sign label in a space narrower than the sign's font draws it: the
// sign's outline is scaled to fit the label, and centred in it.

#include <QLabel>

class TMarkLabel : public QLabel {
public:
  using QLabel::QLabel;

protected:
  void paintEvent(QPaintEvent *event) override;
};
