#pragma once
// What a screen reader hears for the grid: every score and penalty field,
// team-name label and table figure is named by its match or table place and
// the teams it concerns ("Group A, France against Senegal, goals of France").
// Names are built only when a screen reader asks, from the captions the grid
// shows at that moment and the current language, so typing a score costs
// nothing extra.

class QWidget;

// Lets the accessibility layer describe the grid's controls of a window
// this way, once the window is built.
void InstallAccessibleNames(QWidget *window);
