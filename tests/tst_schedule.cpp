// The match calendar in the user's time zone: the time-zone list, kick-off
// conversion, the kick-off hints of the grid and the game schedule window.

#include "core/groups/fixtures.h"
#include "core/i18n/names.h"
#include "core/schedule/calendar.h"
#include "core/schedule/calendarExport.h"
#include "core/schedule/regional.h"
#include "schedule/scheduleForm.h"
#include "core/settings/timeZones.h"
#include "core/settings/preferences.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <cmath>
#include <limits>

class TestSchedule : public QObject {
  Q_OBJECT

private slots:
  void timeZoneEntries_data();
  void timeZoneEntries();
  void timeZoneCaptionsLineUp();
  void timeZoneOutsideListIsHostsTime();
  void timeZoneEntryFor_data();
  void timeZoneEntryFor();
  void everyTimeZoneFoundBack();

  void shownKickoff_data();
  void shownKickoff();
  void hostsZoneShowsCalendarUnchanged();
  void strangeOffsetsNeverFail_data();
  void strangeOffsetsNeverFail();
  void kickoffText_data();
  void kickoffText();
  void timeZoneFieldLeftOut_data();
  void timeZoneFieldLeftOut();
  void everyLocaleShowsTimeWithoutZone();
  void systemFormatsShowNoTimeZone();

  void calendarFitsTheGrid();

  void hints_data();
  void hints();
  void everyTeamLabelCarriesItsMatchHint();
  void newTimeZoneReachesHints();

  void scheduleWindow();
  void scheduleLines_data();
  void scheduleLines();
  void fieldsLineUp();
  void simultaneousMatchesKeepOrder_data();
  void simultaneousMatchesKeepOrder();
  void knockoutPairingsUntilBothSidesKnown();
  void midnightKeepsShortTimeInSchedule();
  void scheduleInSpanish();
  void closeButtonClosesWindow();

  void calendarFile_data();
  void calendarFile();
  void secondExportUpdatesEvents();
};

namespace {

const double Eniwetok = -21 / 24.0;   // entry 0, GMT-12
const double London = -9 / 24.0;      // entry 12, GMT-0
const double Nukualofa = 4 / 24.0;    // entry 29, GMT+13

// What the schedule window showed when it was opened.
struct TShownSchedule {
  QString objectName;
  QString caption;
  QString closeCaption;
  QStringList lines;
};

TShownSchedule openSchedule(TGridDriver &g)
{
  TShownSchedule shown;
  g.dialogs().onModal = [&shown](QDialog *dialog) {
    auto *form = qobject_cast<TScheduleForm *>(dialog);
    if (!form)
      return int(QDialog::Rejected);
    shown.objectName = form->objectName();
    shown.caption = form->windowTitle();
    shown.closeCaption = form->CloseButton->text();
    for (int i = 0; i < form->ScheduleLB->count(); ++i)
      shown.lines << form->ScheduleLB->item(i)->text();
    return int(QDialog::Accepted);
  };
  g.form().menuItem("Schedule1")->trigger();
  g.dialogs().onModal = nullptr;
  return shown;
}

// Applies a time zone or a language as the options dialog's OK does.
void chooseTimeZone(TGridDriver &g, double offset)
{
  TPreferences chosen = g.form().document().preferences();
  chosen.timeZoneOffset = offset;
  g.form().document().setPreferences(chosen);
}

void chooseLanguage(TGridDriver &g, int language) { g.choosePreferences(language); }

// A moment of 2002, as the calendar gives kick-offs.
QDateTime at2002(int day, int month, int hour, int minute)
{
  return QDateTime(QDate(2002, month, day), QTime(hour, minute), Qt::UTC);
}

// Exports the calendar to path, through the schedule window's button or the
// menu, and reads it back with Python's icalendar package: the events by
// match number - 1, or nothing with the reason in skip.
QJsonArray exportAndRead(TGridDriver &g, const QString &path, bool button, QString *skip)
{
  g.dialogs().savedFiles << path;
  g.dialogs().onModal = [](QDialog *dialog) {
    QTest::mouseClick(qobject_cast<TScheduleForm *>(dialog)->ExportButton, Qt::LeftButton);
    return int(QDialog::Rejected);
  };
  button ? g.form().menuItem("Schedule1")->trigger() : g.form().menuItem("ExportCalendar1")->trigger();
  QProcess reader;   // the system's Python, which python3-icalendar is for
  reader.start(QFileInfo::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3",
               {BRAKKA_TEST_DATA "/../readCalendar.py", path});
  const bool ran = reader.waitForFinished(60000);   // a file it cannot read fails below
  *skip = !ran ? reader.errorString() : reader.exitCode() == 77 ? reader.readAllStandardOutput() : "";
  if (const QByteArray trouble = reader.readAllStandardError(); !trouble.isEmpty())
    qWarning().noquote() << trouble;
  return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
}

}  // namespace

// ---------------------------------------------------------------- time zones

void TestSchedule::timeZoneEntries_data()
{
  QTest::addColumn<int>("entry");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("hours");
  QTest::addColumn<QString>("code");

  QTest::newRow("first") << 0 << "(GMT-12) Eniwetok, Kwajalein" << -21 << "x35";
  QTest::newRow("London") << 12 << "(GMT-0)  London, Dublin, Lisbon, Casablanca" << -9 << "x35";
  QTest::newRow("GMT+1 A") << 13 << "(GMT+1)  Amsterdam, Berlin, Rome, Stokholm, Vienna" << -8 << "GMTP1A";
  QTest::newRow("GMT+1 C") << 15 << "(GMT+1)  Valencia, Copenhagen, Paris, Sarajevo" << -8 << "GMTP1C";
  QTest::newRow("GMT+1 D") << 16 << "(GMT+1)  Warsaw, West Central Africa, Zagreb" << -8 << "GMTP1D";
  QTest::newRow("GMT+2 B") << 18 << "(GMT+2)  Athens, Cairo, Helsinki, Pretoria" << -7 << "GMTP2B";
  QTest::newRow("GMT+3") << 19 << "(GMT+3)  Baghdad, Moscow, Nairobi, Riyadh" << -6 << "x35";
  QTest::newRow("hosts") << 25 << "(GMT+9)  Osaka, Seoul, Tokyo" << 0 << "x35";
  QTest::newRow("last") << 29 << "(GMT+13) Nukualofa" << 4 << "x35";
}

void TestSchedule::timeZoneEntries()
{
  QFETCH(int, entry);
  QFETCH(QString, caption);
  QFETCH(int, hours);
  QFETCH(QString, code);

  QCOMPARE(QString::fromLatin1(TimeZones()[entry].caption), caption);
  QCOMPARE(TimeZones()[entry].hours, hours);
  // Exactly the zone's hours over 24, the value the settings file keeps.
  QCOMPARE(TimeZoneOffsetOf(entry), hours / 24.0);
  QCOMPARE(TimeZoneCodeOf(entry), code);
}

void TestSchedule::timeZoneCaptionsLineUp()
{
  // "(GMT-9)  Alaska" but "(GMT-10) Hawaii": the place names start in one column,
  // and the hours in the caption are the offset plus 9.
  const QRegularExpression form(QStringLiteral("^\\(GMT([+-]\\d{1,2})\\) +(\\S.*)$"));
  int previous = -100;
  for (const TTimeZone &zone : TimeZones()) {
    const QString caption = QString::fromLatin1(zone.caption);
    const QRegularExpressionMatch m = form.match(caption);
    QVERIFY2(m.hasMatch(), qPrintable(caption));
    QCOMPARE(m.capturedStart(2), 9);
    QCOMPARE(m.captured(1).toInt(), zone.hours + 9);
    QVERIFY2(zone.hours >= previous, qPrintable(caption));
    previous = zone.hours;
  }
}

void TestSchedule::timeZoneOutsideListIsHostsTime()
{
  for (int entry : {-1, 30, std::numeric_limits<int>::min()}) {
    QCOMPARE(TimeZoneOffsetOf(entry), 0.0);
    QCOMPARE(TimeZoneCodeOf(entry), QStringLiteral("x35"));
  }
}

void TestSchedule::timeZoneEntryFor_data()
{
  QTest::addColumn<double>("offset");
  QTest::addColumn<QString>("code");
  QTest::addColumn<int>("entry");

  QTest::newRow("hosts' time") << 0.0 << "x35" << 25;
  QTest::newRow("first entry") << Eniwetok << "x35" << 0;
  QTest::newRow("London") << London << "x35" << 12;
  QTest::newRow("GMT+1 Paris by code") << -8 / 24.0 << "GMTP1C" << 15;
  QTest::newRow("GMT+2 Athens by code") << -7 / 24.0 << "GMTP2B" << 18;
  QTest::newRow("code wins over offset") << 0.0 << "GMTP1D" << 16;
  QTest::newRow("GMT+1 without code") << -8 / 24.0 << "x35" << 13;
  QTest::newRow("unknown code counts from offset") << -8 / 24.0 << "gmtp1c" << 13;
  QTest::newRow("GMT+3 skips the coded entries") << -6 / 24.0 << "x35" << 19;
  QTest::newRow("last entry") << Nukualofa << "x35" << 29;
  QTest::newRow("as the file writes -8/24") << -0.333333333333333 << "x35" << 13;
  QTest::newRow("as the file writes 4/24") << 0.166666666666667 << "x35" << 29;
  QTest::newRow("beyond the list") << 1.0 << "x35" << 49;
  QTest::newRow("far beyond the list") << 1.0e300 << "x35" << 1004;
  QTest::newRow("not a number") << std::nan("") << "x35" << -1;
}

void TestSchedule::timeZoneEntryFor()
{
  QFETCH(double, offset);
  QFETCH(QString, code);
  QFETCH(int, entry);
  QCOMPARE(TimeZoneEntryFor(offset, code), entry);
}

void TestSchedule::everyTimeZoneFoundBack()
{
  for (int entry = 0; entry < TimeZoneCount; ++entry)
    QCOMPARE(TimeZoneEntryFor(TimeZoneOffsetOf(entry), TimeZoneCodeOf(entry)), entry);
}

// ---------------------------------------------------------------- kick-off

void TestSchedule::shownKickoff_data()
{
  QTest::addColumn<double>("offset");
  QTest::addColumn<int>("match");
  QTest::addColumn<QDateTime>("shown");

  QTest::newRow("hosts' time, match 1") << 0.0 << 1 << at2002(31, 5, 20, 30);
  QTest::newRow("GMT-12, match 1 a day earlier") << Eniwetok << 1 << at2002(30, 5, 23, 30);
  QTest::newRow("GMT-12, match 5") << Eniwetok << 5 << at2002(1, 6, 17, 30);
  QTest::newRow("GMT+13, final at midnight") << Nukualofa << 64 << at2002(1, 7, 0, 0);
  QTest::newRow("London, match 1") << London << 1 << at2002(31, 5, 11, 30);
  QTest::newRow("Paris as the file writes it") << -0.333333333333333 << 1 << at2002(31, 5, 12, 30);
  QTest::newRow("GMT+13 as the file writes it") << 0.166666666666667 << 63 << at2002(30, 6, 0, 0);
  QTest::newRow("GMT-8, third place") << -17 / 24.0 << 63 << at2002(29, 6, 3, 0);
}

void TestSchedule::shownKickoff()
{
  QFETCH(double, offset);
  QFETCH(int, match);
  QFETCH(QDateTime, shown);
  QCOMPARE(ShownKickoff(MatchCalendar()[match - 1], offset), shown);
}

void TestSchedule::hostsZoneShowsCalendarUnchanged()
{
  TFakeRegional formats;
  const auto kickoffs = KickoffTexts(formats, TimeZoneOffsetOf(HostsTimeZoneEntry));
  for (int m = 0; m < MatchCount; ++m) {
    const TCalendarMatch &match = MatchCalendar()[m];
    const QDateTime local = LocalKickoff(match);
    QCOMPARE(ShownKickoff(match, 0.0), local);
    QVERIFY2(kickoffs[m].endsWith(QStringLiteral("/2002 %1:%2:00")
                                      .arg(match.hour, 2, 10, QLatin1Char('0'))
                                      .arg(match.minute, 2, 10, QLatin1Char('0'))),
             qPrintable(kickoffs[m]));
  }
  QCOMPARE(kickoffs[0], QStringLiteral("Friday, 31/05/2002 20:30:00"));
}

void TestSchedule::strangeOffsetsNeverFail_data()
{
  QTest::addColumn<double>("offset");
  QTest::addColumn<bool>("moves");
  QTest::newRow("not a number") << std::nan("") << false;
  QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false;
  QTest::newRow("huge") << 1.0e300 << true;
  QTest::newRow("hugely negative") << -1.0e300 << true;
  QTest::newRow("half an hour") << 1 / 48.0 << true;
}

void TestSchedule::strangeOffsetsNeverFail()
{
  // A hand-edited settings file: the offset is still added where it is a
  // number, and the kick-off stays a valid moment with a text.
  QFETCH(double, offset);
  QFETCH(bool, moves);
  const TCalendarMatch &first = MatchCalendar()[0];
  const QDateTime shown = ShownKickoff(first, offset);
  QVERIFY(shown.isValid());
  QCOMPARE(shown != LocalKickoff(first), moves);
  TFakeRegional formats;
  QVERIFY(!KickoffText(formats, shown).isEmpty());
}

void TestSchedule::kickoffText_data()
{
  QTest::addColumn<QDateTime>("moment");
  QTest::addColumn<QString>("hint");
  QTest::addColumn<QString>("schedule");

  QTest::newRow("evening") << at2002(31, 5, 20, 30) << "Friday, 31/05/2002 20:30:00"
                           << "31/05/2002 (Friday) 20:30";
  QTest::newRow("midnight") << at2002(1, 7, 0, 0) << "Monday, 01/07/2002" << "01/07/2002 (Monday) 00:00";
  QTest::newRow("a minute after midnight") << at2002(1, 7, 0, 1) << "Monday, 01/07/2002 00:01:00"
                                           << "01/07/2002 (Monday) 00:01";
  QTest::newRow("half past midnight") << at2002(2, 6, 0, 30) << "Sunday, 02/06/2002 00:30:00"
                                      << "02/06/2002 (Sunday) 00:30";
}

void TestSchedule::kickoffText()
{
  QFETCH(QDateTime, moment);
  QFETCH(QString, hint);
  QFETCH(QString, schedule);
  TFakeRegional formats;
  QCOMPARE(KickoffText(formats, moment), hint);
  QCOMPARE(ScheduleTimeText(formats, moment), schedule);
}

void TestSchedule::timeZoneFieldLeftOut_data()
{
  QTest::addColumn<QString>("format");
  QTest::addColumn<QString>("expected");
  QTest::newRow("24-hour") << "HH:mm:ss t" << "HH:mm:ss";
  QTest::newRow("12-hour") << "h:mm:ss AP t" << "h:mm:ss AP";
  QTest::newRow("long zone name") << "HH:mm:ss tttt" << "HH:mm:ss";
  QTest::newRow("zone first") << "t HH:mm:ss" << "HH:mm:ss";
  QTest::newRow("zone in the middle") << "HH:mm t 'h'" << "HH:mm 'h'";
  QTest::newRow("quoted t kept") << "H 'time' mm" << "H 'time' mm";
  QTest::newRow("no zone") << "HH:mm" << "HH:mm";
  QTest::newRow("empty") << "" << "";
  QTest::newRow("zone in brackets") << "H:mm:ss (t)" << "H:mm:ss";
  QTest::newRow("zone in square brackets") << "APh:mm:ss [t]" << "APh:mm:ss";
  QTest::newRow("zone in brackets, first") << "[t] HH:mm:ss" << "HH:mm:ss";
  QTest::newRow("comma before the zone") << "HH:mm:ss, t" << "HH:mm:ss";
  QTest::newRow("quoted text before the zone") << "'Klock' H.mm:ss (t)" << "'Klock' H.mm:ss";
  QTest::newRow("doubled quote in quoted text") << "H 'o''clock' (t) mm" << "H 'o''clock' mm";
  QTest::newRow("quoted brackets kept") << "HH:mm '(t)'" << "HH:mm '(t)'";
  QTest::newRow("unknown day period") << "Bh:mm:ss [t]" << "APh:mm:ss";
}

void TestSchedule::timeZoneFieldLeftOut()
{
  QFETCH(QString, format);
  QFETCH(QString, expected);
  QCOMPARE(ShownTimeFormat(format), expected);
}

void TestSchedule::everyLocaleShowsTimeWithoutZone()
{
  const QDateTime kickoff = at2002(31, 5, 20, 30);
  const QString zone = QLocale::c().toString(kickoff.toLocalTime(), QStringLiteral("t"));
  const QString utcZone = QLocale::c().toString(kickoff, QStringLiteral("t"));
  const QList<QLocale> locales =
      QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
  QVERIFY(locales.size() > 300);
  for (const QLocale &locale : locales) {
    const auto formats = RegionalFormatsOf(locale);
    const QString longTime = formats->longTime(kickoff);
    const QString shown = longTime + QLatin1Char('|') + KickoffText(*formats, kickoff) +
                          QLatin1Char('|') + formats->shortTime(kickoff);
    const QByteArray what = (locale.name() + QStringLiteral(": ") + shown).toUtf8();
    for (const QString &left : {QStringLiteral("()"), QStringLiteral("[]"), QStringLiteral("( )"),
                                QStringLiteral("[ ]"), zone, utcZone})
      QVERIFY2(!shown.contains(left), what.constData());
    // A day period the formatter does not know would show as a letter.
    if (!locale.pmText().contains(QLatin1Char('B'), Qt::CaseInsensitive))
      QVERIFY2(!longTime.contains(QLatin1Char('B')), what.constData());
    QVERIFY2(!longTime.endsWith(QLatin1Char(',')) && !longTime.endsWith(QLatin1Char(' ')), what.constData());
    QVERIFY2(longTime.contains(locale.toString(30)), what.constData());
    QVERIFY2(longTime.contains(locale.toString(20)) || longTime.contains(locale.toString(8)),
             what.constData());
  }
}

void TestSchedule::systemFormatsShowNoTimeZone()
{
  const auto formats = DesktopRegionalFormats();
  const QDateTime kickoff = at2002(31, 5, 20, 30);
  const QString longTime = formats->longTime(kickoff);
  QVERIFY2(longTime.contains(QStringLiteral("30")), qPrintable(longTime));
  for (const char *zone : {"UTC", "GMT", "Coordinated"})
    QVERIFY2(!longTime.contains(QLatin1String(zone)), qPrintable(longTime));
  QVERIFY(!formats->shortDate(kickoff).isEmpty());
  QVERIFY(formats->shortTime(kickoff).contains(QStringLiteral("30")));
  QCOMPARE(formats->weekdayName(kickoff), QLocale::system().dayName(5, QLocale::LongFormat));
}

// ---------------------------------------------------------------- calendar

void TestSchedule::calendarFitsTheGrid()
{
  TGridDriver g;
  QSet<QString> labels;
  QDateTime previous;
  for (const TCalendarMatch &match : MatchCalendar()) {
    for (int s = 0; s < 2; ++s) {
      const QString name = LabelName(TeamLabel(match.match, s));
      QVERIFY2(g.form().label(name), qPrintable(name));
      labels.insert(name);
    }
    QVERIFY(match.venue >= 0 && match.venue < VenueCount);
    const QDateTime kickoff = LocalKickoff(match);
    QVERIFY(kickoff.isValid());
    QVERIFY2(!previous.isValid() || previous <= kickoff, qPrintable(LabelName(TeamLabel(match.match, 0))));
    previous = kickoff;
    // Only the knockout labels have a pairing to show while undecided.
    QCOMPARE(match.pairing != nullptr, !IsGroupMatch(match.match));
  }
  QCOMPARE(labels.size(), 2 * MatchCount);
}

// ---------------------------------------------------------------- hints

void TestSchedule::hints_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("labelName");
  QTest::addColumn<QString>("hint");

  // Weekdays and dates follow the regional settings, not the interface language.
  QTest::newRow("English group A") << int(LangEnglish) << "GA11Lbl"
                                   << "Seoul (South Korea)\nFriday, 31/05/2002 20:30:00";
  QTest::newRow("Spanish group A side 2") << int(LangSpanish) << "GA12Lbl"
                                          << "Seúl (Corea)\nFriday, 31/05/2002 20:30:00";
  QTest::newRow("Spanish last 16") << int(LangSpanish) << "Final812Lbl"
                                   << "Sogwipo (Corea)\nSaturday, 15/06/2002 15:30:00";
  QTest::newRow("French group H") << int(LangFrench) << "GH21Lbl"
                                  << "Kobé (Japon)\nWednesday, 05/06/2002 15:30:00";
  QTest::newRow("French final") << int(LangFrench) << "Final11Lbl"
                                << "Yokohama (Japon)\nSunday, 30/06/2002 20:00:00";
  QTest::newRow("English third place") << int(LangEnglish) << "Third12Lbl"
                                       << "Daegu (South Korea)\nSaturday, 29/06/2002 20:00:00";
  QTest::newRow("Spanish quarter-final") << int(LangSpanish) << "Final432Lbl"
                                         << "Kwangju (Corea)\nSaturday, 22/06/2002 15:30:00";
}

void TestSchedule::hints()
{
  QFETCH(int, language);
  QFETCH(QString, labelName);
  QFETCH(QString, hint);
  TGridDriver g;
  chooseLanguage(g, language);
  QCOMPARE(g.label(labelName)->toolTip(), hint);
}

void TestSchedule::everyTeamLabelCarriesItsMatchHint()
{
  TGridDriver g;
  for (int language : {int(LangEnglish), int(LangFrench)}) {
    chooseLanguage(g, language);
    const auto kickoffs = KickoffTexts(g.regional(), g.form().document().preferences().timeZoneOffset);
    for (int m = 0; m < MatchCount; ++m) {
      const TCalendarMatch &match = MatchCalendar()[m];
      const QString expected = VenueNameIn(language, match.venue) + QLatin1Char('\n') + kickoffs[m];
      QCOMPARE(g.label(LabelName(TeamLabel(match.match, 0)))->toolTip(), expected);
      QCOMPARE(g.label(LabelName(TeamLabel(match.match, 1)))->toolTip(), expected);
    }
  }
}

void TestSchedule::newTimeZoneReachesHints()
{
  TGridDriver g;
  chooseTimeZone(g, Eniwetok);
  QCOMPARE(g.label("GA11Lbl")->toolTip(), QStringLiteral("Seoul (South Korea)\nThursday, 30/05/2002 23:30:00"));
  QCOMPARE(g.label("GF12Lbl")->toolTip(), QStringLiteral("Ibaraki (Japan)\nSaturday, 01/06/2002 17:30:00"));

  // GMT+13: the final falls on midnight, so its hint has no time.
  chooseTimeZone(g, Nukualofa);
  QCOMPARE(g.label("Final12Lbl")->toolTip(), QStringLiteral("Yokohama (Japan)\nMonday, 01/07/2002"));

  chooseTimeZone(g, London);
  QCOMPARE(g.label("GA12Lbl")->toolTip(), QStringLiteral("Seoul (South Korea)\nFriday, 31/05/2002 11:30:00"));
}

// ---------------------------------------------------------------- window

void TestSchedule::scheduleWindow()
{
  TGridDriver g;
  QPointer<TScheduleForm> opened;
  g.dialogs().onModal = [&opened](QDialog *dialog) {
    opened = qobject_cast<TScheduleForm *>(dialog);
    if (!opened)
      return int(QDialog::Rejected);
    // A fixed-size window of its own, above the others, with no title-bar buttons.
    const Qt::WindowFlags flags = opened->windowFlags();
    [&] {
      QVERIFY(flags & Qt::WindowStaysOnTopHint);
      QVERIFY(!(flags & Qt::WindowCloseButtonHint));
      QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
      QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
      QCOMPARE(opened->minimumSize(), QSize(625, 408));
      QCOMPARE(opened->maximumSize(), QSize(625, 408));
      QVERIFY(QFontInfo(opened->ScheduleLB->font()).fixedPitch());
      QCOMPARE(opened->ScheduleLB->font().pixelSize(), 12);
      QCOMPARE(opened->ScheduleLB->sizeHintForRow(0), 15);
    }();
    return int(QDialog::Accepted);
  };
  g.form().menuItem("Schedule1")->trigger();
  QVERIFY(!QTest::currentTestFailed());
  QCOMPARE(g.dialogs().modalWindows.last(), QStringLiteral("ScheduleForm"));
  QVERIFY(opened);
  QCOMPARE(opened->parent(), &g.form());

  const TShownSchedule shown = openSchedule(g);
  QCOMPARE(shown.caption, QStringLiteral("BRAKKA - Game Schedule"));
  QCOMPARE(shown.closeCaption, QStringLiteral("&Close"));
  QCOMPARE(shown.lines.size(), MatchCount);
}

void TestSchedule::scheduleLines_data()
{
  QTest::addColumn<double>("offset");
  QTest::addColumn<int>("match");
  QTest::addColumn<QString>("line");

  QTest::newRow("first match") << 0.0 << 1
                               << "1:  31/05/2002 (Friday) 20:30     :  France - Senegal";
  QTest::newRow("last one-digit number") << 0.0 << 9
                                         << "9:  03/06/2002 (Monday) 15:30     :  Croatia - Mexico";
  QTest::newRow("first two-digit number") << 0.0 << 10
                                          << "10: 03/06/2002 (Monday) 18:00     :  Brazil - Turkey";
  QTest::newRow("last group match") << 0.0 << 48
                                    << "48: 14/06/2002 (Friday) 20:30     :  Poland - USA";
  QTest::newRow("third place undecided") << 0.0 << 63
                                         << "63: 29/06/2002 (Saturday) 20:00   :  2-61 - 2-62";
  QTest::newRow("final undecided") << 0.0 << 64
                                   << "64: 30/06/2002 (Sunday) 20:00     :  1-61 - 1-62";
  QTest::newRow("GMT-12 first match") << Eniwetok << 1
                                      << "1:  30/05/2002 (Thursday) 23:30   :  France - Senegal";
  QTest::newRow("GMT-12 match 5") << Eniwetok << 5
                                  << "5:  01/06/2002 (Saturday) 17:30   :  Argentina - Nigeria";
  QTest::newRow("London first match") << London << 1
                                      << "1:  31/05/2002 (Friday) 11:30     :  France - Senegal";
  QTest::newRow("Wednesday fills the field") << 0.0 << 17
                                             << "17: 05/06/2002 (Wednesday) 20:30  :  Germany - Ireland";
}

void TestSchedule::scheduleLines()
{
  QFETCH(double, offset);
  QFETCH(int, match);
  QFETCH(QString, line);
  TGridDriver g;
  chooseTimeZone(g, offset);
  QCOMPARE(openSchedule(g).lines.value(match - 1), line);
}

void TestSchedule::fieldsLineUp()
{
  TGridDriver g;
  const QStringList lines = openSchedule(g).lines;
  QCOMPARE(lines.size(), MatchCount);
  for (int m = 1; m <= MatchCount; ++m) {
    const QString &line = lines[m - 1];
    const QString number = QString::number(m) + QLatin1Char(':');
    QCOMPARE(line.left(4), number.leftJustified(4));
    QCOMPARE(line.mid(4, 10), ShownKickoff(MatchCalendar()[m - 1], 0.0).toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(line.mid(34, 3), QStringLiteral(":  "));
  }
  // A time text longer than its field is not cut.
  QCOMPARE(ScheduleLine(7, QString(32, QLatin1Char('t')), QStringLiteral(":  a - b")),
           QStringLiteral("7:  ") + QString(32, QLatin1Char('t')) + QStringLiteral(":  a - b"));
}

void TestSchedule::simultaneousMatchesKeepOrder_data()
{
  QTest::addColumn<int>("first");
  QTest::addColumn<QString>("firstTeams");
  QTest::addColumn<QString>("secondTeams");
  QTest::newRow("33/34") << 33 << ":  Denmark - France" << ":  Senegal - Uruguay";
  QTest::newRow("35/36") << 35 << ":  Saudi Arabia - Ireland" << ":  Cameroon - Germany";
  QTest::newRow("39/40") << 39 << ":  South Africa - Spain" << ":  Slovenia - Paraguay";
  QTest::newRow("45/46") << 45 << ":  Tunisia - Japan" << ":  Belgium - Russia";
  QTest::newRow("47/48") << 47 << ":  Portugal - South Korea" << ":  Poland - USA";
}

void TestSchedule::simultaneousMatchesKeepOrder()
{
  QFETCH(int, first);
  QFETCH(QString, firstTeams);
  QFETCH(QString, secondTeams);
  TGridDriver g;
  const QStringList lines = openSchedule(g).lines;
  const QString a = lines.value(first - 1);
  const QString b = lines.value(first);
  QCOMPARE(a.mid(4, 30), b.mid(4, 30));
  QCOMPARE(a.mid(34), firstTeams);
  QCOMPARE(b.mid(34), secondTeams);
}

void TestSchedule::knockoutPairingsUntilBothSidesKnown()
{
  TGridDriver g;
  QStringList lines = openSchedule(g).lines;
  // The 1/8-final slots start with the groups' initial places; every later
  // round waits for its teams.
  QCOMPARE(lines[48].mid(34), QStringLiteral(":  Cameroon - Slovenia"));
  QCOMPARE(lines[55].mid(34), QStringLiteral(":  Poland - Ecuador"));
  for (int m = 57; m <= MatchCount; ++m)
    QCOMPARE(lines[m - 1].mid(34), QLatin1String(MatchCalendar()[m - 1].pairing));

  // Quarter-final 58 (49 - 53): the pairing stays while one side is known.
  g.score(QStringLiteral("Final81"), QStringLiteral("1-0"));
  QCOMPARE(g.text("Final421Lbl"), QStringLiteral("Cameroon"));
  QCOMPARE(openSchedule(g).lines[57].mid(34), QStringLiteral(":  49 - 53"));
  g.score(QStringLiteral("Final85"), QStringLiteral("0-1"));
  QCOMPARE(openSchedule(g).lines[57].mid(34), QStringLiteral(":  Cameroon - Portugal"));

  // Quarter-final 57 (50 - 54) with only its second side known.
  g.score(QStringLiteral("Final86"), QStringLiteral("2-0"));
  QCOMPARE(g.text("Final411Lbl"), Placeholder);
  QCOMPARE(g.text("Final412Lbl"), QStringLiteral("Brazil"));
  QCOMPARE(openSchedule(g).lines[56].mid(34), QStringLiteral(":  50 - 54"));

  // Group scores change the 1/8-final lines with the slots.
  g.score(QStringLiteral("GE1"), QStringLiteral("1-0"));
  QCOMPARE(openSchedule(g).lines[48].mid(34),
           QStringLiteral(":  ") + g.text("Final811Lbl") + QStringLiteral(" - Slovenia"));
  QCOMPARE(g.text("Final811Lbl"), QStringLiteral("Ireland"));

  // The whole tournament: every line shows its two teams.
  TGridDriver played;
  PlayAll(played);
  lines = openSchedule(played).lines;
  QCOMPARE(lines[48].mid(34), QStringLiteral(":  Germany - Paraguay"));
  QCOMPARE(lines[56].mid(34), QStringLiteral(":  England - Brazil"));
  QCOMPARE(lines[62].mid(34), QStringLiteral(":  South Korea - Turkey"));
  QCOMPARE(lines[63].mid(34), QStringLiteral(":  Germany - Brazil"));
  for (const QString &line : lines)
    QVERIFY2(!line.contains(QRegularExpression(QStringLiteral("\\d - \\d|x{10}"))), qPrintable(line));
}

void TestSchedule::midnightKeepsShortTimeInSchedule()
{
  TGridDriver g;
  chooseTimeZone(g, Nukualofa);
  QCOMPARE(openSchedule(g).lines.value(63), QStringLiteral("64: 01/07/2002 (Monday) 00:00     :  1-61 - 1-62"));
  QCOMPARE(g.label("Final11Lbl")->toolTip(), QStringLiteral("Yokohama (Japan)\nMonday, 01/07/2002"));
}

void TestSchedule::scheduleInSpanish()
{
  TGridDriver g;
  chooseLanguage(g, LangSpanish);
  const TShownSchedule shown = openSchedule(g);
  QCOMPARE(shown.caption, QStringLiteral("BRAKKA - Calendario de Partidos"));
  QCOMPARE(shown.closeCaption, QStringLiteral("&Cerrar"));
  QCOMPARE(shown.lines.value(0), QStringLiteral("1:  31/05/2002 (Friday) 20:30     :  Francia - Senegal"));
  QCOMPARE(shown.lines.value(13).mid(34), QStringLiteral(":  Corea - Polonia"));
}

void TestSchedule::closeButtonClosesWindow()
{
  TGridDriver g;
  bool closed = false;
  g.dialogs().onModal = [&closed](QDialog *dialog) {
    auto *form = qobject_cast<TScheduleForm *>(dialog);
    form->show();
    QTest::mouseClick(form->CloseButton, Qt::LeftButton);
    closed = form->isHidden();
    return form->result();
  };
  g.form().menuItem("Schedule1")->trigger();
  QVERIFY(closed);
}

void TestSchedule::calendarFile_data()
{
  QTest::addColumn<int>("language");
  QTest::addColumn<bool>("played");
  QTest::addColumn<int>("number");
  QTest::addColumn<QStringList>("shown");   // summary, location, description
  QTest::newRow("group match") << 0 << true << 1
      << QStringList{u"France – Senegal"_qs, "Seoul (South Korea)", "Group A\nFrance 0 - 1 Senegal"};
  QTest::newRow("shoot-out") << 0 << true << 52 << QStringList{
      u"Spain – Ireland"_qs, "Suwon (South Korea)", "1/8 final\nSpain 1 - 1 Ireland (pen. 3 - 2)"};
  QTest::newRow("final, French") << 2 << true << 64 << QStringList{
      u"Allemagne – Brésil"_qs, "Yokohama (Japon)", u"Finale\nAllemagne 0 - 2 Brésil"_qs};
  QTest::newRow("group match to come, French") << 2 << false << 14
      << QStringList{u"Corée du Sud – Pologne"_qs, u"Busan (Corée du Sud)"_qs, "Groupe D"};
  QTest::newRow("quarter-final to come") << 0 << false << 57
      << QStringList{u"Winner Match 50 – Winner Match 54"_qs, "Shizuoka (Japan)", "1/4 final"};
  QTest::newRow("final to come") << 0 << false << 64
      << QStringList{u"Winner Match 61 – Winner Match 62"_qs, "Yokohama (Japan)", "Final"};
  QTest::newRow("third place to come, Spanish") << 1 << false << 63 << QStringList{
      u"Perdedor del partido 61 – Perdedor del partido 62"_qs, "Taegu (Corea)", "Tercer puesto"};
}

void TestSchedule::calendarFile()
{
  QFETCH(int, language);
  QFETCH(bool, played);
  QFETCH(int, number);
  TGridDriver g;
  chooseLanguage(g, language);
  if (played)
    PlayAll(g);
  QTemporaryDir out;
  QString skip;
  const QJsonArray events = exportAndRead(g, out.filePath("Brakka.ics"), true, &skip);
  if (!skip.isEmpty())
    QSKIP(qPrintable(skip));
  QCOMPARE(g.dialogs().saveRequests.last().fileName, QStringLiteral("Brakka.ics"));
  QCOMPARE(g.dialogs().saveRequests.last().filter, QStringLiteral("iCalendar file (*.ics)"));

  // Every kick-off, given in the hosts' UTC+9, is the same moment in UTC.
  QCOMPARE(events.size(), MatchCount);
  for (int m = 0; m < MatchCount; ++m) {
    const TCalendarMatch &match = MatchCalendar()[m];
    const QDateTime hosts(QDate(2002, match.month, match.day), QTime(match.hour, match.minute),
                          Qt::OffsetFromUTC, 9 * 3600);
    QCOMPARE(QDateTime::fromString(events[m]["start"].toString(), Qt::ISODate), hosts);
    QCOMPARE(QDateTime::fromString(events[m]["end"].toString(), Qt::ISODate), hosts.addSecs(2 * 3600));
    QCOMPARE(events[m]["uid"].toString(), QStringLiteral("match-%1@brakka").arg(m + 1, 2, 10, QChar('0')));
  }
  QCOMPARE(events[0]["start"].toString(), QStringLiteral("2002-05-31T11:30:00+00:00"));
  QCOMPARE(events[63]["start"].toString(), QStringLiteral("2002-06-30T11:00:00+00:00"));
  QTEST(events[number - 1]["shown"].toVariant().toStringList(), "shown");
}

void TestSchedule::secondExportUpdatesEvents()
{
  TGridDriver g;
  PlayAll(g);
  QTemporaryDir out;
  QString skip;
  const QJsonArray first = exportAndRead(g, out.filePath("Brakka.ics"), false, &skip);
  if (!skip.isEmpty())
    QSKIP(qPrintable(skip));
  g.score(QStringLiteral("Final1"), QStringLiteral("3-2"));
  const QJsonArray second = exportAndRead(g, out.filePath("Brakka.ics"), false, &skip);
  QCOMPARE(second.size(), MatchCount);
  for (int m = 0; m < MatchCount; ++m) {
    QCOMPARE(second[m]["uid"], first[m]["uid"]);
    QVERIFY(second[m]["sequence"].toInt() >= first[m]["sequence"].toInt());
  }
  QCOMPARE(second[63]["shown"][2].toString(), QStringLiteral("Final\nGermany 3 - 2 Brazil"));
}

QTEST_MAIN(TestSchedule)
#include "tst_schedule.moc"
