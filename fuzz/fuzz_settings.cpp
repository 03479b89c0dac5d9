// Brakka.ini from arbitrary bytes: the profile-file reader and editor keep
// their promises, and a main window that reads the file shows a consistent
// grid that survives a save and a restart unchanged.

#include "fuzzWindow.h"

#include "settings/profileFile.h"
#include "support/randomPlay.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

// Sections and keys the program reads, and one it never writes.
const char *const Sections[] = {"PREFERENCES", "GROUP A", "group h", "FINAL 8", "FINAL", "Other"};
const char *const Keys[] = {"Language", "FirstTime", "TimeZone", "Game1", "game6", "Game1Apk", "Key"};

struct TReading {
  QString section, key, value;
};

std::vector<TReading> ReadEverything(const TProfileFile &ini)
{
  std::vector<TReading> all;
  for (const char *s : Sections) {
    for (const char *k : Keys) {
      const QString value = ini.readString(QLatin1String(s), QLatin1String(k), QStringLiteral("\x01"));
      if (value.size() > TProfileFile::ValueBufferSize - 1)
        FuzzFailure("value longer than the reader's buffer", QLatin1String(s) + QLatin1Char('/') + QLatin1String(k));
      all.push_back({QLatin1String(s), QLatin1String(k), value});
    }
  }
  return all;
}

// Every reading but those of one section is the same in both lists.
void CompareReadings(const std::vector<TReading> &before, const std::vector<TReading> &after,
                     const QString &changedSection, const char *what)
{
  for (size_t i = 0; i < before.size(); ++i) {
    if (before[i].section.compare(changedSection, Qt::CaseInsensitive) == 0)
      continue;
    if (before[i].value != after[i].value)
      FuzzFailure(what, QStringLiteral("[%1] %2: \"%3\" became \"%4\"")
                            .arg(before[i].section, before[i].key, before[i].value, after[i].value));
  }
}

void CheckProfileFile(const QByteArray &bytes)
{
  TProfileFile ini;
  if (!ini.setContent(bytes))
    return;
  const std::vector<TReading> original = ReadEverything(ini);

  // The text it would write reads back the same, and is written back as it is.
  const QByteArray text = ini.content();
  TProfileFile reread(text);
  CompareReadings(original, ReadEverything(reread), QString(), "saved text reads differently");
  if (reread.content() != text)
    FuzzFailure("saved text changes on a second save", QString::fromLatin1(text.left(200)));

  // Writing one key changes that key only.
  const QString group = QStringLiteral("Group A");
  ini.writeString(group, QStringLiteral("GAME1"), QStringLiteral("2-1"));
  if (ini.readString(QStringLiteral("GROUP A"), QStringLiteral("Game1"), QString()) != QStringLiteral("2-1"))
    FuzzFailure("written key does not read back", QString::fromLatin1(bytes.left(200)));
  CompareReadings(original, ReadEverything(ini), group, "writing a key changed another section");

  // Erasing the section removes it and leaves the others alone.
  ini.eraseSection(group);
  if (ini.readString(group, QStringLiteral("Game1"), QStringLiteral("none")) != QStringLiteral("none"))
    FuzzFailure("erased section still reads", QString::fromLatin1(bytes.left(200)));
  const std::vector<TReading> erased = ReadEverything(ini);
  CompareReadings(original, erased, group, "erasing a section changed another section");
  CompareReadings(erased, ReadEverything(TProfileFile(ini.content())), QString(),
                  "edited text reads differently once saved");
}

TFuzzWindow *Window = nullptr;

void CheckMainWindow(const QByteArray &bytes)
{
  // The window is reused: emptied, then it reads the file as a new process.
  Window->clearScores();
  Window->backToEnglish();
  RestoreStartingValues();
  Window->writeIni(bytes);
  Window->form->ReadAll();
  Window->form->ApplyLanguage();
  CheckGrid(*Window->form, false, "after reading the settings file");

  const QStringList shown = controlSnapshot(*Window->form);
  if (qEnvironmentVariableIsSet("BRAKKA_FUZZ_FRESH_WINDOW")) {
    // Proof that reusing the window is sound: a new one shows the same.
    CompareSnapshots(shown, controlSnapshot(*Window->openAnother()), "reused window differs from a new one");
  }

  if (!Window->form->SaveAll())
    FuzzFailure("save failed", Window->iniPath());
  const auto restarted = Window->openAnother();
  CheckGrid(*restarted, false, "after a save and a restart");
  CompareSnapshots(shown, controlSnapshot(*restarted), "save and restart changed the grid");
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
  const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  CheckProfileFile(bytes);
  CheckMainWindow(bytes);
  return 0;
}
