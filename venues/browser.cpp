// GLib's headers name members `signals`, which Qt defines as a macro: they
// come first.
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include "venues/browser.h"

#include <QByteArray>

namespace {

// The MIME types whose association names the web browser, in the order asked.
const char *const WebPageTypes[] = {"text/html", "x-scheme-handler/http"};

struct TUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
using TAppInfo = std::unique_ptr<GAppInfo, TUnref>;

// An entry marked hidden, or one without a command, is as good as none.
bool Usable(GAppInfo *app)
{
  if (G_IS_DESKTOP_APP_INFO(app) && g_desktop_app_info_get_is_hidden(G_DESKTOP_APP_INFO(app)))
    return false;
  const char *command = g_app_info_get_commandline(app);
  return command && *command;
}

TAppInfo DefaultBrowser()
{
  for (const char *type : WebPageTypes) {
    TAppInfo app(g_app_info_get_default_for_type(type, FALSE));
    if (app && Usable(app.get()))
      return app;
  }
  return nullptr;
}

class TDesktopBrowserLauncher : public TBrowserLauncher {
public:
  TBrowserStart open(const QString &address) override
  {
    const TAppInfo app = DefaultBrowser();
    if (!app)
      return TBrowserStart::NoBrowser;
    QByteArray uri = address.toUtf8();
    GList uris{uri.data(), nullptr, nullptr};
    GError *error = nullptr;
    const bool started = g_app_info_launch_uris(app.get(), &uris, nullptr, &error);
    if (error)
      g_error_free(error);
    return started ? TBrowserStart::Started : TBrowserStart::Failed;
  }
};

}  // namespace

std::shared_ptr<TBrowserLauncher> DesktopBrowserLauncher()
{
  return std::make_shared<TDesktopBrowserLauncher>();
}

QString BrowserStartErrorText()
{
  return QStringLiteral("Sorry, but I can't start your default browser!");
}

TBrowserStart StartBrowser(TBrowserLauncher *browser, const QString &address)
{
  return browser ? browser->open(address) : TBrowserStart::NoBrowser;
}

QString DefaultBrowserId()
{
  const TAppInfo app = DefaultBrowser();
  const char *id = app ? g_app_info_get_id(app.get()) : nullptr;
  return id ? QString::fromUtf8(id) : QString();
}
