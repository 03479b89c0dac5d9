// Brakka.ini from arbitrary bytes: a main window that reads the file shows a
// consistent grid that survives a save and a restart unchanged. The reader
// and editor alone are fuzz_profile's.

#include "fuzzWindow.h"

#include "support/randomPlay.h"

#include <QByteArray>
#include <cstdint>

namespace {

TFuzzWindow *Window = nullptr;

void CheckMainWindow(const QByteArray &bytes)
{
  // The window is reused: emptied, then it reads the file as a new process.
  Window->readAgain(*Window->form, bytes);
  CheckGrid(*Window->form, false, "after reading the settings file");

  const QStringList shown = controlSnapshot(*Window->form);
  if (qEnvironmentVariableIsSet("BRAKKA_FUZZ_FRESH_WINDOW")) {
    // Proof that reusing the window is sound: a new one shows the same.
    CompareSnapshots(shown, controlSnapshot(*Window->openAnother()), "reused window differs from a new one");
  }

  if (!SaveForm(*Window->form))
    FuzzFailure("save failed", Window->iniPath());
  const TMainForm &restarted = Window->restarted();
  CheckGrid(restarted, false, "after a save and a restart");
  CompareSnapshots(shown, controlSnapshot(restarted), "save and restart changed the grid");
  Window->forgetDialogs();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
  StartFuzzApplication();
  Window = new TFuzzWindow;
  Window->form = std::make_unique<TMainForm>(Window->dir.path(), Window->fake.platform());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  CheckMainWindow(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
  return 0;
}
