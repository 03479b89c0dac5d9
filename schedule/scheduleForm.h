#pragma once
// The game schedule window: all 64 matches in kick-off order, one line each.

#include <QDialog>

class QListWidget;
class QPushButton;

class TScheduleForm : public QDialog {
  Q_OBJECT
public:
  explicit TScheduleForm(QWidget *owner);

  QListWidget *ScheduleLB = nullptr;
  QPushButton *CloseButton = nullptr;
  QPushButton *ExportButton = nullptr;   // the match calendar to a calendar file

  // Replaces the list's lines.
  void setLines(const QStringList &lines);

  void CloseButtonClick();

protected:
  void showEvent(QShowEvent *event) override;
};
