#pragma once
// The about box.

#include <QDialog>

class TAboutForm : public QDialog {
  Q_OBJECT
public:
  explicit TAboutForm(QWidget *owner);
};

class TDialogs;

// Help > About: a new about box each time, modal over parent.
void ShowAbout(QWidget *parent, TDialogs &dialogs);
