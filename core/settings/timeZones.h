#pragma once
// The time zones the user can choose from, in the order of the options
// dialog's list. Kick-off times are known in the hosts' time (GMT+9); a zone's
// offset is what is added to them.

#include <QString>
#include <array>

struct TTimeZone {
  const char *caption;   // shown in the list, the same in every language
  int hours;             // the zone's distance from GMT minus 9: -21 .. +4
  const char *code;      // "x35", or the tag that tells apart zones of equal offset
};

constexpr int TimeZoneCount = 30;
// The entry the program starts with: "(GMT+9)  Osaka, Seoul, Tokyo".
constexpr int HostsTimeZoneEntry = 25;

const std::array<TTimeZone, TimeZoneCount> &TimeZones();

// The offset in days stored for an entry, exactly hours / 24; 0 for an entry
// outside the list (nothing selected).
double TimeZoneOffsetOf(int entry);
// The code stored for an entry; "x35" for an entry outside the list.
QString TimeZoneCodeOf(int entry);
// The entry to select for a stored offset and code: the GMT+1 and GMT+2
// entries by their code, any other by its offset. The result may lie outside
// 0..29 for an offset that belongs to no entry; -1 for one that is no number.
int TimeZoneEntryFor(double offset, const QString &code);
