// The settings file Brakka.ini: its syntax, what a save writes, what a start
// reads back into the real main window, and the failures of both.

#include "app/brakkaCommon.h"
#include "core/groups/fixtures.h"
#include "settings/optionsForm.h"
#include "core/settings/preferences.h"
#include "core/settings/profileFile.h"
#include "core/settings/timeZoneValue.h"
#include "support/fileSystem.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray ReadBytes(const QString &path)
{
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    return QByteArray();
  return f.readAll();
}

QByteArray DataFile(const char *name)
{
  const QString path = QStringLiteral(BRAKKA_TEST_DATA "/") + QLatin1String(name);
  if (!QFile::exists(path))
    qFatal("missing test data %s", qPrintable(path));
  return ReadBytes(path);
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
}

QString IniPath(const QString &folder) { return folder + QStringLiteral("/Brakka.ini"); }

// Preferences of a file that is not a first run, followed by more lines.
QByteArray Saved(const QByteArray &more, const QByteArray &preferences = QByteArray())
{
  return "[PREFERENCES]\r\nFirstTime=0\r\n" + preferences + more;
}

// A main window started in a folder of its own, whose Brakka.ini holds the
// given bytes (no file at all for a null array).
class TStarted {
public:
  explicit TStarted(const QByteArray &ini)
  {
    if (!ini.isNull())
      WriteBytes(IniPath(Dir.path()), ini);
    Form = std::make_unique<TMainForm>(Dir.path(), Fake.platform());
  }
  TMainForm &form() { return *Form; }
  TScriptedDialogs &dialogs() { return *Fake.dialogs; }
  QString text(const QString &name) const
  {
    if (QLineEdit *f = Form->field(name))
      return f->text();
    if (QLabel *l = Form->label(name))
      return l->text();
    qFatal("no control %s", qPrintable(name));
  }
  bool hidden(const QString &name) const { return Form->field(name)->isHidden(); }
  QByteArray fileBytes() const { return ReadBytes(IniPath(Dir.path())); }

private:
  QTemporaryDir Dir;
  TFakePlatform Fake;
  std::unique_ptr<TMainForm> Form;
};

// The bytes of the Brakka.ini the grid's main window saves to.
QByteArray FileBytes(TGridDriver &g) { return ReadBytes(IniPath(g.form().settingsDir())); }

// Every field and label whose text a loaded tournament must give back.
QStringList TournamentControls()
{
  QStringList names;
  for (int g = 0; g < GroupCount; ++g) {
    for (int m = 1; m <= MatchesPerGroup; ++m)
      for (int side = 1; side <= 2; ++side)
        names << GroupFieldName(g, m, side);
    for (int place = 1; place <= 4; ++place)
      names << GroupTableName(g, "Name", place) << GroupTableName(g, "Pts", place);
  }
  const TKnockoutStage stages[] = {{"Final8", 8}, {"Final4", 4}, {"Final2", 2}, {"Third", 1},
                                   {"Final", 1}};
  for (const TKnockoutStage &s : stages)
    for (int m = 1; m <= s.matches; ++m)
      for (int side = 1; side <= 2; ++side)
        for (const char *suffix : {"", "pk", "Lbl"})
          names << KnockoutName(s.prefix, m, side, suffix);
  names << QStringLiteral("Champion");
  return names;
}

const double GmtMinus12 = -21.0 / 24;
const double GmtPlus1 = -8.0 / 24;
const double GmtPlus13 = 4.0 / 24;

// The locale every test starts in, and one that writes decimal commas.
QLocale English() { return QLocale(QLocale::English, QLocale::UnitedStates); }
QLocale German() { return QLocale(QLocale::German, QLocale::Germany); }
// Locales whose decimal separator is U+066B, which a one-byte file cannot hold.
const char *const ArabicSeparatorLocales[] = {"ar_EG", "fa_IR", "ps_AF", "ckb_IQ",
                                              "ur_IN", "sd_PK", "pa_Arab_PK"};

// Everyone may go into the folder, so that a test may act as another user in it.
void OpenToEveryone(const QString &folder)
{
  QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
}

// Group A's first match 2-1 and every preference chosen, as the saved files
// of the data folder hold them.
void PlayAndChoose(TGridDriver &g)
{
  g.score("GA1", "2-1");
  g.form().document().setPreferences({LangFrench, SouthKorea, GmtPlus1, QStringLiteral("GMTP1C")});
}

}  // namespace

class TestSettings : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  // The file's syntax.
  void readingFollowsTheProfileRules_data();
  void readingFollowsTheProfileRules();
  void editingKeepsEverythingElse();
  void integersOfTheOldRuntime_data();
  void integersOfTheOldRuntime();
  void timeZoneText_data();
  void timeZoneText();
  void timeZoneReading_data();
  void timeZoneReading();

  // Saving.
  void saveWritesEveryKeyInOrder();
  void otherSectionsAndCommentsAreKept();
  void wholeTournamentComesBack();
  void levelMatchReloadsWithItsShootOut();
  void failedSaveReportsAndKeepsTheWindow_data();
  void failedSaveReportsAndKeepsTheWindow();
  void closingWithYesSaves();

  // Loading.
  void matchValueSplitting_data();
  void matchValueSplitting();
  void firstRunIgnoresResults_data();
  void firstRunIgnoresResults();
  void badPreferences_data();
  void badPreferences();
  void timeZoneRoundTrip_data();
  void timeZoneRoundTrip();
  void timeZoneFromAnotherLocale();
  void damagedFiles_data();
  void damagedFiles();
  void unreadableFileIsKeptAndSaid_data();
  void unreadableFileIsKeptAndSaid();
};

void TestSettings::init()
{
  QLocale::setDefault(English());
}

void TestSettings::cleanup() { QLocale::setDefault(English()); }

// ---- The file's syntax ------------------------------------------------------

void TestSettings::readingFollowsTheProfileRules_data()
{
  QTest::addColumn<QString>("section");
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("expected");   // "<default>" when missing

  QTest::newRow("plain") << "Names" << "plain" << "value";
  QTest::newRow("names ignore case") << "nAMES" << "PLAIN" << "value";
  QTest::newRow("blanks around name and value") << "Names" << "Blanks" << "inner  text";
  QTest::newRow("double quotes, inner blanks kept") << "Names" << "Double" << "  quoted  ";
  QTest::newRow("single quotes") << "Names" << "Single" << "single";
  QTest::newRow("mismatched quotes stay") << "Names" << "Mixed" << "\"mixed'";
  QTest::newRow("a lone quote stays") << "Names" << "Lone" << "\"";
  QTest::newRow("semicolon inside a value") << "Names" << "Semicolon" << "a;b ; c";
  QTest::newRow("comment line is no key") << "Names" << "Hidden" << "<default>";
  QTest::newRow("line without equals is no key") << "Names" << "NoEquals" << "<default>";
  QTest::newRow("empty value is not the default") << "Names" << "Empty" << "";
  QTest::newRow("first duplicate wins") << "Names" << "twice" << "first";
  QTest::newRow("value holds equals signs") << "Names" << "Equals" << "a=b";
  QTest::newRow("long value cut to 2047") << "Names" << "Long" << QString(2047, QLatin1Char('7'));
  QTest::newRow("value of 2047 whole") << "Names" << "Exact" << QString(2047, QLatin1Char('8'));
  QTest::newRow("bytes as Latin-1") << "Names" << "Bytes" << QStringLiteral("caf\u00e9");
  QTest::newRow("lines before the first section") << "" << "orphan" << "<default>";
  QTest::newRow("only the first copy of a section") << "Names" << "Later" << "<default>";
  QTest::newRow("section name trimmed, text after bracket")
      << "Repeated" << "Key" << "in the first copy";
  QTest::newRow("second copy not searched") << "Repeated" << "Other" << "<default>";
  QTest::newRow("missing section") << "Nowhere" << "plain" << "<default>";
  QTest::newRow("last line without a line break") << "Last" << "NoBreak" << "at the end";
}

void TestSettings::readingFollowsTheProfileRules()
{
  QFETCH(QString, section);
  QFETCH(QString, key);
  QFETCH(QString, expected);
  const TProfileFile ini(DataFile("profile_read.ini"));
  QCOMPARE(ini.readString(section, key, QStringLiteral("<default>")), expected);
  // Read with other keys of the section in one pass, the same.
  const std::vector<QString> together =
      ini.readStrings(section, {QByteArray("plain"), key.toUpper().toLatin1(), key.toLatin1()}, QStringLiteral("<default>"));
  QCOMPARE(together[1], expected);
  QCOMPARE(together[2], expected);
}

void TestSettings::editingKeepsEverythingElse()
{
  TProfileFile ini(DataFile("profile_edit_in.ini"));
  ini.eraseSection(QStringLiteral("window"));
  ini.eraseSection(QStringLiteral("Missing"));
  ini.writeString(QStringLiteral("Recent"), QStringLiteral("count"), QStringLiteral("3"));
  ini.writeString(QStringLiteral("Recent"), QStringLiteral("File3"), QStringLiteral("c.txt"));
  ini.writeString(QStringLiteral("New Section"), QStringLiteral("Key"), QString());
  ini.writeString(QStringLiteral("new section"), QStringLiteral("Second"),
                  QStringLiteral("  spaced  "));
  ini.writeString(QStringLiteral("Empty"), QStringLiteral("First"), QStringLiteral("1"));
  QCOMPARE(ini.content(), DataFile("profile_edit_out.ini"));

  // What was written reads back; a value cannot break its line.
  QCOMPARE(ini.readString(QStringLiteral("Recent"), QStringLiteral("Count"), QString()),
           QStringLiteral("3"));
  ini.writeString(QStringLiteral("Tail"), QStringLiteral("x"), QStringLiteral("1\r\n[Recent]"));
  QCOMPARE(ini.readString(QStringLiteral("Tail"), QStringLiteral("x"), QString()),
           QStringLiteral("1  [Recent]"));
  QCOMPARE(ini.content().count("[Recent]"), 2);   // the header and the value
}

void TestSettings::integersOfTheOldRuntime_data()
{
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("expected");   // -999 for "not an integer"
  QTest::newRow("zero") << "0" << 0;
  QTest::newRow("plus sign") << "+5" << 5;
  QTest::newRow("minus sign") << "-5" << -5;
  QTest::newRow("minus zero") << "-0" << 0;
  QTest::newRow("leading zeros") << "0000000000000000000007" << 7;
  QTest::newRow("largest") << "2147483647" << 2147483647;
  QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
  QTest::newRow("one too large") << "2147483648" << -999;
  QTest::newRow("one too small") << "-2147483649" << -999;
  QTest::newRow("huge") << "99999999999999999999999" << -999;
  QTest::newRow("empty") << "" << -999;
  QTest::newRow("sign alone") << "-" << -999;
  QTest::newRow("two signs") << "--1" << -999;
  QTest::newRow("decimal") << "1.0" << -999;
  QTest::newRow("inner blank") << "1 2" << -999;
  QTest::newRow("hex") << "0x10" << -999;
  QTest::newRow("letters") << "one" << -999;
}

void TestSettings::integersOfTheOldRuntime()
{
  QFETCH(QString, text);
  QFETCH(int, expected);
  QCOMPARE(ReadInteger(text).value_or(-999), expected);
}

void TestSettings::timeZoneText_data()
{
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<double>("offset");
  QTest::addColumn<QString>("expected");
  QTest::newRow("GMT-12") << English() << GmtMinus12 << "-0.875";
  QTest::newRow("GMT+1") << English() << GmtPlus1 << "-0.333333333333333";
  QTest::newRow("GMT+9") << English() << 0.0 << "0";
  QTest::newRow("minus zero") << English() << -0.0 << "0";
  QTest::newRow("GMT+13") << English() << GmtPlus13 << "0.166666666666667";
  QTest::newRow("GMT-12 German") << German() << GmtMinus12 << "-0,875";
  QTest::newRow("GMT+13 German") << German() << GmtPlus13 << "0,166666666666667";
  for (const char *name : ArabicSeparatorLocales)
    QTest::newRow(name) << QLocale(QLatin1String(name)) << GmtMinus12 << "-0.875";
}

void TestSettings::timeZoneText()
{
  QFETCH(QLocale, locale);
  QFETCH(double, offset);
  QFETCH(QString, expected);
  QLocale::setDefault(locale);
  QCOMPARE(TimeZoneText(offset), expected);
  QVERIFY(qAbs(ReadTimeZone(TimeZoneText(offset)).value_or(99.0) - offset) < 1e-14);
}

void TestSettings::timeZoneReading_data()
{
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("expected");   // 99 for "no time zone"
  QTest::newRow("point") << English() << "-0.875" << GmtMinus12;
  QTest::newRow("point under a comma locale") << German() << "-0.875" << GmtMinus12;
  QTest::newRow("comma under a comma locale") << German() << "-0,875" << GmtMinus12;
  QTest::newRow("comma under a point locale") << English() << "-0,875" << GmtMinus12;
  QTest::newRow("15 digits") << English() << "0.166666666666667" << 0.166666666666667;
  QTest::newRow("zero") << German() << "0" << 0.0;
  QTest::newRow("exponent") << English() << "1e-05" << 1e-05;
  QTest::newRow("not a number") << English() << "GMT+1" << 99.0;
  QTest::newRow("empty") << English() << "" << 99.0;
  QTest::newRow("point and zeros under a comma locale") << German() << "0.500" << 0.5;
  QTest::newRow("two separators") << English() << "0.5.5" << 99.0;
  QTest::newRow("infinite") << English() << "inf" << 99.0;
  QTest::newRow("not a number word") << English() << "nan" << 99.0;
  // Any value that converts is taken; the calendar copes with odd ones.
  QTest::newRow("a day away") << English() << "1" << 1.0;
  QTest::newRow("far away") << English() << "-1e300" << -1e300;
}

void TestSettings::timeZoneReading()
{
  QFETCH(QLocale, locale);
  QFETCH(QString, text);
  QFETCH(double, expected);
  QLocale::setDefault(locale);
  QCOMPARE(ReadTimeZone(text).value_or(99.0), expected);
}

// ---- Saving -----------------------------------------------------------------

void TestSettings::saveWritesEveryKeyInOrder()
{
  TGridDriver g;
  PlayAndChoose(g);
  g.form().button(QStringLiteral("SaveButton"))->click();
  QCOMPARE(FileBytes(g), DataFile("settings_groupA.ini"));
  QVERIFY(g.dialogs().asked.isEmpty());

  // A second save over its own file gives the same bytes.
  QVERIFY(SaveForm(g.form()));
  QCOMPARE(FileBytes(g), DataFile("settings_groupA.ini"));
}

void TestSettings::otherSectionsAndCommentsAreKept()
{
  TGridDriver g;
  PlayAndChoose(g);
  const QString path = IniPath(g.form().settingsDir());
  WriteBytes(path, DataFile("settings_foreign_in.ini"));
  g.dialogs().answers = {QMessageBox::Yes};   // written by another program: replace it
  QVERIFY(SaveForm(g.form()));
  QCOMPARE(ReadBytes(path), DataFile("settings_foreign_out.ini"));
  QVERIFY(SaveForm(g.form()));
  QCOMPARE(ReadBytes(path), DataFile("settings_foreign_out.ini"));
}

void TestSettings::wholeTournamentComesBack()
{
  TGridDriver g;
  PlayAll(g);
  QCOMPARE(g.text("Champion"), QStringLiteral("Brazil"));
  QVERIFY(SaveForm(g.form()));
  const QByteArray saved = FileBytes(g);
  QCOMPARE(saved, DataFile("settings_tournament.ini"));

  TStarted again(saved);
  QVERIFY(again.dialogs().modalWindows.isEmpty());
  for (const QString &name : TournamentControls())
    QVERIFY2(again.text(name) == g.text(name),
             qPrintable(name + ": " + again.text(name) + " instead of " + g.text(name)));
  QCOMPARE(again.text("Champion"), QStringLiteral("Brazil"));
  // The two shoot-outs are shown as they were typed.
  for (const char *pen : {"Final841pk", "Final842pk", "Final431pk", "Final432pk"})
    QVERIFY2(!again.hidden(pen), pen);
  QVERIFY(again.hidden("Final811pk"));
}

void TestSettings::levelMatchReloadsWithItsShootOut()
{
  // Spain - Ireland 1-1, Spain winning the shoot-out 5-4.
  QByteArray ini = DataFile("settings_tournament.ini");
  ini.replace("Game4=1-1\r\nGame4Apk=3\r\nGame4Bpk=2", "Game4=1-1\r\nGame4Apk=5\r\nGame4Bpk=4");
  QVERIFY(ini.contains("Game4Apk=5"));
  TStarted s(ini);
  QCOMPARE(s.text("Final841Lbl"), QStringLiteral("Spain"));
  QCOMPARE(s.text("Final842Lbl"), QStringLiteral("Ireland"));
  QVERIFY(!s.hidden("Final841pk"));
  QVERIFY(!s.hidden("Final842pk"));
  QCOMPARE(s.text("Final841pk"), QStringLiteral("5"));
  QCOMPARE(s.text("Final842pk"), QStringLiteral("4"));
  QCOMPARE(s.text("Final431Lbl"), QStringLiteral("Spain"));

  // Ireland winning it instead carries Ireland on, and South Korea still
  // beats whoever comes.
  ini.replace("Game4Apk=5\r\nGame4Bpk=4", "Game4Apk=2\r\nGame4Bpk=4");
  TStarted t(ini);
  QCOMPARE(t.text("Final431Lbl"), QStringLiteral("Ireland"));
  QCOMPARE(t.text("Final212Lbl"), QStringLiteral("South Korea"));
  QCOMPARE(t.text("Champion"), QStringLiteral("Brazil"));
}

void TestSettings::failedSaveReportsAndKeepsTheWindow_data()
{
  QTest::addColumn<QString>("place");
  QTest::addColumn<QByteArray>("before");   // the file written before the save; null for none
  QTest::newRow("folder under a regular file") << "under a file" << QByteArray();
  QTest::newRow("folder without write permission")
      << "read-only folder" << DataFile("settings_groupA.ini");
  QTest::newRow("read-only file") << "read-only file" << DataFile("settings_groupA.ini");
  QTest::newRow("file too large to be read")
      << "oversized file" << Saved(QByteArray(TProfileFile::MaxFileSize, ';'));
  // Readable, but its line feeds become CRLF: too large to be read back.
  QTest::newRow("file that would grow too large")
      << "growing file" << Saved(QByteArray(TProfileFile::MaxFileSize * 3 / 4, '\n'));
  QTest::newRow("a folder named Brakka.ini") << "folder in the way" << QByteArray();
  QTest::newRow("a link to nothing") << "dangling link" << QByteArray();
  QTest::newRow("full disk, no file yet") << "full disk" << QByteArray();
  QTest::newRow("full disk, file saved before") << "full disk" << DataFile("settings_groupA.ini");
}

void TestSettings::failedSaveReportsAndKeepsTheWindow()
{
  QFETCH(QString, place);
  QFETCH(QByteArray, before);
  QTemporaryDir root;
  OpenToEveryone(root.path());
  // Permissions stop only a user who is not root.
  TConditions conditions;
  const QString cannot = conditions.make(place == "full disk", place.startsWith("read-only"));
  if (!cannot.isEmpty())
    QSKIP(qPrintable(cannot));
  QString folder = conditions.folder(root.filePath("settings"));
  QVERIFY(QDir().mkpath(folder));
  if (!before.isNull())
    WriteBytes(IniPath(folder), before);
  if (place == "under a file") {
    WriteBytes(root.filePath("plain"), "not a folder");
    folder = root.filePath("plain/settings");
  } else if (place == "read-only folder") {
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
  } else if (place == "read-only file") {
    QFile::setPermissions(IniPath(folder), QFile::ReadOwner);
  } else if (place == "folder in the way") {
    QVERIFY(QDir(folder).mkdir("Brakka.ini"));
  } else if (place == "dangling link") {
    QVERIFY(QFile::link("gone/Brakka.ini", IniPath(folder)));
  } else if (place == "full disk") {
    conditions.fillDisk();
  }

  TFakePlatform fake;
  {
    TMainForm form(folder, fake.platform());
    fake.dialogs->asked.clear();   // what the start says is checked elsewhere
    form.field("GA11")->setText("3");
    form.show();
    fake.dialogs->answers = {QMessageBox::Yes};
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    QCOMPARE(form.field("GA11")->text(), QStringLiteral("3"));

    QCOMPARE(fake.dialogs->asked.size(), 2);
    QCOMPARE(fake.dialogs->asked[0].icon, TMsgIcon::Question);
    const TScriptedDialogs::TAsked error = fake.dialogs->asked[1];
    QCOMPARE(error.icon, TMsgIcon::Error);
    QCOMPARE(error.text, "Unable to write to " + folder + "/Brakka.ini");
    QCOMPARE(error.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    // The save command reports it the same way.
    QVERIFY(!SaveForm(form));
    QCOMPARE(fake.dialogs->asked.size(), 3);
    QCOMPARE(fake.dialogs->asked[2].text, error.text);

    fake.dialogs->answers = {QMessageBox::No};
    QVERIFY(form.close());
  }
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (!before.isNull())
    QCOMPARE(ReadBytes(IniPath(folder)), before);
  else if (place == "folder in the way")
    QVERIFY(QFileInfo(IniPath(folder)).isDir());
  else if (place == "dangling link")
    QCOMPARE(QFileInfo(IniPath(folder)).symLinkTarget(), QDir(folder).filePath("gone/Brakka.ini"));
  // No half-written file beside it.
  QStringList files;
  if (!before.isNull() || place == "dangling link")
    files << "Brakka.ini";
  if (conditions.hasDisk())
    files << "filler";
  QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), files);
}

void TestSettings::closingWithYesSaves()
{
  TGridDriver g;
  g.score("GA1", "2-1");
  g.form().show();
  g.dialogs().answers = {QMessageBox::Yes};
  QVERIFY(g.form().close());
  QCOMPARE(g.dialogs().asked.size(), 1);
  QCOMPARE(FileBytes(g).left(16), QByteArray("[PREFERENCES]\r\nL"));
  TStarted s(FileBytes(g));
  QCOMPARE(s.text("GA11"), QStringLiteral("2"));
  QCOMPARE(s.text("GA12"), QStringLiteral("1"));
}

// ---- Loading ----------------------------------------------------------------

void TestSettings::matchValueSplitting_data()
{
  QTest::addColumn<QByteArray>("value");
  QTest::addColumn<QString>("side1");
  QTest::addColumn<QString>("side2");
  QTest::addColumn<QString>("finalSide2");   // the final's fields take any length
  QTest::newRow("2-1") << QByteArray("2-1") << "2" << "1" << "1";
  QTest::newRow("unplayed") << QByteArray("-") << "" << "" << "";
  QTest::newRow("empty") << QByteArray("") << "" << "" << "";
  QTest::newRow("side 1 only") << QByteArray("3-") << "3" << "" << "";
  QTest::newRow("side 2 only") << QByteArray("-0") << "" << "0" << "0";
  QTest::newRow("no hyphen is side 2") << QByteArray("21") << "" << "21" << "21";
  QTest::newRow("no hyphen, two characters") << QByteArray("123") << "" << "12" << "123";
  QTest::newRow("side 2 cut to two") << QByteArray("10-123") << "10" << "12" << "123";
  QTest::newRow("side 1 not cut") << QByteArray("12345-1") << "12345" << "1" << "1";
  QTest::newRow("the final's 13-123 whole") << QByteArray("13-123") << "13" << "12" << "123";
  QTest::newRow("blanks around the value") << QByteArray("  4-4  ") << "4" << "4" << "4";
  QTest::newRow("letters load as empty") << QByteArray("a-1") << "" << "1" << "1";
  QTest::newRow("second hyphen") << QByteArray("1--2") << "1" << "" << "";
  QTest::newRow("blank inside") << QByteArray("1 -2") << "" << "2" << "2";
  QTest::newRow("sign") << QByteArray("+1-1") << "" << "1" << "1";
  QTest::newRow("other digits") << QByteArray("\xd9\xa1-1") << "" << "1" << "1";
  QTest::newRow("missing key") << QByteArray() << "" << "" << "";
}

void TestSettings::matchValueSplitting()
{
  QFETCH(QByteArray, value);
  QFETCH(QString, side1);
  QFETCH(QString, side2);
  QFETCH(QString, finalSide2);
  // The whole tournament, with the value in group F's fourth match, in the
  // final and in both penalty keys of the level 1/8 final Spain - Ireland.
  QByteArray ini = DataFile("settings_tournament.ini");
  const QByteArray final = "[FINAL]\r\nGame1=0-2\r\n";
  QVERIFY(ini.contains(final));
  ini.replace(final, "[FINAL]\r\n" + (value.isNull() ? QByteArray() : "Game1=" + value + "\r\n"));
  const QByteArray groupF = "[GROUP F]\r\nGame1=1-0\r\nGame2=1-1\r\nGame3=2-1\r\n";
  const QByteArray shootOut = "Game4=1-1\r\nGame4Apk=3\r\nGame4Bpk=2\r\n";
  QVERIFY(ini.contains(groupF + "Game4=0-1\r\n") && ini.contains(shootOut));
  const QByteArray key = value.isNull() ? QByteArray() : "Game4=" + value + "\r\n";
  ini.replace(groupF + "Game4=0-1\r\n", groupF + key);
  ini.replace(shootOut, "Game4=1-1\r\n" + (value.isNull() ? QByteArray()
                                                          : "Game4Apk=" + value + "\r\nGame4Bpk=" +
                                                                value + "\r\n"));
  TStarted s(ini);
  QCOMPARE(s.text("GF41"), side1);
  QCOMPARE(s.text("GF42"), side2);
  QCOMPARE(s.text("Final11"), side1);
  QCOMPARE(s.text("Final12"), finalSide2);
  // A penalty key's whole value goes into its field when it is a number.
  const QString trimmed = QString::fromLatin1(value).trimmed();
  const QString pen = IsScore(trimmed) ? trimmed : QString();
  QVERIFY(!s.hidden("Final841pk"));
  QCOMPARE(s.text("Final841pk"), pen);
  QCOMPARE(s.text("Final842pk"), pen);
}

void TestSettings::firstRunIgnoresResults_data()
{
  QTest::addColumn<QByteArray>("ini");
  QTest::addColumn<bool>("firstRun");
  const QByteArray results = "[GROUP A]\r\nGame1=2-1\r\n";
  const QByteArray prefs = "[PREFERENCES]\r\nLanguage=1\r\n";
  QTest::newRow("no file") << QByteArray() << true;
  QTest::newRow("empty file") << QByteArray("") << true;
  QTest::newRow("FirstTime missing") << prefs + results << true;
  QTest::newRow("FirstTime 1") << prefs + "FirstTime=1\r\n" + results << true;
  QTest::newRow("FirstTime 2") << prefs + "FirstTime=2\r\n" + results << true;
  QTest::newRow("FirstTime not a number") << prefs + "FirstTime=no\r\n" + results << true;
  QTest::newRow("FirstTime empty") << prefs + "FirstTime=\r\n" + results << true;
  QTest::newRow("FirstTime 0") << prefs + "FirstTime=0\r\n" + results << false;
  QTest::newRow("FirstTime 00, other case")
      << QByteArray("[preferences]\r\nLanguage=1\r\nfirsttime = 00\r\n") + results << false;
  QTest::newRow("FirstTime -0") << prefs + "FirstTime=-0\r\n" + results << false;
}

void TestSettings::firstRunIgnoresResults()
{
  QFETCH(QByteArray, ini);
  QFETCH(bool, firstRun);
  TStarted s(ini);
  if (firstRun) {
    QCOMPARE(s.dialogs().modalWindows, QStringList{"OptionsForm"});
    QCOMPARE(s.text("GA11"), QString());
    QCOMPARE(s.text("GA12"), QString());
    QCOMPARE(s.form().document().preferences().language, int(LangEnglish));
    QCOMPARE(s.text("GA11Lbl"), QStringLiteral("France"));
  } else {
    QVERIFY(s.dialogs().modalWindows.isEmpty());
    QCOMPARE(s.text("GA11"), QStringLiteral("2"));
    QCOMPARE(s.text("GA12"), QStringLiteral("1"));
    QCOMPARE(s.form().document().preferences().language, int(LangSpanish));
    QCOMPARE(s.text("GA11Lbl"), QStringLiteral("Francia"));
    QCOMPARE(s.text("GAName1"), QStringLiteral("Francia"));   // table rebuilt in Spanish
  }
}

void TestSettings::badPreferences_data()
{
  QTest::addColumn<QByteArray>("preferences");
  QTest::addColumn<int>("language");
  QTest::addColumn<int>("favorite");
  QTest::addColumn<QString>("favoriteName");
  QTest::addColumn<double>("timeZone");
  QTest::addColumn<QString>("code");
  QTest::addColumn<QByteArray>("savedPreferences");

  QTest::newRow("all missing") << QByteArray() << 0 << 0 << "" << 0.0 << "x35"
                               << QByteArray("Language=0\r\nFavorite=0\r\nTimeZone=0\r\nGMT=x35");
  QTest::newRow("all chosen")
      << QByteArray("Language=2\r\nFavorite=26\r\nTimeZone=-0.875\r\nGMT=x35\r\n") << 2 << 26
      << "Cor\u00e9e du Sud" << GmtMinus12 << "x35"
      << QByteArray("Language=2\r\nFavorite=26\r\nTimeZone=-0.875\r\nGMT=x35");
  QTest::newRow("language 7 is English")
      << QByteArray("Language=7\r\n") << 0 << 0 << "" << 0.0 << "x35"
      << QByteArray("Language=0\r\n");
  QTest::newRow("language -1 is English")
      << QByteArray("Language=-1\r\nFavorite=3\r\n") << 0 << 3 << "Brazil" << 0.0 << "x35"
      << QByteArray("Language=0\r\nFavorite=3\r\n");
  QTest::newRow("language not a number")
      << QByteArray("Language=French\r\n") << 0 << 0 << "" << 0.0 << "x35"
      << QByteArray("Language=0\r\n");
  QTest::newRow("language beyond 32 bits")
      << QByteArray("Language=4294967297\r\n") << 0 << 0 << "" << 0.0 << "x35"
      << QByteArray("Language=0\r\n");
  // A number that names no team gives no favourite and is kept as it is.
  QTest::newRow("favourite 33 is none")
      << QByteArray("Language=1\r\nFavorite=33\r\n") << 1 << 33 << "" << 0.0 << "x35"
      << QByteArray("Language=1\r\nFavorite=33\r\n");
  QTest::newRow("favourite -3 is none")
      << QByteArray("Favorite=-3\r\n") << 0 << -3 << "" << 0.0 << "x35"
      << QByteArray("Favorite=-3\r\n");
  QTest::newRow("favourite 32, quoted")
      << QByteArray("Favorite=\"32\"\r\n") << 0 << 32 << "USA" << 0.0 << "x35"
      << QByteArray("Favorite=32\r\n");
  QTest::newRow("time zone not a number")
      << QByteArray("TimeZone=GMT+1\r\nGMT=GMTP1A\r\n") << 0 << 0 << "" << 0.0 << "GMTP1A"
      << QByteArray("TimeZone=0\r\nGMT=GMTP1A\r\n");
  QTest::newRow("time zone with comma")
      << QByteArray("TimeZone=0,166666666666667\r\n") << 0 << 0 << "" << 0.166666666666667
      << "x35" << QByteArray("TimeZone=0.166666666666667\r\n");
}

void TestSettings::badPreferences()
{
  QFETCH(QByteArray, preferences);
  QFETCH(int, language);
  QFETCH(int, favorite);
  QFETCH(QString, favoriteName);
  QFETCH(double, timeZone);
  QFETCH(QString, code);
  QFETCH(QByteArray, savedPreferences);

  TStarted s(Saved("[GROUP A]\r\nGame1=2-1\r\n", preferences));
  const TPreferences &read = s.form().document().preferences();
  QCOMPARE(read.language, language);
  QCOMPARE(read.favorite, favorite);
  QCOMPARE(s.form().document().names().favourite, favoriteName);
  QCOMPARE(read.timeZoneOffset, timeZone);
  QCOMPARE(read.timeZoneCode, code);
  QCOMPARE(s.text("GA11Lbl"), TeamNameIn(language, France));
  QCOMPARE(s.text("GA11"), QStringLiteral("2"));   // the results load all the same

  QVERIFY(SaveForm(s.form()));
  const QByteArray saved = s.fileBytes();
  QVERIFY2(saved.contains(savedPreferences), saved.left(120).constData());
}

void TestSettings::timeZoneRoundTrip_data()
{
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<double>("offset");
  QTest::addColumn<QString>("code");
  QTest::addColumn<QByteArray>("line");
  QTest::newRow("GMT-12") << English() << GmtMinus12 << "x35"
                          << QByteArray("TimeZone=-0.875\r\nGMT=x35\r\n");
  QTest::newRow("GMT+1 Paris") << English() << GmtPlus1 << "GMTP1C"
                               << QByteArray("TimeZone=-0.333333333333333\r\nGMT=GMTP1C\r\n");
  QTest::newRow("GMT+9") << English() << 0.0 << "x35" << QByteArray("TimeZone=0\r\nGMT=x35\r\n");
  QTest::newRow("GMT+13") << English() << GmtPlus13 << "x35"
                          << QByteArray("TimeZone=0.166666666666667\r\nGMT=x35\r\n");
  for (const char *name : ArabicSeparatorLocales)
    QTest::newRow(qPrintable(QStringLiteral("GMT+1 Paris, ") + QLatin1String(name)))
        << QLocale(QLatin1String(name)) << GmtPlus1 << "GMTP1C"
        << QByteArray("TimeZone=-0.333333333333333\r\nGMT=GMTP1C\r\n");
}

void TestSettings::timeZoneRoundTrip()
{
  QFETCH(QLocale, locale);
  QFETCH(double, offset);
  QFETCH(QString, code);
  QFETCH(QByteArray, line);
  QLocale::setDefault(locale);
  TGridDriver g;
  g.form().document().setPreferences({LangEnglish, NoTeam, offset, code});
  QVERIFY(SaveForm(g.form()));
  const QByteArray saved = FileBytes(g);
  QVERIFY(saved.contains(line));

  TStarted s(saved);
  const TPreferences &read = s.form().document().preferences();
  QCOMPARE(read.timeZoneCode, code);
  QVERIFY(qAbs(read.timeZoneOffset - offset) < 1e-14);
  QCOMPARE(TimeZoneText(read.timeZoneOffset), TimeZoneText(offset));
  // Saved again, the text is the same.
  QVERIFY(SaveForm(s.form()));
  QCOMPARE(s.fileBytes(), saved);
}

void TestSettings::timeZoneFromAnotherLocale()
{
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  TStarted s(Saved(QByteArray(), "TimeZone=-0.875\r\n"));
  QCOMPARE(s.form().document().preferences().timeZoneOffset, GmtMinus12);
  QVERIFY(SaveForm(s.form()));
  QVERIFY(s.fileBytes().contains("TimeZone=-0,875\r\n"));
}

void TestSettings::damagedFiles_data()
{
  QTest::addColumn<QByteArray>("ini");
  QTest::addColumn<bool>("firstRun");
  QTest::addColumn<QString>("ga11");
  QTest::addColumn<QString>("ga12");

  QByteArray noise(300000, '\0');
  quint32 x = 12345;
  for (char &c : noise) {
    x = x * 1103515245u + 12345u;
    c = char(x >> 24);
  }
  QTest::newRow("binary noise") << noise << true << "" << "";
  QTest::newRow("noise around the sections")
      << noise + "\n" + Saved("[GROUP A]\r\nGame1=1-0\r\n") + noise << false << "1" << "0";
  QTest::newRow("nul byte in a value")
      << Saved(QByteArray("[GROUP A]\r\nGame1=1") + '\0' + "-2\r\n") << false << "" << "2";
  QTest::newRow("a value of a million digits before its hyphen")
      << Saved("[GROUP A]\r\nGame1=" + QByteArray(1000000, '1') + "-2\r\n") << false << "" << "11";
  QTest::newRow("a long side 1 within the buffer")
      << Saved("[GROUP A]\r\nGame1=" + QByteArray(2000, '9') + "-2\r\n") << false
      << QString(2000, QLatin1Char('9')) << "2";
  QTest::newRow("half a million section lines")
      << Saved("[GROUP A]\r\nGame1=3-3\r\n" + QByteArray("[x]\n").repeated(500000)) << false
      << "3" << "3";
  QTest::newRow("a million blank lines")
      << Saved("[GROUP A]\r\nGame1=0-4\r\n" + QByteArray("\n").repeated(1000000)) << false << "0"
      << "4";
  QTest::newRow("a byte-order mark inside the file, left first by the save")
      << Saved("[GROUP A]\r\nGame1=5-1\r\n\xEF\xBB\xBF[GROUP A]\r\n") << false << "5" << "1";
  QTest::newRow("a million carriage returns without a line feed")
      << Saved("[GROUP A]\r\nGame1=4-0\r\n" + QByteArray("\r").repeated(1000000)) << false << "4"
      << "0";
}

void TestSettings::damagedFiles()
{
  QFETCH(QByteArray, ini);
  QFETCH(bool, firstRun);
  QFETCH(QString, ga11);
  QFETCH(QString, ga12);
  TStarted s(ini);
  QCOMPARE(s.dialogs().modalWindows.contains("OptionsForm"), firstRun);   // the first start's dialog
  QCOMPARE(s.text("GA11"), ga11);
  QCOMPARE(s.text("GA12"), ga12);
  if (!firstRun) {
    // A save keeps whatever else the file holds and reads back the same.
    QVERIFY(SaveForm(s.form()));
    TStarted again(s.fileBytes());
    QCOMPARE(again.text("GA11"), ga11);
    QCOMPARE(again.text("GA12"), ga12);
  }
}

void TestSettings::unreadableFileIsKeptAndSaid_data()
{
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("reason");
  QTest::newRow("larger than 4 MiB") << "too large" << "it is larger than 4 MiB";
  QTest::newRow("no read permission") << "no permission" << "you have no permission to read it";
  QTest::newRow("a folder") << "folder" << "it is a folder";
  QTest::newRow("a link to nothing") << "dangling link"
                                     << "it is a link to a file that does not exist";
  QTest::newRow("a loop of links") << "link loop" << "it is a link in a loop: it leads back to itself";
}

void TestSettings::unreadableFileIsKeptAndSaid()
{
  QFETCH(QString, kind);
  QFETCH(QString, reason);
  QTemporaryDir root;
  OpenToEveryone(root.path());
  // Permissions stop only a user who is not root.
  TConditions conditions;
  const QString cannot = conditions.make(false, kind == "no permission");
  if (!cannot.isEmpty())
    QSKIP(qPrintable(cannot));
  const QString folder = root.filePath("settings");
  const QString path = IniPath(folder);
  QVERIFY(QDir().mkpath(folder));
  QByteArray bytes = Saved("[GROUP A]\r\nGame1=1-0\r\n", "Language=2\r\n");
  if (kind == "too large")
    bytes += QByteArray(TProfileFile::MaxFileSize, ';');
  if (kind == "folder")
    QVERIFY(QDir(folder).mkdir("Brakka.ini"));
  else if (kind.contains("link"))
    QVERIFY(QFile::link(kind == "link loop" ? "Brakka.ini" : "gone/Brakka.ini", path));
  else
    WriteBytes(path, bytes);
  if (kind == "no permission")
    QFile::setPermissions(path, QFile::WriteOwner);

  TFakePlatform fake;
  {
    TMainForm form(folder, fake.platform());
    // Said once, at the start, naming the file and why; no first-run dialog.
    QCOMPARE(fake.dialogs->asked.size(), 1);
    const TScriptedDialogs::TAsked said = fake.dialogs->asked[0];
    QCOMPARE(said.icon, TMsgIcon::Warning);
    QCOMPARE(said.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY2(said.text.contains("\n" + path + "\n") && said.text.contains(reason) &&
                 said.text.contains("will not\noverwrite it"),
             qPrintable(said.text));
    QVERIFY(fake.dialogs->modalWindows.isEmpty());
    QCOMPARE(form.document().preferences().language, int(LangEnglish));
    // No first start either: the options dialog may be cancelled.
    bool cancellable = false;
    fake.dialogs->onModal = [&cancellable](QDialog *d) {
      cancellable = qobject_cast<TOptionsForm *>(d)->CancelButton->isEnabled();
      return int(QDialog::Rejected);
    };
    form.menuItem("Options1")->trigger();
    fake.dialogs->onModal = nullptr;
    QVERIFY(cancellable);
    QCOMPARE(form.field("GA11")->text(), QString());

    // Saving leaves it alone and says so.
    form.field("GA11")->setText("5");
    QVERIFY(!SaveForm(form));
    QCOMPARE(fake.dialogs->asked.size(), 2);
    QCOMPARE(fake.dialogs->asked[1].text, "Unable to write to " + path);
  }
  if (kind == "folder") {
    QVERIFY(QFileInfo(path).isDir());
  } else if (kind.contains("link")) {
    QCOMPARE(QFileInfo(path).symLinkTarget(),
             QDir(folder).filePath(kind == "link loop" ? "Brakka.ini" : "gone/Brakka.ini"));
  } else {
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(ReadBytes(path), bytes);
  }
  QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                  QDir::System),
           QStringList{"Brakka.ini"});
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
