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
  {31, 5, 20, 30, GroupMatch(0, 0), nullptr, Seoul},       //  1 France - Senegal
  {1, 6, 15, 30, GroupMatch(4, 0), nullptr, Niigata},      //  2 Ireland - Cameroon
  {1, 6, 18, 0, GroupMatch(0, 1), nullptr, Ulsan},         //  3 Uruguay - Denmark
  {1, 6, 20, 30, GroupMatch(4, 1), nullptr, Sapporo},      //  4 Germany - Saudi Arabia
  {2, 6, 14, 30, GroupMatch(5, 0), nullptr, Ibaraki},      //  5 Argentina - Nigeria
  {2, 6, 16, 30, GroupMatch(1, 0), nullptr, Busan},        //  6 Paraguay - South Africa
  {2, 6, 18, 30, GroupMatch(5, 1), nullptr, Saitama},      //  7 England - Sweden
  {2, 6, 20, 30, GroupMatch(1, 1), nullptr, Gwangju},      //  8 Spain - Slovenia
  {3, 6, 15, 30, GroupMatch(6, 0), nullptr, Niigata},      //  9 Croatia - Mexico
  {3, 6, 18, 0, GroupMatch(2, 0), nullptr, Ulsan},         // 10 Brazil - Turkey
  {3, 6, 20, 30, GroupMatch(6, 1), nullptr, Sapporo},      // 11 Italy - Ecuador
  {4, 6, 15, 30, GroupMatch(2, 1), nullptr, Gwangju},      // 12 China - Costa Rica
  {4, 6, 18, 0, GroupMatch(7, 0), nullptr, Saitama},       // 13 Japan - Belgium
  {4, 6, 20, 30, GroupMatch(3, 0), nullptr, Busan},        // 14 South Korea - Poland
  {5, 6, 15, 30, GroupMatch(7, 1), nullptr, Kobe},         // 15 Russia - Tunisia
  {5, 6, 18, 0, GroupMatch(3, 1), nullptr, Suwon},         // 16 USA - Portugal
  {5, 6, 20, 30, GroupMatch(4, 2), nullptr, Ibaraki},      // 17 Germany - Ireland
  {6, 6, 15, 30, GroupMatch(0, 2), nullptr, Daegu},        // 18 Denmark - Senegal
  {6, 6, 18, 0, GroupMatch(4, 3), nullptr, Saitama},       // 19 Cameroon - Saudi Arabia
  {6, 6, 20, 30, GroupMatch(0, 3), nullptr, Busan},        // 20 France - Uruguay
  {7, 6, 15, 30, GroupMatch(5, 2), nullptr, Kobe},         // 21 Sweden - Nigeria
  {7, 6, 18, 0, GroupMatch(1, 2), nullptr, Jeonju},        // 22 Spain - Paraguay
  {7, 6, 20, 30, GroupMatch(5, 3), nullptr, Sapporo},      // 23 Argentina - England
  {8, 6, 15, 30, GroupMatch(1, 3), nullptr, Daegu},        // 24 South Africa - Slovenia
  {8, 6, 18, 0, GroupMatch(6, 2), nullptr, Ibaraki},       // 25 Italy - Croatia
  {8, 6, 20, 30, GroupMatch(2, 2), nullptr, Seogwipo},     // 26 Brazil - China
  {9, 6, 15, 30, GroupMatch(6, 3), nullptr, Miyagi},       // 27 Mexico - Ecuador
  {9, 6, 18, 0, GroupMatch(2, 3), nullptr, Incheon},       // 28 Costa Rica - Turkey
  {9, 6, 20, 30, GroupMatch(7, 2), nullptr, Yokohama},     // 29 Russia - Japan
  {10, 6, 15, 30, GroupMatch(3, 2), nullptr, Daegu},       // 30 South Korea - USA
  {10, 6, 18, 0, GroupMatch(7, 3), nullptr, Oita},         // 31 Tunisia - Belgium
  {10, 6, 20, 30, GroupMatch(3, 3), nullptr, Jeonju},      // 32 Portugal - Poland
  {11, 6, 15, 30, GroupMatch(0, 4), nullptr, Incheon},     // 33 Denmark - France
  {11, 6, 15, 30, GroupMatch(0, 5), nullptr, Suwon},       // 34 Senegal - Uruguay
  {11, 6, 20, 30, GroupMatch(4, 4), nullptr, Yokohama},    // 35 Saudi Arabia - Ireland
  {11, 6, 20, 30, GroupMatch(4, 5), nullptr, Shizuoka},    // 36 Cameroon - Germany
  {12, 6, 15, 30, GroupMatch(5, 4), nullptr, Miyagi},      // 37 Sweden - Argentina
  {12, 6, 15, 30, GroupMatch(5, 5), nullptr, Osaka},       // 38 Nigeria - England
  {12, 6, 20, 30, GroupMatch(1, 4), nullptr, Daejeon},     // 39 South Africa - Spain
  {12, 6, 20, 30, GroupMatch(1, 5), nullptr, Seogwipo},    // 40 Slovenia - Paraguay
  {13, 6, 15, 30, GroupMatch(2, 4), nullptr, Suwon},       // 41 Costa Rica - Brazil
  {13, 6, 15, 30, GroupMatch(2, 5), nullptr, Seoul},       // 42 Turkey - China
  {13, 6, 20, 30, GroupMatch(6, 4), nullptr, Oita},        // 43 Mexico - Italy
  {13, 6, 20, 30, GroupMatch(6, 5), nullptr, Yokohama},    // 44 Ecuador - Croatia
  {14, 6, 15, 30, GroupMatch(7, 4), nullptr, Osaka},       // 45 Tunisia - Japan
  {14, 6, 15, 30, GroupMatch(7, 5), nullptr, Shizuoka},    // 46 Belgium - Russia
  {14, 6, 20, 30, GroupMatch(3, 4), nullptr, Incheon},     // 47 Portugal - South Korea
  {14, 6, 20, 30, GroupMatch(3, 5), nullptr, Daejeon},     // 48 Poland - USA
  // Last 16
  {15, 6, 15, 30, KnockoutMatch(Final8, 0), ":  1E - 2B", Seogwipo},   // 49
  {15, 6, 20, 30, KnockoutMatch(Final8, 1), ":  1A - 2F", Niigata},    // 50
  {16, 6, 15, 30, KnockoutMatch(Final8, 2), ":  1F - 2A", Oita},       // 51
  {16, 6, 20, 30, KnockoutMatch(Final8, 3), ":  1B - 2E", Suwon},      // 52
  {17, 6, 15, 30, KnockoutMatch(Final8, 4), ":  1G - 2D", Jeonju},     // 53
  {17, 6, 20, 30, KnockoutMatch(Final8, 5), ":  1C - 2H", Kobe},       // 54
  {18, 6, 15, 30, KnockoutMatch(Final8, 6), ":  1H - 2C", Miyagi},     // 55
  {18, 6, 20, 30, KnockoutMatch(Final8, 7), ":  1D - 2G", Daejeon},    // 56
  // Quarter-finals
  {21, 6, 15, 30, KnockoutMatch(Final4, 0), ":  50 - 54", Shizuoka},   // 57
  {21, 6, 20, 30, KnockoutMatch(Final4, 1), ":  49 - 53", Ulsan},      // 58
  {22, 6, 15, 30, KnockoutMatch(Final4, 2), ":  52 - 56", Gwangju},    // 59
  {22, 6, 20, 30, KnockoutMatch(Final4, 3), ":  51 - 55", Osaka},      // 60
  // Semi-finals, third place, final
  {25, 6, 20, 30, KnockoutMatch(Final2, 0), ":  58 - 59", Seoul},      // 61
  {26, 6, 20, 30, KnockoutMatch(Final2, 1), ":  57 - 60", Saitama},    // 62
  {29, 6, 20, 0, KnockoutMatch(ThirdPlace, 0), ":  2-61 - 2-62", Daegu},     // 63
  {30, 6, 20, 0, KnockoutMatch(TheFinal, 0), ":  1-61 - 1-62", Yokohama},  // 64
}};

constexpr int TournamentYear = 2002;
// Far beyond any time zone, yet well inside the range of a date: a hand-edited
// offset is still added, only never overflows.
constexpr double OffsetLimitDays = 1.0e6;

}  // namespace

const std::array<TCalendarMatch, MatchCount> &MatchCalendar() { return Calendar; }

int MatchNumber(TMatch match)
{
  static const auto numbers = [] {
    std::array<int, MatchCount> n{};
    for (int i = 0; i < MatchCount; ++i)
      n[Index(Calendar[std::size_t(i)].match)] = i + 1;
    return n;
  }();
  return numbers[Index(match)];
}

const TCalendarMatch &CalendarOf(TMatch match) { return Calendar[std::size_t(MatchNumber(match) - 1)]; }

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

QString ScheduleTeamsText(const TCalendarMatch &match, const TTeamNameList &names,
                          const std::array<TTeam, 2> &teams)
{
  if (match.pairing && (teams[0] == NoTeam || teams[1] == NoTeam))
    return QLatin1String(match.pairing);
  return QStringLiteral(":  ") + ShownTeam(names, teams[0]) + QStringLiteral(" - ") +
         ShownTeam(names, teams[1]);
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
