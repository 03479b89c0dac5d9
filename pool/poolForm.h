#pragma once
// The prediction pool window: the entries of the pool folder ranked against
// the results typed so far, one entry's matches in detail, the points each
// right prediction is worth, and the table saved as a CSV file.

#include "core/pool/poolScoring.h"

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TDialogs;
class TTournament;

// The pool window on the results `shown` holds, modally. `settings` is what
// the settings file's [POOL] holds (nothing when it has none); once the
// window has been open it holds the window's values and folder. The
// settings file in use is never an entry.
void ShowPoolWindow(QWidget *parent, TDialogs &dialogs, const TTournament &shown,
                    std::optional<TPoolSettings> &settings, const QString &settingsFile,
                    int language);

class TPoolForm : public QDialog {
  Q_OBJECT
public:
  TPoolForm(QWidget *owner, TDialogs &dialogs, const TPoolSheet &results,
            const TPoolSettings &settings, const QString &settingsFile, int language);

  const TPoolSettings &settings() const { return Settings; }
  const std::vector<TPoolEntry> &entries() const { return Entries; }

  QLabel *FolderLbl = nullptr;
  QLabel *FolderName = nullptr;
  QPushButton *FolderButton = nullptr;
  std::array<QSpinBox *, PoolValueCount> ValueEdits{};
  QLabel *NoticeLbl = nullptr;
  QTableWidget *PoolTable = nullptr;
  QTableWidget *PoolDetail = nullptr;
  QPushButton *PoolCsvButton = nullptr;
  QPushButton *CloseButton = nullptr;

  // The entries of the folder read again and scored.
  void readFolder();
  // The table in the order of the points the values give now.
  void showTable();

  void FolderButtonClick();
  void PoolCsvButtonClick();

protected:
  void showEvent(QShowEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void fitNameColumn();
  void valueChanged(int value, int points);
  void showDetail();
  int selectedEntry() const;

  TDialogs &Dialogs;
  TPoolSheet Results;
  TPoolSettings Settings;
  QString SettingsFile;
  int Language;
  std::vector<TPoolEntry> Entries;
  std::vector<TPoolRow> Rows;
  int NameWidth = 0;   // the Name column's width when there is room for it
};
