#include "app/windowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
