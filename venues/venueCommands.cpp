// The venue viewer and the web links of the menu.

#include "venues/venueCommands.h"

#include "desktop/platform.h"
#include "venues/brakkaStadium.h"
#include "venues/browser.h"
#include "venues/webLinks.h"

#include <QApplication>

namespace {

// The hourglass on a window while the browser starts; the window's own
// cursor comes back when this ends, whatever happened meanwhile.
class TWaitCursor {
public:
  explicit TWaitCursor(QWidget *window)
      : Window(window), HadCursor(window->testAttribute(Qt::WA_SetCursor)), Previous(window->cursor())
  {
    Window->setCursor(Qt::WaitCursor);
  }
  ~TWaitCursor()
  {
    if (HadCursor)
      Window->setCursor(Previous);
    else
      Window->unsetCursor();
  }
  TWaitCursor(const TWaitCursor &) = delete;
  TWaitCursor &operator=(const TWaitCursor &) = delete;

private:
  QWidget *Window;
  bool HadCursor;
  QCursor Previous;
};

// A browser that could not be started is reported in a message box above
// whichever window is in front (the venue viewer is kept on top).
void ReportBrowserStart(QWidget *window, TDialogs &dialogs, TBrowserStart result)
{
  if (result != TBrowserStart::Failed)
    return;
  QWidget *front = QApplication::activeModalWidget();
  dialogs.message(front ? front : window, TMsgIcon::Error, BrowserStartErrorText(), QMessageBox::Ok);
}

}  // namespace

void ShowVenueViewer(QWidget *parent, int code, int language, TDialogs &dialogs,
                     TBrowserLauncher *browser)
{
  auto *viewer = new TStadiumForm(
      parent, [parent, &dialogs, browser](const QString &address) { OpenWebPage(parent, address, dialogs, browser); },
      language);
  viewer->ShowVenue(code);
  viewer->SetCaptions();
  dialogs.showModal(viewer);
  viewer->deleteLater();
}

void OpenWebLink(QWidget *window, int code, TDialogs &dialogs, TBrowserLauncher *browser)
{
  const QString address = WebLinkAddress(code);
  if (address.isEmpty())
    return;
  TBrowserStart result;
  {
    TWaitCursor hourglass(window);
    result = StartBrowser(browser, address);
  }
  ReportBrowserStart(window, dialogs, result);
}

void OpenWebPage(QWidget *window, const QString &address, TDialogs &dialogs, TBrowserLauncher *browser)
{
  ReportBrowserStart(window, dialogs, StartBrowser(browser, address));
}
