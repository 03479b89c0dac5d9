#pragma once
// A recording browser launcher for tests: a desktop with or without a
// browser for web pages, which records the addresses it is asked to open
// without starting anything.

#include "venues/browser.h"

#include <QStringList>
#include <functional>

class TFakeBrowser : public TBrowserLauncher {
public:
  // False: the desktop has no browser for web pages.
  bool hasBrowser = true;
  // When set, every start fails (is still recorded).
  bool failStart = false;
  // The addresses asked to open, in order.
  QStringList opened;
  // Runs inside each start, e.g. to look at the main window meanwhile.
  std::function<void(const QString &)> onOpen;

  TBrowserStart open(const QString &address) override
  {
    if (!hasBrowser)
      return TBrowserStart::NoBrowser;
    opened.append(address);
    if (onOpen)
      onOpen(address);
    return failStart ? TBrowserStart::Failed : TBrowserStart::Started;
  }
};
