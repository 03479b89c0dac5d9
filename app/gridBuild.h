#pragma once
// Builds the main window's grid from the fixture, seeding and bracket
// tables: every panel, field, label and button at its designed place, each
// put into the table of controls under its id.

#include "app/gridControls.h"

#include <QString>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QWidget;

// What the grid's controls call.
struct TGridHandlers {
  QObject *owner = nullptr;         // the connections' context
  QObject *input = nullptr;         // filters the keys and the mouse of fields and team labels
  std::function<void(TField)> edited;   // a score field's text changed
  std::function<void(TButton)> pressed; // a button was clicked
};

class TGridBuilder {
public:
  TGridBuilder(TGridControls &controls, const TGridHandlers &handlers)
      : Controls(controls), Handlers(handlers)
  {
  }
  // The grid, in a scroll area that becomes the window's central widget.
  void build(QMainWindow &window);

private:
  void buildGroupPanel(int group, QWidget *parent);
  void buildTablePanel(int group, QWidget *parent);
  void buildKnockoutPanels(QWidget *parent);
  QFrame *addPanel(QWidget *parent, TPanel id, int x, int y, int w, int h, QFrame *panel = nullptr);
  QLabel *addLabel(QWidget *parent, TLabel id, const QString &caption, int x, int y, int w = -1,
                   int h = -1);
  QLineEdit *addScoreField(QWidget *parent, TField id, int x, int y, int w, int h);
  QLineEdit *addTableField(QWidget *parent, TGridField id, int x, int y);
  QPushButton *addButton(QWidget *parent, TButton id, const QString &caption);
  QPushButton *addDelButton(QWidget *parent, int stage, int panelWidth);
  // A team-name label: reacts to a press and fits long names.
  QLabel *addTeamLabel(QWidget *parent, TLabel id, const QString &caption, int x, int y, int w, int h);
  QLabel *placeLabel(QLabel *label, TLabel id, const QString &caption, int x, int y, int w, int h);

  TGridControls &Controls;
  TGridHandlers Handlers;
};
