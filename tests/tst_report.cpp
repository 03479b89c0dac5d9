// The tournament report: its fixed-column lines, the bytes of the text file,
// the print and save dialogs of File > Print Report, failures, and the pages
// the printer receives.

#include "report/printing.h"
#include "core/report/reportLines.h"
#include "core/settings/preferences.h"
#include "support/fileSystem.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestReport : public QObject {
  Q_OBJECT

private slots:

  void matchLine_data();
  void matchLine();
  void upperCasesOnlyAtoZ_data();
  void upperCasesOnlyAtoZ();
  void titleAndItsUnderline_data();
  void titleAndItsUnderline();
  void longTextsAreWrittenWhole();
  void fileBytes_data();
  void fileBytes();

  void reportFile_data();
  void reportFile();
  void shootOutOnlyWhenBothFieldsHoldText();
  void engineReportIsWhatTheWindowShows_data();
  void engineReportIsWhatTheWindowShows();
  void dialogsCancelled_data();
  void dialogsCancelled();
  void existingFileIsReplacedWhole();
  void unwritableDestination_data();
  void unwritableDestination();
  void linkToAFileNotThereYetIsWrittenThrough();
  void printerGetsTheLinesInTheLabelsFont();
  void printerErrorIsReported();

  void pages_data();
  void pages();
  void printedPdfHasThePagesLaidOut();
  void pdfNamedByThePrintDialog();
};

namespace {

// File > Print Report, the print dialog answering `choice` and naming `named`,
// the save dialog `saveAs` (empty: none); gives the scripted printing.
TFakePrinting &RunReport(TGridDriver &g, TPrintChoice choice, const QString &saveAs = QString(),
                         const QString &named = QString())
{
  TFakePrinting &printing = g.printing();
  printing.printAnswer = choice;
  printing.saveAnswer = saveAs;
  printing.printFileAnswer = named;
  g.form().menuItem(QStringLiteral("Report1"))->trigger();
  return printing;
}

QByteArray ReadAllBytes(const QString &path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The report's texts as the window shows them: every heading, team, score
// and figure read off its controls.
TReportTexts ShownTexts(TMainForm &form, int language)
{
  const TGridControls &c = form.controls();
  auto text = [&](TLabel id) { return c.label(id)->text(); };
  auto match = [&](TMatch m) {
    TReportMatch r{text(TeamLabel(m, 0)), text(TeamLabel(m, 1)), c.field(ScoreField(m, 0))->text(),
                   c.field(ScoreField(m, 1))->text(), QString(), QString()};
    if (!IsGroupMatch(m)) {
      r.pen1 = c.field(PenaltyField(m, 0))->text();
      r.pen2 = c.field(PenaltyField(m, 1))->text();
    }
    return r;
  };
  TReportTexts texts;
  texts.language = language;
  for (int g = 0; g < GroupCount; ++g) {
    texts.groupTitles[g] = text(GroupTitleLabel(g));
    for (int m = 0; m < MatchesPerGroup; ++m)
      texts.groupMatches[g][m] = match(GroupMatch(g, m));
    for (int col = 0; col < TableColumnCount; ++col)
      texts.tables[g].headings[col] = text(TableHeadingLabel(g, col));
    for (int r = 0; r < TeamsPerGroup; ++r) {
      texts.tables[g].rows[r].name = text(TableNameLabel(g, r));
      for (int col = 0; col < TableColumnCount; ++col)
        texts.tables[g].rows[r].figures[col] = c.field(TableField(g, r, col))->text();
    }
  }
  for (int k = 0; k < KnockoutCount; ++k) {
    texts.stageTitles[k] = text(StageTitleLabel(k));
    for (int m = 0; m < KnockoutStage(k).matches; ++m)
      texts.knockoutMatches[KnockoutStage(k).first + m] = match(KnockoutMatch(k, m));
  }
  texts.championTitle = text(ChampionTitleLabel());
  texts.champion = text(ChampionLabel());
  return texts;
}

}  // namespace

void TestReport::matchLine_data()
{
  QTest::addColumn<QStringList>("texts");   // team1, team2, score1, score2, pen1, pen2
  QTest::addColumn<QString>("expected");

  QTest::newRow("not played") << QStringList{"France", "Senegal", "", "", "", ""}
                              << "         France - Senegal        :    -   ";
  QTest::newRow("one digit each") << QStringList{"France", "Senegal", "0", "1", "", ""}
                                  << "         France - Senegal        :  0 - 1 ";
  QTest::newRow("two digits each") << QStringList{"Germany", "Saudi Arabia", "10", "12", "", ""}
                                   << "        Germany - Saudi Arabia   : 10 - 12";
  QTest::newRow("names of 15 fill their columns")
      << QStringList{"Arabie Saoudite", "Arabie Saoudite", "1", "1", "", ""}
      << "Arabie Saoudite - Arabie Saoudite:  1 - 1 ";
  QTest::newRow("shoot-out") << QStringList{"Spain", "Ireland", "1", "1", "3", "2"}
                             << "          Spain - Ireland        :  1 - 1  pen.(3-2)";
  QTest::newRow("shoot-out of two digits") << QStringList{"Spain", "Ireland", "1", "1", "10", "11"}
                                           << "          Spain - Ireland        :  1 - 1  pen.(10-11)";
  QTest::newRow("only the first shoot-out field") << QStringList{"Spain", "Ireland", "1", "1", "3", ""}
                                                  << "          Spain - Ireland        :  1 - 1 ";
  QTest::newRow("only the second shoot-out field") << QStringList{"Spain", "Ireland", "1", "1", "", "2"}
                                                   << "          Spain - Ireland        :  1 - 1 ";
  QTest::newRow("placeholders") << QStringList{"xxxxxxxxxx", "xxxxxxxxxx", "", "", "", ""}
                                << "     xxxxxxxxxx - xxxxxxxxxx     :    -   ";
}

void TestReport::matchLine()
{
  QFETCH(QStringList, texts);
  QFETCH(QString, expected);
  const QString line = ReportMatchLine(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]);
  QCOMPARE(line, expected);
  if (texts[4].isEmpty() || texts[5].isEmpty())
    QCOMPARE(line.size(), 42);
}

void TestReport::upperCasesOnlyAtoZ_data()
{
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("expected");
  QTest::newRow("group") << "Group A" << "GROUP A";
  QTest::newRow("French third place") << u"3ème Place"_qs << u"3èME PLACE"_qs;
  QTest::newRow("Spanish stage") << "1/8 Finales" << "1/8 FINALES";
  QTest::newRow("accents stay") << u"États-Unis Brésil Japón"_qs << u"ÉTATS-UNIS BRéSIL JAPóN"_qs;
  QTest::newRow("placeholder") << "xxxxxxxxxx" << "XXXXXXXXXX";
  QTest::newRow("empty") << "" << "";
}

void TestReport::upperCasesOnlyAtoZ()
{
  QFETCH(QString, caption);
  QFETCH(QString, expected);
  QCOMPARE(UpperCaseAZ(caption), expected);
}

void TestReport::titleAndItsUnderline_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("title");
  QTest::newRow("English") << 0 << "BRAKKA - Korea/Japan";
  QTest::newRow("Spanish") << 1 << u"BRAKKA - Corea/Japón"_qs;
  QTest::newRow("French") << 2 << u"BRAKKA - Corée du Sud/Japon"_qs;
  QTest::newRow("other reads as English") << 7 << "BRAKKA - Korea/Japan";
}

void TestReport::titleAndItsUnderline()
{
  QFETCH(int, language);
  QFETCH(QString, title);
  TReportTexts texts;
  texts.language = language;
  const QStringList lines = ReportLines(texts);
  QCOMPARE(lines.size(), ReportLineCount);
  QCOMPARE(lines[0], title);
  QCOMPARE(lines[1], QString(title.size(), QLatin1Char('-')));
  QCOMPARE(lines[2], QString());
  // One byte a character on disk, so the hyphens match the title there too.
  const QList<QByteArray> written = ReportFileBytes(lines.mid(0, 2)).split('\n');
  QCOMPARE(written[0].size(), written[1].size());
}

void TestReport::longTextsAreWrittenWhole()
{
  const QString longName = QStringLiteral("Seogwipo (South Korea)");   // 22 characters
  TReportTexts texts;
  texts.groupMatches[0][0] = {longName, longName, "123", "4567", "", ""};
  texts.tables[0].rows[0].name = longName;
  texts.tables[0].rows[0].figures[0] = "1000";
  texts.tables[0].rows[0].figures[7] = "+12345";
  texts.tables[0].headings[0] = "Points of the group";
  texts.championTitle = "ChampionLbl";
  texts.champion = longName;
  const QStringList lines = ReportLines(texts);
  QCOMPARE(lines[5], longName + " - " + longName + ": 123 - 4567");
  QCOMPARE(lines[13].left(22), QStringLiteral("   Points of the group"));
  QCOMPARE(lines[15].left(3 + 22 + 4), "1. " + longName + "1000");
  QVERIFY(lines[15].endsWith("+12345"));
  QCOMPARE(lines[191], "ChampionLbl: " + UpperCaseAZ(longName));
}

void TestReport::fileBytes_data()
{
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<QByteArray>("bytes");
  QTest::newRow("every line ends in CRLF, the last too")
      << QStringList{"a", "", "b "} << QByteArray("a\r\n\r\nb \r\n");
  QTest::newRow("accents take one byte") << QStringList{u"Brésil Japón É"_qs} << QByteArray("Br\xe9sil Jap\xf3n \xc9\r\n");
  QTest::newRow("the code page's own signs") << QStringList{u"€ – Œ"_qs} << QByteArray("\x80 \x96 \x8c\r\n");
  QTest::newRow("what it lacks is a question mark")
      << QStringList{u"Ω 日本 \U0001F600"_qs} << QByteArray("? ?? ?\r\n");
  QTest::newRow("no lines, no bytes") << QStringList{} << QByteArray();
}

void TestReport::fileBytes()
{
  QFETCH(QStringList, lines);
  QFETCH(QByteArray, bytes);
  QCOMPARE(ReportFileBytes(lines), bytes);
}

void TestReport::reportFile_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<bool>("played");
  QTest::addColumn<QString>("expectedFile");
  QTest::addColumn<QString>("printDialogNames");   // empty: the save dialog names the file
  QTest::newRow("empty tournament, English") << 0 << false << "report_empty_en.txt" << "";
  QTest::newRow("whole tournament, English") << 0 << true << "report_full_en.txt" << "";
  QTest::newRow("whole tournament, French") << 2 << true << "report_full_fr.txt" << "";
  QTest::newRow("print dialog names a file, no suffix") << 2 << true << "report_full_fr.txt" << "report";
}

void TestReport::reportFile()
{
  QFETCH(int, language);
  QFETCH(bool, played);
  QFETCH(QString, expectedFile);
  QFETCH(QString, printDialogNames);

  TGridDriver g;
  g.choosePreferences(language);
  if (played)
    PlayAll(g);
  QTemporaryDir out;
  const QString saveAs = out.filePath(QStringLiteral("Brakka Report.txt"));
  const QString named = printDialogNames.isEmpty() ? QString() : out.filePath(printDialogNames);
  TFakePrinting &printing = RunReport(g, TPrintChoice::File, saveAs, named);

  QCOMPARE(printing.printDialogs, 1);
  QCOMPARE(printing.saveDialogFolders,
           named.isEmpty() ? QStringList{QCoreApplication::applicationDirPath()} : QStringList{});
  QCOMPARE(printing.printJobs, 0);
  QVERIFY(g.dialogs().asked.isEmpty());

  const QByteArray bytes = ReadAllBytes(named.isEmpty() ? saveAs : named);
  QCOMPARE(bytes.count("\r\n"), qsizetype(ReportLineCount));
  QCOMPARE(bytes.count('\n'), qsizetype(ReportLineCount));
  QVERIFY(bytes.endsWith("\r\n"));

  const QByteArray expected = ReadAllBytes(QStringLiteral(BRAKKA_TEST_DATA "/") + expectedFile);
  QVERIFY(!expected.isEmpty());
  const QList<QByteArray> got = bytes.split('\n');
  const QList<QByteArray> want = expected.split('\n');
  for (qsizetype i = 0; i < qMin(got.size(), want.size()); ++i)
    QVERIFY2(got[i] == want[i], qPrintable(QStringLiteral("line %1: got \"%2\", expected \"%3\"")
                                               .arg(i + 1)
                                               .arg(QString::fromLatin1(got[i]), QString::fromLatin1(want[i]))));
  QCOMPARE(bytes, expected);
}

void TestReport::engineReportIsWhatTheWindowShows_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<bool>("played");
  for (int language : {0, 1, 2}) {
    QTest::addRow("language %d, empty", language) << language << false;
    QTest::addRow("language %d, played", language) << language << true;
  }
}

void TestReport::engineReportIsWhatTheWindowShows()
{
  QFETCH(int, language);
  QFETCH(bool, played);
  TGridDriver g;
  g.choosePreferences(language);
  if (played)
    PlayAll(g);
  // Every heading, team, score and figure read off the window's controls.
  const QStringList shown = ReportLines(ShownTexts(g.form(), language));
  QCOMPARE(ReportLines(ReportTexts(g.form().document().tournament(), language)), shown);
}

void TestReport::shootOutOnlyWhenBothFieldsHoldText()
{
  TGridDriver g;
  g.score("Final81", "1-1");
  g.type("Final811pk", "4");
  const QString line = QStringLiteral("       Cameroon - Slovenia       :  1 - 1 ");

  TFakePrinting &printing = RunReport(g, TPrintChoice::Printer);
  QCOMPARE(printing.printed.value(157), line);
  QCOMPARE(printing.printed.value(155), QStringLiteral("1/8 FINALS:"));

  g.type("Final812pk", "3");
  RunReport(g, TPrintChoice::Printer);
  QCOMPARE(printing.printed.value(157), line + " pen.(4-3)");
  QCOMPARE(printing.printed.value(170), QStringLiteral("       Cameroon - xxxxxxxxxx     :    -   "));
  QCOMPARE(printing.printed.value(191), QStringLiteral("Champion: XXXXXXXXXX"));
}

void TestReport::dialogsCancelled_data()
{
  QTest::addColumn<int>("choice");
  QTest::addColumn<int>("saveDialogs");
  QTest::newRow("print dialog cancelled") << int(TPrintChoice::Cancelled) << 0;
  QTest::newRow("print to file, save dialog cancelled") << int(TPrintChoice::File) << 1;
}

void TestReport::dialogsCancelled()
{
  QFETCH(int, choice);
  QFETCH(int, saveDialogs);
  TGridDriver g;
  TFakePrinting &printing = RunReport(g, TPrintChoice(choice));
  QCOMPARE(printing.printDialogs, 1);
  QCOMPARE(printing.saveDialogFolders.size(), saveDialogs);
  QVERIFY(printing.writtenPath.isEmpty());
  QCOMPARE(printing.printJobs, 0);
  QVERIFY(g.dialogs().asked.isEmpty());
}

void TestReport::existingFileIsReplacedWhole()
{
  TGridDriver g;
  QTemporaryDir out;
  const QString path = out.filePath(QStringLiteral("old.txt"));
  QFile old(path);
  QVERIFY(old.open(QIODevice::WriteOnly));
  old.write(QByteArray(20000, 'z'));
  old.close();

  TFakePrinting &printing = RunReport(g, TPrintChoice::File, path);
  QCOMPARE(ReadAllBytes(path), ReportFileBytes(printing.written));
  QVERIFY(g.dialogs().asked.isEmpty());
  QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"old.txt"});
}

void TestReport::unwritableDestination_data()
{
  QTest::addColumn<QString>("place");
  QTest::addColumn<bool>("old");        // a file written before is there
  QTest::addColumn<bool>("calendar");   // View > Export to calendar instead of the report
  QTest::newRow("folder does not exist") << "missing folder" << false << false;
  QTest::newRow("name of a folder") << "folder" << false << false;
  QTest::newRow("link into a missing folder") << "dangling link" << false << false;
  QTest::newRow("folder without write permission") << "read-only folder" << true << false;
  QTest::newRow("full disk, new file") << "full disk" << false << false;
  QTest::newRow("full disk, file written before") << "full disk" << true << false;
  QTest::newRow("calendar, folder without write permission") << "read-only folder" << true << true;
  QTest::newRow("calendar, full disk, file written before") << "full disk" << true << true;
  // Rows named "PDF…": the print dialog names a .pdf file.
  QTest::newRow("PDF, folder does not exist") << "missing folder" << false << false;
  QTest::newRow("PDF, full disk, file written before") << "full disk" << true << false;
}

void TestReport::unwritableDestination()
{
  QFETCH(QString, place);
  QFETCH(bool, old);
  QFETCH(bool, calendar);
  const bool pdf = QByteArray(QTest::currentDataTag()).startsWith("PDF");
  const QString name = calendar ? QStringLiteral("Brakka.ics")
                       : pdf    ? QStringLiteral("Brakka Report.pdf")
                                : QStringLiteral("Brakka Report.txt");
  QTemporaryDir root;
  QFile::setPermissions(root.path(), QFileDevice::Permissions(0x7777));
  // Permissions stop only a user who is not root.
  TConditions conditions;
  const QString cannot = conditions.make(place == "full disk", place == "read-only folder");
  if (!cannot.isEmpty())
    QSKIP(qPrintable(cannot));
  const QString folder = conditions.folder(root.filePath(QStringLiteral("out")));
  QVERIFY(QDir().mkpath(folder));
  QString path = folder + QLatin1Char('/') + name;
  const QByteArray before(5000, 'z');
  if (old) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
  }
  if (place == "missing folder")
    path = folder + QStringLiteral("/missing/") + name;
  else if (place == "folder")
    QVERIFY(QDir().mkdir(path));
  else if (place == "dangling link")
    QVERIFY(QFile::link(QStringLiteral("missing/Brakka Report.txt"), path));
  else if (place == "read-only folder")
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
  else if (place == "full disk")
    conditions.fillDisk();

  TGridDriver g;
  if (calendar) {
    g.dialogs().savedFiles << path;
    g.form().menuItem(QStringLiteral("ExportCalendar1"))->trigger();
  } else {
    RunReport(g, TPrintChoice::File, pdf ? QString() : path, pdf ? path : QString());
  }

  QCOMPARE(g.dialogs().asked.size(), 1);
  const TScriptedDialogs::TAsked &box = g.dialogs().asked.constFirst();
  QCOMPARE(box.icon, TMsgIcon::Error);
  QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)), qPrintable(box.text));
  QVERIFY2(!box.text.section(QStringLiteral("\n\n"), 1).isEmpty(), qPrintable(box.text));   // why
  QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

  // The old report as it was; no partial report, no temporary file.
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (old)
    QCOMPARE(ReadAllBytes(path), before);
  QStringList entries;
  if (old || place == "folder" || place == "dangling link")
    entries << name;
  if (conditions.hasDisk())
    entries << QStringLiteral("filler");
  QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                  QDir::Name),
           entries);
  if (place == "folder")
    QVERIFY(QDir(path).isEmpty());
}

void TestReport::linkToAFileNotThereYetIsWrittenThrough()
{
  TGridDriver g;
  QTemporaryDir out;
  QVERIFY(QDir(out.path()).mkdir(QStringLiteral("kept")));
  const QString link = out.filePath(QStringLiteral("Brakka Report.txt"));
  QVERIFY(QFile::link(QStringLiteral("kept/report.txt"), link));

  TFakePrinting &printing = RunReport(g, TPrintChoice::File, link);
  QVERIFY(g.dialogs().asked.isEmpty());
  QVERIFY(QFileInfo(link).isSymLink());
  QCOMPARE(ReadAllBytes(out.filePath(QStringLiteral("kept/report.txt"))), ReportFileBytes(printing.written));
  QCOMPARE(QDir(out.filePath(QStringLiteral("kept"))).entryList(QDir::Files), QStringList{"report.txt"});
}

void TestReport::printerGetsTheLinesInTheLabelsFont()
{
  TGridDriver g;
  PlayAll(g);
  TFakePrinting &printing = RunReport(g, TPrintChoice::Printer);

  QCOMPARE(printing.printJobs, 1);
  QVERIFY(printing.saveDialogFolders.isEmpty());
  QVERIFY(printing.writtenPath.isEmpty());
  QVERIFY(g.dialogs().asked.isEmpty());
  // The printer receives exactly what the file would hold.
  QCOMPARE(ReportFileBytes(printing.printed),
           ReadAllBytes(QStringLiteral(BRAKKA_TEST_DATA "/report_full_en.txt")));
  // The font of the report's font label, 12 pixels on screen, is 9 points.
  const QFont labelFont = g.label(QStringLiteral("PrintFontLbl"))->font();
  QCOMPARE(printing.printedFont.family(), labelFont.family());
  QVERIFY(QFontInfo(printing.printedFont).fixedPitch());
  QCOMPARE(printing.printedFont.pointSizeF(), 9.0);
}

void TestReport::printerErrorIsReported()
{
  TGridDriver g;
  g.printing().printFails = true;
  TFakePrinting &printing = RunReport(g, TPrintChoice::Printer);
  QCOMPARE(printing.printJobs, 1);
  QCOMPARE(g.dialogs().asked.size(), 1);
  QCOMPARE(g.dialogs().asked.constFirst().icon, TMsgIcon::Error);
  QVERIFY(g.dialogs().asked.constFirst().text.contains(QStringLiteral("out of paper")));
}

void TestReport::pages_data()
{
  // Every character is one unit wide.
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<int>("pageWidth");
  QTest::addColumn<int>("linesPerPage");
  QTest::addColumn<QList<QStringList>>("pages");

  QTest::newRow("one page") << QStringList{"abc", "", "de"} << 5 << 3
                            << QList<QStringList>{{"abc", "", "de"}};
  QTest::newRow("next line on a new page") << QStringList{"abc", "", "de", "f"} << 5 << 3
                                           << QList<QStringList>{{"abc", "", "de"}, {"f"}};
  QTest::newRow("wide line broken after the last character that fits")
      << QStringList{"abcdefgh", "ij"} << 3 << 10 << QList<QStringList>{{"abc", "def", "gh", "ij"}};
  QTest::newRow("broken line runs over the page") << QStringList{"abcdef"} << 4 << 1
                                                  << QList<QStringList>{{"abcd"}, {"ef"}};
  QTest::newRow("blanks at the end are kept") << QStringList{"ab  "} << 4 << 2 << QList<QStringList>{{"ab  "}};
  QTest::newRow("page narrower than a character") << QStringList{"ab"} << 0 << 0
                                                  << QList<QStringList>{{"a"}, {"b"}};
  QTest::newRow("nothing") << QStringList{} << 5 << 3 << QList<QStringList>{};
}

void TestReport::pages()
{
  QFETCH(QStringList, lines);
  QFETCH(int, pageWidth);
  QFETCH(int, linesPerPage);
  QFETCH(QList<QStringList>, pages);
  QCOMPARE(ReportPages(lines, [](const QString &text) { return qreal(text.size()); }, pageWidth, linesPerPage),
           pages);
}

void TestReport::printedPdfHasThePagesLaidOut()
{
  TGridDriver g;
  PlayAll(g);
  const TFakePrinting &printing = RunReport(g, TPrintChoice::Printer);

  QTemporaryDir out;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(out.filePath(QStringLiteral("report.pdf")));
  printer.setPageSize(QPageSize(QPageSize::A4));
  QString error;
  QVERIFY2(PrintReportLines(printer, printing.printed, printing.printedFont, &error), qPrintable(error));

  // 193 lines of 9 points do not fit on one A4 page, and fit on three.
  const QByteArray pdf = ReadAllBytes(printer.outputFileName());
  const qsizetype pages = QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)")));
  QVERIFY2(pages >= 2 && pages <= 3, qPrintable(QString::number(pages)));

  // A printer that cannot start a job is an error, not a crash.
  QPrinter broken(QPrinter::HighResolution);
  broken.setOutputFormat(QPrinter::PdfFormat);
  broken.setOutputFileName(out.filePath(QStringLiteral("missing/report.pdf")));
  QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
  QVERIFY(!PrintReportLines(broken, printing.printed, printing.printedFont, &error));
  QVERIFY(!error.isEmpty());
}

// The print dialog's "Print to File" with a .pdf name, here replacing a file:
// the report as the printer lays it out on paper, without a save dialog.
void TestReport::pdfNamedByThePrintDialog()
{
  TGridDriver g;
  PlayAll(g);
  QTemporaryDir out;
  const QString path = out.filePath(QStringLiteral("PRINT.PDF"));
  QFile old(path);
  QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(300000, 'z')) == 300000);
  old.close();
  // Under the program's own title, which holds a slash.
  const QString testName = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(QStringLiteral("Brakka - Korea/Japan"));
  TFakePrinting &printing = RunReport(g, TPrintChoice::File, QString(), path);
  QCoreApplication::setApplicationName(testName);

  QVERIFY(printing.saveDialogFolders.isEmpty());
  QCOMPARE(printing.writtenPath, path);
  QVERIFY(g.dialogs().asked.isEmpty());
  QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"PRINT.PDF"});
  const QByteArray pdf = ReadAllBytes(path);
  QVERIFY(pdf.startsWith("%PDF-") && !pdf.contains(QByteArray(1000, 'z')));

  // The same pages as the printer receives on the same paper.
  QPrinter paper(QPrinter::HighResolution);
  paper.setOutputFormat(QPrinter::PdfFormat);
  paper.setOutputFileName(out.filePath(QStringLiteral("paper.pdf")));
  paper.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
  QString error;
  QVERIFY2(PrintReportLines(paper, printing.written, printing.printedFont, &error), qPrintable(error));
  const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
  const qsizetype pages = QString::fromLatin1(pdf).count(page);
  QCOMPARE(pages, QString::fromLatin1(ReadAllBytes(paper.outputFileName())).count(page));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
