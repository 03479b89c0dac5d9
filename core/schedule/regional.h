#pragma once
// The user's regional date and time formats: the operating system's settings,
// not the interface language, decide weekday names, the order of day, month
// and year, the separators and the 12- or 24-hour clock.

#include <QString>
#include <memory>

class QDateTime;
class QLocale;

class TRegionalFormats {
public:
  virtual ~TRegionalFormats() = default;

  virtual QString shortDate(const QDateTime &moment) const = 0;     // 31/05/2002
  virtual QString longTime(const QDateTime &moment) const = 0;      // 20:30:00, no time zone
  virtual QString shortTime(const QDateTime &moment) const = 0;     // 20:30
  virtual QString weekdayName(const QDateTime &moment) const = 0;   // Friday
};

// The formats of the system locale (its date and time category).
std::shared_ptr<TRegionalFormats> DesktopRegionalFormats();
// formats, or the system locale's when there are none.
const TRegionalFormats &FormatsOrSystem(const TRegionalFormats *formats);
// The formats of any locale.
std::shared_ptr<TRegionalFormats> RegionalFormatsOf(const QLocale &locale);

// A locale's time format as the program shows it: the time-zone field goes,
// with the brackets around it and the blanks or comma that lead to it
// ("H:mm:ss (t)" -> "H:mm:ss", "HH:mm:ss, t" -> "HH:mm:ss"); a day period
// the formatter cannot print ("B") becomes its AM/PM marker. Quoted text is
// kept as it stands.
QString ShownTimeFormat(const QString &timeFormat);
