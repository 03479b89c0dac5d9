#pragma once
// A recording sound output for tests.

#include "knockout/sound.h"

class TFakeSound : public TSoundOutput {
};
