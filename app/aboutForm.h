#pragma once
// The about box.

#include <QDialog>

class TAboutForm : public QDialog {
  Q_OBJECT
public:
  TAboutForm(QWidget *owner, int language);
};

class TDialogs;

// Help > About: a new about box in the language each time, modal over parent.
void ShowAbout(QWidget *parent, int language, TDialogs &dialogs);
