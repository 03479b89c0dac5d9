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
#include <csignal>
#include <cstring>
#include <deque>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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
  // A start that will run out of descriptors, built with the undefined
  // behaviour sanitizer, has its check of objects' dynamic types left out:
  // that check reads memory through a pipe, which a process out of
  // descriptors cannot make, and so calls every object invalid.
  TStart(const TProgramFolder &folder, const QString &stateHome, bool starved = false)
  {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("brakka.*.info=true"));
    if (!stateHome.isEmpty())
      env.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
    if (starved && env.contains(QStringLiteral("UBSAN_OPTIONS"))) {
      const QString rules = folder.Dir.filePath(QStringLiteral("ubsan.supp"));
      Bytes(rules, "vptr:*\n");
      env.insert(QStringLiteral("UBSAN_OPTIONS"),
                 env.value(QStringLiteral("UBSAN_OPTIONS")) + QStringLiteral(":suppressions=") + rules);
    }
    Process.setProcessEnvironment(env);
    Process.setProcessChannelMode(QProcess::MergedChannels);
    Process.start(folder.Dir.filePath("brakka"), {});
  }
  ~TStart()
  {
    ::kill(pid_t(Process.processId()), SIGCONT);
    Process.kill(), Process.waitForFinished();
  }
  bool says(const QByteArray &line)
  {
    while (!(Said += Process.readAll()).contains(line) && Process.waitForReadyRead(10000)) {}
    return Said.contains(line);
  }
  // Ended on its own, with exit code 0.
  bool ended()
  {
    return (Process.state() == QProcess::NotRunning || Process.waitForFinished(10000)) &&
           Process.exitStatus() == QProcess::NormalExit && Process.exitCode() == 0;
  }
  int descriptors() const
  {
    return int(QDir(QStringLiteral("/proc/%1/fd").arg(Process.processId()))
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size());
  }
  QProcess Process;
  QByteArray Said;
};

// Connections to a socket that ask nothing, the oldest let go.
void Flood(const QString &socketPath, int count, std::deque<int> &held)
{
  sockaddr_un address{AF_UNIX, {}};
  std::strncpy(address.sun_path, QFile::encodeName(socketPath).constData(), sizeof address.sun_path - 1);
  for (int i = 0; i < count; ++i) {
    held.push_back(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    ::connect(held.back(), reinterpret_cast<const sockaddr *>(&address), sizeof address);
    if (held.size() > 400)
      ::close(held.front()), held.pop_front();
  }
}

int Mode(const QString &path)
{
  struct stat info {};
  return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

}  // namespace

class TestSingle : public QObject {
  Q_OBJECT

private slots:
  void secondStart_data();
  void secondStart();
  void changedFileAsksBeforeSaving_data();
  void changedFileAsksBeforeSaving();
  void handOverUnderHostileUse_data();
  void handOverUnderHostileUse();
  void stoppedFirstGivesNoSuccess();
  void stateFilesAreTheUsers_data();
  void stateFilesAreTheUsers();
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

// The first start with its descriptors all but used up, and local programs
// that connect and ask nothing: a later start still hands over, or says it
// could not; never a success that was not answered.
void TestSingle::handOverUnderHostileUse_data()
{
  QTest::addColumn<QString>("use");
  QTest::newRow("idle connections") << "idle";
  QTest::newRow("flooding clients") << "flood";
  QTest::newRow("socket file removed") << "removed";
}

void TestSingle::handOverUnderHostileUse()
{
  QFETCH(QString, use);
  rlimit own{};
  ::getrlimit(RLIMIT_NOFILE, &own);
  own.rlim_cur = own.rlim_max;
  ::setrlimit(RLIMIT_NOFILE, &own);
  TProgramFolder folder;
  TStart first(folder, QString(), true);
  QVERIFY(first.says("serving") && TStart(folder, QString()).ended());   // the first runs its window
  QVERIFY(first.says("asked to come forward"));
  first.Said.clear();
  const QString socketPath = TSingleInstance(folder.settingsFile()).socketPath();
  const int usual = first.descriptors();
  rlimit low{rlim_t(usual + 3), own.rlim_max};   // three descriptors to spare
  QVERIFY(::prlimit(pid_t(first.Process.processId()), RLIMIT_NOFILE, &low, nullptr) == 0);

  std::deque<int> held;
  if (use == "removed") {
    QVERIFY(QFile::remove(socketPath));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(socketPath).exists(), 3000);
    QVERIFY(first.says("made the socket again"));
  }
  Flood(socketPath, use == "removed" ? 0 : 300, held);
  TStart second(folder, QString());
  while (use == "flood" && second.Process.state() != QProcess::NotRunning && !second.Said.contains("not answer")) {
    Flood(socketPath, 10, held);
    second.Process.waitForFinished(5);
    second.Said += second.Process.readAll();
  }
  if (!(use == "flood" && second.says("does not answer")))
    QVERIFY(second.ended() && second.says("the running start came forward") && first.says("asked to come forward"));
  QVERIFY(!second.Said.contains("does not answer") || !second.Said.contains("came forward"));
  QVERIFY(use == "removed" || first.says("out of file descriptors"));
  QVERIFY(QFileInfo(socketPath).exists());
  // Idle connections are given up: the descriptors are back.
  QTRY_VERIFY_WITH_TIMEOUT(first.descriptors() <= usual, TSingleInstance::IdleWait + 3000);
  // Once the flooders are gone, the next start is answered, however many of
  // their connections the system still had queued.
  for (int fd : held)
    ::close(fd);
  QVERIFY(TStart(folder, QString()).ended());
}

// A first start that is stopped takes the request but cannot answer: the
// second says so, on its standard error and in a message box, in its time,
// and the first does not act on the request once it goes on.
void TestSingle::stoppedFirstGivesNoSuccess()
{
  TProgramFolder folder;
  TStart first(folder, QString());
  QVERIFY(first.says("serving"));
  QVERIFY(::kill(pid_t(first.Process.processId()), SIGSTOP) == 0);
  QElapsedTimer took;
  took.start();
  TStart second(folder, QString());
  const QByteArray text = "Brakka is already running on " + QFile::encodeName(folder.settingsFile()) +
                          " but does not answer, so its window could not be brought forward.";
  QVERIFY(second.says(text));
  QVERIFY2(took.elapsed() < TSingleInstance::AnswerWait + 2500, QByteArray::number(took.elapsed()));
  QVERIFY(second.says("asks: " + text) && !second.Said.contains("came forward"));
  QCOMPARE(second.Process.state(), QProcess::Running);   // the message box waits for its OK
  TScriptedDialogs dialogs;
  QVERIFY(ReportNoAnswer(folder.settingsFile(), dialogs) != 0 && dialogs.asked.size() == 1);
  QVERIFY(::kill(pid_t(first.Process.processId()), SIGCONT) == 0);
  QVERIFY(first.says("a request came too late") && !first.Said.contains("asked to come forward"));
}

// The state folder and its files are the user's alone, a folder with looser
// rights included.
void TestSingle::stateFilesAreTheUsers_data()
{
  QTest::addColumn<int>("folderMode");   // 0: no folder yet
  QTest::newRow("new folder") << 0;
  QTest::newRow("folder open to all") << 0755;
  QTest::newRow("folder open to the group") << 0770;
}

void TestSingle::stateFilesAreTheUsers()
{
  QFETCH(int, folderMode);
  TProgramFolder folder;
  const QString recovery = RecoveryFilePath(folder.settingsFile());
  QVERIFY(QDir(RecoveryFolder()).removeRecursively());
  if (folderMode) {   // with a recovery file of looser rights
    QVERIFY(QDir().mkpath(RecoveryFolder()));
    Bytes(recovery, "[RECOVERY]\r\n");
    QVERIFY(::chmod(QFile::encodeName(recovery).constData(), 0644) == 0 &&
            ::chmod(QFile::encodeName(RecoveryFolder()).constData(), mode_t(folderMode)) == 0);
  }
  TStart first(folder, QString());
  QVERIFY(first.says("serving"));
  const TSingleInstance names(folder.settingsFile());
  QCOMPARE(QList<int>({Mode(RecoveryFolder()), Mode(names.lockPath()), Mode(names.socketPath())}),
           QList<int>({0700, 0600, 0600}));
  TRecoveryWriter(folder.settingsFile(), nullptr).write(TResultTexts(ResultFieldCount));
  QCOMPARE(Mode(recovery), 0600);
}

QTEST_MAIN(TestSingle)
#include "tst_single.moc"
