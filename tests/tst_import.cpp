// Files of real results: the three formats, a whole tournament in each,
// the lines and scores each writes, every way a file fails, the teams' many
// names and the group match two teams play; what importing a file does to a
// tournament, the preview and its undo step in the window, and the export
// that imports back as the same tournament.

#include "core/groups/fixtures.h"
#include "core/import/groupMatches.h"
#include "core/import/importPlan.h"
#include "core/import/resultsFile.h"
#include "core/import/teamNames.h"
#include "core/schedule/calendar.h"
#include "import/importForm.h"
#include "support/tournament.h"

#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(TResultsError)
Q_DECLARE_METATYPE(TResultsFormat)

namespace {

QString DataFile(const char *name)
{
  return QStringLiteral(BRAKKA_TEST_DATA "/import/") + QLatin1String(name);
}

QString ScoreText(const TImportScore &s)
{
  const QString pair = s.goals1 + QLatin1Char('-') + s.goals2;
  return s.state == TImportScore::Absent ? QStringLiteral("-")
         : s.valid()                     ? pair
                                         : QStringLiteral("invalid ") + pair;
}

// "1-1 aet, 3-2 pen": the score a fan types and the shoot-out.
QString Result(const TImportMatch &m)
{
  QString text = ScoreText(m.score);
  if (m.extraTime)
    text += QStringLiteral(" aet");
  if (m.penalties.state != TImportScore::Absent)
    text += QStringLiteral(", ") + ScoreText(m.penalties) + QStringLiteral(" pen");
  return text;
}

QString Side(const QString &name, TTeam team)
{
  const QString english = team == NoTeam ? QStringLiteral("?") : TeamNameIn(LangEnglish, team);
  return name == english ? name : name + QLatin1Char('=') + english;
}

// "round of 16 | Spain 1-1 aet, 3-2 pen Ireland | 2002-06-16 @ Suwon"
QString Describe(const TImportMatch &m)
{
  static const char *const stages[] = {"unknown",     "group",       "round of 16", "quarter-final",
                                       "semi-final",  "third place", "final"};
  QString stage = QLatin1String(stages[int(m.stage)]);
  if (m.group >= 0)
    stage += QLatin1Char(' ') + GroupLetter(m.group);
  QString text = stage + QStringLiteral(" | ") + Side(m.name1, m.team1) + QLatin1Char(' ') + Result(m) +
                 QLatin1Char(' ') + Side(m.name2, m.team2);
  if (m.date.isValid())
    text += QStringLiteral(" | ") + m.date.toString(Qt::ISODate);
  if (!m.venue.isEmpty())
    text += QStringLiteral(" @ ") + m.venue;
  return text;
}

struct TKnockoutResult {
  int number;
  TTeam team1, team2;
  const char *result;
};
// The knockout stage as it was played, by match number.
const TKnockoutResult Knockout[] = {
    {49, Germany, Paraguay, "1-0"},     {50, Denmark, England, "0-3"},
    {51, Sweden, Senegal, "1-2 aet"},   {52, Spain, Ireland, "1-1 aet, 3-2 pen"},
    {53, Mexico, USA, "0-2"},           {54, Brazil, Belgium, "2-0"},
    {55, Japan, Turkey, "0-1"},         {56, SouthKorea, Italy, "2-1 aet"},
    {57, England, Brazil, "1-2"},       {58, Germany, USA, "1-0"},
    {59, Spain, SouthKorea, "0-0 aet, 3-5 pen"}, {60, Senegal, Turkey, "0-1 aet"},
    {61, Germany, SouthKorea, "1-0"},   {62, Brazil, Turkey, "1-0"},
    {63, SouthKorea, Turkey, "2-3"},    {64, Germany, Brazil, "0-2"},
};

TImportStage StageOfMatch(int number)
{
  return number <= 56 ? TImportStage::RoundOf16
         : number <= 60 ? TImportStage::QuarterFinal
         : number <= 62 ? TImportStage::SemiFinal
         : number == 63 ? TImportStage::ThirdPlace
                        : TImportStage::Final;
}

// The calendar's date of a group match.
QDate CalendarDate(int group, int match)
{
  for (const TCalendarMatch &c : MatchCalendar())
    if (c.match == GroupMatch(group, match))
      return QDate(2002, c.month, c.day);
  return QDate();
}

QString Swapped(const QString &result)
{
  // "1-2 aet, 3-5 pen" seen from the other side.
  static const QRegularExpression pair(QStringLiteral("(\\d+)-(\\d+)"));
  QString out = result;
  out.replace(pair, QStringLiteral("\\2-\\1"));
  return out;
}

QString Texts(const TMatchTexts &t)
{
  QString text = t.goals[0] + QLatin1Char('-') + t.goals[1];
  if (!t.penalties[0].isEmpty() || !t.penalties[1].isEmpty())
    text += QStringLiteral(" p") + t.penalties[0] + QLatin1Char('-') + t.penalties[1];
  return text;
}

// "52 new 1-1 p3-2", "replaced 2-0 > 0-1", "twice": a row of an import's
// plan, its match by number once found.
QString Planned(const TImportRow &row)
{
  static const char *const outcomes[] = {"new", "replaced", "unchanged", "not played", "unknown team",
                                         "no such match", "not in slot", "not held", "twice"};
  QString text = QLatin1String(outcomes[int(row.outcome)]);
  if (row.outcome == TImportOutcome::Replaced)
    text += QLatin1Char(' ') + Texts(row.before) + QStringLiteral(" >");
  if (Applies(row.outcome))
    text += QLatin1Char(' ') + Texts(row.after);
  const bool numbered = row.found && row.outcome != TImportOutcome::NotPlayed;
  return numbered ? QString::number(MatchNumber(row.match)) + QLatin1Char(' ') + text : text;
}

// A tournament with a file's results applied.
TTournament Imported(const QByteArray &bytes)
{
  TTournament t(false);
  FillResults(t, PlanImport(t, ReadResults(bytes).matches).texts, TFill::Restoring);
  return t;
}

// Runs File > Import results… on the file: the preview is answered by
// `answer` (its rows' cells, row by row, are put in `shown`).
void ImportThroughWindow(TGridDriver &g, const QString &path, QPushButton *TImportForm::*answer,
                         QStringList *shown = nullptr)
{
  g.dialogs().openedFiles = {path};
  g.dialogs().onModal = [&](QDialog *d) {
    auto *form = qobject_cast<TImportForm *>(d);
    if (!form)
      return int(QDialog::Rejected);
    for (int r = 0; shown && r < form->ImportTable->rowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < ImportColumnCount; ++c)
        cells << form->ImportTable->item(r, c)->text();
      *shown << cells.join(QStringLiteral(" | "));
    }
    QTest::mouseClick(form->*answer, Qt::LeftButton);
    return d->result();
  };
  g.form().menuItem(QStringLiteral("ImportResults1"))->trigger();
  g.dialogs().onModal = nullptr;
}

QByteArray FileBytes(const QString &path)
{
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestImport : public QObject {
  Q_OBJECT

 private slots:
  void wholeTournament_data();
  void wholeTournament();
  void footballTxtLines_data();
  void footballTxtLines();
  void earlierOpenFootballLayout();
  void jsonScores_data();
  void jsonScores();
  void badFiles_data();
  void badFiles();
  void filesThatCannotBeRead();
  void teamNames_data();
  void teamNames();
  void groupMatches();
  void matching_data();
  void matching();
  void importThroughThePreview_data() { wholeTournament_data(); }
  void importThroughThePreview();
  void previewSaysWhatHappens_data();
  void previewSaysWhatHappens();
  void badFilesThroughTheWindow_data();
  void badFilesThroughTheWindow();
  void exportThenImport_data();
  void exportThenImport();
};

void TestImport::wholeTournament_data()
{
  QTest::addColumn<QStringList>("files");
  QTest::addColumn<TResultsFormat>("format");
  QTest::newRow("openfootball JSON") << QStringList{DataFile("openfootball.json")}
                                     << TResultsFormat::OpenFootballJson;
  QTest::newRow("Football.TXT, groups then finals")
      << QStringList{DataFile("cup.txt"), DataFile("cup_finals.txt")} << TResultsFormat::FootballTxt;
  // Shuffled, every third match with home and away the other way round,
  // FIFA's names, fullTime with the shoot-out in it.
  QTest::newRow("football-data.org v4") << QStringList{DataFile("football-data.json")}
                                        << TResultsFormat::FootballDataJson;
}

void TestImport::wholeTournament()
{
  QFETCH(QStringList, files);
  QFETCH(TResultsFormat, format);
  std::vector<TImportMatch> matches;
  for (const QString &path : files) {
    TResultsFile file = ReadResultsFile(path);
    QVERIFY2(file.ok(), qPrintable(path));
    QCOMPARE(file.format, format);
    matches.insert(matches.end(), file.matches.begin(), file.matches.end());
  }
  QCOMPARE(matches.size(), std::size_t(MatchCount));
  bool seen[GroupCount][MatchesPerGroup] = {};
  int knockouts = 0;
  for (const TImportMatch &m : matches) {
    const QString what = Describe(m);
    QVERIFY2(m.team1 != NoTeam && m.team2 != NoTeam && m.score.valid() && !m.venue.isEmpty(), qPrintable(what));
    if (m.stage == TImportStage::GroupStage) {
      const std::optional<TGroupMatchRef> ref = FindGroupMatch(m.team1, m.team2);
      QVERIFY2(ref && m.group == ref->group && !seen[ref->group][ref->match], qPrintable(what));
      seen[ref->group][ref->match] = true;
      const QString result = GroupResult(ref->group, ref->match);
      QCOMPARE(Result(m), ref->swapped ? Swapped(result) : result);
      QCOMPARE(m.date, CalendarDate(ref->group, ref->match));
      continue;
    }
    const auto k = std::find_if(std::begin(Knockout), std::end(Knockout), [&](const TKnockoutResult &r) {
      return (r.team1 == m.team1 && r.team2 == m.team2) || (r.team1 == m.team2 && r.team2 == m.team1);
    });
    QVERIFY2(k != std::end(Knockout), qPrintable(what));
    ++knockouts;
    QCOMPARE(m.stage, StageOfMatch(k->number));
    const QString result = QLatin1String(k->result);
    QCOMPARE(Result(m), k->team1 == m.team1 ? result : Swapped(result));
    const TCalendarMatch &c = MatchCalendar()[std::size_t(k->number - 1)];
    QCOMPARE(m.date, QDate(2002, c.month, c.day));
  }
  QCOMPARE(knockouts, 16);
}

void TestImport::footballTxtLines_data()
{
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("match");
  const std::pair<int, const char *> rows[] = {
      {4, "group A | Denmark 2-0 France | 2002-06-14 @ Incheon"},
      {7, "group B | Spain 3-1 Paraguay | 2002-06-07 @ Jeonju"},
      {8, "group B | South Africa - Spain | 2002-06-12 @ Daejeon Stadium, Daejeon"},
      {11, "group | Costa Rica 2-5 Brazil | 2002-06-13 @ Suwon"},
      {12, "group | Turkey - China | 2002-06-13 @ Seoul"},
      {13, "group | Mexico 1-1 Italy | 2002-06-13"},
      {15, "round of 16 | Sweden 1-2 aet Senegal | 2002-06-16 @ Ōita Stadium, Ōita"},
      {16, "round of 16 | Spain 1-1 aet, 3-2 pen Ireland | 2002-06-16 @ Suwon Stadium, Suwon"},
      {19, "round of 16 | Korea Republic=South Korea 2-1 aet Italy"},
      {21, "quarter-final | Spain 0-0 aet, 3-5 pen South Korea | 2002-06-22 @ Gwangju"},
      {22, "quarter-final | Senegal 0-1 aet Turkey | 2002-06-22 @ Osaka"},
      {23, "quarter-final | Spain 0-0 aet, 3-5 pen Korea Republic=South Korea"},
      {24, "quarter-final | Spain 0-0, 3-5 pen Korea Republic=South Korea"},
      {25, "quarter-final | Senegal 0-1 aet TURQUIE=Turkey"},
      {28, "semi-final | Germany 1-0 Korea Republic=South Korea"},
      {30, "third place | Korea Republic=South Korea 2-3 Türkiye=Turkey"},
      {32, "final | Germany 0-2 Brazil | 2002-06-30 @ International Stadium Yokohama, Yokohama"},
      {34, "unknown | Brazil invalid 1.5-0 Germany"},
      {35, "unknown | Germany 123456789012345678901234567890-0 Arabie Saoudite=Saudi Arabia"},
  };
  for (const auto &[line, match] : rows)
    QTest::addRow("line %d", line) << line << QString::fromUtf8(match);
}

void TestImport::footballTxtLines()
{
  // Every other line of the file is a heading, a date, goals, a line-up,
  // penalty takers or a comment, and gives no match.
  QFETCH(int, line);
  QFETCH(QString, match);
  const TResultsFile file = ReadResultsFile(DataFile("variants.txt"));
  QCOMPARE(file.format, TResultsFormat::FootballTxt);
  QCOMPARE(file.matches.size(), std::size_t(19));
  const auto m = std::find_if(file.matches.begin(), file.matches.end(),
                              [&](const TImportMatch &r) { return r.line == line; });
  QVERIFY(m != file.matches.end());
  QCOMPARE(Describe(*m), match);
}

void TestImport::earlierOpenFootballLayout()
{
  // Rounds holding their matches, teams with codes, score1/score1et/score1p.
  const TResultsFile file = ReadResultsFile(DataFile("openfootball-rounds.json"));
  QCOMPARE(file.format, TResultsFormat::OpenFootballJson);
  QStringList got;
  for (const TImportMatch &m : file.matches)
    got << QString::number(m.line) + QLatin1Char(' ') + Describe(m);
  const QStringList expected = {
      "7 group A | France 0-1 Senegal | 2002-05-31 @ Seoul Stadium, Seoul",
      "15 group D | Korea=South Korea - Poland | 2002-06-04 @ Asiad Main Stadium, Busan",
      "28 round of 16 | Spain 1-1 aet, 3-2 pen Ireland | 2002-06-16 @ Suwon",
      "35 round of 16 | S. Korea=South Korea 2-1 aet Italy | 2002-06-18",
      "47 third place | South Korea 2-3 Turkey | 2002-06-29",
  };
  QCOMPARE(got, expected);
}

void TestImport::jsonScores_data()
{
  QTest::addColumn<QByteArray>("json");
  QTest::addColumn<QString>("result");
  auto of = [](const char *name, const char *fields, const char *result) {
    QTest::newRow(name) << QByteArray(R"({"matches": [{"team1": "Spain", "team2": "Ireland", )") + fields + "}]}"
                        << QString::fromLatin1(result);
  };
  of("of: full time", R"("score": {"ft": [2, 1]})", "2-1");
  of("of: et is after 120 minutes", R"("score": {"ft": [1, 1], "et": [2, 1]})", "2-1 aet");
  of("of: shoot-out", R"("score": {"ft": [1, 1], "et": [1, 1], "p": [3, 2]})", "1-1 aet, 3-2 pen");
  of("of: not played", R"("score": {})", "-");
  of("of: no score", R"("date": "2002-06-16")", "-");
  of("of: earlier keys", R"("score1": 1, "score2": 1, "score1et": 2, "score2et": 1)", "2-1 aet");
  of("of: earlier keys, not played", R"("score1": null, "score2": null)", "-");
  of("of: huge", R"("score": {"ft": [123456789012345678901234567890, 0]})", "123456789012345678901234567890-0");
  of("of: negative", R"("score": {"ft": [-1, 0]})", "invalid -1-0");
  of("of: fraction", R"("score": {"ft": [1.5, 0]})", "invalid 1.5-0");
  of("of: exponent", R"("score": {"ft": [1e1, 0]})", "invalid 1e1-0");
  of("of: in quotes", R"("score": {"ft": ["1", 0]})", "invalid 1-0");
  of("of: one side", R"("score": {"ft": [1, null]})", "invalid 1-");
  of("of: three sides", R"("score": {"ft": [1, 0, 2]})", "invalid 1-0");
  auto fd = [](const char *name, const char *fields, const char *result) {
    QTest::newRow(name) << QByteArray(R"({"matches": [{"homeTeam": {"name": "Spain"}, "awayTeam": {"name": "Ireland"}, )") +
                               fields + "}]}"
                        << QString::fromLatin1(result);
  };
  fd("fd: regular", R"("status": "FINISHED", "score": {"duration": "REGULAR", "fullTime": {"home": 2, "away": 1}})", "2-1");
  fd("fd: extra time",
     R"("score": {"duration": "EXTRA_TIME", "fullTime": {"home": 2, "away": 1}, "regularTime": {"home": 1, "away": 1}, "extraTime": {"home": 1, "away": 0}})",
     "2-1 aet");
  fd("fd: extra time, fullTime alone", R"("score": {"duration": "EXTRA_TIME", "fullTime": {"home": 2, "away": 1}})",
     "2-1 aet");
  fd("fd: shoot-out, regular plus extra",
     R"("score": {"duration": "PENALTY_SHOOTOUT", "fullTime": {"home": 5, "away": 3}, "regularTime": {"home": 1, "away": 1}, "extraTime": {"home": 0, "away": 0}, "penalties": {"home": 4, "away": 2}})",
     "1-1 aet, 4-2 pen");
  fd("fd: shoot-out, fullTime less penalties",
     R"("score": {"duration": "PENALTY_SHOOTOUT", "fullTime": {"home": 5, "away": 3}, "penalties": {"home": 4, "away": 2}})",
     "1-1 aet, 4-2 pen");
  fd("fd: shoot-out, fullTime alone", R"("score": {"duration": "PENALTY_SHOOTOUT", "fullTime": {"home": 5, "away": 3}})",
     "invalid 5-3 aet");
  fd("fd: penalties beyond fullTime",
     R"("score": {"duration": "PENALTY_SHOOTOUT", "fullTime": {"home": 1, "away": 1}, "penalties": {"home": 4, "away": 2}})",
     "invalid 1-1 aet, 4-2 pen");
  fd("fd: under way", R"("status": "IN_PLAY", "score": {"duration": "REGULAR", "fullTime": {"home": 1, "away": 0}})", "-");
  fd("fd: scheduled", R"("status": "TIMED", "score": {"fullTime": {"home": null, "away": null}})", "-");
  fd("fd: earlier keys", R"("score": {"fullTime": {"homeTeam": 2, "awayTeam": 0}})", "2-0");
  fd("fd: huge sum",
     R"("score": {"duration": "EXTRA_TIME", "regularTime": {"home": 99999999999999999999, "away": 0}, "extraTime": {"home": 1, "away": 0}})",
     "100000000000000000000-0 aet");
}

void TestImport::jsonScores()
{
  QFETCH(QByteArray, json);
  QFETCH(QString, result);
  const TResultsFile file = ReadResults(json);
  QVERIFY(file.ok());
  QCOMPARE(file.matches.size(), std::size_t(1));
  QCOMPARE(Result(file.matches.front()), result);
}

void TestImport::badFiles_data()
{
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<TResultsError>("error");
  QTest::addColumn<int>("line");
  QTest::addColumn<int>("column");
  using E = TResultsError;
  QTest::newRow("empty") << QByteArray() << E::Empty << 0 << 0;
  QTest::newRow("blanks") << QByteArray(" \n\t\r\n") << E::Empty << 0 << 0;
  QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF\n") << E::Empty << 0 << 0;
  QTest::newRow("NUL") << QByteArray("Group A\n(1) France\0 0-1 Senegal\n", 32) << E::Binary << 2 << 11;
  QTest::newRow("UTF-16") << QByteArray("\xFF\xFE{\0", 4) << E::Binary << 1 << 1;
  QTest::newRow("Latin-1") << QByteArray("Group A\nFrance 0-1 S\xE9n\xE9gal\n") << E::Binary << 2 << 13;
  QTest::newRow("surrogate") << QByteArray("Brazil 2-0 \xED\xA0\x80") << E::Binary << 1 << 12;
  QTest::newRow("character cut off") << QByteArray("France 0-1 S\xC3") << E::Truncated << 1 << 13;
  QTest::newRow("missing comma")
      << QByteArray("{\"matches\": [\n  {\"team1\": \"France\" \"team2\": \"Senegal\"}\n]}") << E::BrokenJson << 2 << 22;
  QTest::newRow("unquoted name") << QByteArray("{matches: []}") << E::BrokenJson << 1 << 2;
  QTest::newRow("trailing comma") << QByteArray("{\"matches\": [1,]}") << E::BrokenJson << 1 << 16;
  QTest::newRow("bad escape") << QByteArray("{\"matches\": [\"\\x\"]}") << E::BrokenJson << 1 << 16;
  QTest::newRow("two documents") << QByteArray("{} {}") << E::BrokenJson << 1 << 4;
  QTest::newRow("cut in a string") << QByteArray("{\"matches\": [{\"team1\": \"Fra") << E::Truncated << 1 << 28;
  QTest::newRow("cut after a match") << QByteArray("{\"matches\": [\n{\"team1\": \"France\"},\n") << E::Truncated << 3 << 1;
  QTest::newRow("cut in a number") << QByteArray("{\"matches\": [1.") << E::Truncated << 1 << 16;
  QTest::newRow("JSON of another kind") << QByteArray("{\"players\": []}") << E::UnknownFormat << 0 << 0;
  QTest::newRow("nested past reason") << QByteArray(300, '[') + QByteArray(300, ']') << E::UnknownFormat << 0 << 0;
  QTest::newRow("prose") << QByteArray("Brakka keeps the scores you type.\nNone of this is a match.\n")
                         << E::UnknownFormat << 0 << 0;
  QTest::newRow("headings only") << QByteArray("Group A\n\nRound of 16\n") << E::UnknownFormat << 0 << 0;
  QTest::newRow("settings file") << QByteArray("[GROUPA]\nGA11=1\nGA12=0\n") << E::UnknownFormat << 0 << 0;
}

void TestImport::badFiles()
{
  QFETCH(QByteArray, bytes);
  QFETCH(TResultsError, error);
  QFETCH(int, line);
  QFETCH(int, column);
  const TResultsFile file = ReadResults(bytes);
  QCOMPARE(file.error, error);
  QCOMPARE(file.line, line);
  QCOMPARE(file.column, column);
  QVERIFY(file.matches.empty());
}

void TestImport::filesThatCannotBeRead()
{
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  TResultsFile file = ReadResultsFile(dir.filePath(QStringLiteral("missing.json")));
  QCOMPARE(file.error, TResultsError::CannotOpen);
  QCOMPARE(file.openFailure, TOpenFailure::Missing);
  file = ReadResultsFile(dir.path());
  QCOMPARE(file.openFailure, TOpenFailure::Folder);

  // One byte over the limit is refused on its size; at the limit it is read.
  QFile big(dir.filePath(QStringLiteral("big.txt")));
  QVERIFY(big.open(QIODevice::WriteOnly));
  QVERIFY(big.write("France 0-1 Senegal\n") > 0 && big.resize(ResultsFileLimit + 1));
  big.close();
  file = ReadResultsFile(big.fileName());
  QCOMPARE(file.error, TResultsError::TooLarge);
  QCOMPARE(file.size, ResultsFileLimit + 1);
  QVERIFY(big.resize(ResultsFileLimit));
  QCOMPARE(ReadResultsFile(big.fileName()).error, TResultsError::Binary);   // the NULs it was padded with

  // A stream without end is read no further than the limit.
  const QString fifo = dir.filePath(QStringLiteral("stream"));
  QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QProcess yes;   // opens the stream in the child, where it waits for the reader
  yes.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exec yes 'France 0-1 Senegal' > \"$0\""), fifo});
  file = ReadResultsFile(fifo);
  QCOMPARE(file.error, TResultsError::TooLarge);
  QCOMPARE(file.size, ResultsFileLimit + 1);
  yes.kill();
  yes.waitForFinished();

  QFile locked(dir.filePath(QStringLiteral("locked.json")));
  QVERIFY(locked.open(QIODevice::WriteOnly) && locked.write("{}") == 2);
  locked.close();
  QVERIFY(locked.setPermissions(QFileDevice::WriteOwner));
  if (::geteuid() == 0)
    QSKIP("root reads a file whatever its permissions");
  file = ReadResultsFile(locked.fileName());
  QCOMPARE(file.openFailure, TOpenFailure::NotReadable);
  QVERIFY(!file.systemReason.isEmpty());
}

void TestImport::teamNames_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("team");
  // Every team by each of its names in any letter case.
  for (int team = 1; team <= TeamCount; ++team) {
    QStringList names;
    for (int language = 0; language < LanguageCount; ++language)
      names << TeamNameIn(language, team);
    for (const char16_t *const *s = TeamSpellings(TTeam(team)); *s; ++s)
      names << QString::fromUtf16(*s);
    names.removeDuplicates();
    for (const QString &name : names) {
      QTest::addRow("%s", qPrintable(name)) << name << team;
      QTest::addRow("%s upper", qPrintable(name)) << name.toUpper() << team;
      QTest::addRow("%s lower", qPrintable(name)) << name.toLower() << team;
    }
  }
  // As the sources drop accents, blanks and dots.
  const std::pair<const char *, TTeam> written[] = {
      {"Turkiye", Turkey}, {"TURQUIA", Turkey},      {"Coree du Sud", SouthKorea}, {"Etats-Unis", USA},
      {"EE.UU.", USA},     {"Japon", Japan},         {"Bresil", Brazil},           {"Senegal", Senegal},
      {"Equateur", Ecuador}, {"Arabia Saudi", SaudiArabia}, {"Suede", Sweden},     {"Eire", Ireland},
      {"Costa  Rica", CostaRica}, {"korea-republic", SouthKorea}, {"Korea DPR", NoTeam},
      {"Northern Ireland", NoTeam}, {"Germany U21", NoTeam}, {"", NoTeam}, {"--", NoTeam},
  };
  for (const auto &[name, team] : written)
    QTest::addRow("written %s", name) << QString::fromUtf8(name) << int(team);
}

void TestImport::teamNames()
{
  QFETCH(QString, name);
  QFETCH(int, team);
  QCOMPARE(int(RecogniseTeam(name)), team);
}

void TestImport::groupMatches()
{
  for (int group = 0; group < GroupCount; ++group)
    for (int match = 0; match < MatchesPerGroup; ++match) {
      const TGroupMatch &f = GroupFixtures(group)[std::size_t(match)];
      const std::optional<TGroupMatchRef> ahead = FindGroupMatch(f.side1, f.side2);
      const std::optional<TGroupMatchRef> back = FindGroupMatch(f.side2, f.side1);
      QVERIFY(ahead && back);
      QCOMPARE(std::tuple(ahead->group, ahead->match, ahead->swapped), std::tuple(group, match, false));
      QCOMPARE(std::tuple(back->group, back->match, back->swapped), std::tuple(group, match, true));
    }
  QVERIFY(!FindGroupMatch(Spain, Brazil));   // never met in a group
  QVERIFY(!FindGroupMatch(France, France));
  QVERIFY(!FindGroupMatch(NoTeam, Senegal));
}

void TestImport::matching_data()
{
  QTest::addColumn<QByteArray>("start");   // a file imported first
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QStringList>("planned");
  const QByteArray none, groups = FileBytes(DataFile("cup.txt")), all = groups + FileBytes(DataFile("cup_finals.txt"));
  const auto row = [](const char *name, const QByteArray &start, const char *file, const QStringList &planned) {
    QTest::newRow(name) << start << QByteArray(file) << planned;
  };
  row("new score", none, "Group A\nFrance 00-01 Senegal\n", {"1 new 0-1"});
  row("sides the other way", none, "Group A\nSenegal 1-0 France\n", {"1 new 0-1"});
  row("replaced", "Group A\nFrance 2-0 Senegal\n", "Group A\nFrance 0-1 Senegal\n", {"1 replaced 2-0 > 0-1"});
  row("unchanged", groups, "Group A\nSenegal 1-0 France\n", {"1 unchanged 0-1"});
  row("no score yet", groups, "Group A\n(1) France - Senegal\n", {"not played"});
  row("unknown team", none, "Group A\nFrance 0-1 Narnia\n", {"unknown team"});
  row("teams of two groups", none, "Group A\nFrance 1-0 Brazil\n", {"no such match"});
  row("no knockout match of theirs", all, "Replays\nFrance 1-0 Brazil\n", {"no such match"});
  row("knockout, not in that slot", groups, "Round of 16\nSpain 1-0 Paraguay\n", {"not in slot"});
  row("knockout after the groups", groups, "Round of 16\nIreland 2-3 pen. 1-1 a.e.t. Spain\n", {"52 new 1-1 p3-2"});
  row("rounds in any order", groups,
      "Quarter-finals\nSpain 0-0 (3-5 pen) Korea Republic\nRound of 16\nSpain 3-2 pen. 1-1 a.e.t. Ireland\n"
      "Korea Republic 2-1aet Italy\n",
      {"59 new 0-0 p3-5", "52 new 1-1 p3-2", "56 new 2-1"});
  row("a round the file does not name", groups, "Spain 3-2 pen. 1-1 a.e.t. Ireland\n", {"52 new 1-1 p3-2"});
  row("more goals than a field holds", none, "Group A\nFrance 100-1 Senegal\n", {"1 not held"});
  row("any number in the final", all, "Final\nGermany 100-2 Brazil\n", {"64 replaced 0-2 > 100-2"});
  row("a shoot-out after a decided match", groups,
      R"({"matches": [{"round": "Round of 16", "team1": "Spain", "team2": "Ireland",)"
      R"( "score": {"ft": [2, 1], "p": [3, 2]}}]})",
      {"52 not held"});
  row("listed twice", none, "Group A\nFrance 0-1 Senegal\nSenegal 0-1 France\n", {"1 twice", "1 twice"});
  row("listed twice alike", none, "Group A\nFrance 0-1 Senegal\nSenegal 1-0 France\n", {"1 new 0-1", "1 unchanged 0-1"});
  // Germany out of their group: their 1/8 final is Ireland's, and its
  // scores go with Germany.
  row("a group result moves a team out of its slot", all,
      "Round of 16\nGermany 1-0 Paraguay\nGroup E\nGermany 0-8 Saudi Arabia\n", {"not in slot", "4 replaced 8-0 > 0-8"});
}

void TestImport::matching()
{
  QFETCH(QByteArray, start);
  QFETCH(QByteArray, file);
  QFETCH(QStringList, planned);
  TTournament tournament = Imported(start);
  const TResultsFile read = ReadResults(file);
  QVERIFY(read.ok());
  const TImportPlan plan = PlanImport(tournament, read.matches);
  QStringList got;
  for (const TImportRow &row : plan.rows)
    got << Planned(row);
  QCOMPARE(got, planned);

  // Applied, the texts give each match what its row says.
  FillResults(tournament, plan.texts, TFill::Restoring);
  for (const TImportRow &row : plan.rows)
    if (Applies(row.outcome)) {
      const TMatchState &m = tournament.match(row.match);
      QCOMPARE(Texts({m.goals, m.penalties}), Texts(row.after));
    }
}

void TestImport::importThroughThePreview()
{
  QFETCH(QStringList, files);
  TGridDriver played;
  PlayAll(played);
  TGridDriver g;
  const QByteArray settings = FileBytes(g.document().settingsFile());
  QStringList shown;
  TResultTexts beforeLast = g.document().resultTexts();
  for (const QString &path : files) {
    beforeLast = g.document().resultTexts();
    ImportThroughWindow(g, path, &TImportForm::ApplyButton, &shown);
  }
  QCOMPARE(shown.size(), 64);
  for (const QString &row : shown)
    QVERIFY2(row.contains(QStringLiteral(" | New score ")), qPrintable(row));
  QVERIFY(g.document().tournament() == played.document().tournament());
  QCOMPARE(g.text(QStringLiteral("Champion")), played.text(QStringLiteral("Champion")));
  // Nothing is written before Save.
  QCOMPARE(FileBytes(g.document().settingsFile()), settings);

  // One undo takes the last file's import back, one redo brings it again.
  const QString name = QFileInfo(files.last()).fileName();
  QCOMPARE(g.form().menuItem(QStringLiteral("Undo1"))->text(), QStringLiteral("Undo importing ") + name);
  g.form().menuItem(QStringLiteral("Undo1"))->trigger();
  QVERIFY(TDocument::SameResults(g.document().resultTexts(), beforeLast));
  QCOMPARE(g.form().menuItem(QStringLiteral("Redo1"))->text(), QStringLiteral("Redo importing ") + name);
  g.form().menuItem(QStringLiteral("Redo1"))->trigger();
  QVERIFY(g.document().tournament() == played.document().tournament());
}

void TestImport::previewSaysWhatHappens_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<QStringList>("rows");
  QTest::addColumn<QString>("undo");
  QTest::newRow("English") << int(LangEnglish)
                           << QStringList{"1 · Group A | France – Senegal | Replaced 2-0 → 0-1 | ",
                                          "39 · Group B | South Africa – Spain | Not applied | no score in the file yet",
                                          "Group B | France – Narnia | Not applied | unknown team: Narnia",
                                          "52 · 1/8 final | Spain – Ireland | New score 1-1 (pen. 3-2) | "}
                           << "Undo importing results.txt";
  QTest::newRow("French") << int(LangFrench)
                          << QStringList{"1 · Groupe A | France – Sénégal | Remplacé 2-0 → 0-1 | ",
                                         "39 · Groupe B | Afrique du Sud – Espagne | Non appliqué | "
                                         "le fichier ne donne pas encore de score",
                                         "Group B | France – Narnia | Non appliqué | équipe inconnue : Narnia",
                                         "52 · Huitième de finale | Espagne – Eire | Nouveau score 1-1 (t.a.b. 3-2) | "}
                          << "Annuler l'importation de results.txt";
}

void TestImport::previewSaysWhatHappens()
{
  QFETCH(int, language);
  QFETCH(QStringList, rows);
  QFETCH(QString, undo);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("results.txt"));
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("Group A\nSenegal 1-0 France\nGroup B\n(39) South Africa - Spain\nFrance 0-1 Narnia\nRound of 16\n"
          "Ireland 2-3 pen. 1-1 a.e.t. Spain\n");
  f.close();
  TGridDriver g;
  g.choosePreferences(language);
  PlayGroups(g);
  g.score(QStringLiteral("GA1"), QStringLiteral("2-0"));
  const TTournament typed = g.document().tournament();
  const QString undoTyping = g.form().menuItem(QStringLiteral("Undo1"))->text();

  // Cancel changes nothing.
  QStringList shown;
  ImportThroughWindow(g, path, &TImportForm::CancelButton, &shown);
  QCOMPARE(g.dialogs().modalWindows.last(), QStringLiteral("ImportForm"));
  QCOMPARE(shown, rows);
  QVERIFY(g.document().tournament() == typed);
  QCOMPARE(g.form().menuItem(QStringLiteral("Undo1"))->text(), undoTyping);

  ImportThroughWindow(g, path, &TImportForm::ApplyButton);
  QCOMPARE(g.text(QStringLiteral("GA11")), QStringLiteral("0"));
  QCOMPARE(g.text(QStringLiteral("Final841pk")), QStringLiteral("3"));
  QCOMPARE(g.form().menuItem(QStringLiteral("Undo1"))->text(), undo);
}

void TestImport::badFilesThroughTheWindow_data()
{
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<qint64>("size");   // the file made this long; -1: no file
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("message");   // %1: the file's path
  QTest::newRow("not a format") << QByteArray("Brakka keeps the scores you type.\n") << qint64(0) << int(LangEnglish)
                                << "results.txt is not a results file Brakka reads: openfootball's JSON or "
                                   "Football.TXT, or football-data.org's JSON.\n\nNothing was imported.";
  QTest::newRow("broken JSON") << QByteArray("{\"matches\": [\n  {\"team1\": \"France\" \"team2\": \"Senegal\"}\n]}")
                               << qint64(0) << int(LangSpanish)
                               << "results.txt es un JSON dañado: error en la línea 2, columna 22.\n\n"
                                  "No se ha importado nada.";
  QTest::newRow("truncated") << QByteArray("{\"matches\": [\n{\"team1\": \"France\"},\n") << qint64(0)
                             << int(LangFrench)
                             << "results.txt est tronqué : il s'arrête au milieu de ses données (ligne 3, "
                                "colonne 1).\n\nRien n'a été importé.";
  QTest::newRow("binary") << QByteArray("Group A\n(1) France\0 0-1 Senegal\n", 32) << qint64(0) << int(LangEnglish)
                          << "results.txt is not a text file: line 2, column 11 holds bytes that are not UTF-8 "
                             "text.\n\nNothing was imported.";
  QTest::newRow("empty") << QByteArray() << qint64(0) << int(LangSpanish)
                         << "results.txt está vacío.\n\nNo se ha importado nada.";
  QTest::newRow("over 5 MB") << QByteArray("France 0-1 Senegal\n") << ResultsFileLimit + 1 << int(LangFrench)
                             << "results.txt fait 5,0 Mo : un fichier de résultats fait au plus 5 Mo.\n\n"
                                "Rien n'a été importé.";
  QTest::newRow("cannot be opened") << QByteArray() << qint64(-1) << int(LangEnglish)
                                    << "The file %1 cannot be opened: it does not exist.\n\nNothing was imported.";
}

void TestImport::badFilesThroughTheWindow()
{
  QFETCH(QByteArray, bytes);
  QFETCH(qint64, size);
  QFETCH(int, language);
  QFETCH(QString, message);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("results.txt"));
  if (size >= 0) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && (size == 0 || f.resize(size)));
  }
  TGridDriver g;
  g.choosePreferences(language);
  g.score(QStringLiteral("GA1"), QStringLiteral("2-0"));
  const TTournament typed = g.document().tournament();
  const std::size_t steps = g.document().history().count();
  g.dialogs().asked.clear();
  ImportThroughWindow(g, path, &TImportForm::ApplyButton);
  QCOMPARE(g.dialogs().asked.size(), 1);
  QCOMPARE(g.dialogs().asked.first().icon, TMsgIcon::Warning);
  QCOMPARE(g.dialogs().asked.first().text, message.contains(QLatin1String("%1"))
                                                ? message.arg(QDir::toNativeSeparators(path))
                                                : message);
  QVERIFY(!g.dialogs().modalWindows.contains(QStringLiteral("ImportForm")));
  QVERIFY(g.document().tournament() == typed);
  QCOMPARE(g.document().history().count(), steps);
}

void TestImport::exportThenImport_data()
{
  QTest::addColumn<int>("played");   // 0 all, 1 two matchdays, 2 all and a long final on penalties
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("whole tournament")
      << 0
      << QStringList{R"({"round": "Matchday 1", "date": "2002-05-31", "time": "20:30 UTC+9", "team1": "France", )"
                     R"x("team2": "Senegal", "score": {"ft": [0, 1]}, "group": "Group A", )x"
                     R"x("ground": "Seoul (South Korea)"})x",
                     R"("team1": "Spain", "team2": "Ireland", "score": {"ft": [1, 1], "et": [1, 1], "p": [3, 2]})",
                     R"("team1": "South Korea", "team2": "Italy", "score": {"ft": [2, 1]})",
                     R"({"round": "Final", "date": "2002-06-30", "time": "20:00 UTC+9", "team1": "Germany", )"
                     R"x("team2": "Brazil", "score": {"ft": [0, 2]}, "ground": "Yokohama (Japan)"})x"};
  QTest::newRow("two matchdays") << 1 << QStringList{R"("round": "Matchday 2")"};
  QTest::newRow("a long final on penalties")
      << 2 << QStringList{R"("score": {"ft": [123456789012345678901, 123456789012345678901], )"
                          R"("et": [123456789012345678901, 123456789012345678901], "p": [5, 4]})"};
}

void TestImport::exportThenImport()
{
  QFETCH(int, played);
  QFETCH(QStringList, lines);
  TGridDriver g;
  played == 1 ? PlayTwoMatchdays(g) : PlayAll(g);
  if (played == 2) {
    g.score(QStringLiteral("Final1"), QStringLiteral("123456789012345678901-123456789012345678901"));
    g.type(QStringLiteral("Final11pk"), QStringLiteral("5"));
    g.type(QStringLiteral("Final12pk"), QStringLiteral("4"));
  }
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("results.json"));
  g.dialogs().savedFiles = {path};
  g.form().menuItem(QStringLiteral("ExportResults1"))->trigger();
  QCOMPARE(g.dialogs().saveRequests.first().fileName, QStringLiteral("results.json"));
  const QString written = QString::fromUtf8(FileBytes(path));
  for (const QString &line : lines)
    QVERIFY2(written.contains(line), qPrintable(line));

  TGridDriver h;
  ImportThroughWindow(h, path, &TImportForm::ApplyButton);
  QVERIFY(h.document().tournament() == g.document().tournament());
}

QTEST_MAIN(TestImport)
#include "tst_import.moc"
