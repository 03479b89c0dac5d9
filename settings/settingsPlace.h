#pragma once
// Where Brakka keeps its settings file Brakka.ini.
//
// Run from its build folder or from an unpacked folder, Brakka keeps the
// file beside itself: when the file is already there, or when that folder
// may be written to. Installed in a folder the user may not write to (say
// /usr/bin), it keeps the file in the user's configuration folder instead.

#include <QString>

enum class TSettingsPlace { ProgramFolder, UserConfigFolder };

// The rule on its own.
TSettingsPlace ChooseSettingsPlace(bool fileBesideProgram, bool programFolderWritable);

// The user's configuration folder for Brakka ($XDG_CONFIG_HOME/Brakka).
QString UserConfigFolder();

// The folder of Brakka.ini for a program that lies in programFolder. When
// that is the user's configuration folder, it is created, so that saving
// can write there.
QString SettingsFolder(const QString &programFolder);

// The folder the report's save dialog starts in: the program's folder when
// it may be written to, else the user's documents folder.
QString ReportFolder(const QString &programFolder);
