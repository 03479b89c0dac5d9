#include "schedule/regional.h"

#include <QDateTime>
#include <QLocale>

namespace {

class TLocaleFormats : public TRegionalFormats {
public:
  explicit TLocaleFormats(const QLocale &locale)
      : Locale(locale),
        ShortDate(locale.dateFormat(QLocale::ShortFormat)),
        LongTime(WithoutTimeZoneField(locale.timeFormat(QLocale::LongFormat))),
        ShortTime(WithoutTimeZoneField(locale.timeFormat(QLocale::ShortFormat)))
  {
  }

  QString shortDate(const QDateTime &moment) const override
  {
    return Locale.toString(moment.date(), ShortDate);
  }
  QString longTime(const QDateTime &moment) const override
  {
    return Locale.toString(moment.time(), LongTime);
  }
  QString shortTime(const QDateTime &moment) const override
  {
    return Locale.toString(moment.time(), ShortTime);
  }
  QString weekdayName(const QDateTime &moment) const override
  {
    return Locale.dayName(moment.date().dayOfWeek(), QLocale::LongFormat);
  }

private:
  QLocale Locale;
  QString ShortDate;
  QString LongTime;
  QString ShortTime;
};

}  // namespace

QString WithoutTimeZoneField(const QString &timeFormat)
{
  QString result;
  bool quoted = false;
  for (qsizetype i = 0; i < timeFormat.size(); ++i) {
    const QChar c = timeFormat.at(i);
    if (c == QLatin1Char('\''))
      quoted = !quoted;
    if (quoted || c != QLatin1Char('t')) {
      result += c;
      continue;
    }
    // Drop the field (t, tt, ttt, tttt) and the blanks before it; the blanks
    // after it only when it opens the format.
    while (i + 1 < timeFormat.size() && timeFormat.at(i + 1) == QLatin1Char('t'))
      ++i;
    while (!result.isEmpty() && result.back().isSpace())
      result.chop(1);
    if (result.isEmpty())
      while (i + 1 < timeFormat.size() && timeFormat.at(i + 1).isSpace())
        ++i;
  }
  return result;
}

std::shared_ptr<TRegionalFormats> DesktopRegionalFormats()
{
  return std::make_shared<TLocaleFormats>(QLocale::system());
}
