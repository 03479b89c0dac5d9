#include "knockout/sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>
#include <QtEndian>
#include <cstring>

namespace {

quint32 le32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char *p) { return qFromLittleEndian<quint16>(p); }

QString notWave(const QString &path, const QString &why)
{
  return QStringLiteral("The sound file \"%1\" cannot be played: %2.")
      .arg(QDir::toNativeSeparators(path), why);
}

QString notWave(const QString &path, const char *why) { return notWave(path, QLatin1String(why)); }

// The sound module, loaded from the first of its folders that holds it when
// a sound is first wanted. A module that cannot be loaded leaves no device
// unknown: the celebration asks to open its file and is told why it cannot.
class TModuleSoundOutput : public TSoundOutput {
public:
  explicit TModuleSoundOutput(QStringList folders) : Folders(std::move(folders)) {}

  int deviceCount() const override
  {
    const TSoundOutput *module = loaded();
    return module ? module->deviceCount() : 1;
  }

  bool open(const QString &path, QString *error) override
  {
    close();
    QString problem = CheckWaveFile(path);
    TSoundOutput *module = problem.isEmpty() ? loaded() : nullptr;
    if (problem.isEmpty() && !module)
      problem = notWave(path, LoadError);
    if (!problem.isEmpty()) {
      if (error)
        *error = problem;
      return false;
    }
    return module->open(path, error);
  }

  void play() override
  {
    if (Module)
      Module->play();
  }

  void stop() override
  {
    if (Module)
      Module->stop();
  }

  void close() override
  {
    if (Module)
      Module->close();
  }

private:
  TSoundOutput *loaded() const
  {
    if (Module || Tried)
      return Module.get();
    Tried = true;
    QStringList reasons;
    for (const QString &folder : Folders) {
      QLibrary library(QDir(folder).filePath(QStringLiteral(BRAKKA_SOUND_MODULE)));
      if (!QFileInfo::exists(library.fileName()))
        continue;
      using TMake = TSoundOutput *(*)();
      const auto make = reinterpret_cast<TMake>(library.resolve("BrakkaMakeSoundOutput"));
      if (make) {
        Module.reset(make());
        return Module.get();
      }
      reasons.append(library.errorString());
    }
    LoadError = reasons.isEmpty()
                    ? QStringLiteral("the sound module %1 is missing")
                          .arg(QLatin1String(BRAKKA_SOUND_MODULE))
                    : reasons.join(QStringLiteral("; "));
    return nullptr;
  }

  QStringList Folders;
  mutable bool Tried = false;
  mutable std::unique_ptr<TSoundOutput> Module;
  mutable QString LoadError;
};

}  // namespace

QString CheckWaveFile(const QString &path)
{
  if (QFileInfo(path).isDir())
    return notWave(path, "it is a folder");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return QStringLiteral("The sound file \"%1\" cannot be opened: %2.")
        .arg(QDir::toNativeSeparators(path), file.errorString());

  char riff[12];
  if (file.read(riff, 12) != 12 || memcmp(riff, "RIFF", 4) != 0 || memcmp(riff + 8, "WAVE", 4) != 0)
    return notWave(path, "it is not a wave file");

  // Walk the chunks: a format chunk with PCM or floating-point samples,
  // then a data chunk.
  bool haveFormat = false;
  for (;;) {
    char header[8];
    if (file.read(header, 8) != 8)
      return notWave(path, haveFormat ? "it holds no sound" : "it has no format");
    const quint32 size = le32(header + 4);
    if (memcmp(header, "data", 4) == 0) {
      if (!haveFormat)
        return notWave(path, "it has no format");
      if (size == 0)
        return notWave(path, "it holds no sound");
      return QString();
    }
    if (memcmp(header, "fmt ", 4) == 0) {
      char fmt[16];
      if (size < 16 || file.read(fmt, 16) != 16)
        return notWave(path, "its format is damaged");
      const quint16 tag = le16(fmt);
      const quint16 channels = le16(fmt + 2);
      const quint32 rate = le32(fmt + 4);
      const quint16 bits = le16(fmt + 14);
      const bool pcm = tag == 1 || tag == 3 || tag == 0xFFFE;
      if (!pcm || channels == 0 || rate == 0 || bits == 0)
        return notWave(path, "its sound is not in a playable format");
      haveFormat = true;
      if (!file.seek(file.pos() + (size - 16) + (size & 1)))
        return notWave(path, "it holds no sound");
      continue;
    }
    // Any other chunk is skipped (chunks are padded to an even size).
    const qint64 next = file.pos() + qint64(size) + (size & 1);
    if (next > file.size())
      return notWave(path, haveFormat ? "it holds no sound" : "it has no format");
    file.seek(next);
  }
}

QStringList SoundFolders()
{
  // Beside the program, then in the data folder of the tree it is installed
  // in (wherever that tree was unpacked), then where it was built to go.
  const QString programDir = QCoreApplication::applicationDirPath();
  QStringList folders{programDir, QDir::cleanPath(programDir + QStringLiteral("/../share/brakka"))};
#ifdef BRAKKA_DATA_DIR
  if (!folders.contains(QStringLiteral(BRAKKA_DATA_DIR)))
    folders.append(QStringLiteral(BRAKKA_DATA_DIR));
#endif
  for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    const QString folder = data + QStringLiteral("/brakka");
    if (!folders.contains(folder))
      folders.append(folder);
  }
  return folders;
}

QString FindSoundFile(const QString &name, const QStringList &folders)
{
  for (const QString &folder : folders) {
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo(path).isFile())
      return path;
  }
  return folders.isEmpty() ? name : QDir(folders.first()).filePath(name);
}

QStringList SoundModuleFolders()
{
  const QString programDir = QCoreApplication::applicationDirPath();
  return {programDir, QDir::cleanPath(programDir + QStringLiteral("/" BRAKKA_SOUND_MODULE_DIR))};
}

std::shared_ptr<TSoundOutput> DesktopSoundOutput(const QStringList &moduleFolders)
{
  return std::make_shared<TModuleSoundOutput>(moduleFolders);
}
