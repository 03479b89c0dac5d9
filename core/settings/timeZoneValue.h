#pragma once
// The "TimeZone" preference as text: the offset in days written the way the
// old runtime's FloatToStr writes a number, and read back from a file written
// under any locale.

#include <QString>
#include <optional>

// Up to 15 significant digits, no trailing zeros, a decimal separator only
// when needed, the separator of the current locale (QLocale()):
// -0.875, -0.333333333333333, 0, 0.166666666666667. A locale whose separator
// is not a single Latin-1 character writes '.'.
QString TimeZoneText(double offset);

// The offset a text holds. Both the current locale's decimal separator and
// '.' are taken, and ',' as well, so that a file written under another
// locale keeps its time zone. A text that is not a number, is not finite or
// is a day or more away from the hosts' time is no time zone: nullopt.
std::optional<double> ReadTimeZone(const QString &text);
