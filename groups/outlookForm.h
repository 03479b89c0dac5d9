#pragma once
// The outlook window: for the group chosen, what each team is sure of, and
// what each combination of results of the last matches means for it.

#include "core/groups/outlook.h"
#include "core/i18n/names.h"

#include <QDialog>
#include <QString>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class TDialogs;
class TTournament;

// One group as the grid shows it when the window opens.
struct TOutlookGroupView {
  QString title;                   // "Group A" in the interface language
  TGroupScores scores;
  std::array<QString, 4> names;    // by team number
  std::array<int, 4> order{};      // team numbers in table order
};

// A team's outlook in words, in a language.
QString OutlookWords(int language, TOutlook outlook, const QString &team, const QString &groupTitle);

// The outlook window on the tournament as it is now, modally: each group's
// scores, its teams' names and its table order; the favourite's group
// first shown.
void ShowOutlookWindow(QWidget *parent, TDialogs &dialogs, const TTournament &tournament, int language,
                       int favourite);

class TOutlookForm : public QDialog {
  Q_OBJECT
public:
  TOutlookForm(QWidget *owner, int language, const std::array<TOutlookGroupView, 8> &groups,
               int chosen);

  QLabel *GroupLbl = nullptr;
  QComboBox *GroupCB = nullptr;
  QLabel *OutlookLbl = nullptr;
  QLabel *ScenariosLbl = nullptr;
  QTableWidget *ScenarioGrid = nullptr;
  QPushButton *CloseButton = nullptr;

  // Shows the group chosen in GroupCB.
  void GroupCBChange();

protected:
  void showEvent(QShowEvent *event) override;

private:
  int Language;
  std::array<TOutlookGroupView, 8> Groups;
};
