// Nothing lost, nothing stale: whatever a user does on the grid, the window
// shows exactly what saving and starting again shows.

#include "app/brakkaMain.h"
#include "core/i18n/names.h"
#include "core/settings/preferences.h"
#include "core/settings/recoveryFile.h"
#include "support/fakePlatform.h"
#include "support/grid.h"
#include "support/randomPlay.h"
#include "support/tournament.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestRoundTrip : public QObject {
  Q_OBJECT

private slots:
  void randomPlaySurvivesRestart_data();
  void randomPlaySurvivesRestart();
  void everyActionSurvivesRestart_data();
  void everyActionSurvivesRestart();
  void undoAndRedoPassEveryState_data();
  void undoAndRedoPassEveryState();
  void undoNamesTheStepAndBringsBackWhatItEmptied_data();
  void undoNamesTheStepAndBringsBackWhatItEmptied();
  void undoTextFollowsTheLanguage();
  void crashLeavesTheTypedResultsToRestore_data();
  void crashLeavesTheTypedResultsToRestore();
  void damagedRecoveryFileIsIgnored();
  void closingOrSavingRemovesTheRecoveryFile_data();
  void closingOrSavingRemovesTheRecoveryFile();
};

// The step's teams are named in each new language, knockout teams included
// (the final's, whose labels are carried over after the menus).
void TestRoundTrip::undoTextFollowsTheLanguage()
{
  TGridDriver g;
  PlayAll(g);
  const struct {
    int language;
    const char *undoText;
  } switches[] = {{LangSpanish, "Deshacer lo escrito en Alemania – Brasil"},
                  {LangFrench, "Annuler la saisie dans Allemagne – Brésil"},
                  {LangEnglish, "Undo typing in Germany – Brazil"}};
  for (const auto &to : switches) {
    g.form().document().setPreferences({to.language});   // the language switch of the options dialog
    QCOMPARE(g.form().menuItem(QStringLiteral("Undo1"))->text(), QString::fromUtf8(to.undoText));
  }
}

namespace {

// A main window on its own settings folder and scripted desktop, started
// from a file that holds only preferences: a language and a favourite team
// chosen by the seed, so that the favourite's colour is compared too.
class TPlayedWindow {
public:
  explicit TPlayedWindow(quint32 seed) : Form(preferencesOnly(Dir, seed), Fake.platform()) {}
  TMainForm &form() { return Form; }
  QString folder() const { return Dir.path(); }

  // What the window shows now, against what it shows after saving and
  // starting again from the file.
  void compareWithRestart()
  {
    const QStringList shown = controlSnapshot(Form);
    QVERIFY(SaveForm(Form));
    TFakePlatform fake;
    const TMainForm again(Dir.path(), fake.platform());
    QCOMPARE(shown, controlSnapshot(again));
  }

private:
  static QString preferencesOnly(const QTemporaryDir &dir, quint32 seed)
  {
    QFile ini(dir.filePath(QStringLiteral("Brakka.ini")));
    if (ini.open(QIODevice::WriteOnly))
      ini.write(QStringLiteral("[PREFERENCES]\r\nLanguage=%1\r\nFavorite=%2\r\nFirstTime=0\r\n")
                    .arg(seed % 3)
                    .arg(seed % 33)
                    .toLatin1());
    return dir.path();
  }

  QTemporaryDir Dir;
  TFakePlatform Fake;
  TMainForm Form;
};

void addSeeds(quint32 first, quint32 count)
{
  QTest::addColumn<quint32>("seed");
  for (quint32 seed = first; seed < first + count; ++seed)
    QTest::addRow("seed %u", seed) << seed;
}

}  // namespace

void TestRoundTrip::randomPlaySurvivesRestart_data() { addSeeds(1, 40); }

void TestRoundTrip::randomPlaySurvivesRestart()
{
  QFETCH(quint32, seed);
  TPlayedWindow w(seed);
  playRandomActions(w.form(), seed, 60);
  w.compareWithRestart();
}

void TestRoundTrip::everyActionSurvivesRestart_data() { addSeeds(101, 3); }

void TestRoundTrip::everyActionSurvivesRestart()
{
  QFETCH(quint32, seed);
  TPlayedWindow w(seed);
  // One action at a time, each from its own seed, compared after each.
  for (quint32 action = 0; action < 60; ++action) {
    playRandomActions(w.form(), seed * 1000 + action, 1);
    w.compareWithRestart();
    if (QTest::currentTestFailed()) {
      qWarning("after action %u", action + 1);
      return;
    }
  }
}

void TestRoundTrip::undoAndRedoPassEveryState_data() { addSeeds(201, 5); }

void TestRoundTrip::undoAndRedoPassEveryState()
{
  QFETCH(quint32, seed);
  TPlayedWindow w(seed);
  // The window after each step; an edit that joins the last step replaces it.
  QList<QStringList> states{controlSnapshot(w.form())};
  const auto recording = connect(&w.form().document(), &TDocument::changed, this, [&](const TDocumentChange &change) {
    if (!change.steps)
      return;
    const int index = int(w.form().document().history().done());
    states.resize(index + 1);
    states[index] = controlSnapshot(w.form());
  });
  playRandomActions(w.form(), seed, 40);
  disconnect(recording);
  QAction *undo = w.form().menuItem(QStringLiteral("Undo1"));
  QAction *redo = w.form().menuItem(QStringLiteral("Redo1"));
  for (qsizetype i = states.size() - 1; i > 0; --i) {
    undo->trigger();
    QCOMPARE(controlSnapshot(w.form()), states[i - 1]);
    w.compareWithRestart();
    if (QTest::currentTestFailed())
      return qWarning("undoing step %lld", qlonglong(i));
  }
  QVERIFY(!undo->isEnabled());
  for (qsizetype i = 1; i < states.size(); ++i) {
    redo->trigger();
    QCOMPARE(controlSnapshot(w.form()), states[i]);
    w.compareWithRestart();
    if (QTest::currentTestFailed())
      return qWarning("redoing step %lld", qlonglong(i));
  }
  QVERIFY(!redo->isEnabled());
}

void TestRoundTrip::undoNamesTheStepAndBringsBackWhatItEmptied_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("button");   // empty: type 3 before Brazil's 2 against Turkey
  QTest::addColumn<QString>("undoText");
  QTest::addColumn<QString>("notice");
  QTest::newRow("typing") << 0 << QString() << "Undo typing in Brazil – Turkey"
                          << "5 knockout results were emptied. Undo (Ctrl+Z) restores them.";
  QTest::newRow("typing, French")
      << 2 << QString() << "Annuler la saisie dans Brésil – Turquie"
      << "5 résultats de la phase finale ont été effacés. Annuler (Ctrl+Z) les rétablit.";
  QTest::newRow("a group's x") << 0 << "GroupHDelButton" << "Undo clearing Group H"
                               << "7 knockout results were emptied. Undo (Ctrl+Z) restores them.";
  QTest::newRow("a stage's x, Spanish")
      << 1 << "Final2DelButton" << "Deshacer el borrado: 1/2 Finales"
      << "Se han borrado 2 resultados de las eliminatorias. Deshacer (Ctrl+Z) los recupera.";
  QTest::newRow("Clear All") << 0 << "ClearAllButton" << "Undo Clear All" << QString();
}

void TestRoundTrip::undoNamesTheStepAndBringsBackWhatItEmptied()
{
  QFETCH(int, language);
  QFETCH(QString, button);
  QFETCH(QString, undoText);
  QFETCH(QString, notice);
  TGridDriver g;
  PlayAll(g);
  g.form().document().setPreferences({language});   // the language switch of the options dialog
  g.form().show();
  QVERIFY(QTest::qWaitForWindowActive(&g.form()));
  const QStringList before = controlSnapshot(g.form());
  QLineEdit *typed = g.field(QStringLiteral("GC11"));
  if (button.isEmpty()) {
    typed->setFocus();
    typed->home(false);
    QTest::keyClick(typed, Qt::Key_3);
  } else {
    g.dialogs().answers = {QMessageBox::Yes};
    QTest::mouseClick(g.form().button(button), Qt::LeftButton);
  }
  const QStringList after = controlSnapshot(g.form());
  QCOMPARE(g.form().menuItem(QStringLiteral("Undo1"))->text(), undoText);
  QCOMPARE(g.label(QStringLiteral("NoticeLbl"))->text(), notice);

  // Ctrl+Z in a focused score field is the window's undo; the step before
  // was the final's score.
  typed->setFocus();
  QTest::keyClick(typed, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(controlSnapshot(g.form()), before);
  QCOMPARE(g.label(QStringLiteral("NoticeLbl"))->text(), QString());
  if (language == 0)
    QCOMPARE(g.form().menuItem(QStringLiteral("Undo1"))->text(), "Undo typing in Germany – Brazil");
  QTest::keyClick(typed, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(controlSnapshot(g.form()), after);
}

namespace {

const QByteArray SavedSettings = "[PREFERENCES]\r\nLanguage=0\r\nFirstTime=0\r\n"
                                 "[GROUP A]\r\nGame1=2-0\r\n";

QString RecoveryFileOf(const TMainForm &form)
{
  return RecoveryFilePath(QDir(form.settingsDir()).canonicalPath() + QStringLiteral("/Brakka.ini"));
}

// Run as a child: types into a window on the settings folder, tells what the
// window shows, then waits to be killed.
int typeAndWaitForTheEnd(const QString &folder)
{
  TFakePlatform fake;
  TMainForm form(folder, fake.platform());
  playRandomActions(form, 77, 40);
  QTextStream out(stdout);
  for (const QString &line : controlSnapshot(form))
    out << line << '\n';
  out << "typed" << Qt::endl;
  QTest::qWait(60000);
  return 1;
}

}  // namespace

void TestRoundTrip::crashLeavesTheTypedResultsToRestore_data()
{
  QTest::addColumn<bool>("restore");
  QTest::newRow("Yes") << true;
  QTest::newRow("No") << false;
}

void TestRoundTrip::crashLeavesTheTypedResultsToRestore()
{
  QFETCH(bool, restore);
  QTemporaryDir dir;
  const QString ini = dir.filePath(QStringLiteral("Brakka.ini"));
  QFile file(ini);
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write(SavedSettings) == SavedSettings.size());
  file.close();

  QProcess child;
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--type-and-wait"), dir.path()});
  QByteArray shown;
  while (!shown.endsWith("typed\n") && child.waitForReadyRead(30000))
    shown += child.readAllStandardOutput();
  QVERIFY(shown.endsWith("typed\n"));
  QTest::qSleep(1500);
  child.kill();
  QVERIFY(child.waitForFinished());
  TFakePlatform fake;
  fake.dialogs->answers = {restore ? QMessageBox::Yes : QMessageBox::No};
  auto again = std::make_unique<TMainForm>(dir.path(), fake.platform());
  const QString recovery = RecoveryFileOf(*again);
  QCOMPARE(fake.dialogs->asked.size(), 1);
  QCOMPARE(fake.dialogs->asked[0].text,
           "Brakka was not closed properly. Restore the results typed since the last save?");
  QStringList typed = QString::fromUtf8(shown).split(QLatin1Char('\n'));
  typed.resize(typed.size() - 2);
  if (restore) {
    QCOMPARE(controlSnapshot(*again), typed);
    again->menuItem(QStringLiteral("Undo1"))->trigger();   // back to the saved results
    QCOMPARE(again->field(QStringLiteral("GA11"))->text(), "2");
    QCOMPARE(again->field(QStringLiteral("GA12"))->text(), "0");
  } else {
    QVERIFY(controlSnapshot(*again) != typed);
  }
  again.reset();   // its writer done
  QCOMPARE(QFile::exists(recovery), restore);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), SavedSettings);
}

void TestRoundTrip::damagedRecoveryFileIsIgnored()
{
  TGridDriver g;
  const QString recovery = RecoveryFileOf(g.form());
  QVERIFY(QDir().mkpath(RecoveryFolder()));
  QFile damaged(recovery);
  QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("\xff\xfe[GROUP A\nGame1=9-9") > 0);
  damaged.close();
  TFakePlatform fake;
  TMainForm again(g.form().settingsDir(), fake.platform());
  QVERIFY(fake.dialogs->asked.isEmpty());
  QCOMPARE(again.label(QStringLiteral("NoticeLbl"))->text(),
           QStringLiteral("The recovery file %1 cannot be read and was ignored.").arg(recovery));
  QCOMPARE(again.field(QStringLiteral("GA11"))->text(), QString());
  QFile::remove(recovery);
}

void TestRoundTrip::closingOrSavingRemovesTheRecoveryFile_data()
{
  QTest::addColumn<int>("answer");   // to the close question; none: Save instead
  QTest::newRow("Save") << int(QMessageBox::NoButton);
  QTest::newRow("close, Yes") << int(QMessageBox::Yes);
  QTest::newRow("close, No") << int(QMessageBox::No);
  QTest::newRow("close, Cancel") << int(QMessageBox::Cancel);
}

void TestRoundTrip::closingOrSavingRemovesTheRecoveryFile()
{
  QFETCH(int, answer);
  TGridDriver g;
  const QString recovery = RecoveryFileOf(g.form());
  g.type(QStringLiteral("GA11"), QStringLiteral("3"));
  QTRY_VERIFY(QFile::exists(recovery));
  if (answer == QMessageBox::NoButton) {
    QTest::mouseClick(g.form().button(QStringLiteral("SaveButton")), Qt::LeftButton);
  } else {
    g.dialogs().answers = {QMessageBox::StandardButton(answer)};
    g.form().close();
  }
  QCOMPARE(QFile::exists(recovery), answer == QMessageBox::Cancel);
  QCOMPARE(QFile::exists(g.form().settingsDir() + QStringLiteral("/Brakka.ini")),
           answer == QMessageBox::NoButton || answer == QMessageBox::Yes);
}

int main(int argc, char **argv)
{
  QApplication app(argc, argv);
  if (argc == 3 && qstrcmp(argv[1], "--type-and-wait") == 0)
    return typeAndWaitForTheEnd(QString::fromLocal8Bit(argv[2]));
  // Recovery files of this run, its children's included, stay in a folder of its own.
  QTemporaryDir stateHome;
  qputenv("XDG_STATE_HOME", QFile::encodeName(stateHome.path()));
  TestRoundTrip test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_roundtrip.moc"
