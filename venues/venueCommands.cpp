// The venue viewer and the web links of the menu.

#include "app/brakkaMain.h"

#include "venues/brakkaStadium.h"
#include "venues/browser.h"
#include "venues/webLinks.h"

#include <QAction>
#include <QApplication>

namespace {

int TagOf(const QAction *sender) { return sender ? sender->data().toInt() : 0; }

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
void ReportBrowserStart(TMainForm *form, TBrowserStart result)
{
  if (result != TBrowserStart::Failed)
    return;
  QWidget *front = QApplication::activeModalWidget();
  form->platform().dialogs->message(front ? front : form, TMsgIcon::Error, BrowserStartErrorText(),
                                    QMessageBox::Ok);
}

}  // namespace

void TMainForm::VenueFormSetup(QAction *sender)
{
  auto *viewer = new TStadiumForm(this, [this](const QString &address) { OpenWebPage(address); });
  viewer->ShowVenue(TagOf(sender));
  viewer->SetCaptions();
  Platform.dialogs->showModal(viewer);
  viewer->deleteLater();
}

void TMainForm::CountryWebLink(QAction *sender)
{
  const QString address = WebLinkAddress(TagOf(sender));
  if (address.isEmpty())
    return;
  TBrowserStart result;
  {
    TWaitCursor hourglass(this);
    result = StartBrowser(Platform.browser.get(), address);
  }
  ReportBrowserStart(this, result);
}

void TMainForm::OpenWebPage(const QString &address)
{
  ReportBrowserStart(this, StartBrowser(Platform.browser.get(), address));
}
