#include "desktop/windowPlacement.h"

#include <QGuiApplication>
#include <QLibrary>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

void CentreOnScreen(QWidget *window)
{
  QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

Qt::WindowFlags FixedDialogFlags(bool closeButton, bool onTop)
{
  Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint;
  if (closeButton)
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (onTop)
    flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

void KeepFrameButtonless(QWidget *window)
{
  auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11 || !x11->connection() ||
      !window->windowHandle())
    return;
  // The X connection's library is loaded with the platform; its functions
  // are looked up rather than linked, so that nothing else loads it.
  using TIntern = xcb_intern_atom_cookie_t (*)(xcb_connection_t *, uint8_t, uint16_t, const char *);
  using TReply = xcb_intern_atom_reply_t *(*)(xcb_connection_t *, xcb_intern_atom_cookie_t,
                                               xcb_generic_error_t **);
  using TChange = xcb_void_cookie_t (*)(xcb_connection_t *, uint8_t, xcb_window_t, xcb_atom_t,
                                        xcb_atom_t, uint8_t, uint32_t, const void *);
  using TFlush = int (*)(xcb_connection_t *);
  QLibrary xcb(QStringLiteral("xcb"), 1);
  const auto intern = reinterpret_cast<TIntern>(xcb.resolve("xcb_intern_atom"));
  const auto reply = reinterpret_cast<TReply>(xcb.resolve("xcb_intern_atom_reply"));
  const auto change = reinterpret_cast<TChange>(xcb.resolve("xcb_change_property"));
  const auto flush = reinterpret_cast<TFlush>(xcb.resolve("xcb_flush"));
  if (!intern || !reply || !change || !flush)
    return;
  xcb_connection_t *connection = x11->connection();
  static const char name[] = "_MOTIF_WM_HINTS";
  xcb_intern_atom_reply_t *atom =
      reply(connection, intern(connection, 0, sizeof name - 1, name), nullptr);
  if (!atom)
    return;
  // Functions and decorations given: moving only; a border and a title.
  const uint32_t hints[5] = {1 | 2, 4, 2 | 8, 0, 0};
  change(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom->atom, atom->atom,
         32, 5, hints);
  std::free(atom);
  flush(connection);
}
