#include "core/settings/settingsGuard.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

QByteArray TSettingsGuard::Fingerprint(const QByteArray &bytes)
{
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

void TSettingsGuard::noteRead(const QString &path)
{
  QFile file(path);
  Noted = true;
  Existed = file.open(QIODevice::ReadOnly);
  Hash = Existed ? Fingerprint(file.readAll()) : QByteArray();
}

void TSettingsGuard::noteWritten(const QByteArray &bytes)
{
  Noted = true;
  Existed = true;
  Hash = Fingerprint(bytes);
}

bool TSettingsGuard::changedOnDisk(const QString &path) const
{
  QFile file(path);
  if (!Noted || !file.open(QIODevice::ReadOnly))
    return false;
  return !Existed || Fingerprint(file.readAll()) != Hash;
}
