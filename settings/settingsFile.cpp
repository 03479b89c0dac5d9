#include "settings/settingsFile.h"

#include "settings/timeZoneValue.h"

namespace {

const QString FileName = QStringLiteral("Brakka.ini");
const QString Preferences = QStringLiteral("PREFERENCES");

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
                             const TResultTexts &results, const std::function<bool()> &mayReplace,
                             QByteArray *written)
{
  TProfileFile ini;
  if (!TProfileFile::readable(ini.load(path)))
    return TSaveResult::Failed;
  if (mayReplace && !mayReplace())
    return TSaveResult::Declined;
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
  default:
    return TText::SettingsOtherText;
  }
}
