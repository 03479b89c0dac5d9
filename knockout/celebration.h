#pragma once
// The champion's celebration: a window with its sound.

#include <QString>
#include <functional>

class QWidget;
class TDialogs;
class TSoundOutput;

// Opens the celebration of champion modally over parent, with its texts in
// language: the shout and the large trophy when the champion is
// favouriteName, else the boo and the small trophy. An undecided champion
// has none. The sound plays while the window is shown; without an output
// device the window is silent, and a sound that cannot be opened is reported
// instead of the window. beforeShowing runs just before the window shows.
void Celebrate(QWidget *parent, const QString &champion, const QString &favouriteName, int language,
               TSoundOutput *sound, TDialogs &dialogs, const std::function<void()> &beforeShowing = {});
