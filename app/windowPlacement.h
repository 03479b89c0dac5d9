#pragma once
// Where the program's secondary windows open.

class QWidget;

// Moves a window so that it stands in the middle of its screen.
void CentreOnScreen(QWidget *window);
