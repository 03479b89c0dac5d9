#pragma once
// The user's regional date and time formats.

#include <memory>

class TRegionalFormats {
public:
  virtual ~TRegionalFormats() = default;
};

std::shared_ptr<TRegionalFormats> DesktopRegionalFormats();
