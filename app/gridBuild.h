#pragma once
// Builds the main window's grid from the fixture, seeding and bracket
// tables: every panel, field, label and button at its designed place, each
// known to the window by its name and id.

#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TMainForm;

class TGridBuilder {
public:
  explicit TGridBuilder(TMainForm &form) : Form(form) {}
  void build();

private:
  void buildGroupPanel(int group, QWidget *parent);
  void buildTablePanel(int group, QWidget *parent);
  void buildKnockoutPanels(QWidget *parent);
  QFrame *addPanel(QWidget *parent, const char *name, int x, int y, int w, int h,
                   QFrame *panel = nullptr);
  QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y,
                   int w = -1, int h = -1);
  QLineEdit *addScoreField(QWidget *parent, const QString &name, int x, int y, int w, int h,
                           bool twoCharLimit);
  QLineEdit *addTableField(QWidget *parent, const QString &name, int x, int y);
  QPushButton *addDelButton(QWidget *parent, const char *name, int stage, int panelWidth);
  // A team-name label: reacts to a press and fits long names.
  QLabel *addTeamLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y,
                       int w, int h);
  QLabel *placeLabel(QLabel *label, const QString &name, const QString &caption, int x, int y,
                     int w, int h);
  void resolveControls();

  TMainForm &Form;
};
