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

}  // namespace

TSettingsPlace ChooseSettingsPlace(bool fileBesideProgram, bool programFolderWritable)
{
  return fileBesideProgram || programFolderWritable ? TSettingsPlace::ProgramFolder
                                                    : TSettingsPlace::UserConfigFolder;
}

QString UserConfigFolder()
{
  // The application name the program runs under is its title, which holds a
  // slash; the folder is named after the program alone.
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Brakka");
}

QString SettingsFolder(const QString &programFolder)
{
  const bool fileThere = QFileInfo(QDir(programFolder).filePath(QStringLiteral("Brakka.ini"))).isFile();
  if (ChooseSettingsPlace(fileThere, Writable(programFolder)) == TSettingsPlace::ProgramFolder)
    return programFolder;
  const QString folder = UserConfigFolder();
  QDir().mkpath(folder);
  return folder;
}

QString ReportFolder(const QString &programFolder)
{
  if (Writable(programFolder))
    return programFolder;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
