#pragma once
// The main window's controls in one table by id, filled by the grid's
// builder and the menu's: whoever shows the tournament, reads a key or
// names a control for a screen reader finds it here by its id, and a
// control's id from the control.

#include "app/gridIds.h"

#include <QHash>
#include <array>
#include <optional>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QScrollArea;
class QWidget;

struct TGridControls {
  // The grid holds every panel and command button at its designed place; it
  // keeps its design size and scrolls when the window is smaller.
  QScrollArea *scroll = nullptr;
  QWidget *grid = nullptr;

  std::array<QLineEdit *, FieldCount> fields{};
  std::array<QLabel *, LabelCount> labels{};
  std::array<QPushButton *, ButtonCount> buttons{};
  std::array<QFrame *, PanelCount> panels{};
  std::vector<QAction *> menuItems;   // by their index in the menu's table

  QLineEdit *field(TGridField f) const { return fields[Index(f)]; }
  QLineEdit *field(TField f) const { return fields[Index(f)]; }
  QLabel *label(TLabel l) const { return labels[Index(l)]; }
  QPushButton *button(TButton b) const { return buttons[Index(b)]; }
  QFrame *panel(TPanel p) const { return panels[Index(p)]; }
  QAction *menuItem(int item) const { return menuItems.at(std::size_t(item)); }

  // The control of an id, and the id of a control (nothing for another).
  QObject *control(const TControlId &id) const;
  std::optional<TControlId> idOf(const QObject *control) const;
  // Puts a control into the table under its id.
  void add(const TControlId &id, QObject *control);

private:
  QHash<const QObject *, TControlId> Ids;
};

// A score field's typing limit: two characters, but for the final's fields.
bool HasTwoCharLimit(TField field);
