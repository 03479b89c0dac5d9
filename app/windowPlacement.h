#pragma once
// Where the program's secondary windows open.

class QWidget;

// Moves a window so that it stands in the middle of its screen.
void CentreOnScreen(QWidget *window);

#include <Qt>

// The frame of a fixed-size secondary window: a dialog frame with its title,
// never a minimise or maximise button, and a close button only where the
// window may be closed from its frame. Keeps the window above others when
// onTop.
Qt::WindowFlags FixedDialogFlags(bool closeButton, bool onTop = false);
