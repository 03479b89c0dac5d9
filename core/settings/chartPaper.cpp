#include "core/settings/chartPaper.h"

#include <QLocale>
#include <QtGlobal>

namespace {

const char *const Keys[PaperCount] = {"A4", "A3", "Letter"};

}  // namespace

QString PaperKey(TPaper paper) { return QLatin1String(Keys[int(paper)]); }

std::optional<TPaper> PaperOfKey(const QString &key)
{
  const QString k = key.trimmed();
  for (int p = 0; p < PaperCount; ++p)
    if (k.compare(QLatin1String(Keys[p]), Qt::CaseInsensitive) == 0)
      return TPaper(p);
  return std::nullopt;
}

TPaper DefaultPaperFor(const QString &localeName)
{
  // "language_REGION.codeset@modifier": the region alone decides.
  QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
  if (!name.contains(QLatin1Char('_')))
    return TPaper::A4;
  const QLocale::Territory region = QLocale(name).territory();
  return region == QLocale::UnitedStates || region == QLocale::Canada ? TPaper::Letter : TPaper::A4;
}

TPaper DefaultPaper()
{
  for (const char *variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty())
      return DefaultPaperFor(value);
  }
  return TPaper::A4;
}
