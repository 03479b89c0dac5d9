#pragma once
// The options dialog: interface language, favourite team, time zone and
// the wall chart's paper.

#include "core/settings/preferences.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TDialogs;

class TOptionsForm : public QDialog {
  Q_OBJECT

public:
  // Shows the current preferences in their language; on the first start
  // nothing is chosen, it speaks English and cannot be cancelled. Its
  // questions go through dialogs.
  TOptionsForm(QWidget *parent, TDialogs &dialogs, const TPreferences &current, bool firstRun);

  // After OK, the preferences chosen. Until then the current ones, with the
  // favourite last picked in its list, which a cancelled dialog keeps too.
  const TPreferences &preferences() const { return Chosen; }

  QComboBox *LangCB = nullptr;
  QComboBox *FavCB = nullptr;
  QComboBox *TimeZoneCB = nullptr;
  QComboBox *PaperCB = nullptr;
  QPushButton *OKButton = nullptr;
  QPushButton *CancelButton = nullptr;

protected:
  void showEvent(QShowEvent *event) override;

private:
  void FormShow();
  // Names each list by its caption, without the accelerator and the colon.
  void nameLists();
  void LangCBChange();
  // The papers' names in the language chosen in the list, the paper kept.
  void namePapers(int language);
  void FavCBChange();
  void OKButtonClick();
  void CancelButtonClick();

  TDialogs &Dialogs;
  TPreferences Chosen;
  const bool FirstRun;
  QGroupBox *OptionsPanel = nullptr;
  QLabel *LangLbl = nullptr;
  QLabel *FavLbl = nullptr;
  QLabel *TimeZoneLbl = nullptr;
  QLabel *PaperLbl = nullptr;
};
