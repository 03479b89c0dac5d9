#pragma once
// File-system conditions a user's machine can be in, made real for tests:
// a disk that is full, and a user who is not root.

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <optional>

// A file system of 16 KiB of its own, mounted on a new temporary folder and
// unmounted when the object goes. Mounting needs root; where it cannot be
// done, mounted() is false and why() says why.
class TSmallDisk {
public:
  TSmallDisk();
  ~TSmallDisk();
  TSmallDisk(const TSmallDisk &) = delete;
  TSmallDisk &operator=(const TSmallDisk &) = delete;

  bool mounted() const { return Mounted; }
  QString why() const { return Why; }
  QString path() const { return Dir.path(); }
  // Fills the disk to its last byte with a file named "filler" in it.
  void fill();

private:
  QTemporaryDir Dir;
  bool Mounted = false;
  QString Why;
};

// While it lives, a process running as root acts as the unprivileged user
// "nobody" (user and group 65534), so that permissions stop it; any other
// process is left as it is, since permissions already stop it. Files made
// meanwhile belong to that user.
class TAsUser {
public:
  TAsUser();
  ~TAsUser();
  TAsUser(const TAsUser &) = delete;
  TAsUser &operator=(const TAsUser &) = delete;

  // False when root could not become nobody.
  bool ok() const { return Ok; }

private:
  bool Switched = false;
  bool Ok = true;
};

// The conditions a test row asks for: a small disk to write on, acting as a
// user who is not root, or both. The user goes back to root first.
class TConditions {
public:
  // Makes them; an empty text, or why they cannot be made here.
  QString make(bool smallDisk, bool asUser);
  bool hasDisk() const { return Disk.has_value(); }
  // The small disk's folder, or otherFolder without one.
  QString folder(const QString &otherFolder) const { return Disk ? Disk->path() : otherFolder; }
  void fillDisk();

private:
  std::optional<TSmallDisk> Disk;
  std::optional<TAsUser> User;
};
