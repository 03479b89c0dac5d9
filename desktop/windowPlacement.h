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

// On X11, tells the window manager that a frame without title-bar buttons can
// only be moved. For such a frame Qt's hints say "every function allowed",
// which many window managers show as minimise and maximise buttons. Call
// when the window is about to be shown.
void KeepFrameButtonless(QWidget *window);
