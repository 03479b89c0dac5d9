#pragma once
// The print dialog, the save dialog and the printer of the report.

#include <memory>

class TPrinting {
public:
  virtual ~TPrinting() = default;
};

std::shared_ptr<TPrinting> DesktopPrinting();
