#pragma once
// The settings file Brakka.ini as a whole: the preferences and every score.

#include "i18n/texts.h"
#include "settings/poolSettings.h"
#include "settings/profileFile.h"
#include "settings/resultTexts.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// The preferences as the file keeps them.
struct TStoredPreferences {
  int language = 0;
  int favorite = 0;              // a number outside 1..32 names no team
  double timeZoneOffset = 0.0;   // the user's zone minus GMT+9, in days
  QString timeZoneCode = QStringLiteral("x35");
  // The prediction pool's [POOL] section: kept when the file had it or the
  // pool was used; a file without it is saved without it.
  std::optional<TPoolSettings> pool;
};

// Brakka.ini in a folder.
QString SettingsFilePath(const QString &folder);

struct TSettingsRead {
  TProfileFile::TLoadResult loaded = TProfileFile::TLoadResult::Missing;
  bool firstRun = true;           // no preferences saved yet: nothing else is read
  TStoredPreferences preferences;
  TResultTexts results;           // every field's text; empty when not read
};
// Reads a settings file. A file that is there but cannot be read is no first
// run; one that is not there, or says so, is. [POOL] is read on a first run
// too, so that saving keeps it.
TSettingsRead ReadSettingsFile(const QString &path);

// The file with Brakka's sections erased and written again at its end,
// replacing the old one in one step. A file that cannot be read is not
// replaced, so that nothing in it is lost: Failed then, and when the file
// cannot be written. Once the file is read, mayReplace (when given) says
// whether it may be replaced: Declined when not. Saved hands the bytes
// written to `written` (when given).
enum class TSaveResult { Saved, Declined, Failed };
TSaveResult SaveSettingsFile(const QString &path, const TStoredPreferences &preferences,
                             const TResultTexts &results,
                             const std::function<bool()> &mayReplace = {},
                             QByteArray *written = nullptr);

// Why a settings file that is there cannot be read, in the user's words.
TText UnreadableReason(TProfileFile::TLoadResult result);
