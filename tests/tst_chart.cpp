// The wall chart: its layout on every paper in every language, what it
// shows, and its files and print-outs as a reader finds them.

#include "chart/chartDrawing.h"
#include "core/chart/chartLayout.h"
#include "core/i18n/texts.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QImage>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TPaper)

namespace {

enum TPlayed { Whole, Half, TwoMatchdays, LongFinal };

// The groups and the first four 1/8 finals, one of them after a shoot-out.
void PlayHalf(TGridDriver &g)
{
  PlayGroups(g);
  for (const char *r : {"Final81=1-0", "Final82=0-3", "Final83=1-2", "Final84=1-1"})
    g.score(QString::fromLatin1(r).section('=', 0, 0), QString::fromLatin1(r).section('=', 1));
  g.type("Final841pk", "3");
  g.type("Final842pk", "2");
}

bool Overlap(const QRectF &a, const QRectF &b)
{
  const QRectF common = a.intersected(b);
  return common.width() > 1e-6 && common.height() > 1e-6;
}

QString Describe(const QRectF &r) { return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// The text of a PDF as pdftotext reads it, blanks and lines run together.
QString PdfText(const QByteArray &pdf)
{
  QTemporaryDir dir;
  QFile file(dir.filePath("chart.pdf"));
  if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
    return QString();
  file.close();
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file.fileName(), QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

}  // namespace

class TestChart : public QObject {
  Q_OBJECT

private slots:
  void initTestCase();
  void layoutFitsEveryPaperAndLanguage_data();
  void layoutFitsEveryPaperAndLanguage();
  void chartShowsTheTournament();
  void filesKeepTheirTexts_data();
  void filesKeepTheirTexts();
  void printingAndBadNames();
  void defaultPaperFollowsTheRegion_data();
  void defaultPaperFollowsTheRegion();

private:
  TGridDriver &played(int played) { return *Played[played]; }
  std::unique_ptr<TGridDriver> Played[4];
  TFakeRegional Formats;
  TChartFontMetrics Metrics;
};

void TestChart::initTestCase()
{
  for (auto &g : Played)
    g = std::make_unique<TGridDriver>();
  PlayAll(*Played[Whole]);
  PlayHalf(*Played[Half]);
  PlayTwoMatchdays(*Played[TwoMatchdays]);
  // The final's fields take any number of digits.
  PlayAll(*Played[LongFinal]);
  Played[LongFinal]->score("Final1", "123456789012345678901234567890-123456789012345678901234567890");
  Played[LongFinal]->type("Final11pk", "98765432109876543210");
  Played[LongFinal]->type("Final12pk", "1");
}

void TestChart::layoutFitsEveryPaperAndLanguage_data()
{
  QTest::addColumn<TPaper>("paper");
  QTest::addColumn<int>("language");
  QTest::addColumn<int>("played");
  const char *papers[] = {"A4", "A3", "Letter"};
  const char *languages[] = {"English", "Spanish", "French"};
  const char *states[] = {"whole", "half", "two matchdays", "a final of many digits"};
  for (int p = 0; p < PaperCount; ++p)
    for (int l = 0; l < LanguageCount; ++l)
      for (int s = 0; s < 4; ++s)
        QTest::addRow("%s %s %s", papers[p], languages[l], states[s]) << TPaper(p) << l << s;
}

// Every box and text on the page, no two side by side overlapping, no line
// through a box, every text whole in its font; and the fonts stay readable.
void TestChart::layoutFitsEveryPaperAndLanguage()
{
  QFETCH(TPaper, paper);
  QFETCH(int, language);
  QFETCH(int, played);
  TPreferences prefs;
  prefs.language = language;
  prefs.favorite = Senegal;
  const QSizeF page = ChartPageSize(paper);
  const TChartLayout chart =
      LayOutChart(this->played(played).document().tournament(), prefs, Formats, QDate(2002, 7, 1), page, Metrics);
  const QRectF sheet(QPointF(), page);

  QList<QRectF> outer, panels;
  for (const TChartBox &b : chart.boxes) {
    QVERIFY2(sheet.contains(b.box), qPrintable(Describe(b.box)));
    (IsOuterBox(b.fill) ? outer : panels) << b.box;
  }
  for (const QRectF &inner : panels)
    QVERIFY(std::any_of(outer.begin(), outer.end(), [&](const QRectF &o) { return o.contains(inner); }));
  for (qsizetype i = 0; i < outer.size(); ++i)
    for (qsizetype j = i + 1; j < outer.size(); ++j)
      QVERIFY2(!Overlap(outer[i], outer[j]), qPrintable(Describe(outer[i]) + Describe(outer[j])));
  for (const TChartLine &l : chart.lines) {
    const QRectF line = QRectF(l.from, l.to).normalized().adjusted(-1e-3, -1e-3, 1e-3, 1e-3);
    QVERIFY(sheet.contains(line));
    for (const QRectF &o : outer)
      QVERIFY2(!Overlap(line, o.adjusted(0.01, 0.01, -0.01, -0.01)), qPrintable(Describe(line) + Describe(o)));
  }
  qreal smallest = 1e9;
  for (qsizetype i = 0; i < qsizetype(chart.texts.size()); ++i) {
    const TChartText &t = chart.texts[std::size_t(i)];
    QVERIFY2(sheet.contains(t.box), qPrintable(t.text));
    QVERIFY2(Metrics.width(t.font, t.text) <= t.box.width(), qPrintable(t.text + Describe(t.box)));
    QVERIFY2(Metrics.height(t.font) <= t.box.height(), qPrintable(t.text + Describe(t.box)));
    for (qsizetype j = i + 1; j < qsizetype(chart.texts.size()); ++j)
      QVERIFY2(!Overlap(t.box, chart.texts[std::size_t(j)].box), qPrintable(t.text + " / " + chart.texts[std::size_t(j)].text));
    // Only scores of many digits may be made smaller.
    if (t.text.size() < 5 || t.text.contains(QRegularExpression("\\p{L}")))
      smallest = std::min(smallest, t.font.size);
  }
  QVERIFY2(smallest >= (paper == TPaper::A3 ? 7.0 : 5.0), qPrintable(QString::number(smallest)));
}

// What the chart says of the whole 2002 tournament and of a half-played one.
void TestChart::chartShowsTheTournament()
{
  TPreferences prefs;
  prefs.favorite = Brazil;
  prefs.timeZoneOffset = -8.0 / 24;   // Paris
  auto texts = [&](int played) {
    QMultiHash<QString, TChartText> byText;
    for (const TChartText &t : LayOutChart(this->played(played).document().tournament(), prefs, Formats,
                                           QDate(2002, 7, 1), ChartPageSize(TPaper::A4), Metrics).texts)
      byText.insert(t.text, t);
    return byText;
  };
  const QMultiHash<QString, TChartText> whole = texts(Whole);
  QCOMPARE(whole.value("2002 FIFA Brakka Korea/Japan").font.role, TChartRole::Title);
  QVERIFY(whole.contains("Printed 01/07/2002"));
  // The champion, in the favourite's blue; Brazil everywhere in blue, and no one else.
  QCOMPARE(whole.values("Brazil").size(), 3 + 1 + 4 + 1);   // groups, table, knockout, champion
  for (const TChartText &t : whole.values("Brazil"))
    QCOMPARE(t.ink, TChartInk::Favourite);
  QCOMPARE(std::count_if(whole.begin(), whole.end(), [](const TChartText &t) { return t.ink == TChartInk::Favourite; }), 9);
  QVERIFY(std::any_of(whole.begin(), whole.end(), [](const TChartText &t) {
    return t.text == "Brazil" && t.font.role == TChartRole::Champion && t.font.bold;
  }));
  // Kick-offs in the user's time zone, with the venue; knockout matches numbered.
  QVERIFY(whole.contains("31/05/2002 12:30 \u00B7 Seoul"));
  QVERIFY(whole.contains("64 \u00B7 30/06/2002 12:00 \u00B7 Yokohama"));
  // The shoot-out, the winner in bold, the loser not.
  QVERIFY(whole.contains("(3)") && whole.contains("(5)"));
  const QList<TChartText> spain = whole.values("Spain");
  QCOMPARE(std::count_if(spain.begin(), spain.end(), [](const TChartText &t) { return t.font.bold; }), 1 + 1);   // table, 1/8
  QCOMPARE(whole.values("Paraguay").size(), 3 + 1 + 1);

  // Half-played: undecided slots say who will play there; no champion yet.
  const QMultiHash<QString, TChartText> half = texts(Half);
  QVERIFY(half.contains("Winner Match 53"));
  QVERIFY(half.contains("Winner Match 64"));
  QVERIFY(half.contains("Loser Match 61"));
  QCOMPARE(half.values("Germany").size(), 3 + 1 + 1 + 1);   // into its quarter-final
  const QMultiHash<QString, TChartText> early = texts(TwoMatchdays);
  QVERIFY(early.contains("Winner Match 49"));
  // Only the scores typed: four matches a group, none in the knockout stage.
  QCOMPARE(std::count_if(early.begin(), early.end(), [](const TChartText &t) {
             return t.font.role == TChartRole::Team && (t.text.toInt() > 0 || t.text == "0");
           }), 64);
}

void TestChart::filesKeepTheirTexts_data()
{
  QTest::addColumn<QString>("file");
  QTest::addColumn<int>("language");
  QTest::newRow("PDF, English") << "chart.pdf" << int(LangEnglish);
  QTest::newRow("PDF, French") << "Chart.PDF" << int(LangFrench);
  QTest::newRow("SVG, Spanish") << "chart.svg" << int(LangSpanish);
  QTest::newRow("PNG") << "chart.png" << int(LangEnglish);
}

// File > Wall chart… writes the format of the name's ending, on the paper
// of the options; a reader finds every team, score and kick-off in it.
void TestChart::filesKeepTheirTexts()
{
  QFETCH(QString, file);
  QFETCH(int, language);
  TGridDriver &g = played(Whole);
  g.choosePreferences(language);
  TPreferences prefs = g.document().preferences();
  prefs.paper = TPaper::A3;
  g.document().setPreferences(prefs);
  QTemporaryDir dir;
  const QString path = dir.filePath(file);
  g.dialogs().savedFiles = {path};
  g.form().menuItem("WallChart1")->trigger();
  QCOMPARE(g.dialogs().saveRequests.last().filter, QLatin1String(ChartFileFilter));
  QVERIFY(g.dialogs().asked.isEmpty());
  QFile written(path);
  QVERIFY(written.open(QIODevice::ReadOnly));
  const QByteArray bytes = written.readAll();
  const TChartLayout chart = WallChartLayout(g.document().tournament(), prefs, g.regional(), TPaper::A3);
  g.choosePreferences(LangEnglish);
  if (file.endsWith("png")) {
    const QImage image = QImage::fromData(bytes, "PNG");
    QCOMPARE(image.size(), QSize(4961, 3508));   // A3 at 300 dots per inch
    QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), ChartPngDpi);
    return;
  }
  const QString text = file.endsWith("svg") ? QString::fromUtf8(bytes) : PdfText(bytes);
  for (const TChartText &t : chart.texts) {
    const QString shown = file.endsWith("svg") ? QStringLiteral(">%1</text>").arg(t.text.toHtmlEscaped()) : t.text;
    QVERIFY2(text.contains(shown), qPrintable(shown));
  }
  if (file.endsWith("svg"))
    return;
  // A group match reads as a line: both teams with their goals between them.
  QVERIFY(text.contains(TeamNameIn(language, Germany) + " 8 0 " + TeamNameIn(language, SaudiArabia)));
  QVERIFY(text.contains(TeamNameIn(language, Spain) + " 1 (3)"));
}

// File > Print wall chart… prints on the options' paper, or writes the
// file the print dialog names; a name of no format is said, never written.
void TestChart::printingAndBadNames()
{
  TGridDriver &g = played(Whole);
  TPreferences prefs = g.document().preferences();
  prefs.paper = TPaper::Letter;
  g.document().setPreferences(prefs);
  g.printing().printAnswer = TPrintChoice::Printer;
  g.form().menuItem("PrintWallChart1")->trigger();
  QCOMPARE(g.printing().printJobs, 1);
  QCOMPARE(g.printing().printedPaper.id(), QPageSize::Letter);
  const QString printed = PdfText(g.printing().printedPdf);
  QVERIFY(printed.contains("2002 FIFA Brakka Korea/Japan") && printed.contains("Brazil"));

  QTemporaryDir dir;
  g.printing().printAnswer = TPrintChoice::File;
  g.printing().printFileAnswer = dir.filePath("chart.svg");
  g.form().menuItem("PrintWallChart1")->trigger();
  QVERIFY(QFile::exists(dir.filePath("chart.svg")));
  g.printing().printFileAnswer.clear();   // the dialog names no file: the save dialog asks
  g.dialogs().savedFiles = {dir.filePath("chart.txt")};
  g.form().menuItem("PrintWallChart1")->trigger();
  QCOMPARE(g.printing().printJobs, 1);
  QVERIFY(!QFile::exists(dir.filePath("chart.txt")));
  QCOMPARE(g.dialogs().asked.size(), 1);
  QVERIFY(g.dialogs().asked[0].text.contains(".pdf, .svg or .png"));

  g.dialogs().savedFiles = {dir.filePath("missing/chart.pdf")};
  g.form().menuItem("WallChart1")->trigger();
  QCOMPARE(g.dialogs().asked.size(), 2);
  QVERIFY(g.dialogs().asked[1].text.startsWith("The wall chart could not be written"));
  g.dialogs().asked.clear();
  prefs.paper.reset();
  g.document().setPreferences(prefs);
}

void TestChart::defaultPaperFollowsTheRegion_data()
{
  QTest::addColumn<QString>("locale");
  QTest::addColumn<TPaper>("paper");
  QTest::newRow("United States") << "en_US.UTF-8" << TPaper::Letter;
  QTest::newRow("Canada, French") << "fr_CA" << TPaper::Letter;
  QTest::newRow("United States, Spanish") << "es_US.utf8@euro" << TPaper::Letter;
  QTest::newRow("Britain") << "en_GB.UTF-8" << TPaper::A4;
  QTest::newRow("Spain") << "es_ES@euro" << TPaper::A4;
  QTest::newRow("C") << "C.UTF-8" << TPaper::A4;
  QTest::newRow("language only") << "en" << TPaper::A4;
  QTest::newRow("none") << "" << TPaper::A4;
}

void TestChart::defaultPaperFollowsTheRegion()
{
  QFETCH(QString, locale);
  QFETCH(TPaper, paper);
  QCOMPARE(DefaultPaperFor(locale), paper);
}

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
