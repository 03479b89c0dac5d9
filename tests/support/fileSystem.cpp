#include "support/fileSystem.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

TSmallDisk::TSmallDisk()
{
  if (!Dir.isValid()) {
    Why = QStringLiteral("no temporary folder");
    return;
  }
  if (geteuid() != 0) {
    Why = QStringLiteral("mounting a small disk needs root");
    return;
  }
  const QByteArray where = QFile::encodeName(Dir.path());
  if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=16k,mode=0777") != 0) {
    Why = QStringLiteral("tmpfs cannot be mounted here: ") + QString::fromLocal8Bit(std::strerror(errno));
    return;
  }
  Mounted = true;
}

TSmallDisk::~TSmallDisk()
{
  if (Mounted)
    ::umount2(QFile::encodeName(Dir.path()).constData(), MNT_DETACH);
}

void TSmallDisk::fill()
{
  const QByteArray filler = QFile::encodeName(Dir.path() + QStringLiteral("/filler"));
  const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (fd < 0)
    return;
  // Big blocks first, then single bytes, until the disk takes no more.
  static const char block[4096] = {};
  for (size_t size : {sizeof block, size_t(1)})
    while (::write(fd, block, size) > 0) {
    }
  ::close(fd);
}

namespace {
const uid_t Nobody = 65534;
}

TAsUser::TAsUser()
{
  if (geteuid() != 0)
    return;
  // The real ids change too, since permission checks such as access() go by
  // them; root stays the saved id, so that the process can return to it. The
  // group first: once the user is nobody, it may not change groups.
  Ok = ::setresgid(Nobody, Nobody, 0) == 0 && ::setresuid(Nobody, Nobody, 0) == 0;
  Switched = true;
}

TAsUser::~TAsUser()
{
  if (!Switched)
    return;
  if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0)
    qFatal("cannot return to root");
}

QString TConditions::make(bool smallDisk, bool asUser)
{
  if (smallDisk) {
    Disk.emplace();
    if (!Disk->mounted())
      return Disk->why();
  }
  if (asUser) {
    User.emplace();
    if (!User->ok())
      return QStringLiteral("cannot act as a user who is not root");
  }
  return QString();
}

void TConditions::fillDisk()
{
  if (Disk)
    Disk->fill();
}
