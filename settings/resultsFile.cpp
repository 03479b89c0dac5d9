// The settings file Brakka.ini: the preferences and every score.

#include "app/brakkaMain.h"

#include "app/brakkaCommon.h"
#include "app/fixtures.h"
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

const std::vector<QString> &ResultFieldNames()
{
  static const std::vector<QString> names = [] {
    std::vector<QString> n;
    for (const TResultSection &s : ResultSections) {
      for (int m = 1; m <= s.matches; ++m)
        for (int side = 1; side <= 2; ++side)
          n.push_back(KnockoutName(s.fieldPrefix, m, side, ""));
      for (int m = 1; s.penalties && m <= s.matches; ++m)
        for (int side = 1; side <= 2; ++side)
          n.push_back(KnockoutName(s.fieldPrefix, m, side, "pk"));
    }
    return n;
  }();
  return names;
}

TResultTexts ReadResultTexts(const TProfileFile &ini)
{
  TResultTexts texts;
  texts.reserve(ResultFieldNames().size());
  for (const TResultSection &s : ResultSections) {
    const QString section = QLatin1String(s.section);
    for (int m = 1; m <= s.matches; ++m) {
      const TMatchValue value = SplitMatchValue(ini.readString(section, MatchKey(m), QString()),
                                                s.side2Length);
      texts.push_back(value.side1);
      texts.push_back(value.side2);
    }
    for (int m = 1; s.penalties && m <= s.matches; ++m) {
      for (int side = 1; side <= 2; ++side)
        texts.push_back(ScoreOrEmpty(ini.readString(section, PenaltyKey(m, side), QString())));
    }
  }
  return texts;
}

bool HasResultSections(const TProfileFile &ini)
{
  // A missing key reads as either default; a key that is there as itself.
  for (const TResultSection &s : ResultSections) {
    const QString section = QLatin1String(s.section);
    if (ini.readString(section, MatchKey(1), QStringLiteral("-")).isEmpty() !=
        ini.readString(section, MatchKey(1), QString()).isEmpty())
      return false;
  }
  return true;
}

void WriteResultTexts(TProfileFile &ini, const TResultTexts &texts)
{
  std::size_t base = 0;
  for (const TResultSection &s : ResultSections) {
    const QString section = QLatin1String(s.section);
    ini.eraseSection(section);
    const std::size_t penalties = base + 2 * std::size_t(s.matches);
    for (int m = 0; m < s.matches; ++m) {
      const std::size_t i = base + 2 * std::size_t(m);
      ini.writeString(section, MatchKey(m + 1), texts[i] + QLatin1Char('-') + texts[i + 1]);
      if (s.penalties) {
        ini.writeString(section, PenaltyKey(m + 1, 1), texts[penalties + 2 * std::size_t(m)]);
        ini.writeString(section, PenaltyKey(m + 1, 2), texts[penalties + 2 * std::size_t(m) + 1]);
      }
    }
    base = s.penalties ? penalties + 2 * std::size_t(s.matches) : penalties;
  }
}

bool TMainForm::SaveAll()
{
  const QString path = SettingsFilePath(SettingsDir);
  // The new file is the old one with Brakka's sections erased and written
  // again at its end; it replaces the old file in one step. A file that
  // cannot be read is not replaced, so that nothing in it is lost.
  TProfileFile ini;
  bool saved = TProfileFile::readable(ini.load(path));
  // Another program's changes are replaced only when the user says so.
  if (saved && SettingsGuard.changedOnDisk(path) &&
      Platform.dialogs->message(this, TMsgIcon::Question, Text(TText::SettingsChangedText),
                                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return false;
  if (saved) {
    ini.eraseSection(Preferences);
    ini.writeString(Preferences, QStringLiteral("Language"), QString::number(LanguageIndex));
    ini.writeString(Preferences, QStringLiteral("Favorite"), QString::number(FavoriteIndex));
    ini.writeString(Preferences, QStringLiteral("TimeZone"), TimeZoneText(TimeZoneOffset));
    ini.writeString(Preferences, QStringLiteral("GMT"), TimeZoneCode);
    ini.writeString(Preferences, QStringLiteral("FirstTime"), QStringLiteral("0"));
    WriteResultTexts(ini, resultTexts());
    saved = ini.save(path);
    if (saved)
      SettingsGuard.noteWritten(ini.content());
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
  SettingsGuard.noteRead(path);
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

const std::vector<QLineEdit *> &TMainForm::resultFields()
{
  if (ResultFields.empty()) {
    for (const QString &name : ResultFieldNames())
      ResultFields.push_back(field(name));
  }
  return ResultFields;
}

TResultTexts TMainForm::resultTexts()
{
  TResultTexts texts;
  texts.reserve(resultFields().size());
  for (const QLineEdit *f : resultFields())
    texts.push_back(f->text());
  return texts;
}

void TMainForm::fillResults(const TResultTexts &texts, TFill how)
{
  const TColourBatch colours(*this);
  const TQuietChanges quiet(*this);
  const std::vector<QLineEdit *> &fields = resultFields();
  auto fill = [&](std::size_t i) {
    if (fields[i]->text() != texts[i])
      fields[i]->setText(texts[i]);
  };

  // A group's table is rebuilt from its twelve fields as a whole. Filled one
  // by one, each field would rebuild it and write a passing winner and
  // runner-up into the 1/8 finals, whose fields the change of a name
  // empties; all that is overwritten by the group's last rebuild before
  // anyone can see it: while those fields are still empty (always so at
  // start-up), or when every knockout field is filled from the texts after
  // the groups (a restored step). So the group is filled first and rebuilt
  // once. The trace log records every rebuild, so with the trace on every
  // field is filled on its own.
  bool groupsAtOnce = how != TFill::FieldByField && !BRAKKA_TRACE_ENABLED;
  if (how == TFill::Loading) {
    for (const QLineEdit *f : ClearLists[GroupCount])   // the 1/8 finals' scores
      groupsAtOnce = groupsAtOnce && f->text().isEmpty();
  }
  // A restored step first empties the knockout scores it leaves empty, from
  // the final back to the 1/8 finals, as Clear All does: no match is reset
  // while the matches after it still hold scores.
  const std::size_t groupFields = std::size_t(GroupCount) * MatchesPerGroup * 2;
  if (how == TFill::Restoring && groupsAtOnce) {
    for (std::size_t i = fields.size(); i-- > groupFields;) {
      if (texts[i].isEmpty() && !fields[i]->objectName().endsWith(QLatin1String("pk")))
        fill(i);
    }
  }

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
  std::size_t i = 0;
  int group = 0;
  for (const TResultSection &s : ResultSections) {
    const bool atOnce = groupsAtOnce && !s.penalties;
    const QStringList before = atOnce ? groupTexts(group) : QStringList();
    if (atOnce)
      HeldGroup = group;
    for (int k = 0; k < 2 * s.matches; ++k)
      fill(i++);
    HeldGroup = -1;
    if (!s.penalties) {
      if (atOnce && groupTexts(group) != before)
        GroupChange(group);
      ++group;
      continue;
    }
    for (int k = 0; k < 2 * s.matches; ++k)
      fill(i++);
  }
}

// Everything is recomputed while the fields are filled.
void TMainForm::CalculateAll() {}
