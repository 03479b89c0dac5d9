#include "venues/browser.h"

std::shared_ptr<TBrowserLauncher> DesktopBrowserLauncher() { return std::make_shared<TBrowserLauncher>(); }
