#pragma once
// The options dialog: interface language, favourite team and time zone.

#include <QDialog>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TDialogs;

class TOptionsForm : public QDialog {
  Q_OBJECT

public:
  // OK keeps the chosen preferences, then calls applied (the interface is
  // shown in the language chosen); its questions go through dialogs.
  TOptionsForm(QWidget *parent, TDialogs &dialogs, std::function<void()> applied);

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

  TDialogs &Dialogs;
  std::function<void()> Applied;
  QGroupBox *OptionsPanel = nullptr;
  QLabel *LangLbl = nullptr;
  QLabel *FavLbl = nullptr;
  QLabel *TimeZoneLbl = nullptr;
};
