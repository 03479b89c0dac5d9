// What a screen reader hears from the grid, and team colours that stay
// readable on a dark palette.

#include "app/brakkaCommon.h"
#include "core/groups/fixtures.h"
#include "core/i18n/names.h"
#include "core/settings/preferences.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <functional>

class TestAccess : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { Light = QApplication::palette(); }
  void cleanup() { QApplication::setPalette(Light); }

  void everyGridControlHasANameOfItsOwn_data();
  void everyGridControlHasANameOfItsOwn();
  void namesFollowTeamsAndLanguage_data();
  void namesFollowTeamsAndLanguage();
  void fieldsReportRoleTextAndCaret();

  void contrastOfKnownPairs_data();
  void contrastOfKnownPairs();
  void teamColoursReadOnEveryPalette_data();
  void teamColoursReadOnEveryPalette();

  void lettersAreUniqueInEveryWindowAndMenu_data();
  void lettersAreUniqueInEveryWindowAndMenu();

private:
  QPalette Light;
};

namespace {

// Every object of the window's accessibility tree that belongs to a named
// control, found the way a screen reader walks it.
QHash<QString, QAccessibleInterface *> accessibleControls(QWidget *window)
{
  QHash<QString, QAccessibleInterface *> found;
  std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
    if (const QObject *o = node->object(); o && !o->objectName().isEmpty())
      found.insert(o->objectName(), node);
    for (int i = 0; i < node->childCount(); ++i)
      if (QAccessibleInterface *child = node->child(i))
        walk(child);
  };
  walk(QAccessible::queryAccessibleInterface(window));
  return found;
}

// The score and penalty fields, team labels and table figures of the grid.
QStringList spokenControls()
{
  QStringList names;
  for (int g = 0; g < GroupCount; ++g) {
    for (int m = 1; m <= MatchesPerGroup; ++m)
      for (int s = 1; s <= 2; ++s)
        names << GroupFieldName(g, m, s) << GroupMatchLabelName(g, m, s);
    for (int r = 1; r <= 4; ++r)
      for (const char *column : {"Name", "Pts", "P", "W", "T", "L", "GF", "GA", "PM"})
        names << GroupTableName(g, column, r);
  }
  const TKnockoutStage stages[5] = {{"Final8", 8}, {"Final4", 4}, {"Final2", 2}, {"Third", 1}, {"Final", 1}};
  for (const TKnockoutStage &st : stages)
    for (int k = 1; k <= st.matches; ++k)
      for (int s = 1; s <= 2; ++s)
        names << KnockoutName(st.prefix, k, s) << KnockoutName(st.prefix, k, s, "pk")
              << KnockoutName(st.prefix, k, s, "Lbl");
  names << QStringLiteral("Champion");
  return names;
}

// Switches the interface language as the options dialog does.
void switchLanguage(TGridDriver &g, int language)
{
  g.choosePreferences(language);
}

// The letter a caption answers to, lower case; none without one ("&&" is "&").
QChar letterOf(const QString &caption)
{
  for (qsizetype i = caption.indexOf(u'&'); i >= 0 && i + 1 < caption.size(); i = caption.indexOf(u'&', i + 2))
    if (caption[i + 1] != u'&')
      return caption[i + 1].toLower();
  return QChar();
}

// Where captions share a letter: "p: O&ptions, A &propos".
void addClashes(const QString &where, const QStringList &captions, QStringList &found)
{
  QMultiMap<QChar, QString> users;
  for (const QString &c : captions)
    if (!letterOf(c).isNull())
      users.insert(letterOf(c), c);
  for (const QChar letter : users.uniqueKeys())
    if (users.count(letter) > 1)
      found << where + QStringLiteral(" - ") + letter + QStringLiteral(": ") + users.values(letter).join(u", ");
}

// The captions of a window that answer to Alt and a letter (its shown
// buttons, group boxes, labels of a control and menus); the controls that
// take the focus without a letter go to `without`.
QStringList windowCaptions(QWidget *window, QStringList &without)
{
  QStringList captions;
  QSet<const QWidget *> lettered;
  for (QWidget *w : window->findChildren<QWidget *>()) {
    const auto *l = qobject_cast<QLabel *>(w);
    const auto *b = qobject_cast<QAbstractButton *>(w);
    if (!w->isVisibleTo(window) || (l && !l->buddy()))
      continue;
    captions << (b ? b->text() : l ? l->text() : qobject_cast<QGroupBox *>(w) ? qobject_cast<QGroupBox *>(w)->title() : QString());
    if (!letterOf(captions.last()).isNull())
      lettered << (l ? l->buddy() : w);
  }
  for (QWidget *w : window->findChildren<QWidget *>())
    if (w->isVisibleTo(window) && (w->focusPolicy() & Qt::TabFocus) && !lettered.contains(w) &&
        !qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
      without << w->objectName();
  if (auto *main = qobject_cast<QMainWindow *>(window))
    for (const QAction *a : main->menuBar()->actions())
      captions << a->text();
  return captions;
}

QPalette paletteOn(const QColor &background)
{
  QPalette p = QApplication::palette();
  const QColor text = background.lightnessF() < 0.5 ? QColor(230, 230, 230) : QColor(Qt::black);
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
    p.setColor(role, background);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    p.setColor(role, text);
  return p;
}

QColor shownColour(QWidget *w)
{
  return w->palette().color(QPalette::Active, w->foregroundRole());
}
QColor backgroundOf(QWidget *w)
{
  return w->palette().color(QPalette::Active, w->backgroundRole());
}

}  // namespace

void TestAccess::everyGridControlHasANameOfItsOwn_data()
{
  QTest::addColumn<bool>("played");
  QTest::newRow("open bracket") << false;
  QTest::newRow("whole tournament played") << true;
}

void TestAccess::everyGridControlHasANameOfItsOwn()
{
  QFETCH(bool, played);
  TGridDriver g;
  if (played) {
    PlayAll(g);
  } else {
    g.field("Final811")->setText("1");
    g.field("Final812")->setText("1");   // shows the first penalty fields
  }
  const QHash<QString, QAccessibleInterface *> tree = accessibleControls(&g.form());
  const QStringList controls = spokenControls();
  QCOMPARE(controls.size(), 160 + 161 + 8 * 4 * 8);
  QHash<QString, QString> owner;   // name -> control
  for (const QString &control : controls) {
    QAccessibleInterface *node = tree.value(control);
    QVERIFY2(node, qPrintable(control));
    const QString name = node->text(QAccessible::Name);
    QVERIFY2(!name.isEmpty(), qPrintable(control));
    QVERIFY2(!owner.contains(name),
             qPrintable(control + " and " + owner.value(name) + " are both: " + name));
    owner.insert(name, control);
  }
}

void TestAccess::namesFollowTeamsAndLanguage_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<QStringList>("results");   // "stem result" typed in order
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("name");

  const QStringList none;
  QTest::newRow("group score") << int(LangEnglish) << none << "GA11"
                               << "Group A, France against Senegal, goals of France";
  QTest::newRow("group score, lower side") << int(LangEnglish) << none << "GH32"
                                           << "Group H, Russia against Japan, goals of Japan";
  QTest::newRow("group team") << int(LangEnglish) << none << "GA12Lbl"
                              << "Group A, France against Senegal, team Senegal";
  QTest::newRow("table figure") << int(LangEnglish) << none << "GAPts1"
                                << "Group A, place 1, France, points";
  QTest::newRow("table figure moves with its team")
      << int(LangEnglish) << QStringList{"GA1 0-2"} << "GAPM1"
      << "Group A, place 1, Senegal, goal difference";
  QTest::newRow("table team") << int(LangEnglish) << none << "GAName2"
                              << "Group A, place 2, team Denmark";
  QTest::newRow("1/8 final") << int(LangEnglish) << none << "Final811"
                             << "1/8 final 1, Cameroon against Slovenia, goals of Cameroon";
  QTest::newRow("1/8 final after the group changes")
      << int(LangEnglish) << QStringList{"GA1 0-2"} << "Final821"
      << "1/8 final 2, Senegal against England, goals of Senegal";
  QTest::newRow("undecided slots") << int(LangEnglish) << none << "Final412"
      << "1/4 final 1, winner of 1/8 final 2 against winner of 1/8 final 6, goals of winner of 1/8 final 6";
  QTest::newRow("slot filled by the cascade")
      << int(LangEnglish) << QStringList{"Final81 2-0"} << "Final421"
      << "1/4 final 2, Cameroon against winner of 1/8 final 5, goals of Cameroon";
  QTest::newRow("penalties") << int(LangEnglish) << QStringList{"Final81 1-1"} << "Final812pk"
                             << "1/8 final 1, Cameroon against Slovenia, penalties of Slovenia";
  QTest::newRow("third place") << int(LangEnglish) << none << "Third12pk"
      << "third-place match, loser of 1/2 final 1 against loser of 1/2 final 2, penalties of loser of 1/2 final 2";
  QTest::newRow("final") << int(LangEnglish) << none << "Final11Lbl"
      << "Final, winner of 1/2 final 1 against winner of 1/2 final 2, team winner of 1/2 final 1";
  QTest::newRow("champion") << int(LangEnglish) << none << "Champion" << "Champion, winner of Final";
  QTest::newRow("French group score") << int(LangFrench) << none << "GA11"
                                      << "Groupe A, France contre Sénégal, buts de France";
  QTest::newRow("French table figure") << int(LangFrench) << none << "GEGA3"
                                       << "Groupe E, place 3, Eire, buts contre";
  QTest::newRow("French 1/8 final") << int(LangFrench) << QStringList{"Final81 2-0"} << "Final421"
      << "quart de finale 2, Cameroun contre vainqueur de huitième de finale 5, buts de Cameroun";
  QTest::newRow("Spanish penalties") << int(LangSpanish) << QStringList{"Final81 1-1"} << "Final811pk"
      << "octavo de final 1, Camerún contra Eslovenia, penaltis de Camerún";
  QTest::newRow("Spanish champion") << int(LangSpanish) << none << "Champion"
                                    << "Campeon, ganador de Final";
  QTest::newRow("clear button") << int(LangEnglish) << none << "GroupADelButton"
                                << "Clear the scores of Group A";
  QTest::newRow("Spanish clear button") << int(LangSpanish) << none << "Final8DelButton"
                                        << "Borrar los resultados de los octavos de final";
  QTest::newRow("French clear button") << int(LangFrench) << none << "FinalDelButton"
                                       << "Effacer les résultats de la finale";
  QTest::newRow("group panel") << int(LangEnglish) << none << "GroupPanelA" << "Group A";
  QTest::newRow("table panel") << int(LangEnglish) << none << "GPStandB" << "Group B table";
  QTest::newRow("French table panel") << int(LangFrench) << none << "GPStandC" << "Tableau du Groupe C";
}

void TestAccess::namesFollowTeamsAndLanguage()
{
  QFETCH(int, language);
  QFETCH(QStringList, results);
  QFETCH(QString, control);
  QFETCH(QString, name);

  TGridDriver g;
  // Asked once before anything changes: the name follows what is shown later.
  QAccessibleInterface *node = accessibleControls(&g.form()).value(control);
  QVERIFY(node);
  QVERIFY(!node->text(QAccessible::Name).isEmpty());
  if (language != LangEnglish)
    switchLanguage(g, language);
  for (const QString &r : results)
    g.score(r.section(' ', 0, 0), r.section(' ', 1));
  QCOMPARE(node->text(QAccessible::Name), name);
}

void TestAccess::fieldsReportRoleTextAndCaret()
{
  TGridDriver g;
  const QHash<QString, QAccessibleInterface *> tree = accessibleControls(&g.form());
  g.score("GA1", "12-0");
  QAccessibleInterface *score = tree.value("GA11");
  QCOMPARE(score->role(), QAccessible::EditableText);
  QVERIFY(score->state().editable);
  QCOMPARE(score->text(QAccessible::Value), QStringLiteral("12"));
  QAccessibleTextInterface *text = score->textInterface();
  QVERIFY(text);
  QCOMPARE(text->characterCount(), 2);
  g.field("GA11")->setCursorPosition(1);
  QCOMPARE(text->cursorPosition(), 1);
  QCOMPARE(text->text(0, 1), QStringLiteral("1"));

  QAccessibleInterface *figure = tree.value("GAGF1");
  QVERIFY(figure->state().readOnly);
  QCOMPARE(figure->text(QAccessible::Value), QStringLiteral("12"));

  QAccessibleInterface *team = tree.value("GA11Lbl");
  QCOMPARE(team->role(), QAccessible::StaticText);
  QCOMPARE(team->text(QAccessible::Value), QStringLiteral("France"));

  // A group table reads as a table of its places, from its one keyboard stop.
  QAccessibleInterface *table = tree.value("GPStandA");
  QCOMPARE(table->role(), QAccessible::Table);
  QVERIFY(table->state().focusable);
  QAccessibleTableInterface *cells = table->tableInterface();
  QCOMPARE(cells->rowCount() * 10 + cells->columnCount(), 49);
  QCOMPARE(cells->cellAt(0, 6)->text(QAccessible::Name), QStringLiteral("Group A, place 1, France, goals for"));
  QCOMPARE(table->text(QAccessible::Description).section('\n', 0, 0),
           QStringLiteral("place 1, France, points 3, played 1, won 1, tied 0, lost 0, goals for 12, "
                          "goals against 0, goal difference 12"));
}

void TestAccess::contrastOfKnownPairs_data()
{
  QTest::addColumn<QColor>("a");
  QTest::addColumn<QColor>("b");
  QTest::addColumn<double>("ratio");
  QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
  QTest::newRow("alike") << QColor(0x2b2b2b) << QColor(0x2b2b2b) << 1.0;
  QTest::newRow("blue on white") << QColor(0, 0, 255) << QColor(Qt::white) << 8.59;
  QTest::newRow("red on white") << QColor(255, 0, 0) << QColor(Qt::white) << 4.0;
  QTest::newRow("grey 777 on white") << QColor(0x777777) << QColor(Qt::white) << 4.48;
  QTest::newRow("order does not matter") << QColor(Qt::white) << QColor(0x777777) << 4.48;
}

void TestAccess::contrastOfKnownPairs()
{
  QFETCH(QColor, a);
  QFETCH(QColor, b);
  QFETCH(double, ratio);
  QVERIFY2(qAbs(ContrastRatio(a, b) - ratio) < 0.01, qPrintable(QString::number(ContrastRatio(a, b))));
}

void TestAccess::teamColoursReadOnEveryPalette_data()
{
  QTest::addColumn<QColor>("background");   // invalid: the default palette
  QTest::addColumn<bool>("onWindow");       // set on the main window, else application-wide
  QTest::newRow("light default") << QColor() << false;
  QTest::newRow("light grey") << QColor(0xd4d0c8) << false;
  QTest::newRow("dark 202020") << QColor(0x202020) << false;
  QTest::newRow("dark 2b2b2b") << QColor(0x2b2b2b) << false;
  QTest::newRow("dark 2b2b2b on the window") << QColor(0x2b2b2b) << true;
  QTest::newRow("mid-dark 505050") << QColor(0x505050) << false;
  QTest::newRow("dark blue-grey") << QColor(0x1e2433) << true;
}

void TestAccess::teamColoursReadOnEveryPalette()
{
  QFETCH(QColor, background);
  QFETCH(bool, onWindow);

  TGridDriver g;
  g.choosePreferences(LangEnglish, France);
  // The palette changes while the favourite is already shown.
  if (background.isValid()) {
    if (onWindow)
      g.form().setPalette(paletteOn(background));
    else
      QApplication::setPalette(paletteOn(background));
    QCoreApplication::sendPostedEvents();
  }
  const bool dark = background.isValid() && background.lightnessF() < 0.5;

  QLabel *senegal = g.label("GA12Lbl");
  QTest::mousePress(senegal, Qt::LeftButton);
  struct TCheck { QWidget *control; QColor pure; };
  const TCheck checks[] = {
    {g.label("GA11Lbl"), QColor(0, 0, 255)}, {g.label("Final821Lbl"), QColor(0, 0, 255)},
    {g.label("GAName1"), QColor(0, 0, 255)}, {senegal, QColor(255, 0, 0)},
    {g.label("GAName3"), QColor(255, 0, 0)},
  };
  for (const TCheck &c : checks) {
    const QColor shown = shownColour(c.control);
    const QByteArray where = c.control->objectName().toLatin1() + " shows " + shown.name().toLatin1();
    if (!dark) {
      QVERIFY2(shown == c.pure, where.constData());
      continue;
    }
    if (background.isValid())
      QCOMPARE(backgroundOf(c.control), background);
    QVERIFY2(ContrastRatio(shown, backgroundOf(c.control)) >= 4.5, where.constData());
    QVERIFY2(shown.hslHue() == c.pure.hslHue() && shown != QColor(Qt::white), where.constData());
  }
  QTest::mouseRelease(senegal, Qt::LeftButton);
  QCOMPARE(shownColour(senegal), g.form().palette().color(QPalette::Active, QPalette::WindowText));

  // Back to the light palette: the exact colours return.
  QApplication::setPalette(Light);
  QCoreApplication::sendPostedEvents();
  g.form().setPalette(QPalette());
  QCOMPARE(shownColour(g.label("GA11Lbl")), QColor(0, 0, 255));
}

// In every language, no two items of a menu and no two controls of a window
// answer to the same letter; each control of the pool window has one.
void TestAccess::lettersAreUniqueInEveryWindowAndMenu_data()
{
  QTest::addColumn<int>("language");
  QTest::newRow("English") << int(LangEnglish);
  QTest::newRow("Spanish") << int(LangSpanish);
  QTest::newRow("French") << int(LangFrench);
}

void TestAccess::lettersAreUniqueInEveryWindowAndMenu()
{
  QFETCH(int, language);
  TGridDriver g;
  g.choosePreferences(language);
  PlayAll(g);
  QStringList found, without, windows, grid;
  addClashes(QStringLiteral("main window"), windowCaptions(&g.form(), grid), found);
  for (QMenu *menu : g.form().menuBar()->findChildren<QMenu *>()) {
    QStringList items;
    for (const QAction *a : menu->actions())
      items << a->text();
    addClashes(menu->objectName(), items, found);
  }
  for (const char *item : {"ExportCalendar1", "WallChart1", "PrintWallChart1"})
    QVERIFY2(!letterOf(g.form().menuItem(QLatin1String(item))->text()).isNull(), item);
  g.dialogs().onModal = [&](QDialog *d) {
    QStringList unlettered;
    addClashes(d->objectName(), windowCaptions(d, unlettered), found);
    if (d->objectName() == QLatin1String("PoolForm"))
      without = unlettered;
    windows << d->objectName();
    return int(QDialog::Rejected);
  };
  g.dialogs().openedFiles = {QStringLiteral(BRAKKA_TEST_DATA "/import/openfootball.json")};
  for (const char *item : {"Options1", "Schedule1", "Outlook1", "Pool1", "About1", "Seoul1", "ImportResults1"})
    g.form().menuItem(QLatin1String(item))->trigger();
  QTest::keyClick(g.label(QStringLiteral("Champion")), Qt::Key_Return);
  QCOMPARE(windows, QStringList({"OptionsForm", "ScheduleForm", "OutlookForm", "PoolForm", "AboutForm",
                                 "StadiumForm", "ImportForm", "WinnerForm"}));
  QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
  QVERIFY2(without.isEmpty(), qPrintable(without.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
