// Where Brakka keeps its settings when run from its own folder and when
// installed, and that an installed Brakka writes only into the user's folders.
//
// A folder without write permission is still writable for root, so the
// cases that need one run, under root, in a child process as user nobody.

#include "app/brakkaMain.h"
#include <QPushButton>
#include "settings/settingsPlace.h"
#include "support/fakePlatform.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

void Touch(const QString &path)
{
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    qFatal("cannot write %s", qPrintable(path));
}

void MakeReadOnly(const QString &folder)
{
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                    QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

// Every file and folder below root with its size and time, except below `except`.
QStringList Snapshot(const QString &root, const QString &except)
{
  QStringList entries;
  QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    if (info.filePath().startsWith(except))
      continue;
    entries.append(QStringLiteral("%1 %2 %3")
                       .arg(info.filePath())
                       .arg(info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch()));
  }
  entries.sort();
  return entries;
}

}  // namespace

class TestInstall : public QObject {
  Q_OBJECT

public:
  // Under root: runs the test function in a child process as user nobody and
  // returns true; otherwise returns false and the caller runs it itself.
  bool ranAsNobody(const char *function)
  {
    if (geteuid() != 0)
      return false;
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                 QCoreApplication::applicationFilePath(), QLatin1String(function)});
    const bool finished = child.waitForFinished(120000);
    const QByteArray output = child.readAll();
    if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
      qWarning("%s", output.constData());
    [&] {
      QVERIFY2(child.error() != QProcess::FailedToStart, "setpriv is needed to test as user nobody");
      QVERIFY(finished);
      QCOMPARE(child.exitCode(), 0);
    }();
    return true;
  }

private slots:
  void placeRule_data();
  void placeRule();
  void settingsFolder_data();
  void settingsFolder();
  void installedFoldersKeepNoSettings_data();
  void installedFoldersKeepNoSettings();
  void installedProgramWritesOnlyToTheUsersFolders();
};

void TestInstall::placeRule_data()
{
  QTest::addColumn<bool>("fileThere");
  QTest::addColumn<bool>("writable");
  QTest::addColumn<TSettingsPlace>("place");
  QTest::newRow("file in a writable folder") << true << true << TSettingsPlace::ProgramFolder;
  QTest::newRow("file in a read-only folder") << true << false << TSettingsPlace::ProgramFolder;
  QTest::newRow("writable folder, no file") << false << true << TSettingsPlace::ProgramFolder;
  QTest::newRow("read-only folder, no file") << false << false << TSettingsPlace::UserConfigFolder;
}

void TestInstall::placeRule()
{
  QFETCH(bool, fileThere);
  QFETCH(bool, writable);
  QFETCH(TSettingsPlace, place);
  QCOMPARE(ChooseSettingsPlace(fileThere, writable), place);
}

void TestInstall::settingsFolder_data()
{
  QTest::addColumn<bool>("fileThere");
  QTest::addColumn<bool>("writable");
  QTest::addColumn<bool>("inConfig");
  QTest::newRow("folder with its file") << true << false << false;
  QTest::newRow("writable folder without file") << false << true << false;
  QTest::newRow("read-only folder without file") << false << false << true;
  // Rows named "installed…": the program's folder is an installed one.
  QTest::newRow("installed, writable folder with its file") << true << true << true;
}

void TestInstall::settingsFolder()
{
  if (ranAsNobody("settingsFolder"))
    return;
  QFETCH(bool, fileThere);
  QFETCH(bool, writable);
  QFETCH(bool, inConfig);
  const bool installed = QByteArray(QTest::currentDataTag()).startsWith("installed");

  QTemporaryDir root;
  const QString program = root.filePath(QStringLiteral("bin"));
  const QString config = root.filePath(QStringLiteral("config"));
  QVERIFY(QDir().mkpath(program));
  if (fileThere)
    Touch(program + QStringLiteral("/Brakka.ini"));
  if (!writable)
    MakeReadOnly(program);
  qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());

  // Installed: the program's folder reached through a symbolic link.
  const QString link = root.filePath(QStringLiteral("link"));
  QVERIFY(QFile::link(program, link));
  const QStringList installedFolders = installed ? QStringList{link} : QStringList{};

  const QString folder = SettingsFolder(program, installedFolders);
  QCOMPARE(folder, inConfig ? config + QStringLiteral("/Brakka") : program);
  QVERIFY(QFileInfo(folder).isDir());
  QCOMPARE(QFileInfo::exists(config), inConfig);   // made only when chosen
  // Reports are offered beside the program only where they can be written,
  // and never in an installed program's folder.
  QCOMPARE(ReportFolder(program, installedFolders) == program, writable && !installed);
  QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Where `cmake --install` and the Debian package put the program (root may write there).
void TestInstall::installedFoldersKeepNoSettings_data()
{
  QTest::addColumn<QString>("programFolder");
  QTest::newRow("install prefix") << QStringLiteral(BRAKKA_TEST_INSTALL_BIN_DIR);
  QTest::newRow("Debian package") << QStringLiteral("/usr/bin");
}

void TestInstall::installedFoldersKeepNoSettings()
{
  QFETCH(QString, programFolder);
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QCOMPARE(SettingsFolder(programFolder), config.filePath(QStringLiteral("Brakka")));
  QVERIFY(ReportFolder(programFolder) != programFolder);
}

void TestInstall::installedProgramWritesOnlyToTheUsersFolders()
{
  if (ranAsNobody("installedProgramWritesOnlyToTheUsersFolders"))
    return;
  // An installed tree the user may not write to, and the user's own folders.
  QTemporaryDir root;
  const QString prefix = root.filePath(QStringLiteral("usr"));
  const QString home = root.filePath(QStringLiteral("home"));
  const QString config = home + QStringLiteral("/.config");
  for (const char *folder : {"usr/bin", "usr/share/brakka", "home/.config"})
    QVERIFY(QDir().mkpath(root.filePath(QLatin1String(folder))));
  Touch(prefix + QStringLiteral("/share/brakka/Boo.wav"));
  for (const char *folder : {"usr/bin", "usr/share/brakka", "usr/share", "usr"})
    MakeReadOnly(root.filePath(QLatin1String(folder)));
  qputenv("HOME", home.toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
  const QStringList before = Snapshot(root.path(), config);

  {
    TFakePlatform fake;
    TMainForm form(SettingsFolder(prefix + QStringLiteral("/bin")), fake.platform());
    form.button(QStringLiteral("SaveButton"))->click();
    QVERIFY(fake.dialogs->asked.isEmpty());   // no "Unable to write to"
  }

  QVERIFY(QFileInfo(config + QStringLiteral("/Brakka/Brakka.ini")).size() > 0);
  QCOMPARE(Snapshot(root.path(), config), before);
  for (const char *folder : {"usr", "usr/share", "usr/share/brakka", "usr/bin"})
    QFile::setPermissions(root.filePath(QLatin1String(folder)),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
