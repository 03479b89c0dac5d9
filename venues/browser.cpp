// GLib's headers name members `signals`, which Qt defines as a macro: they
// come first.
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include "venues/browser.h"

#include <QByteArray>
#include <QLibrary>
#include <optional>
#include <type_traits>

namespace {

// GIO is loaded when a browser is first looked for, not with the program:
// loading it and the libraries it needs would lengthen every start-up for a
// link most sessions never follow. Only these functions are used; none is
// called directly, so the program is not linked against GIO.
struct TGio {
  decltype(&g_app_info_get_default_for_type) defaultForType = nullptr;
  decltype(&g_app_info_get_commandline) commandLine = nullptr;
  decltype(&g_app_info_get_id) id = nullptr;
  decltype(&g_app_info_launch_uris) launchUris = nullptr;
  decltype(&g_desktop_app_info_get_type) desktopAppInfoType = nullptr;
  decltype(&g_desktop_app_info_get_is_hidden) isHidden = nullptr;
  decltype(&g_type_check_instance_is_a) isA = nullptr;
  decltype(&g_object_unref) unref = nullptr;
  decltype(&g_error_free) errorFree = nullptr;
};

// GIO, or nothing when it cannot be loaded.
const TGio *Gio()
{
  static const std::optional<TGio> gio = []() -> std::optional<TGio> {
    QLibrary library(QStringLiteral("gio-2.0"), 0);
    if (!library.load())
      return std::nullopt;
    TGio g;
    bool complete = true;
    auto bind = [&](auto &function, const char *name) {
      function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
          library.resolve(name));
      complete = complete && function;
    };
    bind(g.defaultForType, "g_app_info_get_default_for_type");
    bind(g.commandLine, "g_app_info_get_commandline");
    bind(g.id, "g_app_info_get_id");
    bind(g.launchUris, "g_app_info_launch_uris");
    bind(g.desktopAppInfoType, "g_desktop_app_info_get_type");
    bind(g.isHidden, "g_desktop_app_info_get_is_hidden");
    bind(g.isA, "g_type_check_instance_is_a");
    bind(g.unref, "g_object_unref");
    bind(g.errorFree, "g_error_free");
    if (!complete)
      return std::nullopt;
    return g;
  }();
  return gio ? &*gio : nullptr;
}

// The MIME types whose association names the web browser, in the order asked.
const char *const WebPageTypes[] = {"text/html", "x-scheme-handler/http"};

struct TUnref {
  void operator()(gpointer object) const { Gio()->unref(object); }
};
using TAppInfo = std::unique_ptr<GAppInfo, TUnref>;

// An entry marked hidden, or one without a command, is as good as none.
bool Usable(const TGio &gio, GAppInfo *app)
{
  if (gio.isA(reinterpret_cast<GTypeInstance *>(app), gio.desktopAppInfoType()) &&
      gio.isHidden(reinterpret_cast<GDesktopAppInfo *>(app)))
    return false;
  const char *command = gio.commandLine(app);
  return command && *command;
}

TAppInfo DefaultBrowser(const TGio &gio)
{
  for (const char *type : WebPageTypes) {
    TAppInfo app(gio.defaultForType(type, FALSE));
    if (app && Usable(gio, app.get()))
      return app;
  }
  return nullptr;
}

class TDesktopBrowserLauncher : public TBrowserLauncher {
public:
  TBrowserStart open(const QString &address) override
  {
    // Without GIO no browser can be named or started: that is said.
    const TGio *gio = Gio();
    if (!gio)
      return TBrowserStart::Failed;
    const TAppInfo app = DefaultBrowser(*gio);
    if (!app)
      return TBrowserStart::NoBrowser;
    QByteArray uri = address.toUtf8();
    GList uris{uri.data(), nullptr, nullptr};
    GError *error = nullptr;
    const bool started = gio->launchUris(app.get(), &uris, nullptr, &error);
    if (error)
      gio->errorFree(error);
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
  const TGio *gio = Gio();
  if (!gio)
    return QString();
  const TAppInfo app = DefaultBrowser(*gio);
  const char *id = app ? gio->id(app.get()) : nullptr;
  return id ? QString::fromUtf8(id) : QString();
}
