#pragma once
// A recording browser launcher for tests.

#include "venues/browser.h"

class TFakeBrowser : public TBrowserLauncher {
};
