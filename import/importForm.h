#pragma once
// The preview of an import: each match of the file with what importing does
// to it, before anything changes. Apply closes it with Accepted, Cancel with
// Rejected; the caller applies.

#include "core/import/importPlan.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

class TImportForm : public QDialog {
  Q_OBJECT
public:
  // The plan of importing `matches`, read from the file `fileName`; teams
  // are shown by `names`, words in the language.
  TImportForm(QWidget *owner, const QString &fileName, const std::vector<TImportMatch> &matches,
              const TImportPlan &plan, const TTeamNameList &names, int language);

  QLabel *TableLbl = nullptr;
  QTableWidget *ImportTable = nullptr;
  QLabel *SummaryLbl = nullptr;
  QPushButton *ApplyButton = nullptr;
  QPushButton *CancelButton = nullptr;

protected:
  void showEvent(QShowEvent *event) override;
};

// The columns of ImportTable.
enum TImportColumn { ImportMatchColumn, ImportTeamsColumn, ImportWhatColumn, ImportReasonColumn,
                     ImportColumnCount };
