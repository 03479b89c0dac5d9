#pragma once
// The venue viewer and the web links of the menu.

#include <QString>

class QWidget;
class TBrowserLauncher;
class TDialogs;

// The venue viewer on venue code (a Venues menu item's tag) in a language,
// modal over parent; its links open in the default browser.
void ShowVenueViewer(QWidget *parent, int code, int language, TDialogs &dialogs,
                     TBrowserLauncher *browser);
// Opens web link code (an Internet Links menu item's tag) in the default
// browser, with the hourglass on window while the browser starts. A code
// without an address opens nothing.
void OpenWebLink(QWidget *window, int code, TDialogs &dialogs, TBrowserLauncher *browser);
// Starts the default browser on an address. A browser that could not be
// started is reported above the window in front, else above window.
void OpenWebPage(QWidget *window, const QString &address, TDialogs &dialogs, TBrowserLauncher *browser);
