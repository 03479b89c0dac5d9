#include "core/settings/timeZoneValue.h"

#include <QLocale>
#include <cmath>

QString TimeZoneText(double offset)
{
  if (offset == 0.0 || !std::isfinite(offset))   // also no "-0"
    return QStringLiteral("0");
  QString text = QString::number(offset, 'g', 15);
  // The file holds one byte a character: a separator that is not a single
  // Latin-1 character (U+066B of Arabic-script locales) would be lost, so
  // those locales write '.', which every locale reads back.
  const QString separator = QLocale().decimalPoint();
  if (separator.size() == 1 && separator[0].unicode() <= 0xFF)
    text.replace(QLatin1Char('.'), separator[0]);
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
