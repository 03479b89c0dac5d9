#include "knockout/sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>
#include <QtEndian>
#include <cstring>

namespace {

quint32 le32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char *p) { return qFromLittleEndian<quint16>(p); }

QString notWave(const QString &path, const char *why)
{
  return QStringLiteral("The sound file \"%1\" cannot be played: %2.")
      .arg(QDir::toNativeSeparators(path), QLatin1String(why));
}

// Plays WAV files through Qt Multimedia's sound effect, which needs no media
// back-end and, without an output device, stays silent instead of failing.
class TQtSoundOutput : public TSoundOutput {
public:
  int deviceCount() const override { return int(QMediaDevices::audioOutputs().size()); }

  bool open(const QString &path, QString *error) override
  {
    close();
    const QString problem = CheckWaveFile(path);
    if (!problem.isEmpty()) {
      if (error)
        *error = problem;
      return false;
    }
    Effect = std::make_unique<QSoundEffect>();
    Effect->setSource(QUrl::fromLocalFile(path));
    return true;
  }

  void play() override
  {
    if (Effect)
      Effect->play();
  }

  void stop() override
  {
    if (Effect)
      Effect->stop();
  }

  void close() override { Effect.reset(); }

private:
  std::unique_ptr<QSoundEffect> Effect;
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

std::shared_ptr<TSoundOutput> DesktopSoundOutput() { return std::make_shared<TQtSoundOutput>(); }
