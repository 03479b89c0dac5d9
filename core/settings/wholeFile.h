#pragma once
// Replacing a file Brakka writes (the settings file, the report's text file)
// as a whole or not at all.

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Writes bytes to a new file beside path, checks every step (the byte count,
// the flush to the file, the sync to the disk) and only then puts the new
// file in the place of the old one. On any failure the old file is left as
// it was, nothing is left beside it, and error (when given) holds the
// system's reason. A symbolic link is written through: its target is
// replaced and the link stays. The file keeps the rights of the one it
// replaces, or gets the usual ones, unless permissions are given.
bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                    QFileDevice::Permissions permissions = {});
