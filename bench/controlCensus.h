#pragma once
// What a start-up costs is compared with a bare Qt main window holding the
// same number of controls of each kind: the census is counted from the real
// main window, so the comparison follows it when controls come or go.

#include <QMainWindow>
#include <QString>
#include <memory>

struct TControlCensus {
  int lineEdits = 0;
  int labels = 0;
  int buttons = 0;
  int frames = 0;      // frames that are not labels
  int menus = 0;       // drop-down menus, the menu bar's included
  int menuItems = 0;   // actions of the menus without separators
};

TControlCensus CountControls(const QMainWindow &window);
QString CensusText(const TControlCensus &census);
// Parses what CensusText wrote; false on anything else.
bool ParseCensus(const QString &text, TControlCensus &census);

// A plain QMainWindow with the census's controls: line edits and labels
// spread over the frames, the menu items over the drop-down menus, no
// pictures, styles, fonts or handlers of its own.
std::unique_ptr<QMainWindow> BuildBareWindow(const TControlCensus &census);

// Shows the window and lets the event loop run until it has painted.
// False when no paint came.
bool ShowAndPaint(QWidget &window);

// Ends the event loop as soon as a main window has painted for the first
// time; with printCensus, first writes that window's census to stdout.
void ExitAfterFirstPaint(bool printCensus);
