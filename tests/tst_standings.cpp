// The group table rules on plain values: reading a score, counting a match,
// the provisional and final orderings with the head-to-head tie-break, and
// the goal-difference text.

#include "core/groups/fixtures.h"
#include "core/groups/brakkaDebug.h"
#include "core/groups/groupTables.h"
#include "core/groups/standings.h"
#include "core/i18n/names.h"

#include <QFile>
#include <QtTest>

namespace {

// A team's English name; no team has none.
QString English(TTeam team) { return team == NoTeam ? QString() : TeamNameIn(LangEnglish, team); }

int GroupIndex(QChar letter) { return letter.toLatin1() - 'A'; }

// The group's initial table order.
const std::array<TTeam, 4> &InitialOrder(QChar letter) { return GroupSeeding(GroupIndex(letter)).initialOrder; }

// The six matches' score texts from "2-0 _ 1-1 ...": "_" is a match not played.
std::array<std::pair<QString, QString>, 6> ScoreTexts(const QString &scores) {
  std::array<std::pair<QString, QString>, 6> texts;
  const QStringList matches = scores.split(QLatin1Char(' '));
  for (int m = 0; m < 6 && m < matches.size(); ++m) {
    const QStringList sides = matches[m].split(QLatin1Char('-'));
    if (sides.size() == 2) texts[m] = {sides[0], sides[1]};
  }
  return texts;
}

// A group rebuild as the tournament runs it: reset,
// count every match with both scores in match order with a provisional
// ordering after each, then the final ordering.
TGroupRec Rebuild(QChar letter, const QString &scores) {
  const TGroupFixtures &fixtures = GroupFixtures(GroupIndex(letter));
  const auto texts = ScoreTexts(scores);
  TGroupRec table;
  InitializeGroupStandings(table, InitialOrder(letter));
  for (int m = 0; m < 6; ++m) {
    const auto s1 = ReadGroupScore(texts[m].first);
    const auto s2 = ReadGroupScore(texts[m].second);
    if (s1 && s2) {
      SetGroupScores(*s1, *s2, fixtures[m].side1, fixtures[m].side2, table);
      SetGroupStandings(table);
    }
  }
  SetGroupStandingsFinal(table, letter);
  return table;
}

// A table line as the group panel shows it: name, Pts, P, W, T, L, GF, GA, +/-.
QString ShownLine(const TTeamRec &team) {
  QStringList fields{English(team.TeamName)};
  for (const qint64 value : {team.Points, team.Played, team.Wins, team.Ties, team.Losses,
                             team.GoalsFor, team.GoalsAgainst})
    fields << QString::number(value);
  fields << AddAPlusToDiff(team.PlusMinus);
  return fields.join(QLatin1Char(' '));
}

// Every field of a record, for comparisons that must cover the whole record.
QStringList AllFields(const TTeamRec &r) {
  QStringList fields{English(r.TeamName), English(r.Opp1Name), English(r.Opp2Name), English(r.Opp3Name),
                     r.TieFlag ? QStringLiteral("TRUE") : QStringLiteral("FALSE")};
  for (const qint64 value :
       {r.Points, r.Played, r.Wins, r.Ties, r.Losses, r.GoalsFor, r.GoalsAgainst, r.PlusMinus,
        r.Opp1GoalsF, r.Opp1GoalsA, r.Opp2GoalsF, r.Opp2GoalsA, r.Opp3GoalsF, r.Opp3GoalsA,
        r.TiePoints, r.TieGoalDiff, r.TieGoalsFor})
    fields << QString::number(value);
  return fields;
}

QStringList AllFields(const TGroupRec &table) {
  QStringList fields;
  for (const TTeamRec &team : table) fields << AllFields(team);
  return fields;
}

}  // namespace

class TestStandings : public QObject {
  Q_OBJECT

private slots:
  void readGroupScore_data();
  void readGroupScore();
  void addAPlusToDiff_data();
  void addAPlusToDiff();
  void initializeResetsEveryField();
  void unknownTeamCountsNothing_data();
  void unknownTeamCountsNothing();
  void opponentSlotsFollowCountedMatches();
  void sortTiedTeamsLeavesEntriesBeyondCount();
  void groupRebuild_data();
  void groupRebuild();
  void traceOffWritesNoFile();
};

void TestStandings::readGroupScore_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("isScore");
  QTest::addColumn<qint64>("value");

  QTest::newRow("zero") << "0" << true << qint64(0);
  QTest::newRow("two digits") << "12" << true << qint64(12);
  QTest::newRow("leading zero") << "01" << true << qint64(1);
  QTest::newRow("largest 32-bit") << "2147483647" << true << qint64(2147483647);
  QTest::newRow("many leading zeros") << "00000000000000000001" << true << qint64(1);
  QTest::newRow("beyond 32-bit") << "2147483648" << false << qint64(0);
  QTest::newRow("20 digits") << "12345678901234567890" << false << qint64(0);
  QTest::newRow("empty") << "" << false << qint64(0);
  QTest::newRow("minus") << "-1" << false << qint64(0);
  QTest::newRow("plus") << "+1" << false << qint64(0);
  QTest::newRow("leading blank") << " 1" << false << qint64(0);
  QTest::newRow("trailing blank") << "1 " << false << qint64(0);
  QTest::newRow("digit and letter") << "1a" << false << qint64(0);
  QTest::newRow("letters") << "abc" << false << qint64(0);
  QTest::newRow("non-Latin digit") << QString(QChar(0x0663)) << false << qint64(0);
}

void TestStandings::readGroupScore() {
  QFETCH(QString, text);
  QFETCH(bool, isScore);
  QFETCH(qint64, value);
  const std::optional<qint64> score = ReadGroupScore(text);
  QCOMPARE(score.has_value(), isScore);
  if (isScore) QCOMPARE(*score, value);
}

void TestStandings::addAPlusToDiff_data() {
  QTest::addColumn<qint64>("difference");
  QTest::addColumn<QString>("text");
  QTest::newRow("one") << qint64(1) << "+1";
  QTest::newRow("nine") << qint64(9) << "+9";
  QTest::newRow("ten") << qint64(10) << "10";
  QTest::newRow("zero") << qint64(0) << "0";
  QTest::newRow("minus three") << qint64(-3) << "-3";
  QTest::newRow("minus eleven") << qint64(-11) << "-11";
  // Texts of small numbers are made once; larger ones as they come.
  QTest::newRow("largest made once") << qint64(999) << "999";
  QTest::newRow("beyond them") << qint64(1000) << "1000";
  QTest::newRow("smallest made once") << qint64(-999) << "-999";
  QTest::newRow("below them") << qint64(-1000) << "-1000";
  QTest::newRow("64-bit sum") << qint64(-6442450941) << "-6442450941";
}

void TestStandings::addAPlusToDiff() {
  QFETCH(qint64, difference);
  QFETCH(QString, text);
  QCOMPARE(AddAPlusToDiff(difference), text);
}

void TestStandings::initializeResetsEveryField() {
  TGroupRec table = Rebuild(QLatin1Char('A'), QStringLiteral("1-1 1-1 1-1 1-1 1-1 1-1"));
  for (TTeamRec &team : table) team.TieFlag = true;  // as in the middle of a final ordering

  const std::array<TTeam, 4> order = {Paraguay, Slovenia, SouthAfrica, Spain};
  InitializeGroupStandings(table, order);

  TGroupRec expected;
  for (int place = 0; place < 4; ++place) expected[place].TeamName = order[place];
  QCOMPARE(AllFields(table), AllFields(expected));
}

void TestStandings::unknownTeamCountsNothing_data() {
  QTest::addColumn<int>("team1");
  QTest::addColumn<int>("team2");
  QTest::newRow("side 1 unknown") << int(Brazil) << int(Denmark);
  QTest::newRow("side 2 unknown") << int(France) << int(Brazil);
  QTest::newRow("no team") << int(NoTeam) << int(Denmark);
}

void TestStandings::unknownTeamCountsNothing() {
  QFETCH(int, team1);
  QFETCH(int, team2);
  TGroupRec table = Rebuild(QLatin1Char('A'), QStringLiteral("2-0"));
  const QStringList before = AllFields(table);
  QVERIFY(!SetGroupScores(3, 1, TTeam(team1), TTeam(team2), table));
  QCOMPARE(AllFields(table), before);
}

void TestStandings::opponentSlotsFollowCountedMatches() {
  // Denmark's first match (2) is not played: its first counted match is
  // match 3 against Senegal, its second match 5 against France.
  const TGroupRec table = Rebuild(QLatin1Char('A'), QStringLiteral("_ _ 2-1 _ 0-3 _"));
  const TTeamRec &denmark =
      *std::find_if(table.begin(), table.end(), [](const TTeamRec &t) { return t.TeamName == Denmark; });
  QCOMPARE(English(denmark.Opp1Name), QStringLiteral("Senegal"));
  QCOMPARE(denmark.Opp1GoalsF, 2);
  QCOMPARE(denmark.Opp1GoalsA, 1);
  QCOMPARE(English(denmark.Opp2Name), QStringLiteral("France"));
  QCOMPARE(denmark.Opp2GoalsF, 0);
  QCOMPARE(denmark.Opp2GoalsA, 3);
  QCOMPARE(English(denmark.Opp3Name), QString());
}

void TestStandings::sortTiedTeamsLeavesEntriesBeyondCount() {
  // France beat Senegal; Uruguay and Denmark beyond the count would come
  // first on their mutual points if they were wrongly included.
  TGroupRec list;
  InitializeGroupStandings(list, {Senegal, France, Uruguay, Denmark});
  SetGroupScores(0, 1, Senegal, France, list);
  SetGroupScores(0, 5, Uruguay, Denmark, list);
  const QStringList beyond = AllFields(list[2]) + AllFields(list[3]);

  SortTiedTeams(list, 2);

  QCOMPARE(English(list[0].TeamName), QStringLiteral("France"));
  QCOMPARE(list[0].TiePoints, 3);
  QCOMPARE(English(list[1].TeamName), QStringLiteral("Senegal"));
  QCOMPARE(list[1].TieGoalDiff, -1);
  QCOMPARE(AllFields(list[2]) + AllFields(list[3]), beyond);
}

void TestStandings::groupRebuild_data() {
  QTest::addColumn<QChar>("group");
  QTest::addColumn<QString>("scores");
  QTest::addColumn<QStringList>("places");  // name Pts P W T L GF GA +/-

  QTest::newRow("no score keeps the initial order")
      << QChar('A') << ""
      << QStringList{"France 0 0 0 0 0 0 0 0", "Denmark 0 0 0 0 0 0 0 0",
                     "Senegal 0 0 0 0 0 0 0 0", "Uruguay 0 0 0 0 0 0 0 0"};
  QTest::newRow("only match 1")
      << QChar('A') << "2-0"
      << QStringList{"France 3 1 1 0 0 2 0 +2", "Denmark 0 0 0 0 0 0 0 0",
                     "Uruguay 0 0 0 0 0 0 0 0", "Senegal 0 1 0 0 1 0 2 -2"};
  QTest::newRow("only match 2: swaps put Senegal before France")
      << QChar('A') << "_ 2-0"
      << QStringList{"Uruguay 3 1 1 0 0 2 0 +2", "Senegal 0 0 0 0 0 0 0 0",
                     "France 0 0 0 0 0 0 0 0", "Denmark 0 1 0 0 1 0 2 -2"};
  QTest::newRow("complete group A")
      << QChar('A') << "0-1 1-2 1-1 0-0 2-0 3-3"
      << QStringList{"Denmark 7 3 2 1 0 5 2 +3", "Senegal 5 3 1 2 0 5 4 +1",
                     "Uruguay 2 3 0 2 1 4 5 -1", "France 1 3 0 1 2 0 3 -3"};
  QTest::newRow("all draws keep the provisional order")
      << QChar('A') << "1-1 1-1 1-1 1-1 1-1 1-1"
      << QStringList{"Denmark 3 3 0 3 0 3 3 0", "France 3 3 0 3 0 3 3 0",
                     "Senegal 3 3 0 3 0 3 3 0", "Uruguay 3 3 0 3 0 3 3 0"};
  QTest::newRow("level on points: difference beats the mutual match")
      << QChar('A') << "1-0 _ _ _ _ 3-0"
      << QStringList{"Senegal 3 2 1 0 1 3 1 +2", "France 3 1 1 0 0 1 0 +1",
                     "Denmark 0 0 0 0 0 0 0 0", "Uruguay 0 1 0 0 1 0 3 -3"};
  QTest::newRow("head-to-head: Spain beat Paraguay")
      << QChar('B') << "2-0 2-0 1-0 0-0 1-0 0-1"
      << QStringList{"Spain 6 3 2 0 1 3 1 +2", "Paraguay 6 3 2 0 1 3 1 +2",
                     "South Africa 4 3 1 1 1 1 2 -1", "Slovenia 1 3 0 1 2 0 3 -3"};
  QTest::newRow("head-to-head overturns the provisional order")
      << QChar('A') << "1-0 0-1 0-1"
      << QStringList{"France 3 1 1 0 0 1 0 +1", "Senegal 3 2 1 0 1 1 1 0",
                     "Denmark 3 2 1 0 1 1 1 0", "Uruguay 0 1 0 0 1 0 1 -1"};
  QTest::newRow("three level teams: only their mutual matches count")
      << QChar('A') << "1-1 0-0 0-1 2-1 2-1 0-1"
      << QStringList{"France 4 3 1 1 1 4 4 0", "Uruguay 4 3 1 1 1 2 2 0",
                     "Senegal 4 3 1 1 1 2 2 0", "Denmark 4 3 1 1 1 2 2 0"};
  QTest::newRow("two tie groups, each by its own mutual match")
      << QChar('A') << "1-0 1-0 1-0 1-0 1-0 1-0"
      << QStringList{"Denmark 6 3 2 0 1 2 1 +1", "France 6 3 2 0 1 2 1 +1",
                     "Senegal 3 3 1 0 2 1 2 -1", "Uruguay 3 3 1 0 2 1 2 -1"};
  QTest::newRow("two tie groups, drawn and unplayed mutual matches")
      << QChar('E') << "_ _ 1-1"
      << QStringList{"Germany 1 1 0 1 0 1 1 0", "Ireland 1 1 0 1 0 1 1 0",
                     "Cameroon 0 0 0 0 0 0 0 0", "Saudi Arabia 0 0 0 0 0 0 0 0"};
  QTest::newRow("goal difference of ten or more")
      << QChar('E') << "_ 10-0"
      << QStringList{"Germany 3 1 1 0 0 10 0 10", "Cameroon 0 0 0 0 0 0 0 0",
                     "Ireland 0 0 0 0 0 0 0 0", "Saudi Arabia 0 1 0 0 1 0 10 -10"};
}

void TestStandings::groupRebuild() {
  QFETCH(QChar, group);
  QFETCH(QString, scores);
  QFETCH(QStringList, places);

  const TGroupRec table = Rebuild(group, scores);
  QStringList shown;
  for (const TTeamRec &team : table) {
    shown << ShownLine(team);
    QVERIFY2(!team.TieFlag, qPrintable(English(team.TeamName)));
  }
  QCOMPARE(shown, places);
}

void TestStandings::traceOffWritesNoFile() {
  QVERIFY(!TraceEnabled);
  QFile::remove(TraceFilePath());
  StartTrace();
  Rebuild(QLatin1Char('E'), QStringLiteral("1-1 1-1 1-1"));
  Rebuild(QLatin1Char('A'), QString());
  EndTrace();
  QVERIFY(!QFile::exists(TraceFilePath()));
}

QTEST_GUILESS_MAIN(TestStandings)
#include "tst_standings.moc"
