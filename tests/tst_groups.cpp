// Group tables as the user sees them: typing scores into the real fields and
// reading the table panels and the 1/8-final slots they seed.

#include "core/groups/fixtures.h"
#include "core/groups/brakkaDebug.h"
#include "core/settings/preferences.h"
#include "support/grid.h"

#include <QFile>
#include <QTest>

class TestGroups : public QObject {
  Q_OBJECT

private slots:

  void noScoreShowsInitialOrder_data();
  void noScoreShowsInitialOrder();
  void standings_data();
  void standings();
  void goalDifferenceFormats_data();
  void goalDifferenceFormats();
  void emptyingOneSideRemovesTheMatch();
  void nonNumberCountsAsEmpty();
  void newWinnerEmptiesItsOneEighthFinal();
  void unchangedQualifiersKeepTheBracket();
  void sameTeamsInEveryLanguage();
  void traceIsOffInTheProgram();
};

namespace {

// Types a group's six results, "" for a match not played.
void playGroup(TGridDriver &g, QChar letter, const QStringList &results)
{
  for (int m = 0; m < results.size(); ++m) {
    if (!results[m].isEmpty())
      g.score(QStringLiteral("G%1%2").arg(letter).arg(m + 1), results[m]);
  }
}

QStringList tableRow(TGridDriver &g, QChar letter, int place)
{
  QStringList row{g.text(QStringLiteral("G%1Name%2").arg(letter).arg(place))};
  for (const char *col : {"Pts", "P", "W", "T", "L", "GF", "GA", "PM"})
    row << g.text(QStringLiteral("G%1%2%3").arg(letter).arg(QLatin1String(col)).arg(place));
  return row;
}

QStringList order(TGridDriver &g, QChar letter)
{
  QStringList names;
  for (int r = 1; r <= 4; ++r)
    names << g.text(QStringLiteral("G%1Name%2").arg(letter).arg(r));
  return names;
}

}  // namespace

void TestGroups::noScoreShowsInitialOrder_data()
{
  QTest::addColumn<QChar>("letter");
  QTest::addColumn<QStringList>("expected");
  QTest::addColumn<QString>("winnerSlot");
  QTest::addColumn<QString>("runnerUpSlot");
  QTest::newRow("A") << QChar('A') << QStringList{"France", "Denmark", "Senegal", "Uruguay"}
                     << "Final821Lbl" << "Final832Lbl";
  QTest::newRow("D") << QChar('D') << QStringList{"Poland", "Portugal", "South Korea", "USA"}
                     << "Final881Lbl" << "Final852Lbl";
  QTest::newRow("H") << QChar('H') << QStringList{"Belgium", "Japan", "Russia", "Tunisia"}
                     << "Final871Lbl" << "Final862Lbl";
}

void TestGroups::noScoreShowsInitialOrder()
{
  QFETCH(QChar, letter);
  QFETCH(QStringList, expected);
  QFETCH(QString, winnerSlot);
  QFETCH(QString, runnerUpSlot);
  TGridDriver g;
  // A result typed and taken back again rebuilds the group with no match.
  const QString field = QStringLiteral("G%1%2").arg(letter).arg(11);
  g.type(field, "5");
  g.clear(field);
  QCOMPARE(order(g, letter), expected);
  for (int r = 1; r <= 4; ++r)
    QCOMPARE(tableRow(g, letter, r).mid(1), QStringList(8, "0"));
  QCOMPARE(g.text(winnerSlot), expected[0]);
  QCOMPARE(g.text(runnerUpSlot), expected[1]);
}

void TestGroups::standings_data()
{
  QTest::addColumn<QChar>("letter");
  QTest::addColumn<QStringList>("results");
  QTest::addColumn<QStringList>("expected");   // names in place order
  QTest::addColumn<QStringList>("firstRow");   // place 1: name and its eight figures
  QTest::addColumn<QStringList>("lastRow");    // place 4

  QTest::newRow("A: only match 1")
      << QChar('A') << QStringList{"2-0", "", "", "", "", ""}
      << QStringList{"France", "Denmark", "Uruguay", "Senegal"}
      << QStringList{"France", "3", "1", "1", "0", "0", "2", "0", "+2"}
      << QStringList{"Senegal", "0", "1", "0", "0", "1", "0", "2", "-2"};
  // The exchange ordering puts Senegal before France here.
  QTest::newRow("A: only match 2")
      << QChar('A') << QStringList{"", "2-0", "", "", "", ""}
      << QStringList{"Uruguay", "Senegal", "France", "Denmark"}
      << QStringList{"Uruguay", "3", "1", "1", "0", "0", "2", "0", "+2"}
      << QStringList{"Denmark", "0", "1", "0", "0", "1", "0", "2", "-2"};
  QTest::newRow("A: all played")
      << QChar('A') << QStringList{"0-1", "1-2", "1-1", "0-0", "2-0", "3-3"}
      << QStringList{"Denmark", "Senegal", "Uruguay", "France"}
      << QStringList{"Denmark", "7", "3", "2", "1", "0", "5", "2", "+3"}
      << QStringList{"France", "1", "3", "0", "1", "2", "0", "3", "-3"};
  QTest::newRow("A: all six 1-1")
      << QChar('A') << QStringList{"1-1", "1-1", "1-1", "1-1", "1-1", "1-1"}
      << QStringList{"Denmark", "France", "Senegal", "Uruguay"}
      << QStringList{"Denmark", "3", "3", "0", "3", "0", "3", "3", "0"}
      << QStringList{"Uruguay", "3", "3", "0", "3", "0", "3", "3", "0"};
  // Spain and Paraguay are level on points, difference and goals; Spain won their match.
  QTest::newRow("B: head-to-head")
      << QChar('B') << QStringList{"2-0", "2-0", "1-0", "0-0", "1-0", "0-1"}
      << QStringList{"Spain", "Paraguay", "South Africa", "Slovenia"}
      << QStringList{"Spain", "6", "3", "2", "0", "1", "3", "1", "+2"}
      << QStringList{"Slovenia", "1", "3", "0", "1", "2", "0", "3", "-3"};
  // France, Uruguay and Senegal are level on everything; their own matches decide.
  QTest::newRow("A: three level, decided among themselves")
      << QChar('A') << QStringList{"2-0", "3-1", "0-3", "0-1", "1-2", "1-0"}
      << QStringList{"France", "Uruguay", "Senegal", "Denmark"}
      << QStringList{"France", "6", "3", "2", "0", "1", "4", "2", "+2"}
      << QStringList{"Denmark", "0", "3", "0", "0", "3", "2", "8", "-6"};
  // Two pairs level within themselves: each pair ordered by its own match.
  QTest::newRow("A: two separate tie groups")
      << QChar('A') << QStringList{"0-1", "1-0", "0-1", "1-0", "1-0", "0-1"}
      << QStringList{"Uruguay", "Senegal", "Denmark", "France"}
      << QStringList{"Uruguay", "6", "3", "2", "0", "1", "2", "1", "+1"}
      << QStringList{"France", "3", "3", "1", "0", "2", "1", "2", "-1"};
  // Level on points only: goal difference decides, not the match between them.
  QTest::newRow("F: level on points, difference decides")
      << QChar('F') << QStringList{"1-0", "1-1", "2-1", "0-1", "1-1", "0-0"}
      << QStringList{"Sweden", "England", "Argentina", "Nigeria"}
      << QStringList{"Sweden", "5", "3", "1", "2", "0", "4", "3", "+1"}
      << QStringList{"Nigeria", "1", "3", "0", "1", "2", "1", "3", "-2"};
  QTest::newRow("H: Japan's match shown upside down")
      << QChar('H') << QStringList{"2-2", "2-0", "0-1", "1-1", "0-2", "3-2"}
      << QStringList{"Japan", "Belgium", "Russia", "Tunisia"}
      << QStringList{"Japan", "7", "3", "2", "1", "0", "5", "2", "+3"}
      << QStringList{"Tunisia", "1", "3", "0", "1", "2", "1", "5", "-4"};
}

void TestGroups::standings()
{
  QFETCH(QChar, letter);
  QFETCH(QStringList, results);
  QFETCH(QStringList, expected);
  QFETCH(QStringList, firstRow);
  QFETCH(QStringList, lastRow);
  TGridDriver g;
  playGroup(g, letter, results);
  QCOMPARE(order(g, letter), expected);
  QCOMPARE(tableRow(g, letter, 1), firstRow);
  QCOMPARE(tableRow(g, letter, 4), lastRow);

  const int group = letter.unicode() - 'A';
  const TGroupRec &table = g.form().document().tournament().groupTable(group);
  for (int r = 0; r < 4; ++r) {
    QCOMPARE(ShownTeam(g.form().document().names().teams, table[r].TeamName), expected[r]);
    QVERIFY(!table[r].TieFlag);
  }
  const char *winners[8] = {"Final821Lbl", "Final841Lbl", "Final861Lbl", "Final881Lbl",
                            "Final811Lbl", "Final831Lbl", "Final851Lbl", "Final871Lbl"};
  const char *runnersUp[8] = {"Final832Lbl", "Final812Lbl", "Final872Lbl", "Final852Lbl",
                              "Final842Lbl", "Final822Lbl", "Final882Lbl", "Final862Lbl"};
  QCOMPARE(g.text(winners[group]), expected[0]);
  QCOMPARE(g.text(runnersUp[group]), expected[1]);
  QVERIFY(g.bold(QStringLiteral("G%1Name1").arg(letter)));
  QVERIFY(g.bold(QStringLiteral("G%1Name2").arg(letter)));
  QVERIFY(!g.bold(QStringLiteral("G%1Name3").arg(letter)));
}

void TestGroups::goalDifferenceFormats_data()
{
  QTest::addColumn<QString>("result");
  QTest::addColumn<QString>("winner");
  QTest::addColumn<QString>("loser");
  QTest::newRow("9") << "9-0" << "+9" << "-9";
  QTest::newRow("10") << "10-0" << "10" << "-10";
  QTest::newRow("11") << "0-11" << "11" << "-11";
  QTest::newRow("1") << "1-0" << "+1" << "-1";
}

void TestGroups::goalDifferenceFormats()
{
  QFETCH(QString, result);
  QFETCH(QString, winner);
  QFETCH(QString, loser);
  TGridDriver g;
  g.score("GA1", result);
  QCOMPARE(g.text("GAPM1"), winner);
  QCOMPARE(g.text("GAPM4"), loser);
}

void TestGroups::emptyingOneSideRemovesTheMatch()
{
  TGridDriver g;
  playGroup(g, 'A', {"0-1", "1-2", "1-1", "0-0", "2-0", "3-3"});
  g.clear("GA52");   // Denmark - France 2-0 no longer counts
  QCOMPARE(order(g, 'A'), (QStringList{"Senegal", "Denmark", "Uruguay", "France"}));
  QCOMPARE(tableRow(g, 'A', 2), (QStringList{"Denmark", "4", "2", "1", "1", "0", "3", "2", "+1"}));
  QCOMPARE(g.text("Final821Lbl"), QStringLiteral("Senegal"));
}

void TestGroups::nonNumberCountsAsEmpty()
{
  // Pasted text is not a score: that match is not counted, the others are.
  TGridDriver g;
  playGroup(g, 'B', {"2-0", "2-0", "1-0", "0-0", "1-0", "0-1"});
  g.field("GB31")->setText("1 ");
  QCOMPARE(tableRow(g, 'B', 1), (QStringList{"Paraguay", "6", "2", "2", "0", "0", "3", "0", "+3"}));
  QCOMPARE(tableRow(g, 'B', 3), (QStringList{"Spain", "3", "2", "1", "0", "1", "2", "1", "+1"}));
  QCOMPARE(g.text("Final841Lbl"), QStringLiteral("Paraguay"));
}

void TestGroups::newWinnerEmptiesItsOneEighthFinal()
{
  TGridDriver g;
  g.score("GA1", "2-0");   // France first, Denmark second
  g.score("Final82", "1-0");
  g.score("Final83", "2-1");
  g.score("Final86", "1-0");
  g.score("Final41", "3-0");
  QCOMPARE(g.text("Final221Lbl"), QStringLiteral("France"));

  g.score("GA1", "0-2");   // Senegal takes first place; Denmark ends second
  QCOMPARE(g.text("Final821Lbl"), QStringLiteral("Senegal"));
  QVERIFY(g.text("Final821").isEmpty());
  QVERIFY(g.text("Final822").isEmpty());
  QCOMPARE(g.text("Final411Lbl"), Placeholder);
  QVERIFY(g.text("Final411").isEmpty());
  QCOMPARE(g.text("Final221Lbl"), Placeholder);
  QCOMPARE(g.text("Final832Lbl"), QStringLiteral("Denmark"));
}

void TestGroups::unchangedQualifiersKeepTheBracket()
{
  TGridDriver g;
  g.score("GA1", "2-0");
  g.score("Final82", "1-0");
  g.score("Final83", "0-2");
  g.score("GA1", "3-0");
  g.score("GA2", "0-1");   // Denmark beats Uruguay: France and Denmark still go through
  QCOMPARE(g.text("Final821"), QStringLiteral("1"));
  QCOMPARE(g.text("Final832"), QStringLiteral("2"));
  QCOMPARE(g.text("Final411Lbl"), QStringLiteral("France"));
  QCOMPARE(g.text("Final441Lbl"), QStringLiteral("Denmark"));
}

void TestGroups::sameTeamsInEveryLanguage()
{
  TGridDriver g;
  g.choosePreferences(LangFrench);
  playGroup(g, 'B', {"2-0", "2-0", "1-0", "0-0", "1-0", "0-1"});
  QCOMPARE(order(g, 'B'), (QStringList{"Espagne", "Paraguay", "Afrique du Sud", "Slovénie"}));
  QCOMPARE(g.text("Final841Lbl"), QStringLiteral("Espagne"));
}

void TestGroups::traceIsOffInTheProgram()
{
  QVERIFY(!TraceEnabled);
  QFile::remove(TraceFilePath());
  TGridDriver g;
  playGroup(g, 'E', {"1-1", "8-0", "1-1", "1-0", "0-3", "0-2"});
  playGroup(g, 'A', {"1-1", "1-1", "1-1", "1-1", "1-1", "1-1"});
  g.form().show();
  g.dialogs().answers = {QMessageBox::No};
  g.form().close();
  QVERIFY(!QFile::exists(TraceFilePath()));
}

QTEST_MAIN(TestGroups)
#include "tst_groups.moc"
