// The main window as a user meets it: every control where it belongs, the
// score fields' key filter, team colouring, the knockout pairing routine and
// closing the window.

#include "app/brakkaCommon.h"
#include "core/groups/fixtures.h"
#include "app/gridScroll.h"
#include "core/i18n/names.h"
#include "core/i18n/texts.h"
#include "core/settings/preferences.h"
#include "support/grid.h"
#include "support/randomPlay.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QAccessible>

class TestGrid : public QObject {
  Q_OBJECT

private slots:

  void everyControlIsNamedAndPlaced();
  void initialStates();
  void keyboardOrder();
  void everyControlScrollsIntoView_data();
  void everyControlScrollsIntoView();
  void tabbingScrollsToTheFocus();
  void shootOutTypedWithTab_data();
  void shootOutTypedWithTab();
  void scrollBarsAtEveryScale_data();
  void scrollBarsAtEveryScale();
  void keyboardShowsTeamAndHint_data();
  void keyboardShowsTeamAndHint();
  void menuTree_data();
  void menuTree();
  void federationItems();

  void keyFilter_data();
  void keyFilter();
  void twoCharacterLimit_data();
  void twoCharacterLimit();
  void clipboardShortcutsDoNotPaste();
  void pastedTextIsNoScore();
  void contextMenuPasteKeepsToTheLimit_data();
  void contextMenuPasteKeepsToTheLimit();
  void inputMethodTextIsDropped();
  void programTextIsNeverCut();
  void settingSameTextFiresNothing();
  void figuresLookAsWithFullShaping_data();
  void figuresLookAsWithFullShaping();

  void favouriteStaysBlueWhileAnotherTeamIsPressed();
  void pressingPlaceholderReddensEveryUndecidedSlot();
  void pressingFavouriteChangesNothing();
  void emptyTextTakesNoTeamColour_data();
  void emptyTextTakesNoTeamColour();

  void levelKnockoutShowsPenalties();
  void penaltiesDecideThenGoalsTakeOver();
  void equalPenaltiesLeaveSlotOpen();
  void emptyingScoreResetsSlot();

  void closing_data();
  void closing();
  void exitButtonAndMenuAskTheSameQuestion();
  void aboutBox_data();
  void aboutBox();
  void secondaryWindowIsModalAndReleased_data();
  void secondaryWindowIsModalAndReleased();
};

namespace {

QColor textColour(QWidget *w)
{
  const QPalette::ColorRole role = qobject_cast<QLabel *>(w) ? QPalette::WindowText : QPalette::Text;
  return w->palette().color(QPalette::Active, role);
}

// A penalty field takes input only while its match is level.
void levelScores(TGridDriver &g, const QString &fieldName)
{
  if (!fieldName.endsWith(QLatin1String("pk")))
    return;
  const QString stem = fieldName.left(fieldName.size() - 3);
  g.field(stem + '1')->setText("1");
  g.field(stem + '2')->setText("1");
  QVERIFY(!g.hidden(fieldName));
}

// Whether every pixel of a control can be seen in the window.
bool wholeInView(QWidget *w)
{
  return w->visibleRegion() == QRegion(w->rect());
}

// The main window shown at a size, ready for keyboard input.
QScrollArea *showAt(TMainForm &form, const QSize &size)
{
  form.resize(size);
  form.show();
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form))
    return nullptr;
  return form.findChild<QScrollArea *>(QStringLiteral("GridScroll"));
}

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

}  // namespace

void TestGrid::everyControlIsNamedAndPlaced()
{
  TGridDriver g;
  TMainForm &f = g.form();
  const QList<QLineEdit *> fields = f.findChildren<QLineEdit *>();
  int scoreFields = 0;
  for (QLineEdit *e : fields) {
    if (!e->isReadOnly())
      ++scoreFields;
  }
  QCOMPARE(scoreFields, 160);
  QCOMPARE(fields.size(), 160 + 8 * 4 * 8);

  // The team-name labels are the ones that react to a press.
  int teamLabels = 0;
  for (int g2 = 0; g2 < GroupCount; ++g2) {
    for (int m = 1; m <= 6; ++m)
      for (int s = 1; s <= 2; ++s)
        teamLabels += f.label(GroupMatchLabelName(g2, m, s)) != nullptr;
    for (int r = 1; r <= 4; ++r)
      teamLabels += f.label(GroupTableName(g2, "Name", r)) != nullptr;
  }
  const TKnockoutStage stages[5] = {{"Final8", 8}, {"Final4", 4}, {"Final2", 2}, {"Third", 1}, {"Final", 1}};
  for (const TKnockoutStage &st : stages)
    for (int k = 1; k <= st.matches; ++k)
      for (int s = 1; s <= 2; ++s) {
        teamLabels += f.label(KnockoutName(st.prefix, k, s, "Lbl")) != nullptr;
        QVERIFY(f.field(KnockoutName(st.prefix, k, s)));
        QVERIFY(f.field(KnockoutName(st.prefix, k, s, "pk")));
      }
  teamLabels += f.label(QStringLiteral("Champion")) != nullptr;
  QCOMPARE(teamLabels, 161);

  // Panels and commands at their design places.
  struct TPlace { const char *name; QRect rect; };
  const TPlace places[] = {
    {"GroupPanelA", {16, 0, 113, 273}},   {"GroupPanelD", {376, 0, 113, 273}},
    {"Panel21", {496, 0, 25, 273}},       {"GroupPanelE", {528, 0, 113, 273}},
    {"GroupPanelH", {888, 0, 113, 273}},  {"GPStandA", {16, 280, 265, 97}},
    {"GPStandD", {16, 592, 265, 97}},     {"GPStandE", {288, 280, 265, 97}},
    {"GPStandH", {288, 592, 265, 97}},    {"GPFinal8", {560, 280, 145, 377}},
    {"GPFinal4", {712, 280, 145, 209}},   {"GPFinal2", {864, 280, 137, 121}},
    {"GPThird", {864, 408, 137, 81}},     {"GPFinal", {712, 496, 289, 105}},
    {"ChampionLbl", {712, 607, 289, 29}}, {"Champion", {712, 640, 289, 49}},
    {"ClearAllButton", {559, 664, 49, 25}}, {"SaveButton", {608, 664, 49, 25}},
    {"OKButton", {657, 664, 49, 25}},
  };
  for (const TPlace &p : places) {
    QWidget *w = f.findChild<QWidget *>(QLatin1String(p.name));
    QVERIFY2(w, p.name);
    QCOMPARE(w->geometry(), p.rect);
  }
  // Group H match 3 shows Japan above Russia; group A's match 4 is in row 3.
  QVERIFY(f.field("GH32")->y() < f.field("GH31")->y());
  QCOMPARE(f.field("GA41")->y(), 20 + 40 * 2);
  QCOMPARE(f.field("GA31")->y(), 20 + 40 * 3);
  QCOMPARE(f.field("GF21")->y(), 20);
  QCOMPARE(f.field("GE61")->y(), 20 + 40 * 4);
  QVERIFY(f.label("PrintFontLbl")->isHidden());
}

void TestGrid::initialStates()
{
  TGridDriver g;
  const char *seeded[16][2] = {
    {"Final811Lbl", "Cameroon"}, {"Final812Lbl", "Slovenia"}, {"Final821Lbl", "France"},
    {"Final822Lbl", "England"},  {"Final831Lbl", "Argentina"}, {"Final832Lbl", "Denmark"},
    {"Final841Lbl", "Paraguay"}, {"Final842Lbl", "Germany"},  {"Final851Lbl", "Croatia"},
    {"Final852Lbl", "Portugal"}, {"Final861Lbl", "Brazil"},   {"Final862Lbl", "Japan"},
    {"Final871Lbl", "Belgium"},  {"Final872Lbl", "China"},    {"Final881Lbl", "Poland"},
    {"Final882Lbl", "Ecuador"},
  };
  for (auto &s : seeded) {
    QCOMPARE(g.text(s[0]), QString::fromLatin1(s[1]));
    QVERIFY(g.enabled(s[0]));
  }
  QVERIFY(g.enabled("Final811"));
  QVERIFY(g.hidden("Final811pk"));
  for (const char *name : {"Final411", "Final221", "Third11", "Final11", "Final12"}) {
    QVERIFY2(!g.enabled(name), name);
    QVERIFY(g.text(name).isEmpty());
  }
  for (const char *name : {"Final411Lbl", "Final222Lbl", "Third12Lbl", "Final11Lbl"}) {
    QCOMPARE(g.text(name), Placeholder);
    QVERIFY2(!g.enabled(name), name);
  }
  QCOMPARE(g.text("Champion"), Placeholder);
  QVERIFY(!g.enabled("ThirdPKLbl"));
  QVERIFY(!g.enabled("FinalPKLbl"));
  QVERIFY(g.enabled("Final8PKLbl"));
  QCOMPARE(g.text("GA11Lbl"), QStringLiteral("France"));
  QCOMPARE(g.text("GH31Lbl"), QStringLiteral("Russia"));
  QCOMPARE(g.text("GAName2"), QStringLiteral("Denmark"));
  QVERIFY(g.bold("GAName2"));
  QVERIFY(!g.bold("GAName3"));
  QCOMPARE(g.text("GAPM1"), QStringLiteral("0"));
  QCOMPARE(g.form().button("GroupADelButton")->text(), QStringLiteral("x"));
  QCOMPARE(g.form().button("GroupADelButton")->toolTip(), TextIn(LangEnglish, TText::ClearScoresHint));
}

void TestGrid::keyboardOrder()
{
  TGridDriver g;
  QStringList order;
  QWidget *first = g.field("GA11");
  QWidget *w = first;
  do {
    if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
      order << w->objectName();
    w = w->nextInFocusChain();
  } while (w != first);
  auto at = [&](const char *name) { return order.indexOf(QLatin1String(name)); };
  // Rows top to bottom, whatever the match numbers.
  QCOMPARE(order.mid(0, 8), (QStringList{"GA11", "GA12", "GA21", "GA22", "GA41", "GA42", "GA31", "GA32"}));
  QCOMPARE(order.mid(at("GH22"), 4), (QStringList{"GH22", "GH32", "GH31", "GH41"}));
  QCOMPARE(order.mid(at("GF11") - 2, 4), (QStringList{"GF21", "GF22", "GF11", "GF12"}));
  QVERIFY(at("GD62") < at("GE11"));
  // Each group table is one stop: nine presses of Tab from the last group
  // field reach the first 1/8 final.
  QCOMPARE(order.mid(at("Final811") - 9, 10),
           (QStringList{"GH62", "GPStandA", "GPStandB", "GPStandC", "GPStandD", "GPStandE",
                        "GPStandF", "GPStandG", "GPStandH", "Final811"}));
  QCOMPARE(at("GAPts1"), -1);
  QVERIFY(at("Final882") < at("Final411"));
  QVERIFY(at("Final442") < at("Final211"));
  QVERIFY(at("Final222") < at("Third11"));
  QVERIFY(at("Third12") < at("Final11"));
  QCOMPARE(order.mid(order.size() - 3), (QStringList{"SaveButton", "OKButton", "ClearAllButton"}));
  QCOMPARE(at("GroupADelButton"), -1);
}

void TestGrid::everyControlScrollsIntoView_data()
{
  QTest::addColumn<QSize>("window");
  QTest::addColumn<bool>("scrollBars");
  QTest::newRow("restored") << QSize(805, 604) << true;
  // Maximised on a 1024 x 768 screen: the width, the height less a title bar.
  QTest::newRow("maximised, 1024 x 768") << QSize(1024, 768 - 30) << false;
}

void TestGrid::everyControlScrollsIntoView()
{
  QFETCH(QSize, window);
  QFETCH(bool, scrollBars);
  TGridDriver g;
  QScrollArea *area = showAt(g.form(), window);
  QVERIFY(area);
  QCOMPARE(area->horizontalScrollBar()->isVisible(), scrollBars);
  QCOMPARE(area->verticalScrollBar()->isVisible(), scrollBars);
  QCOMPARE(area->frameWidth(), 0);

  int controls = 0;
  for (QWidget *w : area->widget()->findChildren<QWidget *>()) {
    if (!w->isVisible() || !(qobject_cast<QLineEdit *>(w) || qobject_cast<QLabel *>(w) ||
                             qobject_cast<QPushButton *>(w)))
      continue;
    ++controls;
    const QRect at(w->mapTo(area->widget(), QPoint()), w->size());
    area->ensureVisible(at.center().x(), at.center().y(), at.width() / 2 + 1, at.height() / 2 + 1);
    QVERIFY2(wholeInView(w), qPrintable(w->objectName()));
  }
  QVERIFY(controls > 400);
  // Scrolled away from the panels' corner, nothing moved inside the grid.
  QCOMPARE(g.form().findChild<QWidget *>("GPFinal")->geometry(), QRect(712, 496, 289, 105));
}

void TestGrid::tabbingScrollsToTheFocus()
{
  TGridDriver g;
  QVERIFY(showAt(g.form(), QSize(805, 604)));
  QWidget *first = g.field("GA11");
  first->setFocus(Qt::TabFocusReason);
  QStringList reached;
  for (QWidget *w = first; reached.size() < 1000;) {
    QVERIFY2(wholeInView(w), qPrintable(w->objectName()));
    reached << w->objectName();
    QTest::keyClick(w, Qt::Key_Tab);
    w = QApplication::focusWidget();
    QVERIFY(w);
    if (w == first)
      break;
  }
  QCOMPARE(reached.mid(reached.size() - 3), (QStringList{"SaveButton", "OKButton", "ClearAllButton"}));
}

void TestGrid::menuTree_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("parent");
  QTest::addColumn<int>("tag");
  QTest::newRow("Clear") << "Clear1" << "File1" << 0;
  QTest::newRow("Exit") << "Exit1" << "File1" << 0;
  QTest::newRow("Import results") << "ImportResults1" << "File1" << 0;
  QTest::newRow("Export results") << "ExportResults1" << "File1" << 0;
  QTest::newRow("Export to calendar") << "ExportCalendar1" << "View1" << 0;
  QTest::newRow("Busan") << "Busan1" << "Korea1" << 100;
  QTest::newRow("Ulsan") << "Ulsan1" << "Korea1" << 109;
  QTest::newRow("Ibaraki") << "Ibaraki1" << "Japan2" << 150;
  QTest::newRow("Yokohama") << "Yokohama1" << "Japan2" << 159;
  QTest::newRow("FIFA") << "FIFA1" << "Internet1" << 50;
  QTest::newRow("Rules") << "Rules1" << "BrakkaKoreaJapan1" << 52;
  QTest::newRow("Japan committee") << "JapanOrganizingCommittee1" << "BrakkaKoreaJapan1" << 54;
  QTest::newRow("USA") << "USA1" << "OfficialFootballSites1" << 32;
}

void TestGrid::menuTree()
{
  QFETCH(QString, name);
  QFETCH(QString, parent);
  QFETCH(int, tag);
  TGridDriver g;
  QAction *item = g.form().menuItem(name);
  QVERIFY(item);
  QCOMPARE(item->data().toInt(), tag);
  QMenu *menu = g.form().findChild<QMenu *>(parent);
  QVERIFY(menu);
  QVERIFY(menu->actions().contains(item));
}

void TestGrid::federationItems()
{
  TGridDriver g;
  QMenu *menu = g.form().findChild<QMenu *>("OfficialFootballSites1");
  QCOMPARE(menu->actions().size(), 32);
  const QList<int> disabled = {Argentina, Cameroon, China, Croatia, Ecuador, England, Germany, Italy,
                               Japan, Mexico, Nigeria, Poland, SaudiArabia, Senegal, Slovenia, Uruguay};
  for (int team = 1; team <= TeamCount; ++team) {
    QAction *item = menu->actions().at(team - 1);
    QCOMPARE(item->data().toInt(), team);
    QCOMPARE(item->objectName(), TeamNameIn(LangEnglish, team).remove(' ') + "1");
    QCOMPARE(item->isEnabled(), !disabled.contains(team));
  }
}

void TestGrid::keyFilter_data()
{
  QTest::addColumn<QString>("fieldName");
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("expected");
  QTest::newRow("letters") << "GA11" << "ab" << "";
  QTest::newRow("minus") << "GB21" << "-1" << "1";
  QTest::newRow("space") << "Final811" << " 2" << "2";
  QTest::newRow("digits") << "GA11" << "12" << "12";
  QTest::newRow("leading zero") << "Final811" << "01" << "01";
  QTest::newRow("penalty field") << "Final811pk" << "x5" << "5";
  QTest::newRow("dot") << "GA11" << "3." << "3";
}

void TestGrid::keyFilter()
{
  QFETCH(QString, fieldName);
  QFETCH(QString, keys);
  QFETCH(QString, expected);
  TGridDriver g;
  levelScores(g, fieldName);
  QLineEdit *f = g.field(fieldName);
  f->setFocus();
  QTest::keyClicks(f, keys);
  QCOMPARE(f->text(), expected);
  QTest::keyClick(f, Qt::Key_Return);
  QTest::keyClick(f, Qt::Key_Enter);
  QCOMPARE(f->text(), expected);
  if (!expected.isEmpty()) {
    QTest::keyClick(f, Qt::Key_Backspace);
    QCOMPARE(f->text(), expected.chopped(1));
  }
}

void TestGrid::twoCharacterLimit_data()
{
  QTest::addColumn<QString>("fieldName");
  QTest::addColumn<QString>("expected");
  QTest::newRow("group") << "GC31" << "12";
  QTest::newRow("1/8 final") << "Final852" << "12";
  QTest::newRow("penalty") << "Final811pk" << "12";
  QTest::newRow("third place") << "Third11" << "12";
  QTest::newRow("final") << "Final11" << "12345678901234567890";
  QTest::newRow("final penalty") << "Final12pk" << "12345678901234567890";
}

void TestGrid::twoCharacterLimit()
{
  QFETCH(QString, fieldName);
  QFETCH(QString, expected);
  TGridDriver g;
  levelScores(g, fieldName);
  QLineEdit *f = g.field(fieldName);
  f->setEnabled(true);
  QTest::keyClicks(f, "12345678901234567890");
  QCOMPARE(f->text(), expected);
  // A digit typed over a selection replaces it within the limit.
  f->selectAll();
  QTest::keyClicks(f, "7");
  QCOMPARE(f->text(), QStringLiteral("7"));
}

void TestGrid::clipboardShortcutsDoNotPaste()
{
  TGridDriver g;
  QLineEdit *f = g.field("GA11");
  QApplication::clipboard()->setText("9");
  QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(f, Qt::Key_Insert, Qt::ShiftModifier);
  QCOMPARE(f->text(), QString());
  g.type("GA11", "4");
  QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(f, Qt::Key_X, Qt::ControlModifier);
  QTest::keyClick(f, Qt::Key_Delete, Qt::ShiftModifier);
  QCOMPARE(f->text(), QStringLiteral("4"));
  QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(f->text(), QStringLiteral("4"));
}

void TestGrid::pastedTextIsNoScore()
{
  // Text pasted through the context menu is not filtered; the grid treats
  // anything but digits as an empty score.
  TGridDriver g;
  g.field("GA11")->setText("2x");
  g.type("GA12", "0");
  QCOMPARE(g.text("GAP1"), QStringLiteral("0"));
  g.score("Final81", "1-1");
  g.field("Final811pk")->setText("-5");
  g.type("Final812pk", "4");
  QCOMPARE(g.text("Final421Lbl"), Placeholder);
  g.field("Final811pk")->setText("5");
  QCOMPARE(g.text("Final421Lbl"), QStringLiteral("Cameroon"));
}

void TestGrid::contextMenuPasteKeepsToTheLimit_data()
{
  QTest::addColumn<QString>("fieldName");
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QString>("after");
  QTest::newRow("three digits into a group field") << "GA11" << "" << "123" << "12";
  QTest::newRow("one more digit") << "GA11" << "1" << "45" << "14";
  QTest::newRow("full field") << "Final811" << "12" << "3" << "12";
  QTest::newRow("final takes any length") << "Final11" << "" << "123456" << "123456";
  QTest::newRow("thirty digits into the final")
      << "Final12" << "" << "123456789012345678901234567890" << "123456789012345678901234567890";
  // Only the first line counts, without the blanks around it, and only
  // when it is all digits 0-9; anything else pastes nothing.
  QTest::newRow("line feed") << "GA11" << "" << "2\n" << "2";
  QTest::newRow("carriage return and line feed") << "GA11" << "" << "3\r\n" << "3";
  QTest::newRow("blank before") << "GA11" << "" << " 1" << "1";
  QTest::newRow("blank after") << "GA11" << "" << "1 " << "1";
  QTest::newRow("digit and blank") << "GB21" << "" << "2 " << "2";
  QTest::newRow("second line left out") << "GA11" << "" << "12\n34" << "12";
  QTest::newRow("empty clipboard") << "GA11" << "3" << "" << "3";
  QTest::newRow("letter") << "GB21" << "" << "x" << "";
  QTest::newRow("digit and letter") << "GB21" << "" << "1a" << "";
  QTest::newRow("digit and minus") << "GB21" << "" << "2-" << "";
  QTest::newRow("full-width digits") << "GB21" << "" << QStringLiteral("\uff11\uff12") << "";
  QTest::newRow("Arabic-Indic digit") << "GB21" << "" << QStringLiteral("\u0663") << "";
}

void TestGrid::contextMenuPasteKeepsToTheLimit()
{
  QFETCH(QString, fieldName);
  QFETCH(QString, before);
  QFETCH(QString, clipboard);
  QFETCH(QString, after);
  TGridDriver g;
  g.form().show();
  QLineEdit *f = g.field(fieldName);
  f->setEnabled(true);
  f->setText(before);
  f->end(false);
  QVERIFY(pasteThroughMenu(f, clipboard));
  QCOMPARE(f->text(), after);
}

void TestGrid::inputMethodTextIsDropped()
{
  TGridDriver g;
  QLineEdit *f = g.field("GA12");
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("\u00e9"));
  QApplication::sendEvent(f, &commit);
  QInputMethodEvent digits;
  digits.setCommitString(QStringLiteral("123"));
  QApplication::sendEvent(f, &digits);
  QCOMPARE(f->text(), QString());
  // Nor does text dropped on the field.
  QMimeData dragged;
  dragged.setText(QStringLiteral("x1"));
  QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(f, &enter);
  QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(f, &drop);
  QCOMPARE(f->text(), QString());
  // A disabled field offers no Paste.
  QLineEdit *closed = g.field("Final411");
  QVERIFY(!pasteThroughMenu(closed, "1"));
  QCOMPARE(closed->text(), QString());
  QVERIFY(!f->testAttribute(Qt::WA_InputMethodEnabled));
}

void TestGrid::programTextIsNeverCut()
{
  TGridDriver g;
  g.field("GA11")->setText("12345");
  QCOMPARE(g.text("GA11"), QStringLiteral("12345"));
}

void TestGrid::settingSameTextFiresNothing()
{
  TGridDriver g;
  QSignalSpy spy(g.field("Final811"), &QLineEdit::textChanged);
  g.field("Final811")->setText(QString());
  QCOMPARE(spy.count(), 0);
  g.field("Final811")->setText("1");
  g.field("Final811")->setText("1");
  QCOMPARE(spy.count(), 1);
}

// Score fields and table figures skip the shaping of their digits, which
// costs as much as the rest of a typed score's cascade; what they show must
// not change by it.
void TestGrid::figuresLookAsWithFullShaping_data()
{
  QTest::addColumn<QString>("name");
  QTest::newRow("group score") << "GA11";
  QTest::newRow("knockout score") << "Final811";
  QTest::newRow("penalties") << "Final811pk";
  QTest::newRow("goal difference") << "GAPM1";
  QTest::newRow("points") << "GHPts4";
}

void TestGrid::figuresLookAsWithFullShaping()
{
  QFETCH(QString, name);
  TGridDriver g;
  QLineEdit *f = g.field(name);
  f->setEnabled(true);
  QFont shaped = f->font();
  shaped.setStyleStrategy(QFont::PreferDefault);
  QStringList texts;
  for (int n = 0; n < 120; ++n)
    texts << QString::number(n) << QStringLiteral("+%1").arg(n) << QStringLiteral("-%1").arg(n);
  texts << "1234567890" << "+-+-" << "007";
  for (const QString &text : texts) {
    f->setText(text);
    const QFont own = f->font();
    const QImage fast = f->grab().toImage();
    f->setFont(shaped);
    const QImage full = f->grab().toImage();
    f->setFont(own);
    QVERIFY2(fast == full, qPrintable(text));
  }
}

void TestGrid::favouriteStaysBlueWhileAnotherTeamIsPressed()
{
  TGridDriver g;
  g.choosePreferences(LangEnglish, France);
  QCOMPARE(g.form().document().names().favourite, QStringLiteral("France"));
  QLabel *france = g.label("GA11Lbl");
  QCOMPARE(textColour(france), Blue);
  QCOMPARE(textColour(g.label("Final821Lbl")), Blue);

  QLabel *senegal = g.label("GA12Lbl");
  QTest::mousePress(senegal, Qt::LeftButton);
  QCOMPARE(textColour(senegal), Red);
  QCOMPARE(textColour(g.label("GA32Lbl")), Red);   // Denmark - Senegal
  QCOMPARE(textColour(g.label("GAName3")), Red);
  QCOMPARE(textColour(france), Blue);
  QCOMPARE(textColour(g.label("GA21Lbl")), QApplication::palette().color(QPalette::Active, QPalette::WindowText));
  QTest::mouseRelease(senegal, Qt::LeftButton);
  QCOMPARE(textColour(senegal), QApplication::palette().color(QPalette::Active, QPalette::WindowText));
  QCOMPARE(textColour(france), Blue);
  // The champion keeps its own red whatever is pressed.
  QCOMPARE(textColour(g.label("Champion")), Red);
}

void TestGrid::pressingPlaceholderReddensEveryUndecidedSlot()
{
  TGridDriver g;
  QLabel *slot = g.label("Final411Lbl");
  QTest::mousePress(slot, Qt::RightButton);
  for (const char *name : {"Final411Lbl", "Final442Lbl", "Final221Lbl", "Third12Lbl", "Final12Lbl"})
    QCOMPARE(textColour(g.label(name)), Red);
  QCOMPARE(textColour(g.label("Final811Lbl")),
           QApplication::palette().color(QPalette::Active, QPalette::WindowText));
  QTest::mouseRelease(slot, Qt::RightButton);
  QCOMPARE(textColour(g.label("Final442Lbl")),
           QApplication::palette().color(QPalette::Active, QPalette::WindowText));
}

void TestGrid::pressingFavouriteChangesNothing()
{
  TGridDriver g;
  g.choosePreferences(LangEnglish, Senegal);
  QTest::mousePress(g.label("GAName3"), Qt::LeftButton);
  QCOMPARE(textColour(g.label("GA12Lbl")), Blue);
  QCOMPARE(textColour(g.label("GA11Lbl")),
           QApplication::palette().color(QPalette::Active, QPalette::WindowText));
  QTest::mouseRelease(g.label("GAName3"), Qt::LeftButton);
  QCOMPARE(textColour(g.label("GA12Lbl")), Blue);
}

// An empty field names no team: it keeps the plain text colour (and caret)
// whether or not a favourite is chosen, and whatever name is pressed.
void TestGrid::emptyTextTakesNoTeamColour_data()
{
  QTest::addColumn<int>("favourite");
  QTest::addColumn<QString>("pressed");   // a team label held down, or none
  QTest::newRow("no favourite") << int(NoTeam) << QString();
  QTest::newRow("no favourite, a team pressed") << int(NoTeam) << QStringLiteral("GA12Lbl");
  QTest::newRow("favourite France, a team pressed") << int(France) << QStringLiteral("GA12Lbl");
}

void TestGrid::emptyTextTakesNoTeamColour()
{
  QFETCH(int, favourite);
  QFETCH(QString, pressed);
  TGridDriver g;
  g.choosePreferences(LangEnglish, favourite);
  // A score typed and erased again runs the recolouring of a whole cascade.
  g.type("GA11", "1");
  g.clear("GA11");
  if (!pressed.isEmpty())
    QTest::mousePress(g.label(pressed), Qt::LeftButton);
  const QColor plain = QApplication::palette().color(QPalette::Active, QPalette::Text);
  for (const char *name : {"GA11", "GH62", "Final811", "Final412pk", "Third11", "Final12"})
    QCOMPARE(textColour(g.field(name)), plain);
  if (!pressed.isEmpty())
    QCOMPARE(textColour(g.label(pressed)), Red);
}

void TestGrid::levelKnockoutShowsPenalties()
{
  TGridDriver g;
  g.score("Final81", "1-1");
  QVERIFY(!g.hidden("Final811pk"));
  QVERIFY(!g.hidden("Final812pk"));
  QVERIFY(g.text("Final811pk").isEmpty());
  QCOMPARE(g.text("Final421Lbl"), Placeholder);
  QVERIFY(!g.enabled("Final421Lbl"));
  QVERIFY(!g.enabled("Final421"));
  QVERIFY(!g.bold("Final811Lbl"));
  QVERIFY(!g.bold("Final812Lbl"));
  g.score("Final81", "0-0");
  QVERIFY(!g.hidden("Final811pk"));
}

void TestGrid::penaltiesDecideThenGoalsTakeOver()
{
  TGridDriver g;
  g.score("Final81", "1-1");
  g.type("Final811pk", "4");
  g.type("Final812pk", "3");
  QCOMPARE(g.text("Final421Lbl"), QStringLiteral("Cameroon"));
  QVERIFY(g.enabled("Final421Lbl"));
  QVERIFY(g.enabled("Final421"));
  QVERIFY(g.bold("Final811Lbl"));
  QVERIFY(!g.bold("Final812Lbl"));
  QCOMPARE(g.text("Final811pk"), QStringLiteral("4"));
  QVERIFY(g.enabled("Final8PKLbl"));
  // The shoot-out stays while the goals stay level, whatever is typed.
  g.type("Final812pk", "6");
  QCOMPARE(g.text("Final421Lbl"), QStringLiteral("Slovenia"));
  QVERIFY(g.bold("Final812Lbl"));
  g.type("Final812pk", "3");

  g.type("Final811", "2");
  QVERIFY(g.hidden("Final811pk"));
  QVERIFY(g.hidden("Final812pk"));
  QVERIFY(g.text("Final811pk").isEmpty());
  QVERIFY(g.text("Final812pk").isEmpty());
  QCOMPARE(g.text("Final421Lbl"), QStringLiteral("Cameroon"));
  QVERIFY(g.bold("Final811Lbl"));

  g.score("Final81", "0-3");
  QCOMPARE(g.text("Final421Lbl"), QStringLiteral("Slovenia"));
  QVERIFY(g.bold("Final812Lbl"));
  QVERIFY(!g.bold("Final811Lbl"));
  QVERIFY(g.enabled("Final421"));
}

void TestGrid::equalPenaltiesLeaveSlotOpen()
{
  TGridDriver g;
  g.score("Final82", "2-2");
  g.type("Final821pk", "3");
  g.type("Final822pk", "3");
  QCOMPARE(g.text("Final411Lbl"), Placeholder);
  QVERIFY(!g.enabled("Final411"));
  QVERIFY(!g.hidden("Final821pk"));
  QVERIFY(!g.bold("Final821Lbl"));
  QVERIFY(!g.bold("Final822Lbl"));
}

void TestGrid::emptyingScoreResetsSlot()
{
  TGridDriver g;
  g.score("Final81", "3-1");
  g.score("Final85", "1-2");
  g.score("Final42", "1-0");
  QCOMPARE(g.text("Final211Lbl"), QStringLiteral("Cameroon"));
  g.clear("Final812");
  QCOMPARE(g.text("Final421Lbl"), Placeholder);
  QVERIFY(g.text("Final421").isEmpty());
  QVERIFY(!g.enabled("Final421"));
  QCOMPARE(g.text("Final211Lbl"), Placeholder);
  QVERIFY(!g.bold("Final811Lbl"));
  QVERIFY(!g.bold("Final422Lbl"));
}

void TestGrid::closing_data()
{
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("closes");
  QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
  QTest::newRow("No") << int(QMessageBox::No) << true;
  QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false;
}

void TestGrid::closing()
{
  QFETCH(int, answer);
  QFETCH(bool, closes);
  TGridDriver g;
  g.form().show();
  g.type("GA11", "3");
  g.dialogs().answers = {QMessageBox::StandardButton(answer)};
  QCOMPARE(g.form().close(), closes);
  QCOMPARE(g.dialogs().asked.size(), 1);
  const TScriptedDialogs::TAsked &q = g.dialogs().asked.first();
  QCOMPARE(q.icon, TMsgIcon::Question);
  QCOMPARE(q.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  const QStringList lines = q.text.split('\n');
  QCOMPARE(lines.size(), 6);
  QCOMPARE(lines[0], QStringLiteral("Do you want to save the data before exiting?"));
  QCOMPARE(lines[3], QStringLiteral("* If you answer 'No' all changes made since you last clicked "));
  QCOMPARE(lines[4], QStringLiteral("  on 'Save' will be lost."));
  QCOMPARE(g.form().isVisible(), !closes);
  QCOMPARE(g.text("GA11"), QStringLiteral("3"));
}

void TestGrid::exitButtonAndMenuAskTheSameQuestion()
{
  TGridDriver g;
  g.form().show();
  QTest::mouseClick(g.form().button("OKButton"), Qt::LeftButton);
  g.form().menuItem("Exit1")->trigger();
  QCOMPARE(g.dialogs().asked.size(), 2);
  QCOMPARE(g.dialogs().asked[0].text, g.dialogs().asked[1].text);
  QVERIFY(g.form().isVisible());   // both answered Cancel
}

void TestGrid::aboutBox_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("firstLine");
  QTest::newRow("English") << int(LangEnglish) << "About BRAKKA..." << "Korea/Japan";
  QTest::newRow("Spanish") << int(LangSpanish) << "Acerca BRAKKA..." << "Corea/Japón";
  QTest::newRow("French") << int(LangFrench) << "Sur BRAKKA..." << "Corée/Japon";
}

void TestGrid::aboutBox()
{
  QFETCH(int, language);
  QFETCH(QString, caption);
  QFETCH(QString, firstLine);
  TGridDriver g;
  g.choosePreferences(language);
  QStringList shown;
  g.dialogs().onModal = [&shown](QDialog *d) {
    shown << d->windowTitle() << d->findChild<QLabel *>("DescriptionLbl")->text()
          << d->findChild<QLabel *>("ThanksLbl")->text();
    return 0;
  };
  g.form().menuItem("About1")->trigger();
  QCOMPARE(g.dialogs().modalWindows.last(), QStringLiteral("AboutForm"));

  QCOMPARE(shown.size(), 3);
  QCOMPARE(shown[0], caption);
  QCOMPARE(shown[1].section('\n', 0, 0), firstLine);
  QCOMPARE(shown[2], TextIn(language, TText::ThanksLbl));
  // Every line of the description is in the chosen language.
  if (language != LangEnglish) {
    const QStringList english = TextIn(LangEnglish, TText::AboutDescription).split('\n');
    for (const QString &line : shown[1].split('\n'))
      QVERIFY2(line.isEmpty() || !english.contains(line), qPrintable(line));
  }
}

void TestGrid::secondaryWindowIsModalAndReleased_data()
{
  QTest::addColumn<QString>("menuItem");
  QTest::addColumn<QString>("window");
  QTest::newRow("about") << "About1" << "AboutForm";
  QTest::newRow("options") << "Options1" << "OptionsForm";
  QTest::newRow("schedule") << "Schedule1" << "ScheduleForm";
  QTest::newRow("venue") << "Seoul1" << "StadiumForm";
}

void TestGrid::secondaryWindowIsModalAndReleased()
{
  QFETCH(QString, menuItem);
  QFETCH(QString, window);
  TGridDriver g;   // a first start, whose options dialog is gone too
  QVERIFY(!g.form().findChild<QDialog *>("OptionsForm"));
  const qsizetype objects = g.form().findChildren<QObject *>().size();
  Qt::WindowFlags flags;
  bool fixed = false;
  g.dialogs().onModal = [&](QDialog *d) {
    flags = d->windowFlags();
    fixed = d->minimumSize() == d->maximumSize();
    return int(QDialog::Rejected);
  };
  for (int opening = 0; opening < 3; ++opening) {
    g.form().menuItem(menuItem)->trigger();
    QCOMPARE(g.dialogs().modalWindows.last(), window);
  }
  // A fixed dialog frame, never a minimise or maximise button; a close
  // button where the window is closed from its frame.
  QVERIFY(fixed && (flags & Qt::WindowType_Mask) == Qt::Dialog);
  QVERIFY(flags & Qt::MSWindowsFixedSizeDialogHint);
  QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  QCOMPARE(bool(flags & Qt::WindowCloseButtonHint), menuItem == "About1" || menuItem == "Seoul1");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!g.form().findChild<QDialog *>(window));
  QCOMPARE(g.form().findChildren<QObject *>().size(), objects);
}

void TestGrid::shootOutTypedWithTab_data()
{
  QTest::addColumn<QString>("match");
  QTest::newRow("first 1/8 final") << "Final81";
  QTest::newRow("last 1/8 final") << "Final88";
}

void TestGrid::shootOutTypedWithTab()
{
  QFETCH(QString, match);
  TGridDriver g;
  QVERIFY(showAt(g.form(), QSize(1024, 738)));
  g.field(match + '1')->setFocus(Qt::TabFocusReason);
  for (const QChar key : QStringLiteral("1\t1\t3\t2"))
    QTest::keyClick(QApplication::focusWidget(), key == '\t' ? '\t' : key.toLatin1());
  QCOMPARE(g.text(match + '1') + g.text(match + '2') + g.text(match + "1pk") + g.text(match + "2pk"),
           QStringLiteral("1132"));
}

void TestGrid::scrollBarsAtEveryScale_data()
{
  // The maximised window's grid area on a 1920 x 1080 screen, below a title
  // bar of 19 device pixels and the menu bar, in the interface's pixels.
  QTest::addColumn<qreal>("scale");
  QTest::addColumn<QSize>("area");
  QTest::addColumn<QString>("bars");
  QTest::newRow("1") << 1.0 << QSize(1920, 1043) << "";
  QTest::newRow("1.25") << 1.25 << QSize(1536, 831) << "";
  QTest::newRow("1.5, a third of a pixel to spare") << 1.5 << QSize(1280, 689) << "V";
  QTest::newRow("1.75") << 1.75 << QSize(1097, 588) << "V";
  QTest::newRow("2") << 2.0 << QSize(960, 513) << "HV";
  QTest::newRow("2, the grid's size") << 2.0 << QSize(1001, 689) << "";
}

void TestGrid::scrollBarsAtEveryScale()
{
  QFETCH(qreal, scale);
  QFETCH(QSize, area);
  QFETCH(QString, bars);
  TGridDriver g;
  const auto b = TGridScroll::BarsFor(area, g.form().findChild<TGridScroll *>()->widget()->size(), 14, scale);
  QCOMPARE(QString(b.horizontal ? "H" : "") + (b.vertical ? "V" : ""), bars);
}

void TestGrid::keyboardShowsTeamAndHint_data()
{
  QTest::addColumn<QString>("focused");
  QTest::addColumn<QString>("team");   // its team's label
  QTest::newRow("team label") << "GA12Lbl" << "GA12Lbl";
  QTest::newRow("score field") << "GA12" << "GA12Lbl";
  QTest::newRow("penalty field") << "Final822pk" << "Final822Lbl";
  QTest::newRow("1/8-final team") << "Final821Lbl" << "Final821Lbl";
}

void TestGrid::keyboardShowsTeamAndHint()
{
  QFETCH(QString, focused);
  QFETCH(QString, team);
  TGridDriver g;
  QVERIFY(showAt(g.form(), QSize(1024, 738)));
  auto *w = g.form().findChild<QWidget *>(focused);
  w->setFocus();
  // A key held shows the team in red wherever it appears, as a press does.
  QTest::keyPress(w, Qt::Key_Space);
  QCOMPARE(textColour(g.label(team)), Red);
  QTest::keyRelease(w, Qt::Key_Space);
  QVERIFY(textColour(g.label(team)) != Red);

  // Its match's hint: the accessible description and, for Shift+F1, What's This.
  const QString hint = g.label(team)->toolTip();
  QVERIFY(hint.contains('\n'));
  QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description), hint);
  QCOMPARE(w->whatsThis(), hint);

  // Left from the start of a field reaches its team's label, Right comes back.
  if (auto *f = qobject_cast<QLineEdit *>(w); f && !f->isHidden()) {
    f->setCursorPosition(0);
    QTest::keyClick(f, Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), g.label(team));
    QTest::keyClick(g.label(team), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), w);
  }
}

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
