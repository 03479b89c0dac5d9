#include "core/settings/timeZones.h"

#include <QtGlobal>
#include <cmath>

namespace {

const std::array<TTimeZone, TimeZoneCount> Zones = {{
  {"(GMT-12) Eniwetok, Kwajalein", -21, "x35"},
  {"(GMT-11) Midway Island, Samoa", -20, "x35"},
  {"(GMT-10) Hawaii", -19, "x35"},
  {"(GMT-9)  Alaska", -18, "x35"},
  {"(GMT-8)  USA & Canada (Pacific Time)", -17, "x35"},
  {"(GMT-7)  USA & Canada (Mountain Time)", -16, "x35"},
  {"(GMT-6)  Mexico City, USA & Canada (Central Time)", -15, "x35"},
  {"(GMT-5)  Bogota, Lima, USA & Canada (Eastern Time)", -14, "x35"},
  {"(GMT-4)  Caracas, La Paz, Santiago", -13, "x35"},
  {"(GMT-3)  Buenos Aires, Georgetown, Greenland", -12, "x35"},
  {"(GMT-2)  Mid-Atlantic", -11, "x35"},
  {"(GMT-1)  Azores, Cape Verde", -10, "x35"},
  {"(GMT-0)  London, Dublin, Lisbon, Casablanca", -9, "x35"},
  {"(GMT+1)  Amsterdam, Berlin, Rome, Stokholm, Vienna", -8, "GMTP1A"},
  {"(GMT+1)  Belgrade, Brussels, Budapest, Prague", -8, "GMTP1B"},
  {"(GMT+1)  Valencia, Copenhagen, Paris, Sarajevo", -8, "GMTP1C"},
  {"(GMT+1)  Warsaw, West Central Africa, Zagreb", -8, "GMTP1D"},
  {"(GMT+2)  Beirut, Bucharest, Istambul, Minsk", -7, "GMTP2A"},
  {"(GMT+2)  Athens, Cairo, Helsinki, Pretoria", -7, "GMTP2B"},
  {"(GMT+3)  Baghdad, Moscow, Nairobi, Riyadh", -6, "x35"},
  {"(GMT+4)  Abu Dhabi, Tbilissi", -5, "x35"},
  {"(GMT+5)  Islamabad, Karashi", -4, "x35"},
  {"(GMT+6)  Novosibirsk, Astana, Dhaka", -3, "x35"},
  {"(GMT+7)  Bangkok, Jakarta", -2, "x35"},
  {"(GMT+8)  Beijing, Hong Kong, Perth, Singapore", -1, "x35"},
  {"(GMT+9)  Osaka, Seoul, Tokyo", 0, "x35"},
  {"(GMT+10) Brisbane, Guam, Melbourne, Sydney", 1, "x35"},
  {"(GMT+11) Solomon Island, New Caledonia", 2, "x35"},
  {"(GMT+12) Auckland, Fiji", 3, "x35"},
  {"(GMT+13) Nukualofa", 4, "x35"},
}};

const char *const NoCode = "x35";

bool InList(int entry) { return entry >= 0 && entry < TimeZoneCount; }

}  // namespace

const std::array<TTimeZone, TimeZoneCount> &TimeZones() { return Zones; }

double TimeZoneOffsetOf(int entry)
{
  return InList(entry) ? Zones[entry].hours / 24.0 : 0.0;
}

QString TimeZoneCodeOf(int entry)
{
  return QLatin1String(InList(entry) ? Zones[entry].code : NoCode);
}

int TimeZoneEntryFor(double offset, const QString &code)
{
  // The zones that share their offset are found by their code alone.
  if (code != QLatin1String(NoCode)) {
    for (int entry = 0; entry < TimeZoneCount; ++entry)
      if (code == QLatin1String(Zones[entry].code))
        return entry;
  }
  // Any other code: the position counted from the offset, skipping the four
  // GMT+1 and two GMT+2 entries (13 .. 18) that the codes stand for. Halves
  // round to the even neighbour, as the old runtime's rounding did. An offset
  // far outside the list still gives a position outside it, never an overflow.
  const double position = offset * 24 + 21;
  if (!std::isfinite(position))
    return -1;
  const double clamped = qBound(-1000.0, std::nearbyint(position), 1000.0);
  int n = static_cast<int>(clamped);
  if (n > 14)
    n += 4;
  return n;
}
