#pragma once
// The main window's controls: by name for the menus, the keyboard and tests,
// and by id where the window shows the engine.

#include "core/grid/gridIds.h"

#include <QHash>
#include <QString>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QWidget;

struct TGridControls {
  // The grid holds every panel and command button at its designed place; it
  // keeps its design size and scrolls when the window is smaller.
  QScrollArea *scroll = nullptr;
  QWidget *grid = nullptr;

  QHash<QString, QLineEdit *> fields;
  QHash<QString, QLabel *> labels;
  QHash<QString, QPushButton *> buttons;
  QHash<QString, QAction *> menuItems;
  QHash<QLineEdit *, bool> twoCharLimit;

  std::array<QLineEdit *, FieldCount> fieldById{};
  std::array<QLabel *, LabelCount> labelById{};
};
