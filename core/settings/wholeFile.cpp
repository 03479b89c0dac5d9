#include "core/settings/wholeFile.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *error,
                    QFileDevice::Permissions permissions)
{
  QSaveFile file(path);
  // Never written in place: a failure halfway would cut the old file.
  file.setDirectWriteFallback(false);
  const auto fail = [&file, error](const QString &reason) {
    if (error)
      *error = reason;
    file.cancelWriting();   // the new file beside the old one is removed
    return false;
  };

  if (!file.open(QIODevice::WriteOnly))
    return fail(file.errorString());
  // The new file beside the old one, before it holds anything.
  if (permissions && !file.setPermissions(permissions))
    return fail(file.errorString());
  if (file.write(bytes) != bytes.size())
    return fail(file.errorString());
  // The commit of a save file reports success even when its own last flush
  // failed (a full disk), so the flush is done and checked here, before it.
  if (!file.flush() || file.error() != QFileDevice::NoError)
    return fail(file.errorString());
  if (::fsync(file.handle()) != 0)
    return fail(QString::fromLocal8Bit(std::strerror(errno)));
  if (!file.commit()) {
    if (error)
      *error = file.errorString();
    return false;
  }
  return true;
}
