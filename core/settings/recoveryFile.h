#pragma once
// The recovery file: the results typed since the last save, kept for each
// settings file in the user's state folder, so that a crash or a power cut
// loses nothing. It has the settings file's format: its result sections,
// after a section that names the settings file it belongs to.

#include "core/settings/resultTexts.h"

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// $XDG_STATE_HOME/Brakka (XDG_STATE_HOME counts only when it is an absolute
// path), else ~/.local/state/Brakka.
QString RecoveryFolder();
// Makes the state folder (what lies above it as any folder), readable by its
// user alone: a new one 0700, one the user owns with looser rights has them
// taken back to the user's own. False when it is not a folder that is there.
// The files in it (recovery files, locks) are the user's alone too: 0600.
bool MakeStateFolder(const QString &folder);
constexpr QFileDevice::Permissions StateFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;
// What names the files of a settings file in the state folder: its
// recovery file, and the lock of the start that has it open.
QString StateFileKey(const QString &settingsFile);
// The recovery file of a settings file, named after its full path.
QString RecoveryFilePath(const QString &settingsFile);
// Removes the recovery files older than 30 days whose settings file is gone;
// returns how many.
int RemoveForsakenRecoveryFiles(const QDateTime &now);

QByteArray RecoveryFileText(const QString &settingsFile, const TResultTexts &texts);

struct TRecovery {
  enum class TState { None, Damaged, Found } state = TState::None;
  TResultTexts texts;
};
// The recovery file of settingsFile: None when there is none, Damaged when it
// cannot be read, does not name settingsFile or lacks a result section.
TRecovery ReadRecoveryFile(const QString &settingsFile);

// Writes and removes the recovery file on a thread of its own, one request
// after the other; a request waiting to begin is replaced by a newer one.
class TRecoveryWriter {
public:
  // A write that fails calls failed, on the writer's thread, with the reason.
  TRecoveryWriter(const QString &settingsFile, std::function<void(const QString &)> failed);
  // Finishes the request under way and the one waiting.
  ~TRecoveryWriter();
  TRecoveryWriter(const TRecoveryWriter &) = delete;
  TRecoveryWriter &operator=(const TRecoveryWriter &) = delete;

  void write(const TResultTexts &texts);
  void remove();
  // Waits until every request made so far is done.
  void finish();

private:
  void run();

  const QString SettingsFile;
  const QString Folder;
  const QString Path;
  const std::function<void(const QString &)> Failed;
  std::mutex Lock;
  std::condition_variable Wake;
  // The request waiting: texts to write, or nullopt to remove the file.
  std::optional<std::optional<TResultTexts>> Waiting;
  bool Busy = false;
  bool Stopping = false;
  std::thread Worker;
};
