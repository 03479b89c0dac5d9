// The settings file Brakka.ini: the preferences and every score.

#include "app/brakkaMain.h"

#include "app/brakkaCommon.h"
#include "groups/fixtures.h"
#include "i18n/names.h"
#include "i18n/texts.h"
#include "settings/optionsForm.h"
#include "settings/preferences.h"
#include "settings/profileFile.h"
#include "settings/resultTexts.h"
#include "settings/timeZoneValue.h"

#include <QLineEdit>
#include <array>

namespace {

const QString FileName = QStringLiteral("Brakka.ini");
const QString Preferences = QStringLiteral("PREFERENCES");

QString SettingsFilePath(const QString &folder)
{
  return folder.endsWith(QLatin1Char('/')) ? folder + FileName
                                           : folder + QLatin1Char('/') + FileName;
}

// Why a settings file that is there cannot be read, in the user's words.
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

}  // namespace

bool TMainForm::SaveAll()
{
  const QString path = SettingsFilePath(SettingsDir);
  // The new file is the old one with Brakka's sections erased and written
  // again at its end; it replaces the old file in one step. A file that
  // cannot be read is not replaced, so that nothing in it is lost.
  TProfileFile ini;
  bool saved = TProfileFile::readable(ini.load(path));
  if (saved) {
    ini.eraseSection(Preferences);
    ini.writeString(Preferences, QStringLiteral("Language"), QString::number(LanguageIndex));
    ini.writeString(Preferences, QStringLiteral("Favorite"), QString::number(FavoriteIndex));
    ini.writeString(Preferences, QStringLiteral("TimeZone"), TimeZoneText(TimeZoneOffset));
    ini.writeString(Preferences, QStringLiteral("GMT"), TimeZoneCode);
    ini.writeString(Preferences, QStringLiteral("FirstTime"), QStringLiteral("0"));
    WriteResultTexts(ini, resultTexts());
    saved = ini.save(path);
  }
  if (!saved)
    Platform.dialogs->message(this, TMsgIcon::Error, QStringLiteral("Unable to write to ") + path,
                              QMessageBox::Ok);
  else
    resultsSaved();
  return saved;
}

void TMainForm::ReadAll()
{
  readResults(false);
  resultsRead();
}

void TMainForm::ReadAllFieldByField()
{
  readResults(true);
  resultsRead();
}

void TMainForm::readResults(bool fieldByField)
{
  const QString path = SettingsFilePath(SettingsDir);
  TProfileFile ini;
  const TProfileFile::TLoadResult loaded = ini.load(path);
  if (!TProfileFile::readable(loaded)) {
    // The user's scores and preferences may still be in it: SaveAll will not
    // replace it, and the user hears why once, now. No first-run dialog
    // either: what it asks could not be saved, and this is no first start.
    // Brakka runs with the preferences' initial values.
    const QString text = TextIn(LanguageIndex, TText::SettingsUnreadableText)
                             .arg(path, TextIn(LanguageIndex, UnreadableReason(loaded)));
    Platform.dialogs->message(this, TMsgIcon::Warning, text, QMessageBox::Ok);
    FirstRun = false;
    RelabelRequest = false;
    return;
  }

  FirstRun = ini.readInteger(Preferences, QStringLiteral("FirstTime"), 1) != 0;
  RelabelRequest = FirstRun;
  if (FirstRun) {
    Platform.dialogs->showModal(std::make_unique<TOptionsForm>(this).get());
    RelabelRequest = true;
    SetFirstTimeGroups();
    return;
  }

  LanguageIndex = ini.readInteger(Preferences, QStringLiteral("Language"), 0);
  // A number outside 0..32 names no team: no name is the favourite's.
  FavoriteIndex = ini.readInteger(Preferences, QStringLiteral("Favorite"), 0);
  TimeZoneOffset = ReadTimeZone(ini.readString(Preferences, QStringLiteral("TimeZone"),
                                               QStringLiteral("0")))
                       .value_or(0.0);
  TimeZoneCode = ini.readString(Preferences, QStringLiteral("GMT"), QStringLiteral("x35"));

  // The group computations below write team names in the current language.
  ResetPreviousTeamNames();
  ApplyLanguage();

  fillResults(ReadResultTexts(ini), fieldByField ? TFill::FieldByField : TFill::Loading);

  // Filling the fields changed nothing that applying the language writes
  // (texts, captions, hints, menus, the group matches' fixed team names);
  // the colours it ends with are set again by the relabelling below.
  if (fieldByField)
    ApplyLanguage();
  RelabelRequest = true;
  SetFirstTimeGroups();
  CalculateAll();
}

TResultTexts TMainForm::resultTexts() { return ResultTextsOf(Engine); }

// Everything is recomputed while the fields are filled.
void TMainForm::CalculateAll() {}
