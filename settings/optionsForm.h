#pragma once
// The options dialog: interface language, favourite team and time zone.

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class TOptionsForm : public QDialog {
  Q_OBJECT

public:
  explicit TOptionsForm(QWidget *owner);

  QComboBox *LangCB = nullptr;
  QComboBox *FavCB = nullptr;
  QComboBox *TimeZoneCB = nullptr;

protected:
  void showEvent(QShowEvent *event) override;

private:
  void FormShow();
  void LangCBChange();
  void FavCBChange();
  void OKButtonClick();
  void CancelButtonClick();

  QGroupBox *OptionsPanel = nullptr;
  QLabel *LangLbl = nullptr;
  QLabel *FavLbl = nullptr;
  QLabel *TimeZoneLbl = nullptr;
  QPushButton *OKButton = nullptr;
  QPushButton *CancelButton = nullptr;
};
