// The trace log with its switch on: which dumps a rebuild writes, their
// exact format, and how file errors are survived.

#include "core/groups/brakkaDebug.h"
#include "core/groups/standings.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct TGroupFixture {
  QChar letter;
  std::array<TTeam, 4> initialOrder;
  std::array<std::pair<TTeam, TTeam>, 6> matches;
};

const TGroupFixture GroupA = {
    QLatin1Char('A'),
    {France, Denmark, Senegal, Uruguay},
    {{{France, Senegal}, {Uruguay, Denmark}, {Denmark, Senegal},
      {France, Uruguay}, {Denmark, France}, {Senegal, Uruguay}}}};
const TGroupFixture GroupE = {
    QLatin1Char('E'),
    {Cameroon, Germany, Ireland, SaudiArabia},
    {{{Ireland, Cameroon}, {Germany, SaudiArabia}, {Germany, Ireland},
      {Cameroon, SaudiArabia}, {SaudiArabia, Ireland}, {Cameroon, Germany}}}};

// A group rebuild as the tournament runs it; `scores` holds one "a-b" per
// match in match order, "_" for a match not played.
void Rebuild(const TGroupFixture &group, const QString &scores) {
  TGroupRec table;
  InitializeGroupStandings(table, group.initialOrder);
  const QStringList matches = scores.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int m = 0; m < matches.size(); ++m) {
    const QStringList sides = matches[m].split(QLatin1Char('-'));
    if (sides.size() != 2) continue;
    SetGroupScores(*ReadGroupScore(sides[0]), *ReadGroupScore(sides[1]),
                   group.matches[m].first, group.matches[m].second, table);
    SetGroupStandings(table);
  }
  SetGroupStandingsFinal(table, group.letter);
}

QByteArray ReadLog() {
  QFile file(TraceFilePath());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> Lines(const QByteArray &log) {
  QList<QByteArray> lines = log.split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QByteArray &line : lines) {
    if (!line.endsWith('\r')) return {"line without carriage return: " + line};
    line.chop(1);
  }
  return lines;
}

// The heading and value lines: everything but the record dumps' field lines.
QList<QByteArray> Headings(const QByteArray &log) {
  QList<QByteArray> headings;
  for (const QByteArray &line : Lines(log)) {
    if (!line.startsWith("     ")) headings << line;
  }
  return headings;
}

// The log with the date and time of its start and end lines masked.
QByteArray WithoutTimes(QByteArray log) {
  static const QRegularExpression stamp(QStringLiteral("^(START|END) TRACE - [^\r]*"),
                                        QRegularExpression::MultilineOption);
  return QString::fromUtf8(log).replace(stamp, QStringLiteral("\\1 TRACE - *")).toUtf8();
}

}  // namespace

class TestTrace : public QObject {
  Q_OBJECT

private slots:
  void init();
  void groupEWithoutTieWritesTwoDumps();
  void groupEWithTwoTieGroups();
  void groupAWithTieWritesOnlySortTiedTeams_data();
  void groupAWithTieWritesOnlySortTiedTeams();
  void startLineShowsLocalDateAndTime();
  void startTraceEmptiesExistingFile();
  void missingFolderIsReportedAndSurvived();
};

void TestTrace::init() {
  QVERIFY(TraceEnabled);
  QVERIFY(QDir().mkpath(QFileInfo(TraceFilePath()).absolutePath()));
}

void TestTrace::groupEWithoutTieWritesTwoDumps() {
  StartTrace();
  Rebuild(GroupE, QStringLiteral("1-1 8-0 1-1 1-0 0-3 0-2"));
  EndTrace();

  QFile expected(QStringLiteral(BRAKKA_TEST_DATA "/trace_groupE_notie.txt"));
  QVERIFY(expected.open(QIODevice::ReadOnly));
  QCOMPARE(WithoutTimes(ReadLog()), WithoutTimes(expected.readAll()));
}

void TestTrace::groupEWithTwoTieGroups() {
  // Germany and Ireland drew (1 point each); Cameroon and Saudi Arabia have
  // not played.
  StartTrace();
  Rebuild(GroupE, QStringLiteral("_ _ 1-1"));
  EndTrace();

  const QByteArray log = ReadLog();
  const QList<QByteArray> headings = Headings(log);
  QCOMPARE(headings.mid(1, headings.size() - 2),
           (QList<QByteArray>{"SetGroupStandingsFinalE - sortedGroupRec:",
                              "SetGroupStandingsFinalE - Value of FirstTied: 1",
                              "SetGroupStandingsFinalE - Value of SecondTied: 0",
                              "SortTiedTeams - myGroupRec:",
                              "SortTiedTeams - myGroupRec(Sorted):",
                              "SetGroupStandingsFinalE - tiedTeamsRec:",
                              "SetGroupStandingsFinalE - sortedGroupRec:",
                              "SortTiedTeams - myGroupRec:",
                              "SortTiedTeams - myGroupRec(Sorted):",
                              "SetGroupStandingsFinalE - tiedTeamsRec:",
                              "SetGroupStandingsFinalE - GroupRec:"}));

  // The first dump shows all four flagged, the last none; a tie list's
  // entries beyond its count are empty records.
  const QList<QByteArray> lines = Lines(log);
  const auto flags = [&lines](int headingLine) {
    QList<QByteArray> values;
    for (int i = headingLine + 1; i < lines.size() && lines[i].startsWith("     "); ++i) {
      if (lines[i].startsWith("     TieFlag")) values << lines[i].mid(18);
    }
    return values;
  };
  QCOMPARE(flags(lines.indexOf("SetGroupStandingsFinalE - sortedGroupRec:")),
           (QList<QByteArray>{"1]= TRUE", "2]= TRUE", "3]= TRUE", "4]= TRUE"}));
  QCOMPARE(flags(lines.indexOf("SetGroupStandingsFinalE - GroupRec:")),
           (QList<QByteArray>{"1]= FALSE", "2]= FALSE", "3]= FALSE", "4]= FALSE"}));
  const int tieList = lines.indexOf("SetGroupStandingsFinalE - tiedTeamsRec:");
  QCOMPARE(lines.mid(tieList + 1, 2),
           (QList<QByteArray>{"     TeamName    [1]= Germany", "     Points      [1]= 1"}));
  QCOMPARE(lines.mid(tieList + 1 + 2 * 23, 2),
           (QList<QByteArray>{"     TeamName    [3]= ", "     Points      [3]= 0"}));
}

void TestTrace::groupAWithTieWritesOnlySortTiedTeams_data() {
  QTest::addColumn<QString>("scores");
  QTest::newRow("all draws") << "1-1 1-1 1-1 1-1 1-1 1-1";
  QTest::newRow("no counted match") << "";
}

void TestTrace::groupAWithTieWritesOnlySortTiedTeams() {
  QFETCH(QString, scores);
  StartTrace();
  Rebuild(GroupA, scores);
  EndTrace();

  const QByteArray log = ReadLog();
  const QList<QByteArray> headings = Headings(log);
  QCOMPARE(headings.mid(1, headings.size() - 2),
           (QList<QByteArray>{"SortTiedTeams - myGroupRec:", "SortTiedTeams - myGroupRec(Sorted):"}));
  QCOMPARE(Lines(log).count("     ----"), 8);
}

void TestTrace::startLineShowsLocalDateAndTime() {
  StartTrace();
  EndTrace();
  const QList<QByteArray> headings = Headings(ReadLog());
  QCOMPARE(headings.size(), 2);

  const QLocale locale = QLocale::system();
  const QString date = locale.toString(QDate::currentDate(), QLocale::ShortFormat);
  for (const auto &[line, prefix] :
       {std::pair{headings[0], QStringLiteral("START TRACE - ")},
        std::pair{headings[1], QStringLiteral("END TRACE - ")}}) {
    const QString text = QString::fromUtf8(line);
    QVERIFY2(text.startsWith(prefix + date + QLatin1Char(' ')), qPrintable(text));
    const QString time = text.mid(prefix.size() + date.size() + 1);
    QVERIFY2(!time.isEmpty() && time == time.trimmed(), qPrintable(text));
    const QString zone = QDateTime::currentDateTime().timeZoneAbbreviation();
    QVERIFY2(zone.isEmpty() || !time.contains(zone), qPrintable(text));
  }
}

void TestTrace::startTraceEmptiesExistingFile() {
  QFile old(TraceFilePath());
  QVERIFY(old.open(QIODevice::WriteOnly));
  old.write("left from an earlier run\r\n");
  old.close();

  StartTrace();
  EndTrace();

  const QByteArray log = ReadLog();
  QVERIFY2(!log.contains("earlier run"), log.constData());
  QCOMPARE(Lines(log).size(), 2);
}

void TestTrace::missingFolderIsReportedAndSurvived() {
  QDir folder(QFileInfo(TraceFilePath()).absolutePath());
  QVERIFY(folder.removeRecursively());

  const QRegularExpression warning(QStringLiteral("^Trace log .*aaatrace\\.log"));
  QTest::ignoreMessage(QtWarningMsg, warning);  // opening
  StartTrace();
  for (int i = 0; i < 2; ++i) QTest::ignoreMessage(QtWarningMsg, warning);  // TraceValue's two writes
  TraceValue(QStringLiteral("SetGroupStandingsFinalE"), QStringLiteral("FirstTied"), 1);
  QTest::ignoreMessage(QtWarningMsg, warning);  // EndTrace's line
  EndTrace();

  QVERIFY(!QFile::exists(TraceFilePath()));
}

QTEST_GUILESS_MAIN(TestTrace)
#include "tst_trace.moc"
