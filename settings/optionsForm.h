#pragma once
// The options dialog: interface language, favourite team and time zone.

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TMainForm;

class TOptionsForm : public QDialog {
  Q_OBJECT

public:
  explicit TOptionsForm(TMainForm *owner);

  QComboBox *LangCB = nullptr;
  QComboBox *FavCB = nullptr;
  QComboBox *TimeZoneCB = nullptr;
  QPushButton *OKButton = nullptr;
  QPushButton *CancelButton = nullptr;

protected:
  void showEvent(QShowEvent *event) override;

private:
  void FormShow();
  // Names each list by its caption, without the accelerator and the colon.
  void nameLists();
  void LangCBChange();
  void FavCBChange();
  void OKButtonClick();
  void CancelButtonClick();

  TMainForm *Owner;
  QGroupBox *OptionsPanel = nullptr;
  QLabel *LangLbl = nullptr;
  QLabel *FavLbl = nullptr;
  QLabel *TimeZoneLbl = nullptr;
};
