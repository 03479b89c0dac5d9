#pragma once
// What every fuzz target shares, windows or not: how a broken promise stops
// the run, and the promises of the profile-file reader and editor.

#include <QByteArray>
#include <QString>

// Stops the run with a message; libFuzzer keeps the input that led here.
[[noreturn]] void FuzzFailure(const char *what, const QString &detail);

// Takes bytes as a settings file and checks the reader against its rules
// (every section and key named in the bytes, and those the program reads):
// blanks and outer quotes dropped, names without regard to case, the first
// copy of a section and of a key winning, values cut to the reader's buffer.
// Then: the text it would save reads back the same and saves unchanged;
// writing a key and erasing a section leave every other section alone.
void CheckProfileFile(const QByteArray &bytes);
