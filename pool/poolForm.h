#pragma once
// The prediction pool window: the entries of the pool folder ranked against
// the results typed so far, their points day by day as a chart, one entry's
// matches in detail with how everyone picked them, the points each right
// prediction is worth, and the table saved as a CSV file, the chart as a
// picture.

#include "core/pool/poolDays.h"
#include "core/pool/poolScoring.h"

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QSplitter;
class QSpinBox;
class QTableWidget;
class TDialogs;
class TPoolChart;
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
  TPoolForm(QWidget *owner, TDialogs &dialogs, const TTournament &shown,
            const TPoolSettings &settings, const QString &settingsFile, int language);

  const TPoolSettings &settings() const { return Settings; }
  const std::vector<TPoolEntry> &entries() const { return Entries; }

  QLabel *FolderLbl = nullptr;
  QLabel *FolderName = nullptr;
  QPushButton *FolderButton = nullptr;
  std::array<QSpinBox *, PoolValueCount> ValueEdits{};
  QLabel *NoticeLbl = nullptr;
  QTableWidget *PoolTable = nullptr;
  TPoolChart *PoolChart = nullptr;
  QTableWidget *PoolDetail = nullptr;
  QPushButton *PoolCsvButton = nullptr;
  QPushButton *PoolChartButton = nullptr;
  QPushButton *CloseButton = nullptr;

  // The entries of the folder read again and scored.
  void readFolder();
  // The table in the order of the points the values give now.
  void showTable();

  void FolderButtonClick();
  void PoolCsvButtonClick();
  void PoolChartButtonClick();

protected:
  void showEvent(QShowEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void fitNameColumn();
  void valueChanged(int value, int points);
  void showDetail();
  void showChart();
  void chooseEntry(int entry);
  int selectedEntry() const;

  TDialogs &Dialogs;
  TPoolSheet Results;
  std::vector<TPoolDay> Days;
  TPoolSettings Settings;
  QString SettingsFile;
  int Language;
  std::vector<TPoolEntry> Entries;
  std::vector<TPoolRow> Rows;
  TPoolPicks Picks;
  TPoolDayScores DayScores;
  int NameWidth = 0;   // the Name column's width when there is room for it
  QSplitter *TableAndChart = nullptr;
};
