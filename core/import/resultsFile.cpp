// A results file as a whole: it is opened and measured, its bytes checked,
// its format told from what it holds, and the format's reader run.

#include "core/import/resultsFile.h"

#include "core/import/readers.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// The first byte that is not UTF-8, or -1; `cutShort` when it is a
// character the end of the bytes broke off.
qsizetype FirstBadUtf8(const QByteArray &bytes, bool &cutShort)
{
  const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
  const qsizetype n = bytes.size();
  cutShort = false;
  for (qsizetype i = 0; i < n;) {
    const unsigned c = b[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    int follow;
    unsigned low = 0x80, high = 0xBF;   // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      follow = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      follow = 2;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;        // no UTF-16 surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      follow = 3;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return i;
    }
    for (int k = 1; k <= follow; ++k) {
      if (i + k == n) {
        cutShort = true;
        return i;
      }
      const unsigned f = b[i + k];
      if (k == 1 ? (f < low || f > high) : (f < 0x80 || f > 0xBF))
        return i;
    }
    i += follow + 1;
  }
  return -1;
}

// Line and column (in characters) of a byte, both from 1.
void Locate(const QByteArray &bytes, qsizetype offset, TResultsFile &file)
{
  file.line = 1;
  qsizetype lineStart = 0;
  for (qsizetype i = 0; i < offset && i < bytes.size(); ++i)
    if (bytes[i] == '\n') {
      ++file.line;
      lineStart = i + 1;
    }
  file.column = 1;
  for (qsizetype i = lineStart; i < offset && i < bytes.size(); ++i)
    if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80)
      ++file.column;
}

TResultsFile Failure(TResultsError error)
{
  TResultsFile file;
  file.error = error;
  return file;
}

// The format of a JSON document: football-data.org names a match's teams
// homeTeam and awayTeam, openfootball team1 and team2 (or keeps its
// matches in rounds).
TResultsFormat JsonFormat(const TJsonTree &json)
{
  const int root = json.root();
  const int matches = json.member(root, "matches");
  if (json.is(matches, TJsonTree::Array)) {
    for (int m = json.first(matches); m >= 0; m = json.next(m)) {
      if (json.member(m, "homeTeam") >= 0 || json.member(m, "awayTeam") >= 0)
        return TResultsFormat::FootballDataJson;
      if (json.member(m, "team1") >= 0 || json.member(m, "team2") >= 0)
        return TResultsFormat::OpenFootballJson;
    }
    // No match yet: the file's own keys tell.
    for (const char *key : {"competition", "resultSet", "filters"})
      if (json.member(root, key) >= 0)
        return TResultsFormat::FootballDataJson;
    if (json.member(root, "name") >= 0)
      return TResultsFormat::OpenFootballJson;
  }
  if (json.is(json.member(root, "rounds"), TJsonTree::Array))
    return TResultsFormat::OpenFootballJson;
  return TResultsFormat::None;
}

TResultsFile ReadJson(const QByteArray &bytes)
{
  TJsonTree json;
  if (!json.parse(bytes)) {
    if (json.error() == TJsonTree::TooDeep)
      return Failure(TResultsError::UnknownFormat);
    TResultsFile file =
        Failure(json.error() == TJsonTree::Truncated ? TResultsError::Truncated : TResultsError::BrokenJson);
    Locate(bytes, json.errorOffset(), file);
    return file;
  }
  TResultsFile file;
  file.format = JsonFormat(json);
  if (file.format == TResultsFormat::FootballDataJson)
    ReadFootballDataJson(json, file.matches);
  else if (file.format == TResultsFormat::OpenFootballJson)
    ReadOpenFootballJson(json, file.matches);
  else
    file.error = TResultsError::UnknownFormat;
  return file;
}

}  // namespace

TResultsFile ReadResults(const QByteArray &data)
{
  if (data.size() > ResultsFileLimit) {
    TResultsFile file = Failure(TResultsError::TooLarge);
    file.size = data.size();
    return file;
  }
  // A byte order mark is no part of the text.
  const QByteArray bytes = data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data;
  qsizetype first = 0;
  while (first < bytes.size() && IsBlank(bytes[first]))
    ++first;
  if (first == bytes.size())
    return Failure(TResultsError::Empty);

  const qsizetype nul = bytes.indexOf('\0');
  bool cutShort = false;
  const qsizetype bad = FirstBadUtf8(bytes, cutShort);
  if (nul >= 0 || bad >= 0) {
    const bool truncated = nul < 0 && cutShort;
    TResultsFile file = Failure(truncated ? TResultsError::Truncated : TResultsError::Binary);
    Locate(bytes, nul >= 0 && (bad < 0 || nul < bad) ? nul : bad, file);
    return file;
  }

  // JSON is an object, or an array of values ("[Jun/12]" opens a date line
  // of Football.TXT instead).
  const char opening = bytes[first];
  qsizetype second = first + 1;
  while (second < bytes.size() && IsBlank(bytes[second]))
    ++second;
  const bool json = opening == '{' ||
                    (opening == '[' && (second == bytes.size() || bytes[second] == '{' || bytes[second] == '[' ||
                                        bytes[second] == ']' || bytes[second] == '"'));
  if (json)
    return ReadJson(bytes);

  TResultsFile file;
  if (ReadFootballTxt(QString::fromUtf8(bytes), file.matches))
    file.format = TResultsFormat::FootballTxt;
  else
    file = Failure(TResultsError::UnknownFormat);
  return file;
}

TResultsFile ReadResultsFile(const QString &path)
{
  const QFileInfo info(path);
  auto cannotOpen = [](TOpenFailure why, const QString &reason) {
    TResultsFile file = Failure(TResultsError::CannotOpen);
    file.openFailure = why;
    file.systemReason = reason;
    return file;
  };
  if (!info.exists())
    return cannotOpen(TOpenFailure::Missing, QString());
  if (info.isDir())
    return cannotOpen(TOpenFailure::Folder, QString());
  // Measured before it is read: a big file is never read whole.
  if (info.isFile() && info.size() > ResultsFileLimit) {
    TResultsFile file = Failure(TResultsError::TooLarge);
    file.size = info.size();
    return file;
  }
  QFile device(path);
  if (!device.open(QIODevice::ReadOnly))
    return cannotOpen(TOpenFailure::NotReadable, device.errorString());
  // At most one byte past the limit, from a file that grew since it was
  // measured, or a pipe.
  QByteArray bytes;
  while (bytes.size() <= ResultsFileLimit) {
    const QByteArray chunk = device.read(ResultsFileLimit + 1 - bytes.size());
    if (chunk.isEmpty())
      break;
    bytes += chunk;
  }
  if (device.error() != QFileDevice::NoError)
    return cannotOpen(TOpenFailure::ReadFailed, device.errorString());
  return ReadResults(bytes);
}
