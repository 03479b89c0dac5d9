#include "core/schedule/calendar.h"

#include "core/groups/fixtures.h"
#include "core/schedule/regional.h"

#include <QtGlobal>
#include <cmath>

namespace {

// The venue table's order: ten venues in South Korea, then ten in Japan.
enum : int {
  Seoul, Ulsan, Daegu, Busan, Incheon, Suwon, Gwangju, Jeonju, Seogwipo, Daejeon,
  Niigata, Ibaraki, Sapporo, Saitama, Yokohama, Shizuoka, Kobe, Miyagi, Osaka, Oita
};

const std::array<TCalendarMatch, MatchCount> Calendar = {{
  // Group stage
  {31, 5, 20, 30, "GA11Lbl", "GA12Lbl", nullptr, Seoul},       //  1 France - Senegal
  {1, 6, 15, 30, "GE11Lbl", "GE12Lbl", nullptr, Niigata},      //  2 Ireland - Cameroon
  {1, 6, 18, 0, "GA21Lbl", "GA22Lbl", nullptr, Ulsan},         //  3 Uruguay - Denmark
  {1, 6, 20, 30, "GE21Lbl", "GE22Lbl", nullptr, Sapporo},      //  4 Germany - Saudi Arabia
  {2, 6, 14, 30, "GF11Lbl", "GF12Lbl", nullptr, Ibaraki},      //  5 Argentina - Nigeria
  {2, 6, 16, 30, "GB11Lbl", "GB12Lbl", nullptr, Busan},        //  6 Paraguay - South Africa
  {2, 6, 18, 30, "GF21Lbl", "GF22Lbl", nullptr, Saitama},      //  7 England - Sweden
  {2, 6, 20, 30, "GB21Lbl", "GB22Lbl", nullptr, Gwangju},      //  8 Spain - Slovenia
  {3, 6, 15, 30, "GG11Lbl", "GG12Lbl", nullptr, Niigata},      //  9 Croatia - Mexico
  {3, 6, 18, 0, "GC11Lbl", "GC12Lbl", nullptr, Ulsan},         // 10 Brazil - Turkey
  {3, 6, 20, 30, "GG21Lbl", "GG22Lbl", nullptr, Sapporo},      // 11 Italy - Ecuador
  {4, 6, 15, 30, "GC21Lbl", "GC22Lbl", nullptr, Gwangju},      // 12 China - Costa Rica
  {4, 6, 18, 0, "GH11Lbl", "GH12Lbl", nullptr, Saitama},       // 13 Japan - Belgium
  {4, 6, 20, 30, "GD11Lbl", "GD12Lbl", nullptr, Busan},        // 14 South Korea - Poland
  {5, 6, 15, 30, "GH21Lbl", "GH22Lbl", nullptr, Kobe},         // 15 Russia - Tunisia
  {5, 6, 18, 0, "GD21Lbl", "GD22Lbl", nullptr, Suwon},         // 16 USA - Portugal
  {5, 6, 20, 30, "GE31Lbl", "GE32Lbl", nullptr, Ibaraki},      // 17 Germany - Ireland
  {6, 6, 15, 30, "GA31Lbl", "GA32Lbl", nullptr, Daegu},        // 18 Denmark - Senegal
  {6, 6, 18, 0, "GE41Lbl", "GE42Lbl", nullptr, Saitama},       // 19 Cameroon - Saudi Arabia
  {6, 6, 20, 30, "GA41Lbl", "GA42Lbl", nullptr, Busan},        // 20 France - Uruguay
  {7, 6, 15, 30, "GF31Lbl", "GF32Lbl", nullptr, Kobe},         // 21 Sweden - Nigeria
  {7, 6, 18, 0, "GB31Lbl", "GB32Lbl", nullptr, Jeonju},        // 22 Spain - Paraguay
  {7, 6, 20, 30, "GF41Lbl", "GF42Lbl", nullptr, Sapporo},      // 23 Argentina - England
  {8, 6, 15, 30, "GB41Lbl", "GB42Lbl", nullptr, Daegu},        // 24 South Africa - Slovenia
  {8, 6, 18, 0, "GG31Lbl", "GG32Lbl", nullptr, Ibaraki},       // 25 Italy - Croatia
  {8, 6, 20, 30, "GC31Lbl", "GC32Lbl", nullptr, Seogwipo},     // 26 Brazil - China
  {9, 6, 15, 30, "GG41Lbl", "GG42Lbl", nullptr, Miyagi},       // 27 Mexico - Ecuador
  {9, 6, 18, 0, "GC41Lbl", "GC42Lbl", nullptr, Incheon},       // 28 Costa Rica - Turkey
  {9, 6, 20, 30, "GH31Lbl", "GH32Lbl", nullptr, Yokohama},     // 29 Russia - Japan
  {10, 6, 15, 30, "GD31Lbl", "GD32Lbl", nullptr, Daegu},       // 30 South Korea - USA
  {10, 6, 18, 0, "GH41Lbl", "GH42Lbl", nullptr, Oita},         // 31 Tunisia - Belgium
  {10, 6, 20, 30, "GD41Lbl", "GD42Lbl", nullptr, Jeonju},      // 32 Portugal - Poland
  {11, 6, 15, 30, "GA51Lbl", "GA52Lbl", nullptr, Incheon},     // 33 Denmark - France
  {11, 6, 15, 30, "GA61Lbl", "GA62Lbl", nullptr, Suwon},       // 34 Senegal - Uruguay
  {11, 6, 20, 30, "GE51Lbl", "GE52Lbl", nullptr, Yokohama},    // 35 Saudi Arabia - Ireland
  {11, 6, 20, 30, "GE61Lbl", "GE62Lbl", nullptr, Shizuoka},    // 36 Cameroon - Germany
  {12, 6, 15, 30, "GF51Lbl", "GF52Lbl", nullptr, Miyagi},      // 37 Sweden - Argentina
  {12, 6, 15, 30, "GF61Lbl", "GF62Lbl", nullptr, Osaka},       // 38 Nigeria - England
  {12, 6, 20, 30, "GB51Lbl", "GB52Lbl", nullptr, Daejeon},     // 39 South Africa - Spain
  {12, 6, 20, 30, "GB61Lbl", "GB62Lbl", nullptr, Seogwipo},    // 40 Slovenia - Paraguay
  {13, 6, 15, 30, "GC51Lbl", "GC52Lbl", nullptr, Suwon},       // 41 Costa Rica - Brazil
  {13, 6, 15, 30, "GC61Lbl", "GC62Lbl", nullptr, Seoul},       // 42 Turkey - China
  {13, 6, 20, 30, "GG51Lbl", "GG52Lbl", nullptr, Oita},        // 43 Mexico - Italy
  {13, 6, 20, 30, "GG61Lbl", "GG62Lbl", nullptr, Yokohama},    // 44 Ecuador - Croatia
  {14, 6, 15, 30, "GH51Lbl", "GH52Lbl", nullptr, Osaka},       // 45 Tunisia - Japan
  {14, 6, 15, 30, "GH61Lbl", "GH62Lbl", nullptr, Shizuoka},    // 46 Belgium - Russia
  {14, 6, 20, 30, "GD51Lbl", "GD52Lbl", nullptr, Incheon},     // 47 Portugal - South Korea
  {14, 6, 20, 30, "GD61Lbl", "GD62Lbl", nullptr, Daejeon},     // 48 Poland - USA
  // Last 16
  {15, 6, 15, 30, "Final811Lbl", "Final812Lbl", ":  1E - 2B", Seogwipo},   // 49
  {15, 6, 20, 30, "Final821Lbl", "Final822Lbl", ":  1A - 2F", Niigata},    // 50
  {16, 6, 15, 30, "Final831Lbl", "Final832Lbl", ":  1F - 2A", Oita},       // 51
  {16, 6, 20, 30, "Final841Lbl", "Final842Lbl", ":  1B - 2E", Suwon},      // 52
  {17, 6, 15, 30, "Final851Lbl", "Final852Lbl", ":  1G - 2D", Jeonju},     // 53
  {17, 6, 20, 30, "Final861Lbl", "Final862Lbl", ":  1C - 2H", Kobe},       // 54
  {18, 6, 15, 30, "Final871Lbl", "Final872Lbl", ":  1H - 2C", Miyagi},     // 55
  {18, 6, 20, 30, "Final881Lbl", "Final882Lbl", ":  1D - 2G", Daejeon},    // 56
  // Quarter-finals
  {21, 6, 15, 30, "Final411Lbl", "Final412Lbl", ":  50 - 54", Shizuoka},   // 57
  {21, 6, 20, 30, "Final421Lbl", "Final422Lbl", ":  49 - 53", Ulsan},      // 58
  {22, 6, 15, 30, "Final431Lbl", "Final432Lbl", ":  52 - 56", Gwangju},    // 59
  {22, 6, 20, 30, "Final441Lbl", "Final442Lbl", ":  51 - 55", Osaka},      // 60
  // Semi-finals, third place, final
  {25, 6, 20, 30, "Final211Lbl", "Final212Lbl", ":  58 - 59", Seoul},      // 61
  {26, 6, 20, 30, "Final221Lbl", "Final222Lbl", ":  57 - 60", Saitama},    // 62
  {29, 6, 20, 0, "Third11Lbl", "Third12Lbl", ":  2-61 - 2-62", Daegu},     // 63
  {30, 6, 20, 0, "Final11Lbl", "Final12Lbl", ":  1-61 - 1-62", Yokohama},  // 64
}};

constexpr int TournamentYear = 2002;
// Far beyond any time zone, yet well inside the range of a date: a hand-edited
// offset is still added, only never overflows.
constexpr double OffsetLimitDays = 1.0e6;

}  // namespace

const std::array<TCalendarMatch, MatchCount> &MatchCalendar() { return Calendar; }

QDateTime LocalKickoff(const TCalendarMatch &match)
{
  // Kept in UTC so that no daylight-saving rule of the machine moves it.
  return QDateTime(QDate(TournamentYear, match.month, match.day), QTime(match.hour, match.minute),
                   Qt::UTC);
}

QDateTime ShownKickoff(const TCalendarMatch &match, double offsetDays)
{
  const double days = std::isfinite(offsetDays) ? qBound(-OffsetLimitDays, offsetDays, OffsetLimitDays)
                                                : 0.0;
  // Added as it is, to the millisecond (the precision of a clock time), so
  // that a stored -0.333333333333333 days is exactly eight hours back.
  const qint64 milliseconds = qRound64(days * 24 * 60 * 60 * 1000);
  return LocalKickoff(match).addMSecs(milliseconds);
}

QString KickoffText(const TRegionalFormats &formats, const QDateTime &moment)
{
  QString text = formats.weekdayName(moment) + QStringLiteral(", ") + formats.shortDate(moment);
  if (moment.time() != QTime(0, 0))
    text += QLatin1Char(' ') + formats.longTime(moment);
  return text;
}

QString ScheduleTimeText(const TRegionalFormats &formats, const QDateTime &moment)
{
  return formats.shortDate(moment) + QStringLiteral(" (") + formats.weekdayName(moment) +
         QStringLiteral(") ") + formats.shortTime(moment);
}

QString ScheduleTeamsText(const TCalendarMatch &match, const QString &side1, const QString &side2)
{
  if (match.pairing && (side1 == Placeholder || side2 == Placeholder))
    return QLatin1String(match.pairing);
  return QStringLiteral(":  ") + side1 + QStringLiteral(" - ") + side2;
}

QString ScheduleLine(int number, const QString &timeText, const QString &teamsText)
{
  const QString numberField = QStringLiteral("%1:").arg(number).leftJustified(4, QLatin1Char(' '));
  return numberField + timeText.leftJustified(30, QLatin1Char(' ')) + teamsText;
}

std::array<QString, MatchCount> KickoffTexts(const TRegionalFormats &formats, double offsetDays)
{
  std::array<QString, MatchCount> texts;
  for (int m = 0; m < MatchCount; ++m)
    texts[m] = KickoffText(formats, ShownKickoff(Calendar[m], offsetDays));
  return texts;
}
