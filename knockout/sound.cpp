#include "knockout/sound.h"

std::shared_ptr<TSoundOutput> DesktopSoundOutput() { return std::make_shared<TSoundOutput>(); }
