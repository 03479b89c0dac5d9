#pragma once
// A fuzz input read as a user's actions, byte by byte from the front.

#include <cstddef>
#include <cstdint>

class TFuzzInput {
public:
  TFuzzInput(const uint8_t *data, size_t size) : Data(data), Size(size) {}
  bool more() const { return Pos < Size; }
  // The next byte; zero once the input is used up.
  unsigned next() { return Pos < Size ? Data[Pos++] : 0u; }

private:
  const uint8_t *Data;
  size_t Size;
  size_t Pos = 0;
};
