#pragma once
// A label for a team's name. A name too wide for the label (the longest names
// of some languages) is drawn narrower to fit instead of being cut off. It
// shows a focus frame while it has the keyboard.

#include <QLabel>

class TTeamLabel : public QLabel {
public:
  using QLabel::QLabel;

protected:
  void paintEvent(QPaintEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  void paintName(QPaintEvent *event);
};
