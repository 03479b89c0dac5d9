// The knockout stage driven by typing into the real fields: winners carried
// on, shoot-outs, third place, the champion, and clearing results.

#include "app/brakkaCommon.h"
#include "app/gridState.h"
#include "core/tournament/tournament.h"
#include "core/settings/profileFile.h"
#include "core/settings/resultTexts.h"
#include "core/groups/fixtures.h"
#include "core/settings/preferences.h"
#include "support/grid.h"
#include "support/randomPlay.h"
#include "support/tournament.h"

#include <QMap>
#include <QPushButton>
#include <QTest>

class TestKnockout : public QObject {
  Q_OBJECT

private slots:

  void leadingZeroReadsAsItsValue();
  void semiFinalOnPenaltiesFillsFinalAndThirdPlace();
  void finalLevelThenPenalties();
  void finalComparesLongScoresByValue_data();
  void finalComparesLongScoresByValue();
  void thirdPlace();
  void thirdPlacePenalties();
  void newWinnerKeepsNextScore_data();
  void newWinnerKeepsNextScore();
  void emptyingEarlyScoreResetsWholePath();
  void wholeTournament();
  void clearButtons_data();
  void clearButtons();
  void clearGroupReseeds();
  void clearAllAnsweredNo();
  void clearAllAnsweredYes();
  void clearEmptyStageChangesNothing();
  void scoreReadWithoutTeamsSendsNobodyOn_data();
  void scoreReadWithoutTeamsSendsNobodyOn();
};

namespace {

// Sends Cameroon and Slovenia (the 1/8 final 1 pair) through to the final.
void reachFinal(TGridDriver &g)
{
  g.score("Final81", "2-0");
  g.score("Final85", "1-0");
  g.score("Final42", "1-0");
  g.score("Final84", "1-0");
  g.score("Final88", "1-0");
  g.score("Final43", "1-0");
  g.score("Final21", "1-0");
}

// Both finalists: Cameroon and France; third place: Paraguay and Argentina.
void reachBothFinals(TGridDriver &g)
{
  reachFinal(g);
  for (const char *match : {"Final82", "Final86", "Final41", "Final83", "Final87", "Final44", "Final22"})
    g.score(match, "1-0");
}

const QStringList AllScoreFields = [] {
  QStringList names;
  for (int group = 0; group < 8; ++group)
    for (int m = 1; m <= 6; ++m)
      for (int s = 1; s <= 2; ++s)
        names << GroupFieldName(group, m, s);
  const TKnockoutStage stages[5] = {{"Final8", 8}, {"Final4", 4}, {"Final2", 2}, {"Third", 1}, {"Final", 1}};
  for (const TKnockoutStage &st : stages)
    for (int k = 1; k <= st.matches; ++k)
      for (int s = 1; s <= 2; ++s)
        names << KnockoutName(st.prefix, k, s) << KnockoutName(st.prefix, k, s, "pk");
  return names;
}();

void verifyOpenAfterOneEighths(TGridDriver &g)
{
  const TKnockoutStage stages[4] = {{"Final4", 4}, {"Final2", 2}, {"Third", 1}, {"Final", 1}};
  for (const TKnockoutStage &st : stages)
    for (int k = 1; k <= st.matches; ++k)
      for (int s = 1; s <= 2; ++s) {
        const QString lbl = KnockoutName(st.prefix, k, s, "Lbl");
        QCOMPARE(g.text(lbl), Placeholder);
        QVERIFY2(!g.enabled(lbl), qPrintable(lbl));
        QVERIFY(!g.enabled(KnockoutName(st.prefix, k, s)));
        QVERIFY(g.text(KnockoutName(st.prefix, k, s)).isEmpty());
        QVERIFY(g.hidden(KnockoutName(st.prefix, k, s, "pk")));
      }
  QCOMPARE(g.text("Champion"), Placeholder);
  QVERIFY(!g.enabled("ThirdPKLbl"));
  QVERIFY(!g.enabled("FinalPKLbl"));
}

}  // namespace

void TestKnockout::leadingZeroReadsAsItsValue()
{
  TGridDriver g;
  g.score("Final86", "01-1");
  QVERIFY(!g.hidden("Final861pk"));
  g.score("Final86", "02-1");
  QCOMPARE(g.text("Final412Lbl"), QStringLiteral("Brazil"));
  g.score("Final86", "00-0");
  QVERIFY(!g.hidden("Final861pk"));
}

void TestKnockout::semiFinalOnPenaltiesFillsFinalAndThirdPlace()
{
  TGridDriver g;
  g.score("Final81", "2-0");
  g.score("Final85", "1-0");
  g.score("Final42", "1-0");   // Cameroon to semi-final 1, side 1
  g.score("Final84", "0-1");
  g.score("Final88", "1-0");
  g.score("Final43", "0-1");   // Poland to semi-final 1, side 2
  QCOMPARE(g.text("Final211Lbl"), QStringLiteral("Cameroon"));
  QCOMPARE(g.text("Final212Lbl"), QStringLiteral("Poland"));
  g.score("Final21", "1-1");
  QCOMPARE(g.text("Third11Lbl"), Placeholder);
  g.type("Final211pk", "3");
  g.type("Final212pk", "4");
  QCOMPARE(g.text("Final11Lbl"), QStringLiteral("Poland"));
  QCOMPARE(g.text("Third11Lbl"), QStringLiteral("Cameroon"));
  QVERIFY(g.enabled("Final11"));
  QVERIFY(g.enabled("Third11"));
  QVERIFY(g.enabled("Third11Lbl"));
  QVERIFY(g.bold("Final212Lbl"));
  // Equal penalties take both slots away again.
  g.type("Final211pk", "4");
  QCOMPARE(g.text("Final11Lbl"), Placeholder);
  QCOMPARE(g.text("Third11Lbl"), Placeholder);
  QVERIFY(!g.enabled("Third11"));
}

void TestKnockout::finalLevelThenPenalties()
{
  TGridDriver g;
  reachBothFinals(g);
  QCOMPARE(g.text("Final11Lbl"), QStringLiteral("Cameroon"));
  QCOMPARE(g.text("Final12Lbl"), QStringLiteral("France"));
  QVERIFY(g.bold("Final11Lbl"));   // the final's names are always bold

  g.score("Final1", "2-2");
  QCOMPARE(g.text("Champion"), Placeholder);
  QVERIFY(g.enabled("FinalPKLbl"));
  QVERIFY(!g.hidden("Final11pk"));
  QVERIFY(!g.hidden("Final12pk"));
  g.type("Final11pk", "4");
  g.type("Final12pk", "2");
  QCOMPARE(g.text("Champion"), QStringLiteral("Cameroon"));
  g.type("Final12pk", "5");
  QCOMPARE(g.text("Champion"), QStringLiteral("France"));
  g.type("Final12pk", "4");
  QCOMPARE(g.text("Champion"), Placeholder);
  g.type("Final12", "1");
  QCOMPARE(g.text("Champion"), QStringLiteral("Cameroon"));
  QVERIFY(g.hidden("Final11pk"));
  QVERIFY(g.text("Final11pk").isEmpty());
  QVERIFY(!g.enabled("FinalPKLbl"));
  g.clear("Final11");
  QCOMPARE(g.text("Champion"), Placeholder);
}

void TestKnockout::finalComparesLongScoresByValue_data()
{
  QTest::addColumn<QString>("goals1");
  QTest::addColumn<QString>("goals2");
  QTest::addColumn<QString>("champion");
  QTest::addColumn<bool>("pasted");   // side 1 pasted through the context menu, not typed
  QTest::newRow("twenty digits") << "99999999999999999999" << "99999999999999999998" << "Cameroon"
                                 << false;
  QTest::newRow("longer wins") << "9" << "10" << "France" << false;
  QTest::newRow("leading zeros level") << "0000000000000000000012" << "12" << QString(Placeholder)
                                       << false;
  QTest::newRow("beyond 64 bits") << "18446744073709551617" << "18446744073709551616" << "Cameroon"
                                  << false;
  QTest::newRow("thirty digits pasted") << "100000000000000000000000000000"
                                        << "99999999999999999999999999999" << "Cameroon" << true;
}

void TestKnockout::finalComparesLongScoresByValue()
{
  QFETCH(QString, goals1);
  QFETCH(QString, goals2);
  QFETCH(QString, champion);
  QFETCH(bool, pasted);
  TGridDriver g;
  reachBothFinals(g);
  if (pasted) {
    g.field("Final11")->selectAll();
    QVERIFY(pasteThroughMenu(g.field("Final11"), goals1));
  } else {
    g.type("Final11", goals1);
  }
  g.type("Final12", goals2);
  QCOMPARE(g.text("Final11"), goals1);
  QCOMPARE(g.text("Champion"), champion);
}

void TestKnockout::thirdPlace()
{
  TGridDriver g;
  reachBothFinals(g);
  QCOMPARE(g.text("Third11Lbl"), QStringLiteral("Paraguay"));
  QCOMPARE(g.text("Third12Lbl"), QStringLiteral("Argentina"));
  g.score("Final1", "3-1");
  const QString champion = g.text("Champion");
  g.score("Third1", "1-0");
  QVERIFY(g.bold("Third11Lbl"));
  QVERIFY(!g.bold("Third12Lbl"));
  QCOMPARE(g.text("Champion"), champion);
  QCOMPARE(g.text("Final11Lbl"), QStringLiteral("Cameroon"));
  g.score("Third1", "1-2");
  QVERIFY(!g.bold("Third11Lbl"));
  QVERIFY(g.bold("Third12Lbl"));
}

void TestKnockout::thirdPlacePenalties()
{
  TGridDriver g;
  reachBothFinals(g);
  g.score("Third1", "0-0");
  QVERIFY(g.enabled("ThirdPKLbl"));
  QVERIFY(!g.hidden("Third11pk"));
  QVERIFY(!g.bold("Third11Lbl"));
  g.type("Third11pk", "2");
  g.type("Third12pk", "4");
  QVERIFY(g.bold("Third12Lbl"));
  g.type("Third11pk", "4");
  QVERIFY(!g.bold("Third11Lbl"));
  QVERIFY(!g.bold("Third12Lbl"));
  g.type("Third11", "1");
  QVERIFY(g.bold("Third11Lbl"));
  QVERIFY(!g.enabled("ThirdPKLbl"));
  QVERIFY(g.hidden("Third12pk"));
  QVERIFY(g.text("Third12pk").isEmpty());
  // Taking the semi-final's result away resets the third-place slot.
  g.clear("Final211");
  QCOMPARE(g.text("Third11Lbl"), Placeholder);
  QVERIFY(g.text("Third11").isEmpty());
  QVERIFY(!g.bold("Third11Lbl"));
  QVERIFY(!g.enabled("ThirdPKLbl"));
}

void TestKnockout::newWinnerKeepsNextScore_data()
{
  QTest::addColumn<bool>("bothFinals");     // start from reachBothFinals, final 3-1, third place 1-0
  QTest::addColumn<QStringList>("played");  // then these matches, "Final81 2-0"
  QTest::addColumn<QString>("fieldName");   // typed over last
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QStringList>("shown");   // "Final421Lbl=Slovenia", "Final421=3"
  QTest::newRow("1/8 final to semi-final")
      << false << QStringList{"Final81 2-0", "Final85 1-0", "Final42 3-1"} << "Final812" << "3"
      << QStringList{"Final421Lbl=Slovenia", "Final421=3", "Final211Lbl=Slovenia"};
  QTest::newRow("1/8 final to semi-final, other half")
      << false << QStringList{"Final82 2-1", "Final86 1-0", "Final41 1-0"} << "Final821" << "0"
      << QStringList{"Final411Lbl=England", "Final411=1", "Final221Lbl=England"};
  QTest::newRow("1/8 final to the champion")
      << true << QStringList() << "Final812" << "3"
      << QStringList{"Final421Lbl=Slovenia", "Final211Lbl=Slovenia", "Final11Lbl=Slovenia",
                     "Champion=Slovenia", "Third11Lbl=Paraguay", "Final11=3"};
  QTest::newRow("semi-final to the final and third place")
      << true << QStringList() << "Final212" << "2"
      << QStringList{"Final11Lbl=Paraguay", "Champion=Paraguay", "Third11Lbl=Cameroon",
                     "Third11=1", "Final12Lbl=France"};
}

void TestKnockout::newWinnerKeepsNextScore()
{
  QFETCH(bool, bothFinals);
  QFETCH(QStringList, played);
  QFETCH(QString, fieldName);
  QFETCH(QString, typed);
  QFETCH(QStringList, shown);
  TGridDriver g;
  if (bothFinals) {
    reachBothFinals(g);
    g.score("Final1", "3-1");
    g.score("Third1", "1-0");
  }
  for (const QString &match : played)
    g.score(match.section(' ', 0, 0), match.section(' ', 1, 1));
  g.type(fieldName, typed);
  for (const QString &expected : shown) {
    const QString name = expected.section('=', 0, 0);
    QCOMPARE(name + '=' + g.text(name), expected);
  }
}

void TestKnockout::emptyingEarlyScoreResetsWholePath()
{
  TGridDriver g;
  PlayGroups(g);
  PlayBracket(g);
  g.score("Third1", "2-3");
  g.score("Final1", "0-2");
  QCOMPARE(g.text("Champion"), QStringLiteral("Brazil"));
  g.clear("Final862");   // Brazil - Belgium loses its result
  QCOMPARE(g.text("Final412Lbl"), Placeholder);
  QVERIFY(g.text("Final412").isEmpty());
  QCOMPARE(g.text("Final221Lbl"), Placeholder);
  QVERIFY(g.text("Final221").isEmpty());
  QCOMPARE(g.text("Final12Lbl"), Placeholder);
  QVERIFY(g.text("Final12").isEmpty());
  QCOMPARE(g.text("Third12Lbl"), Placeholder);
  QVERIFY(g.text("Third12").isEmpty());
  QCOMPARE(g.text("Champion"), Placeholder);
  QVERIFY(!g.bold("Third11Lbl"));
  // The other half of the bracket keeps its results.
  QCOMPARE(g.text("Final11Lbl"), QStringLiteral("Germany"));
  QCOMPARE(g.text("Third11Lbl"), QStringLiteral("South Korea"));
  QCOMPARE(g.text("Final11"), QStringLiteral("0"));
  QCOMPARE(g.text("Final441Lbl"), QStringLiteral("Senegal"));
}

void TestKnockout::wholeTournament()
{
  TGridDriver g;
  PlayAll(g);
  const char *expectedSlots[][2] = {
    {"Final811Lbl", "Germany"}, {"Final812Lbl", "Paraguay"}, {"Final821Lbl", "Denmark"},
    {"Final822Lbl", "England"}, {"Final831Lbl", "Sweden"}, {"Final832Lbl", "Senegal"},
    {"Final841Lbl", "Spain"}, {"Final842Lbl", "Ireland"}, {"Final851Lbl", "Mexico"},
    {"Final852Lbl", "USA"}, {"Final861Lbl", "Brazil"}, {"Final862Lbl", "Belgium"},
    {"Final871Lbl", "Japan"}, {"Final872Lbl", "Turkey"}, {"Final881Lbl", "South Korea"},
    {"Final882Lbl", "Italy"},
    {"Final411Lbl", "England"}, {"Final412Lbl", "Brazil"}, {"Final421Lbl", "Germany"},
    {"Final422Lbl", "USA"}, {"Final431Lbl", "Spain"}, {"Final432Lbl", "South Korea"},
    {"Final441Lbl", "Senegal"}, {"Final442Lbl", "Turkey"},
    {"Final211Lbl", "Germany"}, {"Final212Lbl", "South Korea"}, {"Final221Lbl", "Brazil"},
    {"Final222Lbl", "Turkey"}, {"Third11Lbl", "South Korea"}, {"Third12Lbl", "Turkey"},
    {"Final11Lbl", "Germany"}, {"Final12Lbl", "Brazil"}, {"Champion", "Brazil"},
  };
  for (auto &s : expectedSlots) {
    QCOMPARE(g.text(s[0]), QString::fromLatin1(s[1]));
    if (QString(s[0]) != "Champion")
      QVERIFY2(g.enabled(s[0]), s[0]);
  }
  const QStringList winners = {"Final811Lbl", "Final822Lbl", "Final832Lbl", "Final841Lbl",
                               "Final852Lbl", "Final861Lbl", "Final872Lbl", "Final881Lbl",
                               "Final412Lbl", "Final421Lbl", "Final432Lbl", "Final442Lbl",
                               "Final211Lbl", "Final221Lbl", "Third12Lbl"};
  const QStringList losers = {"Final812Lbl", "Final821Lbl", "Final831Lbl", "Final842Lbl",
                              "Final851Lbl", "Final862Lbl", "Final871Lbl", "Final882Lbl",
                              "Final411Lbl", "Final422Lbl", "Final431Lbl", "Final441Lbl",
                              "Final212Lbl", "Final222Lbl", "Third11Lbl"};
  for (const QString &w : winners)
    QVERIFY2(g.bold(w), qPrintable(w));
  for (const QString &l : losers)
    QVERIFY2(!g.bold(l), qPrintable(l));
  // Shoot-outs stay shown with their scores; the others are hidden and empty.
  QVERIFY(!g.hidden("Final841pk"));
  QCOMPARE(g.text("Final842pk"), QStringLiteral("2"));
  QVERIFY(!g.hidden("Final432pk"));
  for (const char *name : {"Final811pk", "Final412pk", "Final211pk", "Third11pk", "Final11pk"}) {
    QVERIFY2(g.hidden(name), name);
    QVERIFY(g.text(name).isEmpty());
  }
  QCOMPARE(g.text("GBName2"), QStringLiteral("Paraguay"));
  QCOMPARE(g.text("GFName1"), QStringLiteral("Sweden"));
}

void TestKnockout::clearButtons_data()
{
  QTest::addColumn<QString>("button");
  QTest::addColumn<QStringList>("emptied");
  QTest::addColumn<QStringList>("kept");
  QTest::newRow("1/8 finals") << "Final8DelButton"
      << QStringList{"Final811", "Final882", "Final841pk", "Final411", "Final11", "Third11"}
      << QStringList{"GA11"};
  QTest::newRow("1/4 finals") << "Final4DelButton"
      << QStringList{"Final411", "Final442", "Final432pk", "Final211", "Final12", "Third12"}
      << QStringList{"Final811", "Final841pk"};
  QTest::newRow("1/2 finals") << "Final2DelButton"
      << QStringList{"Final211", "Final222", "Final11", "Third11", "Third12"}
      << QStringList{"Final411", "Final432pk"};
  QTest::newRow("third place") << "ThirdDelButton" << QStringList{"Third11", "Third12"}
      << QStringList{"Final11", "Final12", "Final211"};
  QTest::newRow("final") << "FinalDelButton" << QStringList{"Final11", "Final12"}
      << QStringList{"Third11", "Third12", "Final221"};
}

void TestKnockout::clearButtons()
{
  QFETCH(QString, button);
  QFETCH(QStringList, emptied);
  QFETCH(QStringList, kept);
  TGridDriver g;
  PlayAll(g);
  QMap<QString, QString> before;
  for (const QString &name : kept)
    before[name] = g.text(name);
  QTest::mouseClick(g.form().button(button), Qt::LeftButton);
  for (const QString &name : emptied)
    QVERIFY2(g.text(name).isEmpty(), qPrintable(name));
  for (const QString &name : kept)
    QCOMPARE(g.text(name), before[name]);
  QVERIFY(g.dialogs().asked.isEmpty());
  if (button != "ThirdDelButton") {
    QCOMPARE(g.text("Champion"), Placeholder);
    QVERIFY(g.hidden("Final11pk"));
  } else {
    QCOMPARE(g.text("Champion"), QStringLiteral("Brazil"));
    QVERIFY(!g.bold("Third12Lbl"));
  }
  if (button == "Final8DelButton") {
    verifyOpenAfterOneEighths(g);
    QCOMPARE(g.text("Final841Lbl"), QStringLiteral("Spain"));
    QVERIFY(g.hidden("Final841pk"));
  }
}

void TestKnockout::clearGroupReseeds()
{
  TGridDriver g;
  PlayAll(g);
  QTest::mouseClick(g.form().button("GroupADelButton"), Qt::LeftButton);
  for (int m = 1; m <= 6; ++m)
    QVERIFY(g.text(GroupFieldName(0, m, 1)).isEmpty());
  QCOMPARE(g.text("GAName1"), QStringLiteral("France"));
  QCOMPARE(g.text("GAName2"), QStringLiteral("Denmark"));
  QCOMPARE(g.text("GAPts1"), QStringLiteral("0"));
  QCOMPARE(g.text("Final821Lbl"), QStringLiteral("France"));
  QCOMPARE(g.text("Final832Lbl"), QStringLiteral("Denmark"));
  QVERIFY(g.text("Final821").isEmpty());
  QVERIFY(g.text("Final832").isEmpty());
  QCOMPARE(g.text("Final441Lbl"), Placeholder);
  QCOMPARE(g.text("Final411Lbl"), Placeholder);
  QCOMPARE(g.text("Champion"), Placeholder);
  // Matches that group A does not feed keep their results.
  QCOMPARE(g.text("Final811"), QStringLiteral("1"));
  QCOMPARE(g.text("Final421Lbl"), QStringLiteral("Germany"));
  QCOMPARE(g.text("GBName1"), QStringLiteral("Spain"));
}

void TestKnockout::clearAllAnsweredNo()
{
  TGridDriver g;
  PlayAll(g);
  QMap<QString, QString> before;
  for (const QString &name : AllScoreFields)
    before[name] = g.text(name);
  g.dialogs().answers = {QMessageBox::No};
  QTest::mouseClick(g.form().button("ClearAllButton"), Qt::LeftButton);
  QCOMPARE(g.dialogs().asked.size(), 1);
  QCOMPARE(g.dialogs().asked[0].icon, TMsgIcon::Warning);
  QCOMPARE(g.dialogs().asked[0].buttons, QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(g.dialogs().asked[0].text, QStringLiteral("Are you sure you want to clear all the scores?"));
  for (const QString &name : AllScoreFields)
    QCOMPARE(g.text(name), before[name]);
  QCOMPARE(g.text("Champion"), QStringLiteral("Brazil"));
}

void TestKnockout::clearAllAnsweredYes()
{
  TGridDriver g;
  PlayAll(g);
  g.dialogs().answers = {QMessageBox::Yes};
  g.form().menuItem("Clear1")->trigger();
  for (const QString &name : AllScoreFields)
    QVERIFY2(g.text(name).isEmpty(), qPrintable(name));
  verifyOpenAfterOneEighths(g);
  QCOMPARE(g.text("Final841Lbl"), QStringLiteral("Paraguay"));
  QCOMPARE(g.text("GEName1"), QStringLiteral("Cameroon"));
  QCOMPARE(g.form().cursor().shape(), Qt::ArrowCursor);

  // Clearing an empty tournament is just as quiet.
  g.dialogs().answers = {QMessageBox::Yes};
  g.form().menuItem("Clear1")->trigger();
  verifyOpenAfterOneEighths(g);
}

void TestKnockout::clearEmptyStageChangesNothing()
{
  TGridDriver g;
  PlayGroups(g);
  QTest::mouseClick(g.form().button("Final4DelButton"), Qt::LeftButton);
  QTest::mouseClick(g.form().button("GroupADelButton"), Qt::LeftButton);
  QTest::mouseClick(g.form().button("GroupADelButton"), Qt::LeftButton);
  QCOMPARE(g.text("Final821Lbl"), QStringLiteral("France"));
  QCOMPARE(g.text("GBName1"), QStringLiteral("Spain"));
}

QTEST_MAIN(TestKnockout)
#include "tst_knockout.moc"

// An edited file may hold a knockout score for a match whose teams are not
// known yet: it stays in its field, and nobody goes on from that match.
void TestKnockout::scoreReadWithoutTeamsSendsNobodyOn_data()
{
  QTest::addColumn<QByteArray>("file");
  QTest::newRow("semi-final") << QByteArray("[FINAL 2]\r\nGame1=2-1\r\n");
  QTest::newRow("semi-final on penalties")
      << QByteArray("[FINAL 2]\r\nGame2=1-1\r\nGame2Apk=4\r\nGame2Bpk=3\r\n");
  QTest::newRow("quarter-final, one team known")
      << QByteArray("[FINAL 8]\r\nGame2=1-0\r\n[FINAL 4]\r\nGame1=3-0\r\n");
  QTest::newRow("final") << QByteArray("[FINAL]\r\nGame1=3-1\r\n");
}

void TestKnockout::scoreReadWithoutTeamsSendsNobodyOn()
{
  QFETCH(QByteArray, file);
  TTournament t;
  FillResults(t, ReadResultTexts(TProfileFile(file)), TFill::Loading);
  TGrid grid;
  ShowTournament(grid, t, TeamNamesIn(LangEnglish), TTournament::TChanges::all());
  for (int stage : {Final2, ThirdPlace, TheFinal}) {
    for (int m = 0; m < KnockoutStage(stage).matches; ++m) {
      for (int side = 0; side < 2; ++side) {
        const TLabel team = KnockoutTeamLabel(stage, m, side);
        QCOMPARE(grid.caption(team), Placeholder);
        QVERIFY2(!grid.label(team).enabled, qPrintable(LabelName(team)));
        QVERIFY2(!grid.field(GridField(KnockoutScoreField(stage, m, side))).enabled,
                 qPrintable(LabelName(team)));
      }
    }
  }
  QCOMPARE(grid.caption(ChampionLabel()), Placeholder);
}
