#pragma once
// Starting the desktop's default web browser on a page.
//
// The browser is the application the desktop (through GIO) names for
// text/html, else for x-scheme-handler/http: the default of the
// mimeapps.list files, else an added association, else an installed entry
// that lists the type in mimeinfo.cache. GIO starts it with the address as
// its desktop entry's Exec line says, never through a shell.

#include <QString>
#include <memory>

enum class TBrowserStart {
  Started,
  NoBrowser,   // no usable association: nothing happens, nothing is reported
  Failed       // the browser could not be started: the caller reports it
};

class TBrowserLauncher {
public:
  virtual ~TBrowserLauncher() = default;
  // Opens address in the default browser, which is looked up afresh on
  // every call.
  virtual TBrowserStart open(const QString &address) = 0;
};

// The real desktop.
std::shared_ptr<TBrowserLauncher> DesktopBrowserLauncher();

// The message when the browser cannot be started (there is only the one text).
QString BrowserStartErrorText();

// Opens address with the launcher's default browser; without a launcher
// nothing happens.
TBrowserStart StartBrowser(TBrowserLauncher *browser, const QString &address);

// The desktop file id of the default web browser ("firefox-esr.desktop");
// empty when the desktop has none.
QString DefaultBrowserId();
