// The prediction pool: entries read from friends' settings files, scored
// against the results, ranked, saved as CSV, and the window on them.

#include "core/tournament/tournament.h"
#include "pool/poolChart.h"
#include "pool/poolForm.h"
#include "core/pool/poolDays.h"
#include "core/pool/poolScoring.h"
#include "core/settings/preferences.h"
#include "core/settings/resultTexts.h"
#include "core/settings/settingsFile.h"
#include "support/fakePlatform.h"
#include "support/grid.h"

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Scores by match stem and side: {"GA1", "2-1"} fills GA11 and GA12;
// {"Final81pk", "4-3"} the penalties of the first 1/8 final.
using TScores = QList<QPair<QString, QString>>;

TResultTexts TextsOf(const TScores &scores)
{
  TResultTexts texts(ResultFieldCount);
  for (const auto &[stem, result] : scores) {
    const QStringList sides = result.split(QLatin1Char('-'));
    QString suffix;
    QString match = stem;
    if (match.endsWith(QLatin1String("pk"))) {
      suffix = QStringLiteral("pk");
      match.chop(2);
    }
    for (int s = 0; s < 2; ++s) {
      const std::optional<TControlId> id = ControlIdOf(match + QString::number(s + 1) + suffix);
      Q_ASSERT(id && id->kind == TControlId::Field);
      texts[id->index] = sides[s];
    }
  }
  return texts;
}

void SaveEntry(const QString &path, const TResultTexts &texts, int language = LangEnglish)
{
  TPreferences preferences;
  preferences.language = language;
  QVERIFY(SaveSettingsFile(path, preferences, std::nullopt, texts) == TSaveResult::Saved);
}

TTournament TournamentOf(const TResultTexts &texts)
{
  TTournament t;
  FillResults(t, texts, TFill::Loading);
  return t;
}

TPoolSheet ResultsOf(const TResultTexts &texts) { return PoolResultsOf(TournamentOf(texts)); }

// Every group's six matches with the same scores, so that each table has an
// order: side 1 wins by the match's number of goals.
TScores AllGroups(int skipGroup = -1, int skipMatches = 0)
{
  TScores scores;
  for (int g = 0; g < GroupCount; ++g)
    for (int m = 1; m <= MatchesPerGroup - (g == skipGroup ? skipMatches : 0); ++m)
      scores << qMakePair(QStringLiteral("G%1%2").arg(GroupLetter(g)).arg(m),
                          QStringLiteral("%1-0").arg(m % 3));
  return scores;
}

// The pool window on a folder, shown.
struct TPoolWindow {
  TPoolWindow(const QString &folder, int language = LangEnglish)
      : Form(nullptr, Dialogs, TournamentOf(TextsOf(AllGroups())), TPoolSettings{DefaultPoolValues, folder},
             QString(), language)
  {
    Form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form));
  }
  TScriptedDialogs Dialogs;
  TPoolForm Form;
};

TResultTexts RandomTexts(QRandomGenerator &random)
{
  TResultTexts texts;
  for (int i = 0; i < ResultFieldCount; ++i) {
    const bool penalty = FieldInfo(TField(i)).kind == TFieldInfo::Penalty;
    texts.push_back(random.bounded(10) < 2 ? QString()
                                           : QString::number(random.bounded(penalty ? 6 : 4)));
  }
  return texts;
}

}  // namespace

class TestPool : public QObject {
  Q_OBJECT

private slots:
  void handComputedPool();
  void pointsByDay_data();
  void pointsByDay();
  void picks_data();
  void picks();
  void saveChart_data();
  void saveChart();
  void matchRules_data();
  void matchRules();
  void roundsWithGroupsIncomplete_data();
  void roundsWithGroupsIncomplete();
  void csvFile();
  void everyFileIsListed();
  void keyboardWalk();
  void columnsFit_data();
  void columnsFit();
  void randomPredictions();
  void window_data();
  void window();
  void settingsKeepThePool();
};

// Four entries and a damaged file beside the settings file in use, against
// three results of group A.
void TestPool::handComputedPool()
{
  QTemporaryDir dir;
  const TScores results = {{"GA1", "2-1"}, {"GA2", "0-0"}, {"GA3", "1-3"}};
  // ana 3+2+1, bob 2+3+1, eve 2+2+2, cid 0+2+3.
  SaveEntry(dir.filePath("ana.ini"), TextsOf({{"GA1", "2-1"}, {"GA2", "1-1"}, {"GA3", "0-1"}}), LangFrench);
  SaveEntry(dir.filePath("bob.ini"), TextsOf({{"GA1", "1-0"}, {"GA2", "0-0"}, {"GA3", "2-3"}}), LangSpanish);
  SaveEntry(dir.filePath("eve.ini"), TextsOf({{"GA1", "1-0"}, {"GA2", "1-1"}, {"GA3", "0-2"}}));
  SaveEntry(dir.filePath("cid.ini"), TextsOf({{"GA1", "1-3"}, {"GA2", "2-2"}, {"GA3", "1-3"}}));
  QFile damaged(dir.filePath("dan.ini"));
  QVERIFY(damaged.open(QIODevice::WriteOnly));
  damaged.write("[GROUP A]\r\nGame1=2:1\r\n");
  damaged.close();
  SaveEntry(dir.filePath("Brakka.ini"), TextsOf(results));

  std::vector<TPoolEntry> entries = ReadPoolFolder(dir.path(), dir.filePath("Brakka.ini"), LangEnglish);
  ScorePool(entries, ResultsOf(TextsOf(results)));
  const std::vector<TPoolRow> rows = RankPool(entries, DefaultPoolValues);
  QStringList table;
  for (const TPoolRow &row : rows) {
    const TPoolEntry &e = entries[std::size_t(row.entry)];
    table << QStringLiteral("%1 %2 %3 %4/%5/%6 %7")
                 .arg(row.rank, e.name, e.problem.isEmpty() ? QString::number(row.points) : e.problem)
                 .arg(e.score.exact).arg(e.score.difference).arg(e.score.outcome).arg(row.rounds);
  }
  QCOMPARE(table, QStringList({"1 ana 6 1/1/1 0", "1 bob 6 1/1/1 0", "3 eve 6 0/3/0 0",
                               "4 cid 5 1/1/0 0", " dan Game1 in [GROUP A] is not a score 0/0/0 0"}));

  // Other values rank them again without reading them again.
  TPoolValues values = DefaultPoolValues;
  values[std::size_t(TPoolValue::Exact)] = 10;
  QCOMPARE(RankPool(entries, values)[0].points, 13);
  QCOMPARE(entries[std::size_t(RankPool(entries, values)[3].entry)].name, QStringLiteral("eve"));
}

// "GA1 0-1, GA2 1-2" as scores.
TScores ScoresOf(const QString &words)
{
  TScores scores;
  for (const QString &score : words.split(QStringLiteral(", "), Qt::SkipEmptyParts))
    scores << qMakePair(score.section(u' ', 0, 0), score.section(u' ', 1, 1));
  return scores;
}

// Each entry's points after each day with results, by the pool's own
// values: the matches of 31 May, 1 June (two), 6 June (two) and 11 June
// (two, which complete group A: Denmark and Senegal reach the 1/8 finals).
// Group F's "2-" on 2 June is no result, so no day.
void TestPool::pointsByDay_data()
{
  QTest::addColumn<QString>("results");
  QTest::addColumn<QStringList>("entries");   // "name: scores"
  QTest::addColumn<QString>("values");        // exact, difference, outcome; the rounds as usual
  QTest::addColumn<QStringList>("days");
  QTest::addColumn<QStringList>("points");    // by entry, after each day
  const QString threeDays = "GA1 0-1, GA2 1-2, GE1 1-1, GF1 2-, GA3 1-1";
  const QStringList entries = {"ana: GA1 0-1, GA2 2-1, GE1 0-0, GA3 2-1", "bob: GA1 1-2, GA2 0-1, GA3 1-1",
                               "cid: GA1 1-0, GA2 0-3, GE1 2-2, GA3 0-0"};
  const QStringList days = {"2002-05-31", "2002-06-01", "2002-06-06"};
  QTest::newRow("three days") << threeDays << entries << "3 2 1" << days
                              << QStringList({"ana 3 5 5", "bob 2 4 7", "cid 0 3 5"});
  QTest::newRow("other values") << threeDays << entries << "10 5 1" << days
                                << QStringList({"ana 10 15 15", "bob 5 10 20", "cid 0 6 11"});
  const QString groupA = "GA1 0-1, GA2 1-2, GA3 1-1, GA4 0-0, GA5 2-0, GA6 3-3";
  QTest::newRow("a group played") << groupA << QStringList({"ana: GA1 0-1", "all: " + groupA}) << "3 2 1"
                                  << QStringList({"2002-05-31", "2002-06-01", "2002-06-06", "2002-06-11"})
                                  << QStringList({"all 3 6 12 20", "ana 3 3 3 3"});
  QTest::newRow("nothing played") << "GA1 1-" << QStringList({"ana: GA1 0-1"}) << "3 2 1" << QStringList()
                                  << QStringList({"ana"});
}

void TestPool::pointsByDay()
{
  QFETCH(QString, results);
  QFETCH(QStringList, entries);
  QFETCH(QString, values);
  QFETCH(QStringList, days);
  QFETCH(QStringList, points);
  QTemporaryDir dir;
  for (const QString &entry : entries)
    SaveEntry(dir.filePath(entry.section(u':', 0, 0) + ".ini"), TextsOf(ScoresOf(entry.section(u':', 1).trimmed())));
  TPoolValues poolValues = DefaultPoolValues;
  for (int v = 0; v < 3; ++v)
    poolValues[std::size_t(v)] = values.section(u' ', v, v).toInt();
  const TTournament shown = TournamentOf(TextsOf(ScoresOf(results)));
  const std::vector<TPoolDay> poolDays = PoolResultsByDay(shown);
  QStringList shownDays;
  for (const TPoolDay &day : poolDays)
    shownDays << day.date.toString(Qt::ISODate);
  QCOMPARE(shownDays, days);
  std::vector<TPoolEntry> pool = ReadPoolFolder(dir.path(), QString(), LangEnglish);
  ScorePool(pool, PoolResultsOf(shown));
  const TPoolDayScores scores = ScorePoolByDay(pool, poolDays);
  QStringList byDay;
  for (std::size_t e = 0; e < pool.size(); ++e) {
    QString line = pool[e].name;
    const std::vector<int> entryPoints = PointsByDay(scores[e], poolValues);
    for (const int p : entryPoints)
      line += QLatin1Char(' ') + QString::number(p);
    byDay << line;
    // The last day is where the table stands.
    QCOMPARE(entryPoints.empty() ? 0 : entryPoints.back(), TotalPoints(pool[e].score, poolValues));
  }
  QCOMPARE(byDay, points);
}

// How everyone picked a match, in each language: what this entry picked,
// or the most picked when it picked nothing; every pick in the hint. The
// damaged file is no friend.
void TestPool::picks_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("entry");
  QTest::addColumn<int>("match");
  QTest::addColumn<QString>("picks");
  QTest::addColumn<QString>("hint");
  const QString france = "2 of 4 picked France to win", draw = "1 of 4 picked a draw";
  QTest::newRow("a win") << int(LangEnglish) << "ana" << 0 << france << france + "\n" + draw;
  QTest::newRow("a draw") << int(LangEnglish) << "cid" << 0 << draw << france + "\n" + draw;
  QTest::newRow("no pick") << int(LangEnglish) << "dan" << 0 << france << france + "\n" + draw;
  QTest::newRow("the other side") << int(LangEnglish) << "ana" << 1 << "1 of 4 picked Denmark to win"
                                  << "1 of 4 picked Denmark to win";
  QTest::newRow("nobody") << int(LangEnglish) << "ana" << 2 << "" << "";
  QTest::newRow("knockout") << int(LangEnglish) << "dan" << PoolGroupMatchCount << "1 of 4 picked Germany to win"
                            << "1 of 4 picked Germany to win";
  QTest::newRow("Spanish win") << int(LangSpanish) << "ana" << 0 << "Victoria de Francia en 2 de 4 pronósticos"
                               << "Victoria de Francia en 2 de 4 pronósticos\nEmpate en 1 de 4 pronósticos";
  QTest::newRow("Spanish draw") << int(LangSpanish) << "cid" << 0 << "Empate en 1 de 4 pronósticos"
                                << "Victoria de Francia en 2 de 4 pronósticos\nEmpate en 1 de 4 pronósticos";
  QTest::newRow("French win") << int(LangFrench) << "ana" << 1 << "Danemark vainqueur dans 1 des 4 pronostics"
                              << "Danemark vainqueur dans 1 des 4 pronostics";
  QTest::newRow("French draw") << int(LangFrench) << "cid" << 0 << "Match nul dans 1 des 4 pronostics"
                               << "France vainqueur dans 2 des 4 pronostics\nMatch nul dans 1 des 4 pronostics";
}

void TestPool::picks()
{
  QFETCH(int, language);
  QFETCH(QString, entry);
  QFETCH(int, match);
  QFETCH(QString, picks);
  QFETCH(QString, hint);
  QTemporaryDir dir;
  SaveEntry(dir.filePath("ana.ini"), TextsOf({{"GA1", "2-1"}, {"GA2", "0-1"}}));
  SaveEntry(dir.filePath("bob.ini"), TextsOf({{"GA1", "3-0"}, {"GA2", "1-"}}));
  SaveEntry(dir.filePath("cid.ini"), TextsOf({{"GA1", "0-0"}}));
  // Group E's winner against group B's runner-up, under AllGroups: Germany and Paraguay.
  SaveEntry(dir.filePath("dan.ini"), TextsOf(AllGroups(0, 6) << qMakePair(QString("Final81"), QString("2-1"))));
  QFile damaged(dir.filePath("eve.ini"));
  QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("[GROUP A]\r\nGame1=2:1\r\n") > 0);
  damaged.close();
  std::vector<TPoolEntry> entries = ReadPoolFolder(dir.path(), QString(), language);
  const TPoolSheet results = ResultsOf(TextsOf({}));
  ScorePool(entries, results);
  const auto it = std::find_if(entries.begin(), entries.end(), [&](const TPoolEntry &e) { return e.name == entry; });
  const TPoolDetailRow row =
      PoolDetail(*it, results, DefaultPoolValues, CountPoolPicks(entries), language)[std::size_t(match)];
  QCOMPARE(row.picks, picks);
  QCOMPARE(row.picksHint, hint);
}

// The chart saved through the save dialog: the name's extension chooses
// PNG or SVG (whose names are text); any other name, or a folder that
// cannot be written, says so and leaves no file.
void TestPool::saveChart_data()
{
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("written");   // the format, or the start of the message
  QTest::newRow("PNG") << "pool.png" << "PNG";
  QTest::newRow("PNG in capitals") << "POOL.PNG" << "PNG";
  QTest::newRow("SVG") << "pool.svg" << "SVG";
  QTest::newRow("other") << "pool.jpg" << "%1 was not written: the chart is saved as";
  QTest::newRow("no folder") << "gone/pool.svg" << "The file %1 could not be written";
}

void TestPool::saveChart()
{
  QFETCH(QString, file);
  QFETCH(QString, written);
  QTemporaryDir dir;
  const QStringList names = {"ana", "Zoé & <Max>", "bob"};
  for (int i = 0; i < names.size(); ++i)
    SaveEntry(dir.filePath(names[i] + ".ini"), TextsOf({{"GA1", QStringLiteral("%1-0").arg(i)}}));
  TPoolWindow w(dir.path());
  const QString path = dir.filePath(file);
  w.Dialogs.savedFiles << path;
  w.Form.PoolChartButton->click();
  QCOMPARE(w.Dialogs.saveRequests.value(0).filter, QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
  QFile saved(path);
  if (!written.startsWith(u'P') && !written.startsWith(u'S')) {
    QVERIFY(!saved.exists() && QDir(dir.path()).entryList({"*.png", "*.svg", "*.jpg", ".*"}, QDir::Files).isEmpty());
    QVERIFY(w.Dialogs.asked.value(0).text.startsWith(written.arg(path)));
    return;
  }
  QVERIFY(w.Dialogs.asked.isEmpty());
  QVERIFY(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  if (written == "PNG") {
    QCOMPARE(QImage::fromData(bytes, "PNG").size(), QSize(1920, 1200));
    return;
  }
  QXmlStreamReader svg(bytes);
  QStringList texts;
  while (!svg.atEnd())
    if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text")
      texts << svg.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
  QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
  for (const QString &text : names + QStringList({"Prediction pool", "Points", "31 May"}))
    QVERIFY2(texts.contains(text), qPrintable(text));
}

// A match's mark: group matches compare scores; a knockout match lines the
// prediction up with the result's teams first.
void TestPool::matchRules_data()
{
  QTest::addColumn<bool>("knockout");
  QTest::addColumn<QString>("prediction");   // "team team score score pen pen"
  QTest::addColumn<QString>("result");
  QTest::addColumn<int>("mark");
  const int E = int(TPoolMark::Exact), D = int(TPoolMark::Difference), O = int(TPoolMark::Outcome),
            N = int(TPoolMark::None);
  QTest::newRow("exact") << false << "1 2 2 1 _ _" << "1 2 2 1 _ _" << E;
  QTest::newRow("same difference") << false << "1 2 3 2 _ _" << "1 2 2 1 _ _" << D;
  QTest::newRow("other draw") << false << "1 2 1 1 _ _" << "1 2 0 0 _ _" << D;
  QTest::newRow("same winner") << false << "1 2 1 0 _ _" << "1 2 3 0 _ _" << O;
  QTest::newRow("draw for a win") << false << "1 2 1 1 _ _" << "1 2 1 0 _ _" << N;
  QTest::newRow("score missing") << false << "1 2 1 _ _ _" << "1 2 1 0 _ _" << N;
  QTest::newRow("no result yet") << false << "1 2 1 0 _ _" << "1 2 _ _ _ _" << N;
  QTest::newRow("long scores") << false << "1 2 99999999999999999999 1 _ _"
                               << "1 2 100000000000000000000 2 _ _" << D;
  QTest::newRow("knockout exact") << true << "3 12 2 0 _ _" << "3 12 2 0 _ _" << E;
  QTest::newRow("reversed sides exact") << true << "12 3 0 2 _ _" << "3 12 2 0 _ _" << E;
  QTest::newRow("reversed sides difference") << true << "12 3 1 3 _ _" << "3 12 2 0 _ _" << D;
  QTest::newRow("reversed sides outcome") << true << "12 3 0 1 _ _" << "3 12 2 0 _ _" << O;
  QTest::newRow("reversed sides wrong winner") << true << "12 3 2 0 _ _" << "3 12 2 0 _ _" << N;
  QTest::newRow("shoot-out right winner") << true << "3 12 1 1 4 3" << "3 12 1 1 5 4" << E;
  QTest::newRow("shoot-out wrong winner") << true << "3 12 1 1 3 4" << "3 12 1 1 5 4" << N;
  QTest::newRow("shoot-out reversed sides") << true << "12 3 1 1 3 4" << "3 12 1 1 5 4" << E;
  QTest::newRow("shoot-out for a win") << true << "3 12 1 1 4 3" << "3 12 2 1 _ _" << N;
  QTest::newRow("level without shoot-out") << true << "3 12 1 1 _ _" << "3 12 1 1 5 4" << N;
  QTest::newRow("level shoot-out") << true << "3 12 1 1 4 4" << "3 12 1 1 5 4" << N;
  QTest::newRow("different teams") << true << "3 11 2 0 _ _" << "3 12 2 0 _ _" << N;
  QTest::newRow("one team on the other side") << true << "12 11 2 0 _ _" << "3 12 2 0 _ _" << N;
}

void TestPool::matchRules()
{
  QFETCH(bool, knockout);
  QFETCH(QString, prediction);
  QFETCH(QString, result);
  QFETCH(int, mark);
  auto match = [&](const QString &words) {
    QStringList w = words.split(QLatin1Char(' '));
    w.replaceInStrings(QStringLiteral("_"), QString());
    return PoolMatch({w[0].toInt(), w[1].toInt()}, {w[2], w[3]}, {w[4], w[5]}, knockout);
  };
  QCOMPARE(int(ComparePoolMatch(match(prediction), match(result), knockout)), mark);
}

// The 1/8 finals count a team only once its group has all six scores, in
// the results and in the prediction; the slots show the initial order before.
void TestPool::roundsWithGroupsIncomplete_data()
{
  QTest::addColumn<int>("resultsMissing");      // group A matches missing in the results
  QTest::addColumn<int>("predictionMissing");   // ... in the prediction
  QTest::addColumn<int>("round16");
  QTest::newRow("both played") << 0 << 0 << 16;
  QTest::newRow("one result missing") << 1 << 0 << 14;
  QTest::newRow("group not played yet") << 6 << 0 << 14;
  QTest::newRow("one prediction missing") << 0 << 1 << 14;
  QTest::newRow("both incomplete") << 2 << 2 << 14;
}

void TestPool::roundsWithGroupsIncomplete()
{
  QFETCH(int, resultsMissing);
  QFETCH(int, predictionMissing);
  QFETCH(int, round16);
  QTemporaryDir dir;
  SaveEntry(dir.filePath("p.ini"), TextsOf(AllGroups(0, predictionMissing)));
  TPoolEntry entry = ReadPoolEntry(dir.filePath("p.ini"), LangEnglish);
  entry.score = ScorePoolSheet(entry.sheet, ResultsOf(TextsOf(AllGroups(0, resultsMissing))));
  QCOMPARE(entry.score.rounds[RoundOf16], round16);
  QCOMPARE(entry.score.rounds[RoundQuarter] + entry.score.rounds[RoundChampion], 0);
  QCOMPARE(RoundsPoints(entry.score, DefaultPoolValues), round16);
}

// Names from friends' files are text to a spreadsheet, whatever they begin
// with (every character that starts a formula, also after blanks); the
// figures stay numbers.
void TestPool::csvFile()
{
  QTemporaryDir dir;
  SaveEntry(dir.filePath("O\"Neil, Jr.ini"), TextsOf({{"GA1", "2-1"}}));
  SaveEntry(dir.filePath("Zoé.ini"), TextsOf({{"GA1", "1-0"}}));
  SaveEntry(dir.filePath("=HYPERLINK(\"http:evil.example\",\"y\").ini"), TextsOf({{"GA1", "3-1"}}));
  QFile damaged(dir.filePath("-2+3.ini"));
  QVERIFY(damaged.open(QIODevice::WriteOnly));
  damaged.close();
  std::vector<TPoolEntry> entries = ReadPoolFolder(dir.path(), QString(), LangSpanish);
  ScorePool(entries, ResultsOf(TextsOf({{"GA1", "2-1"}})));
  QCOMPARE(PoolCsv(entries, RankPool(entries, DefaultPoolValues), LangSpanish),
           QStringLiteral("Puesto,Nombre,Puntos,Exactos,Diferencia,Signo,Rondas\r\n"
                          "1,\"O\"\"Neil, Jr\",3,1,0,0,0\r\n"
                          "2,Zoé,2,0,1,0,0\r\n"
                          "3,\"'=HYPERLINK(\"\"http:evil.example\"\",\"\"y\"\")\",1,0,0,1,0\r\n"
                          ",'-2+3,no contiene resultados de Brakka,,,,\r\n").toUtf8());
  for (const QChar c : QStringLiteral(u"=+-@\t\r\n\uFF1D\uFF0B\uFF0D\uFF20\uFE66\uFE62\uFE63\uFE6B\u2212"))
    for (const QString &text : {c + QStringLiteral("cmd|' -C calc'!A0"), QStringLiteral(u" \u00A0") + c})
      QCOMPARE(CsvTextCell(text), QLatin1Char('\'') + text);
  for (const char *text : {"anna=1", "12", "'x", "  ", ""})
    QCOMPARE(CsvTextCell(QLatin1String(text)), QLatin1String(text));
}

// Whatever the folder holds under a *.ini name is a row, an entry or why it
// is none; a name's bytes that are not UTF-8 are shown escaped. A folder
// that is gone or a loop says so.
void TestPool::everyFileIsListed()
{
  QTemporaryDir dir;
  const QByteArray folder = QFile::encodeName(dir.path()) + '/', entry = "[GROUP A]\r\nGame1=2-1\r\n";
  const QByteArray wide(reinterpret_cast<const char *>(QString::fromLatin1(entry).utf16()), entry.size() * 2);
  const QList<QPair<QByteArray, QByteArray>> files = {
      {"\xFF\xFE bad utf8.ini", entry}, {"Jos\xC3.ini", entry}, {"tab\tbed.ini", entry}, {"ANNA.INI", entry},
      {".hidden.ini", entry}, {"mac.ini", "[GROUP A]\rGame1=2-1\r"}, {"wide.ini", "\xFF\xFE" + wide},
      {"wider.ini", QByteArray("\xFF\xFE\0\0", 4) + wide}, {"bare.ini", wide}};
  for (const auto &[name, bytes] : files) {
    FILE *file = std::fopen((folder + name).constData(), "wb");
    QVERIFY(file && std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file) == std::size_t(bytes.size()));
    std::fclose(file);
  }
  QVERIFY(::symlink("loop.ini", (folder + "loop.ini").constData()) == 0 &&
          ::symlink("nowhere", (folder + "gone.ini").constData()) == 0 &&
          ::mkdir((folder + "box.ini").constData(), 0700) == 0 && ::mkfifo((folder + "pipe.ini").constData(), 0600) == 0);
  std::vector<TPoolEntry> entries = ReadPoolFolder(dir.path(), QString(), LangEnglish);
  ScorePool(entries, ResultsOf(TextsOf({{"GA1", "2-1"}})));
  QStringList rows;
  for (const TPoolEntry &e : entries)
    rows << e.name + QStringLiteral(": ") + (e.problem.isEmpty() ? QString::number(e.score.exact) : e.problem);
  const QString encoding = QStringLiteral("it is written in %1, which Brakka does not read (save it as UTF-8)");
  QCOMPARE(rows, QStringList({"ANNA: 1", "Jos\\xC3: 1", "\\xFF\\xFE bad utf8: 1", "bare: " + encoding.arg("UTF-16"),
                              "box: it is a folder", "gone: it is a link to a file that does not exist",
                              "loop: it is a link in a loop: it leads back to itself", "mac: 1",
                              "pipe: it is not a file that can be opened", "tab\\x09bed: 1",
                              "wide: " + encoding.arg("UTF-16"), "wider: " + encoding.arg("UTF-32")}));
  QString problem;
  QVERIFY(ReadPoolFolder(dir.filePath("gone"), QString(), LangEnglish, &problem).empty());
  QCOMPARE(problem, QStringLiteral("The folder %1 does not exist.").arg(dir.filePath("gone")));
  QVERIFY(QFile::link("loop", dir.filePath("loop")) && ReadPoolFolder(dir.filePath("loop"), {}, 0, &problem).empty());
  QCOMPARE(problem, QStringLiteral("The folder %1 cannot be read: it is a link in a loop: it leads back to itself.")
                        .arg(dir.filePath("loop")));
}

// Tab goes from control to control and back; the arrow keys move in a
// table, Ctrl+Tab leaves its selection; a caption's letter reaches its control.
void TestPool::keyboardWalk()
{
  QTemporaryDir dir;
  for (const char *name : {"ana.ini", "bob.ini", "cid.ini"})
    SaveEntry(dir.filePath(name), TextsOf({{"GA1", "2-1"}}));
  TPoolWindow w(dir.path());
  QApplication::setActiveWindow(&w.Form);
  QVERIFY(QTest::qWaitForWindowActive(&w.Form));
  w.Form.FolderButton->setFocus();
  const QStringList order = {"FolderButton", "ExactValue", "DifferenceValue", "OutcomeValue", "ChampionValue",
                             "Round16Value", "QuarterValue", "SemiValue", "FinalValue", "PoolTable", "PoolChart",
                             "PoolDetail", "PoolCsvButton", "PoolChartButton", "CloseButton", "FolderButton"};
  for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab})
    for (int i = 0; i < order.size(); ++i) {
      QCOMPARE(QApplication::focusWidget()->objectName(), order[key == Qt::Key_Tab ? i : order.size() - 1 - i]);
      if (i + 1 < order.size())
        QTest::keyClick(QApplication::focusWidget(), key, key == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier);
    }
  QTest::keyClick(&w.Form, Qt::Key_N, Qt::AltModifier);   // E&ntries
  QCOMPARE(QApplication::focusWidget(), w.Form.PoolTable);
  for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Tab})
    QTest::keyClick(w.Form.PoolTable, key, key == Qt::Key_Tab ? Qt::ControlModifier : Qt::NoModifier);
  QCOMPARE(w.Form.PoolTable->selectedItems().value(0)->row(), 2);
  QCOMPARE(w.Form.PoolDetail->rowCount(), PoolMatchCount + PoolRoundCount);
  QTest::keyClick(&w.Form, Qt::Key_T, Qt::AltModifier);   // De&tail
  QCOMPARE(QApplication::focusWidget(), w.Form.PoolDetail);
  // The chart's arrow keys choose the entry in the table, and the table's in the chart.
  QTest::keyClick(&w.Form, Qt::Key_A, Qt::AltModifier);   // Points ch&art
  QCOMPARE(QApplication::focusWidget(), w.Form.PoolChart);
  const int third = w.Form.PoolChart->selected();
  for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down})
    QTest::keyClick(w.Form.PoolChart, key);
  QCOMPARE(w.Form.PoolTable->selectedItems().value(0)->row(), 1);
  QCOMPARE(w.Form.PoolChart->selected(), w.Form.PoolChart->data().lines[1].entry);
  w.Form.PoolTable->selectRow(2);
  QCOMPARE(w.Form.PoolChart->selected(), third);
  // A click on the first legend row chooses the first entry.
  TPoolChart *chart = w.Form.PoolChart;
  QPoint legend;
  for (int y = 0; y < chart->height() && legend.isNull(); ++y)
    if (chart->entryAt(QPointF(chart->width() - 30, y)) == chart->data().lines[0].entry)
      legend = QPoint(chart->width() - 30, y);
  QTest::mouseClick(chart, Qt::LeftButton, {}, legend);
  QCOMPARE(w.Form.PoolTable->selectedItems().value(0)->row(), 0);
}

// The figures and the detail's points always show: a long name is cut
// short (whole in its tooltip), and the detail's columns fit with or
// without its scroll bar.
void TestPool::columnsFit_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("steps");
  for (int language : {LangEnglish, LangSpanish, LangFrench})
    for (const char *steps : {"empty folder, then entries", "damaged, then scored", "long name"})
      QTest::addRow("%s, language %d", steps, language) << language << steps;
}

void TestPool::columnsFit()
{
  QFETCH(int, language);
  QFETCH(QString, steps);
  QTemporaryDir empty, dir;
  const QString longName = QStringLiteral("Ana María de los Ángeles Fernández-Villaverde ").repeated(3).left(130);
  SaveEntry(dir.filePath("ana.ini"), TextsOf({{"GA1", "2-1"}}));
  SaveEntry(dir.filePath((steps == "long name" ? longName : QStringLiteral("bob")) + ".ini"), TextsOf({{"GA1", "1-0"}}));
  QFile damaged(dir.filePath("dan.ini"));
  QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("[GROUP A]\r\nGame1=2:1\r\n") > 0);
  damaged.close();
  TPoolWindow w(steps.startsWith("empty") ? empty.path() : dir.path(), language);
  w.Dialogs.chosenFolders << dir.path();
  if (steps.startsWith("empty"))
    w.Form.FolderButtonClick();
  w.Form.PoolTable->selectRow(steps.startsWith("damaged") ? 2 : 0);
  QCOMPARE(w.Form.PoolDetail->rowCount(), steps.startsWith("damaged") ? 0 : PoolMatchCount + PoolRoundCount);
  w.Form.PoolTable->selectRow(0);
  QCoreApplication::processEvents();
  for (QTableWidget *table : {w.Form.PoolTable, w.Form.PoolDetail}) {
    const int last = table->columnCount() - 1;
    QVERIFY(table->columnViewportPosition(last) + table->columnWidth(last) <= table->viewport()->width());
    QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
  }
  for (int r = 0; r < w.Form.PoolTable->rowCount(); ++r)
    QCOMPARE(w.Form.PoolTable->item(r, 1)->toolTip(), w.Form.PoolTable->item(r, 1)->text());
  QVERIFY(w.Form.PoolTable->columnWidth(1) <= w.Form.PoolTable->fontMetrics().averageCharWidth() * 30);
}

// Over random predictions and results: the detail adds up to the points,
// and an entry equal to the results has every match played exactly right.
void TestPool::randomPredictions()
{
  QTemporaryDir dir;
  QRandomGenerator random(22);
  for (int round = 0; round < 60; ++round) {
    const TResultTexts resultTexts = RandomTexts(random);
    const TPoolSheet results = ResultsOf(resultTexts);
    SaveEntry(dir.filePath("random.ini"), RandomTexts(random), int(random.bounded(3)));
    SaveEntry(dir.filePath("same.ini"), resultTexts, int(random.bounded(3)));
    std::vector<TPoolEntry> entries = ReadPoolFolder(dir.path(), QString(), LangEnglish);
    ScorePool(entries, results);
    TPoolValues values;
    for (int &v : values)
      v = int(random.bounded(PoolValueMax + 1));

    // Day by day, the points never fall, and the last day's are the table's.
    const TPoolDayScores byDay = ScorePoolByDay(entries, PoolResultsByDay(TournamentOf(resultTexts)));
    for (std::size_t e = 0; e < entries.size(); ++e) {
      const std::vector<int> points = PointsByDay(byDay[e], values);
      QVERIFY(std::is_sorted(points.begin(), points.end()));
      QCOMPARE(points.empty() ? 0 : points.back(), TotalPoints(entries[e].score, values));
    }
    for (const TPoolEntry &e : entries) {
      int sum = 0;
      for (const TPoolDetailRow &row : PoolDetail(e, results, values, CountPoolPicks(entries), int(random.bounded(3))))
        sum += row.points;
      QCOMPARE(sum, TotalPoints(e.score, values));
    }
    const TPoolEntry &same = entries[1];
    for (int m = 0; m < PoolMatchCount; ++m)
      QCOMPARE(same.score.marks[std::size_t(m)] == TPoolMark::Exact, results.matches[std::size_t(m)].complete);
    for (int r = 0; r < PoolRoundCount; ++r)
      QCOMPARE(same.score.rounds[std::size_t(r)], int(qPopulationCount(results.rounds[std::size_t(r)])));
  }
}

// The window from the menu, in each language: the folder chosen through the
// folder dialog, a value changed, the table saved as CSV.
void TestPool::window_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("title");
  QTest::newRow("English") << int(LangEnglish) << "Prediction &pool…" << "Prediction pool";
  QTest::newRow("Spanish") << int(LangSpanish) << "Po&rra de pronósticos…" << "Porra de pronósticos";
  QTest::newRow("French") << int(LangFrench) << "Concours de &pronostics…" << "Concours de pronostics";
}

void TestPool::window()
{
  QFETCH(int, language);
  QFETCH(QString, menu);
  QFETCH(QString, title);
  TGridDriver g;
  g.choosePreferences(language);
  g.score("GA1", "2-1");
  QVERIFY(SaveForm(g.form()));
  QTemporaryDir pool;
  SaveEntry(pool.filePath("ana.ini"), TextsOf({{"GA1", "2-1"}}));
  SaveEntry(pool.filePath("bob.ini"), TextsOf({{"GA1", "1-0"}}));

  g.dialogs().chosenFolders << g.form().settingsDir() << pool.path();
  g.dialogs().savedFiles << pool.filePath("table.csv");
  QStringList seen;
  g.dialogs().onModal = [&](QDialog *d) {
    auto *table = d->findChild<QTableWidget *>("PoolTable");
    seen << d->windowTitle() << QString::number(table->rowCount());
    d->findChild<QPushButton *>("FolderButton")->click();   // the settings file's own folder
    seen << QString::number(table->rowCount());
    d->findChild<QPushButton *>("FolderButton")->click();
    seen << QString::number(table->rowCount()) << table->item(0, 1)->text() << table->item(0, 2)->text();
    d->findChild<QSpinBox *>("ExactValue")->setValue(7);
    seen << table->item(0, 2)->text() << table->item(1, 2)->text();
    table->selectRow(1);
    auto *detail = d->findChild<QTableWidget *>("PoolDetail");
    seen << QString::number(detail->rowCount()) << detail->item(0, 3)->text();
    d->findChild<QPushButton *>("PoolCsvButton")->click();
    return 0;
  };
  QAction *item = g.form().menuItem("Pool1");
  QCOMPARE(item->text(), menu);
  item->trigger();
  QCOMPARE(g.dialogs().modalWindows.last(), QStringLiteral("PoolForm"));
  QCOMPARE(seen, QStringList({title, "0", "0", "2", "ana", "3", "7", "2", "69", "2"}));
  QCOMPARE(g.dialogs().folderStarts, QStringList({g.form().settingsDir(), g.form().settingsDir()}));
  QFile csv(pool.filePath("table.csv"));
  QVERIFY(csv.open(QIODevice::ReadOnly));
  QCOMPARE(csv.readAll().count('\n'), 3);

  // Saved with the settings, read again at the next start.
  QVERIFY(SaveForm(g.form()));
  const TSettingsRead read = ReadSettingsFile(g.form().settingsDir() + "/Brakka.ini");
  QVERIFY(read.pool);
  QCOMPARE(read.pool->folder, pool.path());
  QCOMPARE(read.pool->values[std::size_t(TPoolValue::Exact)], 7);
  QCOMPARE(read.pool->values[std::size_t(TPoolValue::Champion)], 5);
}

// [POOL] keeps its values, and a folder whose name is not Latin-1, across a
// save; a file without it is saved without it.
void TestPool::settingsKeepThePool()
{
  QTemporaryDir dir;
  const QString path = dir.filePath("Brakka.ini");
  const TPreferences preferences;
  QVERIFY(SaveSettingsFile(path, preferences, std::nullopt, TextsOf({})) == TSaveResult::Saved);
  QVERIFY(!ReadSettingsFile(path).pool);
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(!file.readAll().contains("[POOL]"));
  file.close();

  TPoolSettings pool;
  pool.values = {0, 1, 2, 3, 4, 5, 6, 99};
  pool.folder = QStringLiteral("/home/ана/Porra, 2002");
  QVERIFY(SaveSettingsFile(path, preferences, pool, TextsOf({})) == TSaveResult::Saved);
  TSettingsRead read = ReadSettingsFile(path);
  QVERIFY(read.pool);
  QVERIFY(*read.pool == pool);
  // Saving what was read gives the same file.
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray once = file.readAll();
  file.close();
  QVERIFY(once.startsWith("[POOL]\r\nExact=0\r\nDifference=1\r\n"));
  QVERIFY(SaveSettingsFile(path, read.preferences, read.pool, read.results) == TSaveResult::Saved);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), once);
}

QTEST_MAIN(TestPool)
#include "tst_pool.moc"
