// Reading and saving the settings file, and the options dialog, as the main
// window runs them.

#include "app/brakkaMain.h"

#include "i18n/names.h"
#include "i18n/texts.h"
#include "settings/optionsForm.h"
#include "settings/preferences.h"
#include "settings/settingsFile.h"

#include <memory>

namespace {

TStoredPreferences PreferencesNow()
{
  return {LanguageIndex, FavoriteIndex, TimeZoneOffset, TimeZoneCode, std::nullopt};
}

}  // namespace

bool TMainForm::SaveAll()
{
  const QString path = SettingsFilePath(SettingsDir);
  // Another program's changes are replaced only when the user says so.
  auto mayReplace = [this, &path] {
    return !SettingsGuard.changedOnDisk(path) ||
           Platform.dialogs->message(this, TMsgIcon::Question, Text(TText::SettingsChangedText),
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  QByteArray written;
  TStoredPreferences preferences = PreferencesNow();
  preferences.pool = PoolSettings;
  const TSaveResult result = SaveSettingsFile(path, preferences, resultTexts(), mayReplace, &written);
  if (result == TSaveResult::Declined)
    return false;
  const bool saved = result == TSaveResult::Saved;
  if (saved)
    SettingsGuard.noteWritten(written);
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
  SettingsGuard.noteRead(path);
  const TSettingsRead read = ReadSettingsFile(path);
  FirstRun = read.firstRun;
  PoolSettings = read.preferences.pool;
  if (!TProfileFile::readable(read.loaded)) {
    // The user's scores and preferences may still be in it: SaveAll will not
    // replace it, and the user hears why once, now. No first-run dialog
    // either: what it asks could not be saved, and this is no first start.
    // Brakka runs with the preferences' initial values.
    const QString text = TextIn(LanguageIndex, TText::SettingsUnreadableText)
                             .arg(path, TextIn(LanguageIndex, UnreadableReason(read.loaded)));
    Platform.dialogs->message(this, TMsgIcon::Warning, text, QMessageBox::Ok);
    RelabelRequest = false;
    return;
  }

  RelabelRequest = FirstRun;
  if (FirstRun) {
    showOptions();
    RelabelRequest = true;
    SetFirstTimeGroups();
    return;
  }

  LanguageIndex = read.preferences.language;
  FavoriteIndex = read.preferences.favorite;
  TimeZoneOffset = read.preferences.timeZoneOffset;
  TimeZoneCode = read.preferences.timeZoneCode;

  // The group computations below write team names in the current language.
  ResetPreviousTeamNames();
  ApplyLanguage();

  fillResults(read.results, fieldByField ? TFill::FieldByField : TFill::Loading);

  // Filling the fields changed nothing that applying the language writes
  // (texts, captions, hints, menus, the group matches' fixed team names);
  // the colours it ends with are set again by the relabelling below.
  if (fieldByField)
    ApplyLanguage();
  RelabelRequest = true;
  SetFirstTimeGroups();
}

TResultTexts TMainForm::resultTexts() { return ResultTextsOf(Engine); }

void TMainForm::Options1Click()
{
  showOptions();
  SetFirstTimeGroups();
}

// Each opening builds a new dialog, released once it is closed.
void TMainForm::showOptions()
{
  const auto options =
      std::make_unique<TOptionsForm>(this, *Platform.dialogs, [this] { ApplyLanguage(); });
  Platform.dialogs->showModal(options.get());
}

// Every team caption outside the group matches into the language now chosen.
void TMainForm::SetFirstTimeGroups()
{
  if (!RelabelRequest)
    return;
  RelabelRequest = false;
  Engine.relabel(PreviousTeamNames);
  showChanges();
}
