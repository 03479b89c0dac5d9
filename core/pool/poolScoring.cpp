#include "core/pool/poolScoring.h"

#include "core/tournament/scoreText.h"
#include "core/groups/fixtures.h"
#include "core/groups/groupTables.h"
#include "core/i18n/texts.h"
#include "core/knockout/bracket.h"
#include "core/tournament/tournament.h"
#include "core/settings/profileFile.h"
#include "core/settings/resultTexts.h"
#include "core/settings/settingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QtAlgorithms>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The knockout stages' matches follow the groups' in the sheet.
int FirstMatchOf(int stage)
{
  int first = PoolGroupMatchCount;
  for (int k = 0; k < stage; ++k)
    first += KnockoutStage(k).matches;
  return first;
}

int StageByPrefix(const char *prefix)
{
  for (int k = 0; k < KnockoutCount; ++k)
    if (std::strcmp(KnockoutStage(k).prefix, prefix) == 0)
      return k;
  return -1;
}

int GroupOfTeam(int team)
{
  static const std::array<int, TeamCount + 1> groups = [] {
    std::array<int, TeamCount + 1> g{};
    for (int group = 0; group < GroupCount; ++group)
      for (TTeam t : GroupSeeding(group).initialOrder)
        g[std::size_t(t)] = group;
    return g;
  }();
  return team > 0 && team <= TeamCount ? groups[std::size_t(team)] : -1;
}

std::uint64_t Bit(int team) { return team > 0 ? std::uint64_t(1) << team : 0; }

// The decimal sum of two scores, however long.
QString AddScores(const QString &a, const QString &b)
{
  QString sum;
  int carry = 0;
  for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0 || j >= 0 || carry; --i, --j) {
    const int digit = (i >= 0 ? a[i].unicode() - '0' : 0) + (j >= 0 ? b[j].unicode() - '0' : 0) + carry;
    sum.prepend(QChar('0' + digit % 10));
    carry = digit / 10;
  }
  return sum;
}

// The same rules for every match once its sides are lined up.
TPoolMark CompareScoresOf(const std::array<QString, 2> &p, const std::array<QString, 2> &r)
{
  if (CompareScores(p[0], r[0]) == 0 && CompareScores(p[1], r[1]) == 0)
    return TPoolMark::Exact;
  if (CompareScores(p[0], p[1]) != CompareScores(r[0], r[1]))
    return TPoolMark::None;
  // p0 - p1 == r0 - r1, without a subtraction that could go below zero.
  if (CompareScores(AddScores(p[0], r[1]), AddScores(r[0], p[1])) == 0)
    return TPoolMark::Difference;
  return TPoolMark::Outcome;
}

int WinnerTeam(const TPoolMatch &m) { return m.winner < 0 ? 0 : m.teams[std::size_t(m.winner)]; }

TPoolMatch ReadMatch(const TMatchState &m, bool knockout)
{
  return PoolMatch({m.teams[0], m.teams[1]}, m.goals, knockout ? m.penalties : std::array<QString, 2>{},
                   knockout);
}

// Blank-free section values of a result section: a match "2-1", "-", "3-";
// penalties digits or nothing.
bool IsDigitsOrEmpty(QStringView text)
{
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A result section's name: "GROUP A" ... "GROUP H" for stages 0..7, then
// the knockout stages'.
QString SectionName(int stage)
{
  static const char *const knockout[KnockoutCount] = {"FINAL 8", "FINAL 4", "FINAL 2", "THIRD", "FINAL"};
  return stage < GroupCount ? QStringLiteral("GROUP ") + GroupLetter(stage)
                            : QLatin1String(knockout[stage - GroupCount]);
}

// Why the file's results cannot be taken as they are: no result at all, or
// the first value that is not a score. Empty when they can.
QString ResultsProblem(const TProfileFile &ini, int language)
{
  // No value holds a line break: the default tells a missing key.
  const QString missing = QStringLiteral("\n");
  bool any = false;
  for (int stage = 0; stage < StageCount; ++stage) {
    const QString section = SectionName(stage);
    const bool knockout = stage >= GroupCount;
    const int matches = knockout ? KnockoutStage(stage - GroupCount).matches : MatchesPerGroup;
    for (int m = 1; m <= matches; ++m) {
      const QString key = QStringLiteral("Game%1").arg(m);
      const QString value = ini.readString(section, key, missing);
      if (value == missing)
        continue;
      any = true;
      const qsizetype hyphen = value.indexOf(QLatin1Char('-'));
      if (hyphen < 0 || !IsDigitsOrEmpty(QStringView(value).left(hyphen)) ||
          !IsDigitsOrEmpty(QStringView(value).mid(hyphen + 1)))
        return TextIn(language, TText::PoolBadScoreText).arg(key, section);
      for (const char *side : {"Apk", "Bpk"}) {
        const QString penaltyKey = key + QLatin1String(side);
        const QString penalty = knockout ? ini.readString(section, penaltyKey, QString()) : QString();
        if (!IsDigitsOrEmpty(penalty))
          return TextIn(language, TText::PoolBadScoreText).arg(penaltyKey, section);
      }
    }
  }
  return any ? QString() : TextIn(language, TText::PoolNoResultsText);
}

int CompareNames(const QString &a, const QString &b)
{
  const int c = QString::compare(a, b, Qt::CaseInsensitive);
  return c != 0 ? c : QString::compare(a, b, Qt::CaseSensitive);
}

QString TeamWords(int team, int language) { return team ? TeamNameIn(language, team) : QStringLiteral("?"); }

QString MatchWords(const TPoolMatch &m, int language)
{
  const QString score = m.scores[0].isEmpty() && m.scores[1].isEmpty()
                            ? QStringLiteral("–")
                            : m.scores[0] + QStringLiteral("–") + m.scores[1];
  QString words = TeamWords(m.teams[0], language) + QLatin1Char(' ') + score + QLatin1Char(' ') +
                  TeamWords(m.teams[1], language);
  if (!m.penalties[0].isEmpty() || !m.penalties[1].isEmpty())
    words += QStringLiteral(" (") + m.penalties[0] + QStringLiteral("–") + m.penalties[1] +
             QLatin1Char(')');
  return words;
}

QString TeamsWords(std::uint64_t teams, int language)
{
  QStringList names;
  for (int t = 1; t <= TeamCount; ++t)
    if (teams & Bit(t))
      names << TeamNameIn(language, t);
  return names.join(QStringLiteral(", "));
}

QString CsvField(const QString &text)
{
  if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
      !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
    return text;
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The length of the well-formed UTF-8 sequence at bytes[i], 0 when there is none.
int Utf8Length(QByteArrayView bytes, qsizetype i)
{
  const auto at = [&](qsizetype k) { return k < bytes.size() ? uchar(bytes[k]) : 0u; };
  const uint b0 = at(i);
  const auto continuation = [](uint b) { return (b & 0xC0) == 0x80; };
  if (b0 < 0x80)
    return 1;
  if (b0 >= 0xC2 && b0 <= 0xDF)
    return continuation(at(i + 1)) ? 2 : 0;
  if (b0 >= 0xE0 && b0 <= 0xEF) {
    const uint b1 = at(i + 1);
    const bool ok = continuation(b1) && !(b0 == 0xE0 && b1 < 0xA0)   // overlong
                    && !(b0 == 0xED && b1 >= 0xA0);                  // surrogate
    return ok && continuation(at(i + 2)) ? 3 : 0;
  }
  if (b0 >= 0xF0 && b0 <= 0xF4) {
    const uint b1 = at(i + 1);
    const bool ok = continuation(b1) && !(b0 == 0xF0 && b1 < 0x90) && !(b0 == 0xF4 && b1 >= 0x90);
    return ok && continuation(at(i + 2)) && continuation(at(i + 3)) ? 4 : 0;
  }
  return 0;
}

// The encoding a file's first bytes are in when it is one Brakka does not
// read: UTF-16 or UTF-32 by their byte-order marks, UTF-16 also by the
// zero bytes between the characters of a text in the Latin letters.
const char *ForeignEncoding(QByteArrayView head)
{
  if (head.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)) ||
      head.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
    return "UTF-32";
  if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
    return "UTF-16";
  const qsizetype pairs = qMin<qsizetype>(head.size(), 256) / 2;
  std::array<int, 2> zeros{};
  for (qsizetype k = 0; k < 2 * pairs; ++k)
    zeros[std::size_t(k % 2)] += head[k] == '\0';
  for (int side = 0; side < 2; ++side)
    if (pairs >= 2 && zeros[std::size_t(side)] * 10 >= pairs * 9 &&
        zeros[std::size_t(1 - side)] == 0)
      return "UTF-16";
  return nullptr;
}

QByteArray FileHead(const QByteArray &path)
{
  QByteArray head(512, Qt::Uninitialized);
  const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  ssize_t got = fd < 0 ? -1 : ::read(fd, head.data(), size_t(head.size()));
  if (fd >= 0)
    ::close(fd);
  head.truncate(got < 0 ? 0 : qsizetype(got));
  return head;
}

// The folder's name and a file's as the system holds them.
QByteArray NativeChild(const QByteArray &folder, const QByteArray &name)
{
  return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// The full path with every link resolved; empty when that cannot be done.
QByteArray RealPath(const QByteArray &path)
{
  char resolved[PATH_MAX];
  return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : QByteArray();
}

QString FolderProblem(int error, const QString &folder, int language)
{
  const QString shown = QDir::toNativeSeparators(folder);
  QString why;
  switch (error) {
  case ENOENT: return TextIn(language, TText::PoolFolderMissing).arg(shown);
  case ENOTDIR: return TextIn(language, TText::PoolFolderNotFolder).arg(shown);
  case EACCES: why = TextIn(language, TText::SettingsNoPermissionText); break;
  case ELOOP: why = TextIn(language, TText::SettingsLinkLoopText); break;
  default: why = QString::fromLocal8Bit(std::strerror(error)); break;
  }
  return TextIn(language, TText::PoolFolderUnreadable).arg(shown, why);
}

// What an entry picked in a match: a TPoolPick in a group match, the team
// it sends through in a knockout match; -1 for none.
int PickOf(const TPoolMatch &m, int index)
{
  if (!m.complete)
    return -1;
  if (index >= PoolGroupMatchCount)
    return WinnerTeam(m) ? WinnerTeam(m) : -1;
  const int c = CompareScores(m.scores[0], m.scores[1]);
  return c > 0 ? PickSide1 : c == 0 ? PickDraw : PickSide2;
}

template <typename Picks>
auto &PickCount(Picks &picks, int index, int pick)
{
  return index < PoolGroupMatchCount
             ? picks.outcomes[std::size_t(index)][std::size_t(pick)]
             : picks.winners[std::size_t(index - PoolGroupMatchCount)][std::size_t(pick)];
}

// The picks made in a match with their counts, the most picked first.
std::vector<std::pair<int, int>> PicksMade(const TPoolPicks &picks, int index)
{
  std::vector<std::pair<int, int>> made;
  const bool group = index < PoolGroupMatchCount;
  for (int pick = group ? 0 : 1; pick <= (group ? PickSide2 : TeamCount); ++pick)
    if (const int count = PickCount(picks, index, pick))
      made.emplace_back(pick, count);
  std::stable_sort(made.begin(), made.end(),
                   [](const auto &a, const auto &b) { return a.second > b.second; });
  return made;
}

// "7 of 12 picked France to win", "3 of 12 picked a draw".
QString PickWords(const TPoolPicks &picks, const TPoolMatch &match, int index, int pick, int language)
{
  const QString count = QString::number(PickCount(picks, index, pick));
  const QString of = QString::number(picks.entries);
  if (index < PoolGroupMatchCount && pick == PickDraw)
    return TextIn(language, TText::PoolPickDraw).arg(count, of);
  const int team = index >= PoolGroupMatchCount ? pick : match.teams[pick == PickSide1 ? 0 : 1];
  return TextIn(language, TText::PoolPickWin).arg(count, of, TeamNameIn(language, team));
}

TPoolEntry ReadPoolEntryAt(const QByteArray &path, const QString &name, int language)
{
  TPoolEntry entry;
  entry.path = QFile::decodeName(path);
  entry.name = name;
  TProfileFile ini;
  const TProfileFile::TLoadResult loaded = ini.loadNative(path);
  if (loaded != TProfileFile::TLoadResult::Loaded) {
    entry.problem = TextIn(language, UnreadableReason(loaded));
    return entry;
  }
  entry.problem = ResultsProblem(ini, language);
  if (entry.problem == TextIn(language, TText::PoolNoResultsText)) {
    if (const char *encoding = ForeignEncoding(FileHead(path)))
      entry.problem = TextIn(language, TText::PoolEncodingText).arg(QLatin1String(encoding));
  }
  if (!entry.problem.isEmpty())
    return entry;
  TTournament tournament;
  FillResults(tournament, ReadResultTexts(ini), TFill::Loading);
  entry.sheet = PoolSheetOf(tournament);
  return entry;
}

}  // namespace

TPoolMatch PoolMatch(const std::array<int, 2> &teams, const std::array<QString, 2> &scores,
                     const std::array<QString, 2> &penalties, bool knockout)
{
  TPoolMatch m{teams, scores, penalties, false, -1};
  m.complete = IsScore(scores[0]) && IsScore(scores[1]);
  if (!knockout || !m.complete)
    return m;
  const int winner = Decide(scores[0], scores[1], penalties[0], penalties[1]).side;
  m.complete = winner >= 0 && teams[0] && teams[1];
  m.winner = m.complete ? winner : -1;
  return m;
}

TPoolSheet PoolSheetOf(const TTournament &tournament)
{
  TPoolSheet sheet;
  std::array<bool, GroupCount> groupPlayed{};
  for (int g = 0; g < GroupCount; ++g) {
    groupPlayed[std::size_t(g)] = true;
    for (int m = 0; m < MatchesPerGroup; ++m) {
      TPoolMatch &match = sheet.matches[std::size_t(g * MatchesPerGroup + m)];
      match = ReadMatch(tournament.match(GroupMatch(g, m)), false);
      groupPlayed[std::size_t(g)] = groupPlayed[std::size_t(g)] && match.complete;
    }
  }
  for (int k = 0; k < KnockoutCount; ++k)
    for (int m = 0; m < KnockoutStage(k).matches; ++m)
      sheet.matches[std::size_t(FirstMatchOf(k) + m)] = ReadMatch(tournament.knockoutMatch(k, m), true);

  // In the 1/8 finals only once the group is played: before, the slots show
  // the groups' initial order.
  for (int m = 0; m < KnockoutStage(Final8).matches; ++m)
    for (int team : sheet.matches[std::size_t(FirstMatchOf(Final8) + m)].teams) {
      const int group = GroupOfTeam(team);
      if (group >= 0 && group < GroupCount && groupPlayed[std::size_t(group)])
        sheet.rounds[RoundOf16] |= Bit(team);
    }
  // In a later round as the winner of the match before, in its slot.
  for (const TBracketMatch &b : Bracket()) {
    const int stage = StageByPrefix(b.prefix);
    const int next = StageByPrefix(b.nextPrefix);
    const int winner = WinnerTeam(sheet.matches[std::size_t(FirstMatchOf(stage) + b.match - 1)]);
    const TPoolMatch &nextMatch = sheet.matches[std::size_t(FirstMatchOf(next) + b.nextMatch - 1)];
    if (winner && nextMatch.teams[std::size_t(b.nextSide - 1)] == winner)
      sheet.rounds[std::size_t(RoundQuarter + stage)] |= Bit(winner);
  }
  const int champion = WinnerTeam(sheet.matches[std::size_t(FirstMatchOf(TheFinal))]);
  if (champion && tournament.champion() == champion)
    sheet.rounds[RoundChampion] = Bit(champion);
  return sheet;
}

TPoolSheet PoolResultsOf(const TTournament &shown) { return PoolSheetOf(shown); }

TPoolMark ComparePoolMatch(const TPoolMatch &prediction, const TPoolMatch &result, bool knockout)
{
  if (!prediction.complete || !result.complete)
    return TPoolMark::None;
  if (!knockout)
    return CompareScoresOf(prediction.scores, result.scores);
  // The prediction's scores lined up with the result's teams.
  std::array<QString, 2> scores = prediction.scores;
  if (prediction.teams[0] == result.teams[1] && prediction.teams[1] == result.teams[0])
    std::swap(scores[0], scores[1]);
  else if (prediction.teams != result.teams)
    return TPoolMark::None;
  if (WinnerTeam(prediction) != WinnerTeam(result))
    return TPoolMark::None;
  return CompareScoresOf(scores, result.scores);
}

TPoolScore ScorePoolSheet(const TPoolSheet &prediction, const TPoolSheet &results)
{
  TPoolScore score;
  for (int i = 0; i < PoolMatchCount; ++i) {
    const TPoolMark mark = ComparePoolMatch(prediction.matches[std::size_t(i)],
                                            results.matches[std::size_t(i)], i >= PoolGroupMatchCount);
    score.marks[std::size_t(i)] = mark;
    score.exact += mark == TPoolMark::Exact;
    score.difference += mark == TPoolMark::Difference;
    score.outcome += mark == TPoolMark::Outcome;
  }
  for (int r = 0; r < PoolRoundCount; ++r)
    score.rounds[std::size_t(r)] =
        int(qPopulationCount(prediction.rounds[std::size_t(r)] & results.rounds[std::size_t(r)]));
  return score;
}

int MarkPoints(TPoolMark mark, const TPoolValues &values)
{
  switch (mark) {
  case TPoolMark::Exact: return ValueOf(values, TPoolValue::Exact);
  case TPoolMark::Difference: return ValueOf(values, TPoolValue::Difference);
  case TPoolMark::Outcome: return ValueOf(values, TPoolValue::Outcome);
  case TPoolMark::None: break;
  }
  return 0;
}

int RoundValue(int round, const TPoolValues &values)
{
  return values[std::size_t(int(TPoolValue::Round16) + round)];
}

int RoundsPoints(const TPoolScore &score, const TPoolValues &values)
{
  int points = 0;
  for (int r = 0; r < PoolRoundCount; ++r)
    points += score.rounds[std::size_t(r)] * RoundValue(r, values);
  return points;
}

int TotalPoints(const TPoolScore &score, const TPoolValues &values)
{
  return score.exact * ValueOf(values, TPoolValue::Exact) +
         score.difference * ValueOf(values, TPoolValue::Difference) +
         score.outcome * ValueOf(values, TPoolValue::Outcome) + RoundsPoints(score, values);
}

QString PoolEntryName(QByteArrayView fileName)
{
  if (fileName.size() >= 4 && fileName.last(4).compare(".ini", Qt::CaseInsensitive) == 0)
    fileName.chop(4);
  QString name;
  for (qsizetype i = 0; i < fileName.size();) {
    const int length = Utf8Length(fileName, i);
    const uchar first = uchar(fileName[i]);
    if (length == 0 || first < 0x20 || first == 0x7F) {
      name += QStringLiteral("\\x") + QString::number(first, 16).toUpper().rightJustified(2, u'0');
      ++i;
    } else {
      name += QString::fromUtf8(fileName.sliced(i, length));
      i += length;
    }
  }
  return name;
}

TPoolEntry ReadPoolEntry(const QString &path, int language)
{
  const QByteArray native = QFile::encodeName(path);
  return ReadPoolEntryAt(native, PoolEntryName(native.mid(native.lastIndexOf('/') + 1)), language);
}

std::vector<TPoolEntry> ReadPoolFolder(const QString &folder, const QString &settingsFile,
                                       int language, QString *folderProblem)
{
  std::vector<TPoolEntry> entries;
  if (folderProblem)
    folderProblem->clear();
  if (folder.isEmpty())
    return entries;
  // The names as the system lists them, bytes and all: a name that is not
  // valid in the file-name encoding is an entry like any other.
  const QByteArray native = QFile::encodeName(QDir(folder).absolutePath());
  DIR *dir = ::opendir(native.constData());
  if (!dir) {
    if (folderProblem)
      *folderProblem = FolderProblem(errno, folder, language);
    return entries;
  }
  std::vector<QByteArray> names;
  while (const dirent *d = ::readdir(dir)) {
    const QByteArrayView name(d->d_name);
    // As the *.ini of a shell: hidden files are not listed.
    if (!name.startsWith('.') && name.size() > 4 &&
        name.last(4).compare(".ini", Qt::CaseInsensitive) == 0)
      names.emplace_back(name.toByteArray());
  }
  ::closedir(dir);

  const QByteArray settings = QFile::encodeName(QFileInfo(settingsFile).absoluteFilePath());
  const QByteArray settingsReal = RealPath(settings);
  std::vector<std::pair<QString, QByteArray>> files;
  for (const QByteArray &name : names) {
    const QByteArray path = NativeChild(native, name);
    if (path == settings || (!settingsReal.isEmpty() && RealPath(path) == settingsReal))
      continue;
    files.emplace_back(PoolEntryName(name), path);
  }
  std::sort(files.begin(), files.end(), [](const auto &a, const auto &b) {
    return a.first != b.first ? a.first < b.first : a.second < b.second;
  });
  entries.reserve(files.size());
  for (const auto &[name, path] : files)
    entries.push_back(ReadPoolEntryAt(path, name, language));
  return entries;
}

void ScorePool(std::vector<TPoolEntry> &entries, const TPoolSheet &results)
{
  for (TPoolEntry &e : entries)
    e.score = e.problem.isEmpty() ? ScorePoolSheet(e.sheet, results) : TPoolScore{};
}

std::vector<TPoolRow> RankPool(const std::vector<TPoolEntry> &entries, const TPoolValues &values)
{
  std::vector<TPoolRow> rows;
  rows.reserve(entries.size());
  for (int i = 0; i < int(entries.size()); ++i) {
    const TPoolEntry &e = entries[std::size_t(i)];
    TPoolRow row;
    row.entry = i;
    if (e.problem.isEmpty()) {
      row.rounds = RoundsPoints(e.score, values);
      row.points = TotalPoints(e.score, values);
    }
    rows.push_back(row);
  }
  auto scored = [&](const TPoolRow &r) { return entries[std::size_t(r.entry)].problem.isEmpty(); };
  auto exact = [&](const TPoolRow &r) { return entries[std::size_t(r.entry)].score.exact; };
  std::sort(rows.begin(), rows.end(), [&](const TPoolRow &a, const TPoolRow &b) {
    if (scored(a) != scored(b))
      return scored(a);
    if (a.points != b.points)
      return a.points > b.points;
    if (exact(a) != exact(b))
      return exact(a) > exact(b);
    return CompareNames(entries[std::size_t(a.entry)].name, entries[std::size_t(b.entry)].name) < 0;
  });
  for (std::size_t i = 0; i < rows.size() && scored(rows[i]); ++i) {
    const bool shared = i > 0 && rows[i].points == rows[i - 1].points && exact(rows[i]) == exact(rows[i - 1]);
    rows[i].rank = shared ? rows[i - 1].rank : QString::number(i + 1);
  }
  return rows;
}

TPoolPicks CountPoolPicks(const std::vector<TPoolEntry> &entries)
{
  TPoolPicks picks;
  for (const TPoolEntry &e : entries) {
    if (!e.problem.isEmpty())
      continue;
    ++picks.entries;
    for (int i = 0; i < PoolMatchCount; ++i)
      if (const int pick = PickOf(e.sheet.matches[std::size_t(i)], i); pick >= 0)
        ++PickCount(picks, i, pick);
  }
  return picks;
}

std::vector<TPoolDetailRow> PoolDetail(const TPoolEntry &entry, const TPoolSheet &results,
                                       const TPoolValues &values, const TPoolPicks &picks,
                                       int language)
{
  std::vector<TPoolDetailRow> rows;
  rows.reserve(PoolMatchCount + PoolRoundCount);
  for (int i = 0; i < PoolMatchCount; ++i) {
    TPoolDetailRow row;
    if (i < PoolGroupMatchCount) {
      row.match = GroupTitle(language, i / MatchesPerGroup);
    } else {
      int stage = KnockoutCount - 1;
      while (FirstMatchOf(stage) > i)
        --stage;
      row.match = KnockoutTitle(language, stage);
      if (KnockoutStage(stage).matches > 1)
        row.match += QLatin1Char(' ') + QString::number(i - FirstMatchOf(stage) + 1);
    }
    row.prediction = MatchWords(entry.sheet.matches[std::size_t(i)], language);
    row.result = MatchWords(results.matches[std::size_t(i)], language);
    row.points = MarkPoints(entry.score.marks[std::size_t(i)], values);
    const TPoolMatch &predicted = entry.sheet.matches[std::size_t(i)];
    const std::vector<std::pair<int, int>> made = PicksMade(picks, i);
    QStringList hint;
    for (const auto &[pick, count] : made)
      hint << PickWords(picks, predicted, i, pick, language);
    const int own = PickOf(predicted, i);
    if (own >= 0 || !made.empty())
      row.picks = PickWords(picks, predicted, i, own >= 0 ? own : made.front().first, language);
    row.picksHint = hint.join(QLatin1Char('\n'));
    rows.push_back(row);
  }
  for (int r = 0; r < PoolRoundCount; ++r) {
    TPoolDetailRow row;
    row.match = r == RoundChampion ? TextIn(language, TText::ChampionText) : KnockoutTitle(language, r == RoundFinal ? TheFinal : r);
    row.prediction = TeamsWords(entry.sheet.rounds[std::size_t(r)], language);
    row.result = TeamsWords(entry.sheet.rounds[std::size_t(r)] & results.rounds[std::size_t(r)], language);
    row.points = entry.score.rounds[std::size_t(r)] * RoundValue(r, values);
    rows.push_back(row);
  }
  return rows;
}

QString CsvTextCell(const QString &text)
{
  // What the guidance on CSV injection lists, with the full-width and small
  // forms a spreadsheet may read the same way.
  static const QString formulaStarts =
      QStringLiteral(u"=+-@\t\r\n\uFF1D\uFF0B\uFF0D\uFF20\uFE66\uFE62\uFE63\uFE6B\u2212");
  for (const QChar c : text) {
    if (formulaStarts.contains(c))
      return QLatin1Char('\'') + text;
    if (!c.isSpace())
      break;
  }
  return text;
}

QByteArray PoolCsv(const std::vector<TPoolEntry> &entries, const std::vector<TPoolRow> &rows,
                   int language)
{
  QStringList lines;
  QStringList header;
  for (TText t : {TText::PoolRankHeading, TText::PoolNameHeading, TText::PoolPointsHeading,
                  TText::PoolExactHeading, TText::PoolDifferenceHeading, TText::PoolOutcomeHeading,
                  TText::PoolRoundsHeading})
    header << CsvField(CsvTextCell(TextIn(language, t)));
  lines << header.join(QLatin1Char(','));
  for (const TPoolRow &row : rows) {
    const TPoolEntry &e = entries[std::size_t(row.entry)];
    QStringList fields = {CsvField(row.rank), CsvField(CsvTextCell(e.name))};
    if (e.problem.isEmpty())
      fields << QString::number(row.points) << QString::number(e.score.exact)
             << QString::number(e.score.difference) << QString::number(e.score.outcome)
             << QString::number(row.rounds);
    else
      fields << CsvField(CsvTextCell(e.problem)) << QString() << QString() << QString() << QString();
    lines << fields.join(QLatin1Char(','));
  }
  return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
