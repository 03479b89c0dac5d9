// Brakka.ini's reader and editor on arbitrary bytes, without a window: the
// quick target, which gets through millions of files in a long run.

#include "profileChecks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  CheckProfileFile(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
  return 0;
}
