#pragma once
// Sound output for the celebration window.

#include <memory>

class TSoundOutput {
public:
  virtual ~TSoundOutput() = default;
};

// The desktop's sound output.
std::shared_ptr<TSoundOutput> DesktopSoundOutput();
