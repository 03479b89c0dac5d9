#include "core/settings/recoveryFile.h"

#include "core/settings/profileFile.h"
#include "core/settings/wholeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Section = QStringLiteral("RECOVERY");
const QString SettingsKey = QStringLiteral("SettingsFile");

// The profile file holds one byte a character: the path goes in as UTF-8.
QString StoredPath(const QString &settingsFile)
{
  return QString::fromLatin1(settingsFile.toUtf8());
}

}  // namespace

QString RecoveryFolder()
{
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (!QDir::isAbsolutePath(state))
    state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/Brakka");
}

bool MakeStateFolder(const QString &folder)
{
  QDir().mkpath(QFileInfo(folder).absolutePath());
  const QByteArray native = QFile::encodeName(folder);
  if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
    return false;
  struct stat info {};
  if (::stat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
    return false;
  if (info.st_uid == ::geteuid() && (info.st_mode & 077) != 0)
    ::chmod(native.constData(), info.st_mode & 0700);
  return true;
}

QString StateFileKey(const QString &settingsFile)
{
  return QString::fromLatin1(
      QCryptographicHash::hash(settingsFile.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

QString RecoveryFilePath(const QString &settingsFile)
{
  return RecoveryFolder() + QStringLiteral("/recovery-") + StateFileKey(settingsFile) +
         QStringLiteral(".ini");
}

int RemoveForsakenRecoveryFiles(const QDateTime &now)
{
  constexpr qint64 KeptFor = 30LL * 24 * 60 * 60 * 1000;   // milliseconds
  const QFileInfoList files = QDir(RecoveryFolder())
                                  .entryInfoList({QStringLiteral("recovery-*.ini")}, QDir::Files);
  int removed = 0;
  for (const QFileInfo &file : files) {
    if (file.lastModified().msecsTo(now) <= KeptFor)
      continue;
    // Only a file that names its settings file can be known to be forsaken.
    TProfileFile ini;
    if (ini.load(file.filePath()) != TProfileFile::TLoadResult::Loaded)
      continue;
    const QString settingsFile =
        QString::fromUtf8(ini.readString(Section, SettingsKey, QString()).toLatin1());
    const QFileInfo settings(settingsFile);
    if (!settingsFile.isEmpty() && !settings.exists() && !settings.isSymLink() &&
        QFile::remove(file.filePath()))
      ++removed;
  }
  return removed;
}

QByteArray RecoveryFileText(const QString &settingsFile, const TResultTexts &texts)
{
  TProfileFile ini;
  ini.writeString(Section, SettingsKey, StoredPath(settingsFile));
  WriteResultTexts(ini, texts);
  return ini.content();
}

TRecovery ReadRecoveryFile(const QString &settingsFile)
{
  const QString path = RecoveryFilePath(settingsFile);
  if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
    return {};
  TProfileFile ini;
  TRecovery r;
  r.state = TRecovery::TState::Damaged;
  if (ini.load(path) != TProfileFile::TLoadResult::Loaded ||
      ini.readString(Section, SettingsKey, QString()) != StoredPath(settingsFile) ||
      !HasResultSections(ini))
    return r;
  r.state = TRecovery::TState::Found;
  r.texts = ReadResultTexts(ini);
  return r;
}

TRecoveryWriter::TRecoveryWriter(const QString &settingsFile,
                                 std::function<void(const QString &)> failed)
    : SettingsFile(settingsFile), Folder(RecoveryFolder()), Path(RecoveryFilePath(settingsFile)),
      Failed(std::move(failed)), Worker([this] { run(); })
{
}

TRecoveryWriter::~TRecoveryWriter()
{
  {
    const std::lock_guard<std::mutex> hold(Lock);
    Stopping = true;
  }
  Wake.notify_all();
  Worker.join();
}

void TRecoveryWriter::write(const TResultTexts &texts)
{
  {
    const std::lock_guard<std::mutex> hold(Lock);
    Waiting.emplace(texts);
  }
  Wake.notify_all();
}

void TRecoveryWriter::remove()
{
  {
    const std::lock_guard<std::mutex> hold(Lock);
    Waiting.emplace(std::nullopt);
  }
  Wake.notify_all();
}

void TRecoveryWriter::finish()
{
  std::unique_lock<std::mutex> hold(Lock);
  Wake.wait(hold, [this] { return !Waiting && !Busy; });
}

void TRecoveryWriter::run()
{
  std::unique_lock<std::mutex> hold(Lock);
  for (;;) {
    Wake.wait(hold, [this] { return Waiting || Stopping; });
    if (!Waiting)
      return;   // stopping, with nothing left to do
    const std::optional<TResultTexts> request = std::move(*Waiting);
    Waiting.reset();
    Busy = true;
    hold.unlock();
    // The one thread that touches the file: a removal can never be undone by
    // a write still under way.
    if (request) {
      MakeStateFolder(Folder);
      QString error;
      if (!WriteWholeFile(Path, RecoveryFileText(SettingsFile, *request), &error, StateFilePermissions) &&
          Failed)
        Failed(Path + QStringLiteral(": ") + error);
    } else {
      QFile::remove(Path);
    }
    hold.lock();
    Busy = false;
    Wake.notify_all();
  }
}
