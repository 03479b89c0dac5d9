#pragma once
// The user's regional date and time formats: the operating system's settings,
// not the interface language, decide weekday names, the order of day, month
// and year, the separators and the 12- or 24-hour clock.

#include <QString>
#include <memory>

class QDateTime;

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

// A time format with its time-zone field and the blanks around it removed:
// "HH:mm:ss t" -> "HH:mm:ss". Quoted text is kept as it stands.
QString WithoutTimeZoneField(const QString &timeFormat);
