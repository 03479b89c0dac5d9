#pragma once
// Fixed regional formats for tests, whatever the machine's locale: day/month/
// year dates, a 24-hour clock and English weekday names.

#include "core/schedule/regional.h"

#include <QDateTime>
#include <QLocale>

class TFakeRegional : public TRegionalFormats {
public:
  QString shortDate(const QDateTime &moment) const override
  {
    return QLocale::c().toString(moment.date(), QStringLiteral("dd/MM/yyyy"));
  }
  QString longTime(const QDateTime &moment) const override
  {
    return QLocale::c().toString(moment.time(), QStringLiteral("HH:mm:ss"));
  }
  QString shortTime(const QDateTime &moment) const override
  {
    return QLocale::c().toString(moment.time(), QStringLiteral("HH:mm"));
  }
  QString weekdayName(const QDateTime &moment) const override
  {
    return QLocale::c().dayName(moment.date().dayOfWeek(), QLocale::LongFormat);
  }
};
