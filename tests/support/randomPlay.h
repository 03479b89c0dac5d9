#pragma once
// Random play on the real main window, as a user plays: typing scores,
// corrections, pastes, the clear buttons and Clear All; and a snapshot of
// everything the grid shows, to compare two windows control by control.

#include <QStringList>
#include <QtGlobal>

class QLineEdit;
class TMainForm;

// `count` random user actions from `seed` (the same seed plays the same
// actions). Clear All is answered Yes or No through the window's scripted
// dialogs; without scripted dialogs it is left out.
void playRandomActions(TMainForm &form, quint32 seed, int count);

// One line per control of the grid, in a fixed order: every field (name,
// text, hidden, enabled, colour) and every label (name, caption, hidden,
// enabled, bold, colour).
QStringList controlSnapshot(const TMainForm &form);

// Puts `clipboard` on the clipboard and pastes it into the field with the
// Paste of the field's context menu, as a user does; false when there is no
// such menu or item.
bool pasteThroughMenu(QLineEdit *field, const QString &clipboard);
