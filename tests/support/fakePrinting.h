#pragma once
// A scripted print dialog, save dialog and printer for tests.

#include "report/printing.h"

class TFakePrinting : public TPrinting {
};
