#include "report/printing.h"

std::shared_ptr<TPrinting> DesktopPrinting() { return std::make_shared<TPrinting>(); }
