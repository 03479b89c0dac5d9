// The settings file Brakka.ini: the preferences and every score.

#include "app/brakkaMain.h"

#include "app/brakkaCommon.h"
#include "app/fixtures.h"
#include "i18n/names.h"
#include "i18n/texts.h"
#include "settings/optionsForm.h"
#include "settings/preferences.h"
#include "settings/profileFile.h"
#include "settings/timeZoneValue.h"

#include <QLineEdit>
#include <array>

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
  int side2Length;   // characters of side 2 read back; -1 for all (the final)
};
const TResultSection ResultSections[] = {
  {"GROUP A", "GA", MatchesPerGroup, false, 2}, {"GROUP B", "GB", MatchesPerGroup, false, 2},
  {"GROUP C", "GC", MatchesPerGroup, false, 2}, {"GROUP D", "GD", MatchesPerGroup, false, 2},
  {"GROUP E", "GE", MatchesPerGroup, false, 2}, {"GROUP F", "GF", MatchesPerGroup, false, 2},
  {"GROUP G", "GG", MatchesPerGroup, false, 2}, {"GROUP H", "GH", MatchesPerGroup, false, 2},
  {"FINAL 8", "Final8", 8, true, 2},            {"FINAL 4", "Final4", 4, true, 2},
  {"FINAL 2", "Final2", 2, true, 2},            {"THIRD", "Third", 1, true, 2},
  // The final's score fields take any number of digits.
  {"FINAL", "Final", 1, true, -1},
};

// "Game1" holds match 1's score; "Game1Apk" side 1's penalties, "Game1Bpk"
// side 2's. Made once: every load and save asks for them all.
constexpr int MostMatches = 8;
struct TMatchKeys {
  QString score;
  QString penalties[2];
};
const TMatchKeys &KeysOf(int match)
{
  static const auto keys = [] {
    std::array<TMatchKeys, MostMatches + 1> k;
    for (int m = 1; m <= MostMatches; ++m) {
      k[m].score = QStringLiteral("Game%1").arg(m);
      k[m].penalties[0] = k[m].score + QStringLiteral("Apk");
      k[m].penalties[1] = k[m].score + QStringLiteral("Bpk");
    }
    return k;
  }();
  return keys[std::size_t(match)];
}
const QString &MatchKey(int match) { return KeysOf(match).score; }
const QString &PenaltyKey(int match, int side) { return KeysOf(match).penalties[side - 1]; }

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
// side2Length characters after it, or the first ones when there is no hyphen
// (with two: "21" is side 2 alone; "10-123" gives 10 and 12). A length of -1
// takes side 2 whole.
struct TMatchValue {
  QString side1;
  QString side2;
};
TMatchValue SplitMatchValue(const QString &value, int side2Length)
{
  const qsizetype hyphen = value.indexOf(QLatin1Char('-'));
  return {hyphen < 0 ? QString() : ScoreOrEmpty(value.left(hyphen)),
          ScoreOrEmpty(value.mid(hyphen + 1, side2Length))};
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

void TMainForm::ReadAll() { readResults(false); }

void TMainForm::ReadAllFieldByField() { readResults(true); }

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

  // Everything below recolours the team names: once, at the end.
  const TColourBatch colours(*this);
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

  // A group's table is rebuilt from its twelve fields as a whole. Filled one
  // by one, each field would rebuild it and write a passing winner and
  // runner-up into the 1/8 finals, whose fields the change of a name
  // empties; while those fields are still empty (always so at start-up) all
  // that is overwritten by the group's last rebuild before anyone can see
  // it, so the group is filled first and rebuilt once. The trace log records
  // every rebuild, so with the trace on every field is filled on its own.
  bool groupsAtOnce = !fieldByField && !BRAKKA_TRACE_ENABLED;
  for (const QLineEdit *f : ClearLists[GroupCount])   // the 1/8 finals' scores
    groupsAtOnce = groupsAtOnce && f->text().isEmpty();

  auto groupTexts = [this](int group) {
    QStringList texts;
    for (const auto &match : Group[group].scores)
      for (const QLineEdit *f : match)
        texts.append(f->text());
    return texts;
  };

  // Every other filled field recomputes what follows from it: each knockout
  // stage after the groups, its scores before its penalties, so that each
  // match finds its teams and, when level, its penalty fields.
  auto fill = [this](const char *prefix, int match, int side, const char *suffix,
                     const QString &text) {
    field(KnockoutName(prefix, match, side, suffix))->setText(text);
  };
  int group = 0;
  for (const TResultSection &s : ResultSections) {
    const QString section = QLatin1String(s.section);
    const bool atOnce = groupsAtOnce && !s.penalties;
    const QStringList before = atOnce ? groupTexts(group) : QStringList();
    if (atOnce)
      HeldGroup = group;
    for (int m = 1; m <= s.matches; ++m) {
      const TMatchValue value = SplitMatchValue(ini.readString(section, MatchKey(m), QString()),
                                                s.side2Length);
      fill(s.fieldPrefix, m, 1, "", value.side1);
      fill(s.fieldPrefix, m, 2, "", value.side2);
    }
    HeldGroup = -1;
    if (!s.penalties) {
      if (atOnce && groupTexts(group) != before)
        GroupChange(group);
      ++group;
      continue;
    }
    for (int m = 1; m <= s.matches; ++m) {
      for (int side = 1; side <= 2; ++side)
        fill(s.fieldPrefix, m, side, "pk",
             ScoreOrEmpty(ini.readString(section, PenaltyKey(m, side), QString())));
    }
  }

  // Filling the fields changed nothing that applying the language writes
  // (texts, captions, hints, menus, the group matches' fixed team names);
  // the colours it ends with are set again by the relabelling below.
  if (fieldByField)
    ApplyLanguage();
  RelabelRequest = true;
  SetFirstTimeGroups();
  CalculateAll();
}

// Everything is recomputed while the fields are filled.
void TMainForm::CalculateAll() {}
