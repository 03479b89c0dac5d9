#pragma once
// Where Brakka keeps its settings file Brakka.ini.
//
// Installed (the program in the bin folder of the prefix it was built for,
// or of the Debian package), Brakka keeps the file in the user's own
// configuration folder, ~/.config/Brakka, for every user, root included: a
// folder of the installation is shared by everyone and belongs to the
// package. Run from its build folder or from an unpacked folder, it keeps
// the file beside itself: when the file is already there, or when that
// folder may be written to; otherwise in the user's configuration folder.

#include <QString>
#include <QStringList>

enum class TSettingsPlace { ProgramFolder, UserConfigFolder };

// The rule on its own, for a program that is not installed.
TSettingsPlace ChooseSettingsPlace(bool fileBesideProgram, bool programFolderWritable);

// The bin folders of an installed Brakka: the install prefix's and the
// Debian package's.
QStringList InstalledProgramFolders();

// Whether programFolder is one of installedFolders, symbolic links resolved.
bool IsInstalledProgramFolder(const QString &programFolder,
                              const QStringList &installedFolders = InstalledProgramFolders());

// The user's configuration folder for Brakka ($XDG_CONFIG_HOME/Brakka).
QString UserConfigFolder();

// The folder of Brakka.ini for a program that lies in programFolder. When
// that is the user's configuration folder, it is created, so that saving
// can write there.
QString SettingsFolder(const QString &programFolder,
                       const QStringList &installedFolders = InstalledProgramFolders());

// The folder the report's save dialog starts in: the program's folder when
// the program is not installed and its folder may be written to, else the
// user's documents folder.
QString ReportFolder(const QString &programFolder,
                     const QStringList &installedFolders = InstalledProgramFolders());
