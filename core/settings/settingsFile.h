#pragma once
// The settings file Brakka.ini as a whole: the preferences and every score.

#include "core/i18n/texts.h"
#include "core/settings/poolSettings.h"
#include "core/settings/preferences.h"
#include "core/settings/profileFile.h"
#include "core/settings/resultTexts.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Brakka.ini in a folder.
QString SettingsFilePath(const QString &folder);

struct TSettingsRead {
  TProfileFile::TLoadResult loaded = TProfileFile::TLoadResult::Missing;
  bool firstRun = true;           // no preferences saved yet: nothing else is read
  TPreferences preferences;
  // The prediction pool's [POOL] section, when the file has it.
  std::optional<TPoolSettings> pool;
  TResultTexts results;           // every field's text; empty when not read
};
// Reads a settings file. A file that is there but cannot be read is no first
// run; one that is not there, or says so, is. [POOL] is read on a first run
// too, so that saving keeps it, and so is [CHART]'s paper.
TSettingsRead ReadSettingsFile(const QString &path);

// The file with Brakka's sections erased and written again at its end,
// replacing the old one in one step. A file that cannot be read is not
// replaced, so that nothing in it is lost: Failed then, and when the file
// cannot be written. Once the file is read, mayReplace (when given) says
// whether it may be replaced: Declined when not. Saved hands the bytes
// written to `written` (when given). [POOL] is written when pool is given:
// a file that never had the pool's section is saved without it. [CHART] is
// written when the preferences hold a paper, and left as it is otherwise.
enum class TSaveResult { Saved, Declined, Failed };
TSaveResult SaveSettingsFile(const QString &path, const TPreferences &preferences,
                             const std::optional<TPoolSettings> &pool, const TResultTexts &results,
                             const std::function<bool()> &mayReplace = {},
                             QByteArray *written = nullptr);

// Why a settings file that is there cannot be read, in the user's words.
TText UnreadableReason(TProfileFile::TLoadResult result);
