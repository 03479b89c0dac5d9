// Reading and saving the settings file, and the options dialog, as the main
// window runs them.

#include "app/brakkaMain.h"
#include "app/undoHistory.h"

#include "core/i18n/names.h"
#include "core/i18n/texts.h"
#include "settings/optionsForm.h"
#include "core/settings/settingsFile.h"

#include <memory>

bool TMainForm::SaveAll()
{
  const QString path = SettingsFilePath(SettingsDir);
  // Another program's changes are replaced only when the user says so.
  auto mayReplace = [this, &path] {
    return !SettingsGuard.changedOnDisk(path) ||
           Platform.dialogs->message(this, TMsgIcon::Question, TextIn(Prefs.language, TText::SettingsChangedText),
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  QByteArray written;
  const TSaveResult result =
      SaveSettingsFile(path, Prefs, PoolSettings, resultTexts(), mayReplace, &written);
  if (result == TSaveResult::Declined)
    return false;
  const bool saved = result == TSaveResult::Saved;
  if (saved)
    SettingsGuard.noteWritten(written);
  if (!saved)
    Platform.dialogs->message(this, TMsgIcon::Error, QStringLiteral("Unable to write to ") + path,
                              QMessageBox::Ok);
  else
    History->resultsSaved();
  return saved;
}

void TMainForm::ReadAll()
{
  readResults(false);
  History->resultsRead();
}

void TMainForm::ReadAllFieldByField()
{
  readResults(true);
  History->resultsRead();
}

void TMainForm::readResults(bool fieldByField)
{
  const QString path = SettingsFilePath(SettingsDir);
  SettingsGuard.noteRead(path);
  const TSettingsRead read = ReadSettingsFile(path);
  FirstRun = read.firstRun;
  PoolSettings = read.pool;
  if (!TProfileFile::readable(read.loaded)) {
    // The user's scores and preferences may still be in it: SaveAll will not
    // replace it, and the user hears why once, now. No first-run dialog
    // either: what it asks could not be saved, and this is no first start.
    // Brakka runs with the preferences' initial values.
    const QString text = TextIn(Prefs.language, TText::SettingsUnreadableText)
                             .arg(path, TextIn(Prefs.language, UnreadableReason(read.loaded)));
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

  Prefs = read.preferences;
  // The group computations below write team names in the current language.
  PreviousNames = TeamNamesIn(LangEnglish);
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

void TMainForm::applyPreferences(const TPreferences &chosen)
{
  takePreferences(chosen);
  SetFirstTimeGroups();
}

// Each opening builds a new dialog, released once it is closed. A favourite
// picked in its list stays picked even when the dialog is cancelled.
void TMainForm::showOptions()
{
  const auto options = std::make_unique<TOptionsForm>(this, *Platform.dialogs, Prefs, FirstRun);
  Platform.dialogs->showModal(options.get());
  if (options->result() == QDialog::Accepted)
    takePreferences(options->preferences());
  else
    Prefs.favorite = options->preferences().favorite;
}

// The interface in the chosen language; the team labels are to be carried
// over from the names they show now (the design's English ones on the first
// start).
void TMainForm::takePreferences(const TPreferences &chosen)
{
  PreviousNames = FirstRun ? TeamNamesIn(LangEnglish) : Names.teams;
  FirstRun = false;
  RelabelRequest = true;
  Prefs = chosen;
  ApplyLanguage();
}

// Every team caption outside the group matches into the language now chosen.
void TMainForm::SetFirstTimeGroups()
{
  if (!RelabelRequest)
    return;
  RelabelRequest = false;
  Engine.relabel(PreviousNames);
  showChanges();
}
