#pragma once
// What a screen reader hears for the grid: every score and penalty field,
// team-name label and table figure is named by its match or table place and
// the teams it concerns ("Group A, France against Senegal, goals of France").
// Names are built only when a screen reader asks, from the captions the grid
// shows at that moment and the current language, so typing a score costs
// nothing extra.

// Lets the accessibility layer describe the grid's controls this way. Called
// before the grid is built: a control is described for good the first time
// it is asked about, which is when it takes its first text or is shown, so
// every control is named before either.
void InstallAccessibleNames();

#include <functional>

class QWidget;
struct TGridControls;

// The grid of a window, for its screen reader: its controls by id, and the
// interface language. A null controls forgets the window.
void RegisterAccessibleGrid(const QWidget *window, const TGridControls *controls, std::function<int()> language);

// Tells a screen reader of every name and description of the window's grid
// that changed since it last read them. Costs nothing while no screen reader
// (or other accessibility client) is active.
void AnnounceGridChanges(const QWidget *form);
