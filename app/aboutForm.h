#pragma once
// The about box.

#include <QDialog>

class TAboutForm : public QDialog {
  Q_OBJECT
public:
  explicit TAboutForm(QWidget *owner);
};
