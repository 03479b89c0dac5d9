#include "profileChecks.h"

#include "core/settings/profileFile.h"

#include <QList>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

void FuzzFailure(const char *what, const QString &detail)
{
  std::fprintf(stderr, "\n*** %s: %s\n", what, qPrintable(detail));
  std::fflush(stderr);
  std::abort();
}

namespace {

// Sections and keys the program reads.
const char *const Sections[] = {"PREFERENCES", "GROUP A", "group h", "FINAL 8", "FINAL"};
const char *const Keys[] = {"Language", "FirstTime", "TimeZone", "Game1", "game6", "Game1Apk", "Key"};
// At most this many names are read (the program's first): the checks stay
// quick on a file of hundreds of keys.
constexpr size_t MostNamesRead = 64;

const QString Missing = QStringLiteral("\x01");

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

QByteArray Blankless(const QByteArray &text)
{
  qsizetype b = 0, e = text.size();
  while (b < e && IsBlank(text[b]))
    ++b;
  while (e > b && IsBlank(text[e - 1]))
    --e;
  return text.mid(b, e - b);
}

QByteArray AsciiLower(QByteArray name)
{
  for (char &c : name) {
    if (c >= 'A' && c <= 'Z')
      c = char(c - 'A' + 'a');
  }
  return name;
}

// The same name in the other case, letter by (ASCII) letter.
QString OtherCase(const QByteArray &name)
{
  QByteArray flipped = name;
  for (char &c : flipped) {
    if (c >= 'A' && c <= 'Z')
      c = char(c - 'A' + 'a');
    else if (c >= 'a' && c <= 'z')
      c = char(c - 'a' + 'A');
  }
  return QString::fromLatin1(flipped);
}

struct TName {
  QByteArray section, key;
};

// The bytes read line by line the plain way, as the rules of the file say:
// the value of every key of the first copy of each section, by lower-case
// names, and the names as written.
struct TPlainReading {
  std::map<QByteArray, std::map<QByteArray, QString>> values;
  std::vector<TName> names;
};

TPlainReading ReadPlainly(QByteArray text)
{
  if (text.startsWith("\xEF\xBB\xBF"))
    text.remove(0, 3);
  TPlainReading r;
  // After the last LF, CR ends the lines.
  QList<QByteArray> lines = text.split('\n');
  const QByteArray tail = lines.takeLast();
  lines << tail.split('\r');
  std::map<QByteArray, QString> *section = nullptr;   // null outside a first copy
  QByteArray sectionName;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QByteArray line = lines[i];
    if (i + 1 < lines.size() && line.endsWith('\r'))
      line.chop(1);
    const QByteArray start = Blankless(line);
    if (start.startsWith(';'))
      continue;
    const qsizetype open = line.indexOf('[');
    if (start.startsWith('[') && line.indexOf(']', open) >= 0) {
      sectionName = Blankless(line.mid(open + 1, line.indexOf(']', open) - open - 1));
      const QByteArray lower = AsciiLower(sectionName);
      section = r.values.count(lower) ? nullptr : &r.values[lower];
      if (section)
        r.names.push_back({sectionName, QByteArray()});
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || !section)
      continue;
    const QByteArray key = Blankless(line.left(equals));
    QByteArray value = Blankless(line.mid(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.mid(1, value.size() - 2);
    value.truncate(TProfileFile::ValueBufferSize - 1);
    if (section->emplace(AsciiLower(key), QString::fromLatin1(value)).second)
      r.names.push_back({sectionName, key});
  }
  return r;
}

QString Expected(const TPlainReading &plain, const TName &name)
{
  const auto section = plain.values.find(AsciiLower(name.section));
  if (section == plain.values.end())
    return Missing;
  const auto key = section->second.find(AsciiLower(name.key));
  return key == section->second.end() ? Missing : key->second;
}

// What is read: the program's names in the sections the bytes hold, one
// section they lack, then the names found in the bytes, each section found
// also once with a key it lacks.
std::vector<TName> NamesToRead(const TPlainReading &plain)
{
  std::vector<TName> names{{"Other", "Key"}};
  for (const char *s : Sections) {
    if (!plain.values.count(AsciiLower(s)))
      continue;
    for (const char *k : Keys)
      names.push_back({s, k});
  }
  for (const TName &n : plain.names) {
    if (names.size() >= MostNamesRead)
      break;
    names.push_back(n.key.isNull() ? TName{n.section, "\x02"} : n);
  }
  return names;
}

QString Where(const TName &name)
{
  return QLatin1Char('[') + QString::fromLatin1(name.section) + QStringLiteral("] ") + QString::fromLatin1(name.key);
}

// Every other name is read in the other case, which must not matter.
std::vector<QString> ReadEverything(const TProfileFile &ini, const std::vector<TName> &names)
{
  std::vector<QString> all;
  all.reserve(names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    const TName &n = names[i];
    const QString value =
        i % 2 ? ini.readString(OtherCase(n.section), OtherCase(n.key), Missing)
              : ini.readString(QString::fromLatin1(n.section), QString::fromLatin1(n.key), Missing);
    if (value.size() > TProfileFile::ValueBufferSize - 1)
      FuzzFailure("value longer than the reader's buffer", Where(n));
    all.push_back(value);
  }
  return all;
}

// A section's keys read together, in one pass, read as they do one by one.
void CheckReadTogether(const TProfileFile &ini, const std::vector<TName> &names, const std::vector<QString> &read)
{
  std::map<QByteArray, std::vector<size_t>> bySection;
  for (size_t i = 0; i < names.size(); ++i)
    bySection[names[i].section].push_back(i);
  for (const auto &[section, indices] : bySection) {
    std::vector<QByteArray> keys;
    for (size_t i : indices)
      keys.push_back(names[i].key);
    const std::vector<QString> together = ini.readStrings(QString::fromLatin1(section), keys, Missing);
    for (size_t k = 0; k < indices.size(); ++k) {
      if (together[k] != read[indices[k]])
        FuzzFailure("keys read together read otherwise", Where(names[indices[k]]));
    }
  }
}

void CheckReader(const TPlainReading &plain, const std::vector<TName> &names, const std::vector<QString> &read)
{
  for (size_t i = 0; i < names.size(); ++i) {
    const QString expected = Expected(plain, names[i]);
    if (read[i] != expected)
      FuzzFailure("reader breaks the file's rules",
                  QStringLiteral("%1: \"%2\" instead of \"%3\"").arg(Where(names[i]), read[i], expected));
  }
}

// Every reading but those of one section is the same in both lists.
void CompareReadings(const std::vector<TName> &names, const std::vector<QString> &before,
                     const std::vector<QString> &after, const QByteArray &changedSection, const char *what)
{
  const bool skipping = !changedSection.isNull();
  const QByteArray changed = skipping ? AsciiLower(changedSection) : QByteArray();
  for (size_t i = 0; i < names.size(); ++i) {
    if (skipping && AsciiLower(names[i].section) == changed)
      continue;
    if (before[i] != after[i])
      FuzzFailure(what, QStringLiteral("%1: \"%2\" became \"%3\"").arg(Where(names[i]), before[i], after[i]));
  }
}

}  // namespace

void CheckProfileFile(const QByteArray &bytes)
{
  TProfileFile ini;
  if (!ini.setContent(bytes))
    return;
  const TPlainReading plain = ReadPlainly(bytes);
  const std::vector<TName> names = NamesToRead(plain);
  const std::vector<QString> original = ReadEverything(ini, names);
  CheckReader(plain, names, original);
  CheckReadTogether(ini, names, original);

  // The text it would write reads back the same, and is written back as it is.
  const QByteArray text = ini.content();
  TProfileFile reread(text);
  CompareReadings(names, original, ReadEverything(reread, names), QByteArray(), "saved text reads differently");
  if (reread.content() != text)
    FuzzFailure("saved text changes on a second save", QString::fromLatin1(text.left(200)));

  // Writing one key changes that key only.
  const QByteArray group("Group A");
  ini.writeString(QString::fromLatin1(group), QStringLiteral("GAME1"), QStringLiteral("2-1"));
  if (ini.readString(QStringLiteral("GROUP A"), QStringLiteral("Game1"), QString()) != QStringLiteral("2-1"))
    FuzzFailure("written key does not read back", QString::fromLatin1(bytes.left(200)));
  CompareReadings(names, original, ReadEverything(ini, names), group, "writing a key changed another section");

  // Erasing the section removes it and leaves the others alone.
  ini.eraseSection(QString::fromLatin1(group));
  if (ini.readString(QString::fromLatin1(group), QStringLiteral("Game1"), QStringLiteral("none")) != QStringLiteral("none"))
    FuzzFailure("erased section still reads", QString::fromLatin1(bytes.left(200)));
  const std::vector<QString> erased = ReadEverything(ini, names);
  CompareReadings(names, original, erased, group, "erasing a section changed another section");
  const QByteArray edited = ini.content();
  const std::vector<QString> saved = ReadEverything(TProfileFile(edited), names);
  CompareReadings(names, erased, saved, QByteArray(), "edited text reads differently once saved");
  CheckReader(ReadPlainly(edited), names, saved);
}
