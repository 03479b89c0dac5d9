#include "schedule/regional.h"

std::shared_ptr<TRegionalFormats> DesktopRegionalFormats() { return std::make_shared<TRegionalFormats>(); }
