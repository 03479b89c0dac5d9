#include "settings/recoveryFile.h"

#include "settings/profileFile.h"
#include "settings/wholeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QString RecoveryFilePath(const QString &settingsFile)
{
  const QByteArray key =
      QCryptographicHash::hash(settingsFile.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
  return RecoveryFolder() + QStringLiteral("/recovery-") + QString::fromLatin1(key) +
         QStringLiteral(".ini");
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
      QDir().mkpath(Folder);
      QString error;
      if (!WriteWholeFile(Path, RecoveryFileText(SettingsFile, *request), &error) && Failed)
        Failed(Path + QStringLiteral(": ") + error);
    } else {
      QFile::remove(Path);
    }
    hold.lock();
    Busy = false;
    Wake.notify_all();
  }
}
