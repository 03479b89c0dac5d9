#pragma once
// Brakka.ini's file syntax: [section] lines, each followed by key=value
// lines. Reading and editing follow the classic profile-file rules, so that a
// file written by the earlier Windows version of Brakka and one written here
// can be exchanged:
//  - section and key names match without regard to (ASCII) case;
//  - blanks (spaces, tabs) around a key name and its value are dropped, then
//    one matching pair of outer quotes ("..." or '...') is removed;
//  - a line whose first non-blank character is ';' is a comment; a ';'
//    elsewhere is ordinary text; a line without '=' is not a key; text after
//    ']' on a section line and lines before the first section are ignored;
//  - the first copy of a section and the first copy of a key in it win;
//  - a value is read into a 2048-character buffer, so it is cut to 2047;
//  - CRLF and LF line endings and a UTF-8 byte-order mark are accepted; in
//    a file (or the end of one) without LF, CR ends the lines.
// Editing keeps every line it does not change as it was (comments, other
// sections, their order); the whole text is written with CRLF line endings.
//
// The file is held as bytes: one byte is one character (Latin-1), so any
// byte of a file survives a load and a save unchanged.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class TProfileFile {
public:
  // The reader's buffer: values are cut to one character less.
  static constexpr int ValueBufferSize = 2048;
  // A settings file is a few kilobytes; a larger one than this is not read
  // (and not replaced), so that a damaged file cannot exhaust the memory.
  static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

  // Why a file that is there could not be read: larger than MaxFileSize,
  // no read permission, a folder, a symbolic link to nothing, links that
  // lead round in a loop, or anything else (not a regular file, a read error).
  enum class TLoadResult { Loaded, Missing, TooLarge, NoPermission, Folder, BrokenLink, LinkLoop,
                           Unreadable };
  // Loaded and Missing: the file holds (or would hold) what the object holds,
  // so it may be replaced by a save.
  static bool readable(TLoadResult result)
  {
    return result == TLoadResult::Loaded || result == TLoadResult::Missing;
  }

  TProfileFile() = default;
  explicit TProfileFile(const QByteArray &content) { setContent(content); }

  // Reads the file at path. A missing file is an empty file (Missing); a
  // file that is there but cannot be read leaves the object empty and gives
  // the reason.
  TLoadResult load(const QString &path);
  // The same for a path as the system's bytes, which need not be valid in
  // any encoding.
  TLoadResult loadNative(const QByteArray &path);
  // Takes the bytes of a file; false, leaving the object empty, when there
  // are more than MaxFileSize.
  bool setContent(const QByteArray &content);

  // The value of key in section, or def when the section or key is missing.
  QString readString(const QString &section, const QString &key, const QString &def) const;
  // The values of several keys of one section, each as readString reads it,
  // in one pass over the section; def for a missing key. The keys are given
  // as the file holds them, in Latin-1.
  std::vector<QString> readStrings(const QString &section, const std::vector<QByteArray> &keys,
                                   const QString &def) const;
  // The value read as a decimal integer (optional sign, digits, 32-bit
  // range); def when missing or not such an integer.
  int readInteger(const QString &section, const QString &key, int def) const;

  // Removes the header and key lines of every copy of the section; comment
  // and other lines stay where they are. A missing section is no error.
  void eraseSection(const QString &section);
  // Sets key=value in the first copy of the section: an existing key's line
  // is rewritten in place; a new key goes directly after the section's last
  // key line; a new section is appended at the end of the file. Line breaks
  // in the value become blanks, so that a value cannot split its line.
  void writeString(const QString &section, const QString &key, const QString &value);

  // The whole text as it would be written: CRLF after every line.
  QByteArray content() const;
  // Replaces the file at path with content() in one step (written beside it,
  // then renamed), so that a failed save leaves the old file as it was.
  // False when the folder is missing or not writable, the file is
  // read-only, or the text has grown larger than MaxFileSize (it could not
  // be read back).
  bool save(const QString &path) const;

private:
  enum class TKind : unsigned char { Other, Comment, Section, Key };
  // A line as a view into Text, without its line break. Offsets are 32-bit:
  // Text never holds much more than MaxFileSize, and a file of short lines
  // takes twelve bytes a line.
  struct TLine {
    qint32 begin;
    qint32 end;
    TKind kind;
  };
  struct TSpan {
    qsizetype begin;
    qsizetype end;
  };

  QByteArrayView lineText(const TLine &line) const;
  // A section line's name, a key line's name or value, blanks dropped.
  TSpan nameOf(const TLine &line) const;
  TSpan valueOf(const TLine &line) const;
  bool nameIs(const TLine &line, QByteArrayView name) const;
  QString valueText(const TLine &line) const;
  static QByteArray lowerName(QByteArrayView name);
  // Index of the first copy of the section's header line; -1 when missing.
  qsizetype findSection(QByteArrayView name) const;
  qsizetype appendLine(const QByteArray &text, TKind kind);
  TLine makeKeyLine(QByteArrayView key, QByteArrayView value);

  QByteArray Text;             // the file's bytes; added lines are appended
  std::vector<TLine> Lines;    // the lines in file order, as views into Text
  bool ByteOrderMark = false;
  // First header line of each section, sorted by its lower-case name: a
  // look-up neither hashes nor allocates. Built when first needed; dropped
  // when sections are erased, kept up to date when lines are added.
  struct TSectionEntry {
    QByteArray lowerName;
    qsizetype line;
  };
  mutable std::vector<TSectionEntry> SectionIndex;
  mutable bool SectionIndexValid = false;
  std::vector<TSectionEntry>::iterator sectionEntry(QByteArrayView name) const;
};

// Rule of the old runtime's StrToInt: an optional sign and decimal digits in
// the 32-bit range; anything else is not an integer.
std::optional<int> ReadInteger(QStringView text);
