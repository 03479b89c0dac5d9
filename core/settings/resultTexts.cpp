#include "core/settings/resultTexts.h"

#include "core/tournament/clearing.h"
#include "core/tournament/scoreText.h"
#include "core/tournament/tournament.h"
#include "core/settings/profileFile.h"

#include <array>

namespace {

// The file's result sections in the order they are written, each holding
// its stage's fields in field order.
struct TResultSection {
  const char *section;
  int matches;
  bool penalties;
  int side2Length;   // characters of side 2 read back; -1 for all (the final)
};
const TResultSection ResultSections[] = {
  {"GROUP A", MatchesPerGroup, false, 2}, {"GROUP B", MatchesPerGroup, false, 2},
  {"GROUP C", MatchesPerGroup, false, 2}, {"GROUP D", MatchesPerGroup, false, 2},
  {"GROUP E", MatchesPerGroup, false, 2}, {"GROUP F", MatchesPerGroup, false, 2},
  {"GROUP G", MatchesPerGroup, false, 2}, {"GROUP H", MatchesPerGroup, false, 2},
  {"FINAL 8", 8, true, 2}, {"FINAL 4", 4, true, 2},
  {"FINAL 2", 2, true, 2}, {"THIRD", 1, true, 2},
  // The final's score fields take any number of digits.
  {"FINAL", 1, true, -1},
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

// A section's keys in the order its fields take them: the matches' scores,
// then each match's two penalty keys.
std::vector<QByteArray> SectionKeys(const TResultSection &s)
{
  std::vector<QByteArray> keys;
  for (int m = 1; m <= s.matches; ++m)
    keys.push_back(MatchKey(m).toLatin1());
  for (int m = 1; s.penalties && m <= s.matches; ++m)
    for (int side = 1; side <= 2; ++side)
      keys.push_back(PenaltyKey(m, side).toLatin1());
  return keys;
}

}  // namespace

TResultTexts ReadResultTexts(const TProfileFile &ini)
{
  static const auto keys = [] {
    std::vector<std::vector<QByteArray>> k;
    for (const TResultSection &s : ResultSections)
      k.push_back(SectionKeys(s));
    return k;
  }();
  TResultTexts texts;
  texts.reserve(ResultFieldCount);
  for (std::size_t i = 0; i < std::size(ResultSections); ++i) {
    const TResultSection &s = ResultSections[i];
    const std::vector<QString> values = ini.readStrings(QLatin1String(s.section), keys[i], QString());
    for (int m = 0; m < s.matches; ++m) {
      const TMatchValue value = SplitMatchValue(values[std::size_t(m)], s.side2Length);
      texts.push_back(value.side1);
      texts.push_back(value.side2);
    }
    for (std::size_t k = std::size_t(s.matches); k < values.size(); ++k)
      texts.push_back(ScoreOrEmpty(values[k]));
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


TResultTexts ResultTextsOf(const TTournament &tournament)
{
  TResultTexts texts(ResultFieldCount);
  QString *text = texts.data();
  for (int i = 0; i < ResultFieldCount; ++i)
    text[i] = tournament.text(TField(i));
  return texts;
}

void FillResults(TTournament &tournament, const TResultTexts &texts, TFill how)
{
  if (texts.size() != std::size_t(ResultFieldCount))
    return;
  auto fill = [&](std::size_t i) { tournament.setText(TField(i), texts[i]); };

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
    for (TField f : ClearList(GroupCount))   // the 1/8 finals' scores
      groupsAtOnce = groupsAtOnce && tournament.text(f).isEmpty();
  }
  // A restored step first empties the knockout scores it leaves empty, from
  // the final back to the 1/8 finals, as Clear All does: no match is reset
  // while the matches after it still hold scores.
  const std::size_t groupFields = std::size_t(GroupCount) * MatchesPerGroup * 2;
  if (how == TFill::Restoring && groupsAtOnce) {
    for (std::size_t i = ResultFieldCount; i-- > groupFields;) {
      if (texts[i].isEmpty() && FieldInfo(TField(i)).kind != TFieldInfo::Penalty)
        fill(i);
    }
  }

  // Every other filled field recomputes what follows from it: each knockout
  // stage after the groups, its scores before its penalties, so that each
  // match finds its teams and, when level, its penalty fields.
  std::size_t i = 0;
  for (int g = 0; g < GroupCount; ++g) {
    if (groupsAtOnce) {
      TTournament::TGroupTexts group;
      for (QString &t : group)
        t = texts[i++];
      tournament.setGroupTexts(g, group);
    } else {
      for (int k = 0; k < MatchesPerGroup * 2; ++k)
        fill(i++);
    }
  }
  while (i < std::size_t(ResultFieldCount))
    fill(i++);
}
