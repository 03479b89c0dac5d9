// One Brakka per settings file, tried with the program itself, and the save
// that would overwrite another program's change of Brakka.ini.

#include "app/brakkaMain.h"
#include "app/singleInstance.h"
#include "core/settings/recoveryFile.h"
#include "support/fakePlatform.h"
#include "support/grid.h"

#include <QLineEdit>
#include <QProcess>
#include <QtTest>
#include <unistd.h>

namespace {

// The file's bytes; with bytes given, it is written first.
QByteArray Bytes(const QString &path, const QByteArray &bytes = QByteArray())
{
  QFile file(path);
  if (!bytes.isNull() && (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()))
    qFatal("cannot write %s", qPrintable(path));
  file.close();
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// A folder with the program and its settings file, as a user unpacks it.
struct TProgramFolder {
  TProgramFolder()
  {
    if (::link(BRAKKA_TEST_PROGRAM, QFile::encodeName(Dir.filePath("brakka")).constData()) != 0)
      QFile::copy(QStringLiteral(BRAKKA_TEST_PROGRAM), Dir.filePath("brakka"));
    Bytes(Dir.filePath("Brakka.ini"), "[PREFERENCES]\r\nFirstTime=0\r\n");
  }
  QString settingsFile() const { return CanonicalSettingsFile(Dir.path()); }
  QTemporaryDir Dir;
};

// The program started on a folder, telling what it does and asks.
struct TStart {
  TStart(const TProgramFolder &folder, const QString &stateHome)
  {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("brakka.*.info=true"));
    if (!stateHome.isEmpty())
      env.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
    Process.setProcessEnvironment(env);
    Process.setProcessChannelMode(QProcess::MergedChannels);
    Process.start(folder.Dir.filePath("brakka"), {});
  }
  ~TStart() { Process.kill(), Process.waitForFinished(); }
  bool says(const QByteArray &line)
  {
    while (!(Said += Process.readAll()).contains(line) && Process.waitForReadyRead(10000)) {}
    return Said.contains(line);
  }
  QProcess Process;
  QByteArray Said;
};

}  // namespace

class TestSingle : public QObject {
  Q_OBJECT

private slots:
  void secondStart_data();
  void secondStart();
  void changedFileAsksBeforeSaving_data();
  void changedFileAsksBeforeSaving();
};

void TestSingle::secondStart_data()
{
  QTest::addColumn<bool>("killFirst");   // with SIGKILL, before the second start
  QTest::addColumn<bool>("sameFile");
  QTest::addColumn<bool>("stateUsable");
  QTest::addColumn<QByteArray>("secondSays");   // empty: it ends at once
  QTest::newRow("same settings file") << false << true << true << QByteArray();
  QTest::newRow("another settings file") << false << false << true << QByteArray("serving");
  QTest::newRow("first killed") << true << true << true << QByteArray("asks: Brakka was not closed properly.");
  QTest::newRow("state folder unusable") << false << true << false << QByteArray("state folder unusable");
}

void TestSingle::secondStart()
{
  QFETCH(bool, killFirst);
  QFETCH(bool, sameFile);
  QFETCH(bool, stateUsable);
  QFETCH(QByteArray, secondSays);
  TProgramFolder one, other;
  // The recovery file of a settings file gone for 31 days goes as Brakka starts.
  const QString gone = QStringLiteral("/gone/Brakka.ini"), forsaken = RecoveryFilePath(gone);
  QVERIFY(QDir().mkpath(RecoveryFolder()));
  Bytes(forsaken, RecoveryFileText(gone, TResultTexts(ResultFieldCount)));
  QFile file(forsaken);
  QVERIFY(file.open(QIODevice::ReadWrite) &&
          file.setFileTime(QDateTime::currentDateTime().addDays(-31), QFileDevice::FileModificationTime));
  const QString stateHome = stateUsable ? QString() : one.Dir.filePath("file");   // a file, no folder
  Bytes(one.Dir.filePath("file"), "x");
  TStart first(one, stateHome);
  QVERIFY(first.says(stateUsable ? "serving" : "state folder unusable"));
  QTRY_COMPARE(QFile::exists(forsaken), !stateUsable);
  TResultTexts typed(ResultFieldCount);   // what the first keeps for recovery
  typed[0] = QStringLiteral("3");
  const QString recovery = RecoveryFilePath(one.settingsFile());
  const QByteArray kept = Bytes(recovery, RecoveryFileText(one.settingsFile(), typed));
  if (killFirst) {
    first.Process.kill();
    QVERIFY(first.Process.waitForFinished() && QFile::exists(TSingleInstance(one.settingsFile()).lockPath()));
  }
  TStart second(sameFile ? one : other, stateHome);
  if (secondSays.isEmpty()) {
    QVERIFY(second.Process.waitForFinished(1000));
    QVERIFY(second.Process.exitStatus() == QProcess::NormalExit && second.Process.exitCode() == 0);
    QVERIFY(!second.says("asks:"));
    QVERIFY(first.says("asked to come forward"));
    QCOMPARE(Bytes(recovery), kept);
    return;
  }
  QVERIFY(second.says(secondSays));
  QCOMPARE(second.Said.contains("took over a stale lock"), killFirst);   // said before
  QCOMPARE(second.Process.state(), QProcess::Running);
}

void TestSingle::changedFileAsksBeforeSaving_data()
{
  QTest::addColumn<bool>("closing");   // else Save
  QTest::addColumn<QByteArray>("theirs");   // empty: the same bytes written again
  QTest::addColumn<int>("answer");
  const QByteArray theirs = "[GROUP A]\r\nGame1=1-1\r\n[THEIRS]\r\nKey=1\r\n";
  QTest::newRow("Save, Yes") << false << theirs << int(QMessageBox::Yes);
  QTest::newRow("closing, No") << true << theirs << int(QMessageBox::No);
  QTest::newRow("same bytes, new time") << false << QByteArray() << int(QMessageBox::Yes);
}

void TestSingle::changedFileAsksBeforeSaving()
{
  QFETCH(bool, closing);
  QFETCH(QByteArray, theirs);
  QFETCH(int, answer);
  const TProgramFolder folder;
  const QString ini = folder.Dir.filePath("Brakka.ini");
  TFakePlatform fake;
  TMainForm form(folder.Dir.path(), fake.platform());
  form.show();
  form.field(QStringLiteral("GA11"))->setText(QStringLiteral("5"));
  QTest::qSleep(10);
  const bool asks = !theirs.isEmpty();
  theirs = Bytes(ini, asks ? theirs : Bytes(ini));
  fake.dialogs->answers = {QMessageBox::Yes, QMessageBox::StandardButton(answer)};
  fake.dialogs->answers.remove(0, closing ? 0 : 1);
  QCOMPARE(closing ? form.close() : SaveForm(form), answer == QMessageBox::Yes);
  QCOMPARE(fake.dialogs->asked.size(), int(closing) + int(asks));
  QCOMPARE(fake.dialogs->asked.value(int(closing)).text,
           asks ? "Brakka.ini was changed by another program since it was read. Replace it with the results shown?" : "");
  QCOMPARE(Bytes(ini).contains("Game1=5-"), answer == QMessageBox::Yes);
  QVERIFY(answer == QMessageBox::Yes || Bytes(ini) == theirs);
  // Once written, the file is what it last saw: saving again asks nothing.
  QVERIFY(answer == QMessageBox::No || (SaveForm(form) && fake.dialogs->asked.size() == int(asks)));
}

QTEST_MAIN(TestSingle)
#include "tst_single.moc"
