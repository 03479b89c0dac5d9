#pragma once
// Starting the desktop's default web browser.

#include <memory>

class TBrowserLauncher {
public:
  virtual ~TBrowserLauncher() = default;
};

std::shared_ptr<TBrowserLauncher> DesktopBrowserLauncher();
