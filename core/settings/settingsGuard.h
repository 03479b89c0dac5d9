#pragma once
// What Brakka.ini held when Brakka last read or wrote it, so that a save can
// tell whether another program changed the file since. Compared by content:
// a file written again with the same bytes is no change, and a change keeps
// no time stamp from being the same.

#include <QByteArray>
#include <QString>

class TSettingsGuard {
public:
  // Before reading the file at path: what it holds now (or that it is missing).
  void noteRead(const QString &path);
  // After writing bytes to the file.
  void noteWritten(const QByteArray &bytes);
  // Whether the file at path now holds other bytes than those noted. A file
  // that is gone has nothing to lose, and one that cannot be read is not
  // replaced by a save anyway: neither counts as changed.
  bool changedOnDisk(const QString &path) const;

private:
  static QByteArray Fingerprint(const QByteArray &bytes);
  bool Noted = false;
  bool Existed = false;
  QByteArray Hash;
};
