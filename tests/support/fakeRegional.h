#pragma once
// Fixed regional formats for tests.

#include "schedule/regional.h"

class TFakeRegional : public TRegionalFormats {
};
