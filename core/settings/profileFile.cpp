#include "core/settings/profileFile.h"

#include "core/settings/wholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");
const QByteArray LineBreak("\r\n");

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameName(QByteArrayView a, QByteArrayView b)
{
  if (a.size() != b.size())
    return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i]))
      return false;
  }
  return true;
}

// Names and values travel as Latin-1: one character per byte.
QByteArray Bytes(const QString &s) { return s.toLatin1(); }

}  // namespace

std::optional<int> ReadInteger(QStringView text)
{
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  if (i == text.size())
    return std::nullopt;
  // Accumulated as a negative number, which reaches one further than a positive one.
  const qint64 limit = negative ? qint64(INT_MIN) : -qint64(INT_MAX);
  qint64 value = 0;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
      return std::nullopt;
    value = value * 10 - (c.unicode() - '0');
    if (value < limit)
      return std::nullopt;
  }
  return int(negative ? value : -value);
}

TProfileFile::TLoadResult TProfileFile::load(const QString &path)
{
  return loadNative(QFile::encodeName(path));
}

TProfileFile::TLoadResult TProfileFile::loadNative(const QByteArray &path)
{
  setContent(QByteArray());
  struct stat info {};
  if (::stat(path.constData(), &info) != 0) {   // follows symbolic links
    if (errno == ELOOP)
      return TLoadResult::LinkLoop;
    struct stat link {};
    return ::lstat(path.constData(), &link) == 0 && S_ISLNK(link.st_mode) ? TLoadResult::BrokenLink
                                                                          : TLoadResult::Missing;
  }
  if (S_ISDIR(info.st_mode))
    return TLoadResult::Folder;
  // A pipe or a device could block the start or never end; one put in the
  // file's place after the look above is caught once it is open.
  if (!S_ISREG(info.st_mode))
    return TLoadResult::Unreadable;
  const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0)
    return errno == EACCES || errno == EPERM ? TLoadResult::NoPermission : TLoadResult::Unreadable;
  const auto result = [fd](TLoadResult r) {
    ::close(fd);
    return r;
  };
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    return result(TLoadResult::Unreadable);
  // Reading one byte more than the limit tells a file at the limit from a
  // larger one without relying on its reported size.
  const qint64 expected = qMin<qint64>(qMax<qint64>(info.st_size, 0), MaxFileSize);
  QByteArray bytes(qsizetype(expected + 1), Qt::Uninitialized);
  qsizetype got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (got > MaxFileSize)
        return result(TLoadResult::TooLarge);
      bytes.resize(qMin<qsizetype>(bytes.size() * 2, MaxFileSize + 1));
    }
    const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      return result(TLoadResult::Unreadable);
    if (n == 0)
      break;
    got += n;
  }
  bytes.truncate(got);
  ::close(fd);
  if (!setContent(bytes))
    return TLoadResult::TooLarge;
  return TLoadResult::Loaded;
}

bool TProfileFile::setContent(const QByteArray &content)
{
  Lines.clear();
  SectionIndexValid = false;
  ByteOrderMark = false;
  Text.clear();
  if (content.size() > MaxFileSize)
    return false;
  ByteOrderMark = content.startsWith(Utf8ByteOrderMark);
  Text = ByteOrderMark ? content.mid(Utf8ByteOrderMark.size()) : content;
  Lines.reserve(size_t(Text.count('\n')) + 1);

  // Lines end in LF or CRLF; where no LF follows any more (a file with the
  // old Macintosh line ends), a CR ends a line.
  qsizetype begin = 0;
  bool lineFeeds = true;
  while (begin < Text.size()) {
    qsizetype next = lineFeeds ? Text.indexOf('\n', begin) : -1;
    lineFeeds = next >= 0;
    qsizetype end = next < 0 ? Text.size() : next;
    if (next >= 0 && end > begin && Text[end - 1] == '\r')
      --end;
    if (next < 0 && (next = Text.indexOf('\r', begin)) >= 0)
      end = next;
    TLine line{qint32(begin), qint32(end), TKind::Other};
    const QByteArrayView text = lineText(line);
    qsizetype first = 0;
    while (first < text.size() && IsBlank(text[first]))
      ++first;
    if (first < text.size() && text[first] == ';')
      line.kind = TKind::Comment;
    else if (first < text.size() && text[first] == '[' && text.indexOf(']', first) >= 0)
      line.kind = TKind::Section;
    else if (text.contains('='))
      line.kind = TKind::Key;
    Lines.push_back(line);
    begin = next < 0 ? Text.size() : next + 1;
  }
  return true;
}

QByteArrayView TProfileFile::lineText(const TLine &line) const
{
  return QByteArrayView(Text).sliced(line.begin, line.end - line.begin);
}

TProfileFile::TSpan TProfileFile::nameOf(const TLine &line) const
{
  const QByteArrayView text = lineText(line);
  qsizetype b = 0;
  qsizetype e = 0;
  if (line.kind == TKind::Section) {
    b = text.indexOf('[') + 1;
    e = text.indexOf(']', b);
  } else {
    e = text.indexOf('=');
  }
  while (b < e && IsBlank(text[b]))
    ++b;
  while (e > b && IsBlank(text[e - 1]))
    --e;
  return {line.begin + b, line.begin + e};
}

TProfileFile::TSpan TProfileFile::valueOf(const TLine &line) const
{
  const QByteArrayView text = lineText(line);
  qsizetype b = text.indexOf('=') + 1;
  qsizetype e = text.size();
  while (b < e && IsBlank(text[b]))
    ++b;
  while (e > b && IsBlank(text[e - 1]))
    --e;
  return {line.begin + b, line.begin + e};
}

bool TProfileFile::nameIs(const TLine &line, QByteArrayView name) const
{
  const TSpan n = nameOf(line);
  return SameName(QByteArrayView(Text).sliced(n.begin, n.end - n.begin), name);
}

QByteArray TProfileFile::lowerName(QByteArrayView name)
{
  QByteArray lower = name.toByteArray();
  for (char &c : lower)
    c = AsciiLower(c);
  return lower;
}

namespace {

// Orders a lower-case name against a name in any case, as if both were
// lower case.
int CompareLowered(QByteArrayView lower, QByteArrayView name)
{
  const qsizetype n = qMin(lower.size(), name.size());
  for (qsizetype i = 0; i < n; ++i) {
    const char a = lower[i], b = AsciiLower(name[i]);
    if (a != b)
      return uchar(a) < uchar(b) ? -1 : 1;
  }
  return lower.size() < name.size() ? -1 : lower.size() > name.size() ? 1 : 0;
}

}  // namespace

std::vector<TProfileFile::TSectionEntry>::iterator TProfileFile::sectionEntry(QByteArrayView name) const
{
  if (!SectionIndexValid) {
    SectionIndex.clear();
    for (qsizetype i = 0; i < qsizetype(Lines.size()); ++i) {
      if (Lines[i].kind == TKind::Section) {
        const TSpan n = nameOf(Lines[i]);
        SectionIndex.push_back({lowerName(QByteArrayView(Text).sliced(n.begin, n.end - n.begin)), i});
      }
    }
    // In name order; of the copies of a section, the first in the file stays.
    std::stable_sort(SectionIndex.begin(), SectionIndex.end(),
                     [](const TSectionEntry &a, const TSectionEntry &b) { return a.lowerName < b.lowerName; });
    SectionIndex.erase(std::unique(SectionIndex.begin(), SectionIndex.end(),
                                   [](const TSectionEntry &a, const TSectionEntry &b) {
                                     return a.lowerName == b.lowerName;
                                   }),
                       SectionIndex.end());
    SectionIndexValid = true;
  }
  return std::lower_bound(SectionIndex.begin(), SectionIndex.end(), name,
                          [](const TSectionEntry &e, QByteArrayView n) { return CompareLowered(e.lowerName, n) < 0; });
}

qsizetype TProfileFile::findSection(QByteArrayView name) const
{
  const auto entry = sectionEntry(name);
  return entry != SectionIndex.end() && CompareLowered(entry->lowerName, name) == 0 ? entry->line : -1;
}

QString TProfileFile::readString(const QString &section, const QString &key,
                                 const QString &def) const
{
  return readStrings(section, {Bytes(key)}, def).front();
}

std::vector<QString> TProfileFile::readStrings(const QString &section, const std::vector<QByteArray> &names,
                                               const QString &def) const
{
  std::vector<QString> values(names.size(), def);
  const qsizetype header = findSection(Bytes(section));
  if (header < 0)
    return values;
  std::vector<bool> found(names.size(), false);
  std::size_t left = names.size();
  for (qsizetype i = header + 1; left > 0 && i < qsizetype(Lines.size()); ++i) {
    const TLine &line = Lines[i];
    if (line.kind == TKind::Section)
      break;
    if (line.kind != TKind::Key)
      continue;
    const TSpan n = nameOf(line);
    const QByteArrayView name = QByteArrayView(Text).sliced(n.begin, n.end - n.begin);
    // The first copy of a key wins.
    for (std::size_t k = 0; k < names.size(); ++k) {
      if (!found[k] && SameName(name, names[k])) {
        values[k] = valueText(line);
        found[k] = true;
        --left;
      }
    }
  }
  return values;
}

QString TProfileFile::valueText(const TLine &line) const
{
  const TSpan v = valueOf(line);
  QByteArrayView value = QByteArrayView(Text).sliced(v.begin, v.end - v.begin);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.sliced(1, value.size() - 2);
  return QString::fromLatin1(value.first(qMin(value.size(), qsizetype(ValueBufferSize - 1))));
}

int TProfileFile::readInteger(const QString &section, const QString &key, int def) const
{
  const QString text = readString(section, key, QString());
  return ReadInteger(text).value_or(def);
}

void TProfileFile::eraseSection(const QString &section)
{
  const QByteArray name = Bytes(section);
  bool inside = false;
  std::vector<TLine> kept;
  kept.reserve(Lines.size());
  for (const TLine &line : Lines) {
    if (line.kind == TKind::Section)
      inside = nameIs(line, name);
    if (inside && (line.kind == TKind::Section || line.kind == TKind::Key))
      continue;
    kept.push_back(line);
  }
  Lines.swap(kept);
  SectionIndexValid = false;
}

qsizetype TProfileFile::appendLine(const QByteArray &text, TKind kind)
{
  const qint32 begin = qint32(Text.size());
  Text.append(text);
  Lines.push_back({begin, qint32(Text.size()), kind});
  return qsizetype(Lines.size()) - 1;
}

TProfileFile::TLine TProfileFile::makeKeyLine(QByteArrayView key, QByteArrayView value)
{
  QByteArray text = key.toByteArray() + '=' + value.toByteArray();
  text.replace('\r', ' ').replace('\n', ' ');
  const qint32 begin = qint32(Text.size());
  Text.append(text);
  return {begin, qint32(Text.size()), TKind::Key};
}

void TProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
  const QByteArray sectionName = Bytes(section);
  const QByteArray keyName = Bytes(key);
  const QByteArray valueText = Bytes(value);

  const qsizetype header = findSection(sectionName);
  if (header < 0) {
    const auto entry = sectionEntry(sectionName);
    const qsizetype added = appendLine('[' + sectionName + ']', TKind::Section);
    SectionIndex.insert(entry, {lowerName(sectionName), added});
    Lines.push_back(makeKeyLine(keyName, valueText));
    return;
  }
  qsizetype lastKey = header;
  for (qsizetype i = header + 1; i < qsizetype(Lines.size()); ++i) {
    const TLine &line = Lines[i];
    if (line.kind == TKind::Section)
      break;
    if (line.kind != TKind::Key)
      continue;
    if (nameIs(line, keyName)) {
      // The key keeps the name as it is stored; the line is rewritten.
      const TSpan n = nameOf(line);
      const QByteArray storedName = Text.mid(n.begin, n.end - n.begin);
      Lines[i] = makeKeyLine(storedName, valueText);
      return;
    }
    lastKey = i;
  }
  const qsizetype at = lastKey + 1;
  Lines.insert(Lines.begin() + at, makeKeyLine(keyName, valueText));
  // The sections after it move down a line.
  if (SectionIndexValid && at + 1 < qsizetype(Lines.size())) {
    for (TSectionEntry &entry : SectionIndex)
      if (entry.line >= at)
        ++entry.line;
  }
}

QByteArray TProfileFile::content() const
{
  // A line that begins with the mark's bytes, left first by erased sections,
  // would lose them to the reader and become a section: the file then starts
  // with a mark of its own, so that the line keeps its meaning.
  const bool mark = ByteOrderMark ||
                    (!Lines.empty() && lineText(Lines.front()).startsWith(Utf8ByteOrderMark));
  qsizetype size = mark ? Utf8ByteOrderMark.size() : 0;
  for (const TLine &line : Lines)
    size += line.end - line.begin + LineBreak.size();
  QByteArray out;
  out.reserve(size);
  if (mark)
    out += Utf8ByteOrderMark;
  for (const TLine &line : Lines) {
    out += lineText(line);
    out += LineBreak;
  }
  return out;
}

bool TProfileFile::save(const QString &path) const
{
  const QFileInfo existing(path);
  if (existing.exists() && (!existing.isFile() || !existing.isWritable()))
    return false;
  const QByteArray bytes = content();
  if (bytes.size() > MaxFileSize)
    return false;
  return WriteWholeFile(path, bytes);
}
