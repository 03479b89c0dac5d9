#include "settings/timeZoneValue.h"

#include <QLocale>
#include <cmath>

QString TimeZoneText(double offset)
{
  if (offset == 0.0 || !std::isfinite(offset))   // also no "-0"
    return QStringLiteral("0");
  QString text = QString::number(offset, 'g', 15);
  const QString separator = QLocale().decimalPoint();
  if (separator != QLatin1String("."))
    text.replace(QLatin1Char('.'), separator);
  return text;
}

std::optional<double> ReadTimeZone(const QString &text)
{
  QString plain = text.trimmed();
  const QString separator = QLocale().decimalPoint();
  if (!separator.isEmpty() && separator != QLatin1String("."))
    plain.replace(separator, QLatin1String("."));
  plain.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double value = QLocale::c().toDouble(plain, &ok);
  if (!ok || !std::isfinite(value))
    return std::nullopt;
  return value;
}
