// Work the start-up leaves out or puts off must not show. Loading the
// settings file and Clear All take shortcuts through the grid's cascades:
// whatever was played, each must leave every control exactly as the
// field-by-field way does, so random tournaments are played, then loaded (or
// cleared) both ways and compared control by control. The menus' pictures
// are made when a menu first opens.

#include "core/settings/preferences.h"
#include "venues/menuPictures.h"
#include "core/settings/profileFile.h"
#include "support/grid.h"
#include "support/randomPlay.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString FileName = QStringLiteral("/Brakka.ini");

const char *const ResultSections[] = {"GROUP A", "GROUP B", "GROUP C", "GROUP D", "GROUP E",
                                      "GROUP F", "GROUP G", "GROUP H", "FINAL 8", "FINAL 4",
                                      "FINAL 2", "THIRD",   "FINAL"};

// Random tournaments: seed, number of user actions, language, favourite.
struct TPlay {
  quint32 seed;
  int actions;
  int language;
  int favourite;
};
const TPlay Plays[] = {
  {1, 20, 0, 0},   {2, 60, 0, 3},   {3, 120, 1, 27}, {4, 200, 2, 13},  {5, 300, 0, 30},
  {6, 400, 1, 0},  {7, 150, 2, 9},  {8, 250, 0, 26}, {9, 500, 0, 3},   {10, 90, 1, 15},
  {11, 350, 2, 4}, {12, 600, 0, 32}, {13, 220, 1, 7}, {14, 450, 2, 21}, {15, 40, 0, 12},
  {16, 700, 0, 3},
};

void addPlayRows()
{
  QTest::addColumn<quint32>("seed");
  QTest::addColumn<int>("actions");
  QTest::addColumn<int>("language");
  QTest::addColumn<int>("favourite");
  for (const TPlay &p : Plays)
    QTest::addRow("seed %u, %d actions", p.seed, p.actions)
        << p.seed << p.actions << p.language << p.favourite;
}

// Plays the row's tournament and saves it, with the row's language and
// favourite, in the window's folder.
bool PlayRowAndSave(TGridDriver &played)
{
  QFETCH(quint32, seed);
  QFETCH(int, actions);
  QFETCH(int, language);
  QFETCH(int, favourite);
  playRandomActions(played.form(), seed, actions);
  played.choosePreferences(language, favourite);
  return SaveForm(played.form());
}

}  // namespace

class TestFastPath : public QObject {
  Q_OBJECT

private slots:

  void startEqualsFillingFieldByField_data() { addPlayRows(); }
  void startEqualsFillingFieldByField();
  void clearAllEqualsEveryClearButtonInTurn_data() { addPlayRows(); }
  void clearAllEqualsEveryClearButtonInTurn();
  void openedMenuShowsItsPictures();
};

void TestFastPath::startEqualsFillingFieldByField()
{
  TGridDriver played;
  QVERIFY(PlayRowAndSave(played));
  const QString saved = played.form().settingsDir() + FileName;

  // The program's start on the saved file.
  TFakePlatform fake;
  const TMainForm started(played.form().settingsDir(), fake.platform());

  // The same start on the preferences alone, then every saved field filled
  // on its own with its handlers, and the language applied as at start-up.
  QTemporaryDir dir;
  TProfileFile preferencesOnly;
  QCOMPARE(preferencesOnly.load(saved), TProfileFile::TLoadResult::Loaded);
  for (const char *section : ResultSections)
    preferencesOnly.eraseSection(QLatin1String(section));
  QVERIFY(preferencesOnly.save(dir.path() + FileName));
  TMainForm reference(dir.path(), fake.platform());
  QVERIFY(QFile::remove(dir.path() + FileName));
  QVERIFY(QFile::copy(saved, dir.path() + FileName));
  reference.document().load(reference.settingsDir(), true);

  QCOMPARE(controlSnapshot(started), controlSnapshot(reference));
}

void TestFastPath::clearAllEqualsEveryClearButtonInTurn()
{
  // Two windows started on one played tournament (a replay of the same seed
  // on a second window is not always the same play), one cleared with
  // Clear All and the other with every clear button in turn.
  TGridDriver played;
  QVERIFY(PlayRowAndSave(played));
  TFakePlatform fake;
  TMainForm cleared(played.form().settingsDir(), fake.platform());
  TMainForm reference(played.form().settingsDir(), fake.platform());
  QCOMPARE(controlSnapshot(cleared), controlSnapshot(reference));

  fake.dialogs->answers = {QMessageBox::Yes};
  ClearAllOf(cleared);
  for (int stage = 0; stage < 13; ++stage)
    reference.button(ButtonName(ClearButton(stage)))->click();

  QCOMPARE(controlSnapshot(cleared), controlSnapshot(reference));
}

void TestFastPath::openedMenuShowsItsPictures()
{
  TGridDriver g;
  const QList<QMenu *> menus = g.form().findChildren<QMenu *>();
  QVERIFY(menus.size() >= 8);
  int pictured = 0;
  for (QMenu *menu : menus) {
    menu->popup(QPoint(0, 0));
    menu->hide();
    for (const QAction *item : menu->actions()) {
      const QIcon picture = MenuPicture(item->objectName());
      QCOMPARE(item->icon().isNull(), picture.isNull());
      if (picture.isNull())
        continue;
      ++pictured;
      QCOMPARE(item->icon().pixmap(MenuPictureSize).toImage(),
               picture.pixmap(MenuPictureSize).toImage());
    }
  }
  QCOMPARE(pictured, 2 + 20 + 32);   // host flags, venues, associations
}

QTEST_MAIN(TestFastPath)
#include "tst_fastpath.moc"
