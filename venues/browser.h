#pragma once
// Starting the desktop's default web browser on a page.
//
// The desktop tells which program opens web pages through the XDG
// association of text/html (else x-scheme-handler/http) and that program's
// desktop entry. Its Exec line becomes the open command: the first of the
// field codes %u, %U, %f, %F turns into the placeholder "%1", which marks
// where the page goes, exactly as in a classic ".htm" open command.
// The page's command line is that open command cut before the placeholder
// (a quoted "%1" with its quotes, else a bare %1), then one blank and the
// address, unquoted. It is split into words by the desktop-entry quoting
// rules and started detached, never through a shell.

#include <QString>
#include <QStringList>
#include <memory>

class TBrowserLauncher {
public:
  virtual ~TBrowserLauncher() = default;
  // The open command of web pages, "%1" standing for the page; empty when
  // the desktop has no usable association. Looked up afresh on every call.
  virtual QString openCommand() = 0;
  // Starts a command line detached; false when it cannot be started.
  virtual bool start(const QString &commandLine) = 0;
};

// The real desktop.
std::shared_ptr<TBrowserLauncher> DesktopBrowserLauncher();

// The message when the browser cannot be started (there is only the one text).
QString BrowserStartErrorText();

enum class TBrowserStart {
  Started,
  NoBrowser,   // no usable association: nothing happens, nothing is reported
  Failed       // the command could not be started: the caller reports it
};

// Opens address with the launcher's default browser.
TBrowserStart StartBrowser(TBrowserLauncher *browser, const QString &address);

// The rules, on plain texts.

// The open command cut just before its placeholder: "\"%1\"" if present,
// else "%1"; without a placeholder the whole command.
QString CutAtPlaceholder(const QString &openCommand);
// CutAtPlaceholder(openCommand) + " " + address.
QString BrowserCommandLine(const QString &openCommand, const QString &address);
// A desktop entry's Exec value as an open command: the first %u/%U/%f/%F
// becomes "%1", later ones and %i %c %k (and the deprecated codes) are
// dropped, "%%" is a literal "%".
QString OpenCommandFromExec(const QString &exec);
// Words of a command line: blanks separate them; double quotes group blanks
// into a word, and inside them a backslash escapes " ` $ and \. An unclosed
// quote runs to the end. Nothing else is special: no shell, no expansions.
QStringList SplitCommandLine(const QString &commandLine);

// The XDG look-up, step by step.

// The desktop file id ("firefox.desktop") associated with a MIME type:
// `xdg-mime query default` when it is installed and answers, else the
// mimeapps.list files (and the older defaults.list) in their XDG order.
// Empty when there is none.
QString DefaultDesktopEntry(const QString &mimeType);
// The desktop entry file of an id, searched in $XDG_DATA_HOME/applications
// and $XDG_DATA_DIRS/*/applications ("kde4-app.desktop" may lie in
// kde4/app.desktop). Empty when not installed.
QString FindDesktopFile(const QString &desktopId);
// The Exec value of a desktop entry file with the key-file escapes undone;
// empty when the file cannot be read, has none, or is marked Hidden.
QString DesktopEntryExec(const QString &path);
