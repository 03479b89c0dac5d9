#include "core/settings/settingsFile.h"

#include "core/settings/timeZoneValue.h"

namespace {

const QString FileName = QStringLiteral("Brakka.ini");
const QString Preferences = QStringLiteral("PREFERENCES");
const QString Pool = QStringLiteral("POOL");
const QString FolderKey = QStringLiteral("Folder");

// The folder is kept as its UTF-8 bytes: the file holds one byte a character.
std::optional<TPoolSettings> ReadPoolSettings(const TProfileFile &ini)
{
  // No value holds a line break: the default tells a missing key.
  const QString missing = QStringLiteral("\n");
  bool found = false;
  TPoolSettings pool;
  for (int v = 0; v < PoolValueCount; ++v) {
    const QString key = QLatin1String(PoolValueKey(v));
    found = found || ini.readString(Pool, key, missing) != missing;
    const int value = ini.readInteger(Pool, key, DefaultPoolValues[std::size_t(v)]);
    pool.values[std::size_t(v)] = value >= 0 && value <= PoolValueMax ? value : DefaultPoolValues[std::size_t(v)];
  }
  const QString folder = ini.readString(Pool, FolderKey, missing);
  if (folder != missing) {
    found = true;
    pool.folder = QString::fromUtf8(folder.toLatin1());
  }
  return found ? std::optional<TPoolSettings>(pool) : std::nullopt;
}

void WritePoolSettings(TProfileFile &ini, const TPoolSettings &pool)
{
  ini.eraseSection(Pool);
  for (int v = 0; v < PoolValueCount; ++v)
    ini.writeString(Pool, QLatin1String(PoolValueKey(v)), QString::number(pool.values[std::size_t(v)]));
  ini.writeString(Pool, FolderKey, QString::fromLatin1(pool.folder.toUtf8()));
}

}  // namespace

QString SettingsFilePath(const QString &folder)
{
  return folder.endsWith(QLatin1Char('/')) ? folder + FileName
                                           : folder + QLatin1Char('/') + FileName;
}

TSettingsRead ReadSettingsFile(const QString &path)
{
  TSettingsRead read;
  TProfileFile ini;
  read.loaded = ini.load(path);
  if (!TProfileFile::readable(read.loaded)) {
    read.firstRun = false;
    return read;
  }
  read.firstRun = ini.readInteger(Preferences, QStringLiteral("FirstTime"), 1) != 0;
  read.pool = ReadPoolSettings(ini);
  if (read.firstRun)
    return read;
  TPreferences &p = read.preferences;
  p.language = ini.readInteger(Preferences, QStringLiteral("Language"), 0);
  p.favorite = ini.readInteger(Preferences, QStringLiteral("Favorite"), 0);
  p.timeZoneOffset =
      ReadTimeZone(ini.readString(Preferences, QStringLiteral("TimeZone"), QStringLiteral("0")))
          .value_or(0.0);
  p.timeZoneCode = ini.readString(Preferences, QStringLiteral("GMT"), QStringLiteral("x35"));
  read.results = ReadResultTexts(ini);
  return read;
}

TSaveResult SaveSettingsFile(const QString &path, const TPreferences &preferences,
                             const std::optional<TPoolSettings> &pool, const TResultTexts &results,
                             const std::function<bool()> &mayReplace,
                             QByteArray *written)
{
  TProfileFile ini;
  if (!TProfileFile::readable(ini.load(path)))
    return TSaveResult::Failed;
  if (mayReplace && !mayReplace())
    return TSaveResult::Declined;
  // [POOL] goes before Brakka's other sections, which end the file in their order.
  if (pool)
    WritePoolSettings(ini, *pool);
  ini.eraseSection(Preferences);
  ini.writeString(Preferences, QStringLiteral("Language"), QString::number(preferences.language));
  ini.writeString(Preferences, QStringLiteral("Favorite"), QString::number(preferences.favorite));
  ini.writeString(Preferences, QStringLiteral("TimeZone"), TimeZoneText(preferences.timeZoneOffset));
  ini.writeString(Preferences, QStringLiteral("GMT"), preferences.timeZoneCode);
  ini.writeString(Preferences, QStringLiteral("FirstTime"), QStringLiteral("0"));
  WriteResultTexts(ini, results);
  if (!ini.save(path))
    return TSaveResult::Failed;
  if (written)
    *written = ini.content();
  return TSaveResult::Saved;
}

TText UnreadableReason(TProfileFile::TLoadResult result)
{
  switch (result) {
  case TProfileFile::TLoadResult::TooLarge:
    return TText::SettingsTooLargeText;
  case TProfileFile::TLoadResult::NoPermission:
    return TText::SettingsNoPermissionText;
  case TProfileFile::TLoadResult::Folder:
    return TText::SettingsFolderText;
  case TProfileFile::TLoadResult::BrokenLink:
    return TText::SettingsBrokenLinkText;
  case TProfileFile::TLoadResult::LinkLoop:
    return TText::SettingsLinkLoopText;
  default:
    return TText::SettingsOtherText;
  }
}
