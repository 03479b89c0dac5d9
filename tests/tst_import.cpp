// Reading files of real results: the three formats, a whole tournament in
// each, the lines and scores each writes, every way a file fails, the teams'
// many names and the group match two teams play.

#include "core/groups/fixtures.h"
#include "core/import/groupMatches.h"
#include "core/import/resultsFile.h"
#include "core/import/teamNames.h"
#include "core/schedule/calendar.h"
#include "support/tournament.h"

#include <QProcess>
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
      {8, "group B | South Africa - Spain | 2002-06-12 @ Daejeon World Cup Stadium, Daejeon"},
      {11, "group | Costa Rica 2-5 Brazil | 2002-06-13 @ Suwon"},
      {12, "group | Turkey - China | 2002-06-13 @ Seoul"},
      {13, "group | Mexico 1-1 Italy | 2002-06-13"},
      {15, "round of 16 | Sweden 1-2 aet Senegal | 2002-06-16 @ Ōita Stadium, Ōita"},
      {16, "round of 16 | Spain 1-1 aet, 3-2 pen Ireland | 2002-06-16 @ Suwon World Cup Stadium, Suwon"},
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
      "7 group A | France 0-1 Senegal | 2002-05-31 @ Seoul World Cup Stadium, Seoul",
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

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
