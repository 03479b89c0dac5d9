#include "settings/settingsPlace.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool Writable(const QString &folder)
{
  const QFileInfo info(folder);
  return info.isDir() && info.isWritable();
}

// The folder with symbolic links resolved (/bin and /usr/bin are one folder
// on a merged system); a folder that does not exist, as written.
QString Resolved(const QString &folder)
{
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

}  // namespace

TSettingsPlace ChooseSettingsPlace(bool fileBesideProgram, bool programFolderWritable)
{
  return fileBesideProgram || programFolderWritable ? TSettingsPlace::ProgramFolder
                                                    : TSettingsPlace::UserConfigFolder;
}

QStringList InstalledProgramFolders()
{
  QStringList folders;
#ifdef BRAKKA_INSTALL_BIN_DIR
  folders.append(QStringLiteral(BRAKKA_INSTALL_BIN_DIR));
#endif
#ifdef BRAKKA_PACKAGE_BIN_DIR
  folders.append(QStringLiteral(BRAKKA_PACKAGE_BIN_DIR));
#endif
  return folders;
}

bool IsInstalledProgramFolder(const QString &programFolder, const QStringList &installedFolders)
{
  const QString program = Resolved(programFolder);
  for (const QString &folder : installedFolders)
    if (Resolved(folder) == program)
      return true;
  return false;
}

QString UserConfigFolder()
{
  // The application name the program runs under is its title, which holds a
  // slash; the folder is named after the program alone.
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Brakka");
}

QString SettingsFolder(const QString &programFolder, const QStringList &installedFolders)
{
  const bool fileThere = QFileInfo(QDir(programFolder).filePath(QStringLiteral("Brakka.ini"))).isFile();
  if (!IsInstalledProgramFolder(programFolder, installedFolders) &&
      ChooseSettingsPlace(fileThere, Writable(programFolder)) == TSettingsPlace::ProgramFolder)
    return programFolder;
  const QString folder = UserConfigFolder();
  QDir().mkpath(folder);
  return folder;
}

QString ReportFolder(const QString &programFolder, const QStringList &installedFolders)
{
  if (!IsInstalledProgramFolder(programFolder, installedFolders) && Writable(programFolder))
    return programFolder;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
