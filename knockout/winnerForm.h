#pragma once
// The champion's celebration window: a borderless white window, always on
// top, with a trophy, a shout, the congratulations and the champion's name.
// A click anywhere on it closes it, except a click on the small trophy.

#include <QDialog>

class QLabel;

class TWinnerForm : public QDialog {
  Q_OBJECT

public:
  explicit TWinnerForm(QWidget *owner);

  QLabel *YeehaLbl;
  QLabel *BooLbl;
  QLabel *FavoriteTrophyImage;
  QLabel *CongratulationsLbl;
  QLabel *WinnerLbl;
  QLabel *TrophyImage;

  // Closes the window.
  void FormClick();

protected:
  void showEvent(QShowEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
};

// The champion's name as the window shouts it: the letters a to z in
// capitals, every other character (accented letters too) unchanged.
QString ChampionCapitals(const QString &name);
