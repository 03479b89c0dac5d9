// The settings file Brakka.ini: the preferences and every score.

#include "app/brakkaMain.h"

#include "app/brakkaCommon.h"
#include "app/fixtures.h"
#include "i18n/names.h"
#include "settings/optionsForm.h"
#include "settings/preferences.h"
#include "settings/profileFile.h"
#include "settings/timeZoneValue.h"

#include <QLineEdit>

namespace {

const QString FileName = QStringLiteral("Brakka.ini");
const QString Preferences = QStringLiteral("PREFERENCES");

// The file's result sections in the order SaveAll writes them, with the
// score fields of each: field prefix + match + side ("GA11", "Final811").
struct TResultSection {
  const char *section;
  const char *fieldPrefix;
  int matches;
  bool penalties;
};
const TResultSection ResultSections[] = {
  {"GROUP A", "GA", MatchesPerGroup, false}, {"GROUP B", "GB", MatchesPerGroup, false},
  {"GROUP C", "GC", MatchesPerGroup, false}, {"GROUP D", "GD", MatchesPerGroup, false},
  {"GROUP E", "GE", MatchesPerGroup, false}, {"GROUP F", "GF", MatchesPerGroup, false},
  {"GROUP G", "GG", MatchesPerGroup, false}, {"GROUP H", "GH", MatchesPerGroup, false},
  {"FINAL 8", "Final8", 8, true},            {"FINAL 4", "Final4", 4, true},
  {"FINAL 2", "Final2", 2, true},            {"THIRD", "Third", 1, true},
  {"FINAL", "Final", 1, true},
};

QString MatchKey(int match) { return QStringLiteral("Game%1").arg(match); }
// "Game1Apk" holds side 1's penalties, "Game1Bpk" side 2's.
QString PenaltyKey(int match, int side)
{
  return MatchKey(match) + (side == 1 ? QStringLiteral("Apk") : QStringLiteral("Bpk"));
}

QString SettingsFilePath(const QString &folder)
{
  return folder.endsWith(QLatin1Char('/')) ? folder + FileName
                                           : folder + QLatin1Char('/') + FileName;
}

// A score as the grid takes it: decimal digits only. A side of an edited
// file that holds anything else loads as no score.
QString ScoreOrEmpty(const QString &text) { return IsScore(text) ? text : QString(); }

// A match is stored as side 1, a hyphen, side 2 ("2-1", "-", "3-"). Reading
// it back: side 1 is everything before the first hyphen; side 2 is at most
// two characters after it, or the first two characters when there is no
// hyphen ("21" is side 2 alone; "10-123" gives 10 and 12).
struct TMatchValue {
  QString side1;
  QString side2;
};
TMatchValue SplitMatchValue(const QString &value)
{
  const qsizetype hyphen = value.indexOf(QLatin1Char('-'));
  if (hyphen < 0)
    return {QString(), ScoreOrEmpty(value.left(2))};
  return {ScoreOrEmpty(value.left(hyphen)), ScoreOrEmpty(value.mid(hyphen + 1, 2))};
}

}  // namespace

bool TMainForm::SaveAll()
{
  const QString path = SettingsFilePath(SettingsDir);
  // The new file is the old one with Brakka's sections erased and written
  // again at its end; it replaces the old file in one step. A file that
  // cannot be read is not replaced, so that nothing in it is lost.
  TProfileFile ini;
  bool saved = ini.load(path) != TProfileFile::TLoadResult::Unreadable;
  if (saved) {
    ini.eraseSection(Preferences);
    for (const TResultSection &s : ResultSections)
      ini.eraseSection(QLatin1String(s.section));

    ini.writeString(Preferences, QStringLiteral("Language"), QString::number(LanguageIndex));
    ini.writeString(Preferences, QStringLiteral("Favorite"), QString::number(FavoriteIndex));
    ini.writeString(Preferences, QStringLiteral("TimeZone"), TimeZoneText(TimeZoneOffset));
    ini.writeString(Preferences, QStringLiteral("GMT"), TimeZoneCode);
    ini.writeString(Preferences, QStringLiteral("FirstTime"), QStringLiteral("0"));

    for (const TResultSection &s : ResultSections) {
      const QString section = QLatin1String(s.section);
      for (int m = 1; m <= s.matches; ++m) {
        auto text = [&](int side, const char *suffix) {
          return field(KnockoutName(s.fieldPrefix, m, side, suffix))->text();
        };
        ini.writeString(section, MatchKey(m), text(1, "") + QLatin1Char('-') + text(2, ""));
        if (s.penalties) {
          ini.writeString(section, PenaltyKey(m, 1), text(1, "pk"));
          ini.writeString(section, PenaltyKey(m, 2), text(2, "pk"));
        }
      }
    }
    saved = ini.save(path);
  }
  if (!saved)
    Platform.dialogs->message(this, TMsgIcon::Error, QStringLiteral("Unable to write to ") + path,
                              QMessageBox::Ok);
  return saved;
}

void TMainForm::ReadAll()
{
  // A file that cannot be read counts as missing: a first run.
  TProfileFile ini;
  ini.load(SettingsFilePath(SettingsDir));

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

  // Every filled field recomputes what follows from it: the groups come
  // first, then each knockout stage, its scores before its penalties, so
  // that each match finds its teams and, when level, its penalty fields.
  auto fill = [this](const char *prefix, int match, int side, const char *suffix,
                     const QString &text) {
    field(KnockoutName(prefix, match, side, suffix))->setText(text);
  };
  for (const TResultSection &s : ResultSections) {
    const QString section = QLatin1String(s.section);
    for (int m = 1; m <= s.matches; ++m) {
      const TMatchValue value = SplitMatchValue(ini.readString(section, MatchKey(m), QString()));
      fill(s.fieldPrefix, m, 1, "", value.side1);
      fill(s.fieldPrefix, m, 2, "", value.side2);
    }
    if (!s.penalties)
      continue;
    for (int m = 1; m <= s.matches; ++m) {
      for (int side = 1; side <= 2; ++side)
        fill(s.fieldPrefix, m, side, "pk",
             ScoreOrEmpty(ini.readString(section, PenaltyKey(m, side), QString())));
    }
  }

  ApplyLanguage();
  RelabelRequest = true;
  SetFirstTimeGroups();
  CalculateAll();
}

// Everything is recomputed while the fields are filled.
void TMainForm::CalculateAll() {}
