// Arbitrary bytes as a user's session on the tournament alone, without a
// window: keys typed into the fields a user can reach, pastes, the clear
// buttons, Clear All, undo and redo, and settings files read into a new
// tournament. After every action the grid keeps its invariants; the same
// result texts always show the same grid; undo and redo bring back the grid
// as it was; and a save and a restart show it unchanged.

#include "fuzzInput.h"

#include "core/grid/scoreText.h"
#include "core/groups/fixtures.h"
#include "core/groups/groupTables.h"
#include "core/knockout/bracket.h"
#include "core/knockout/clearing.h"
#include "core/knockout/tournament.h"
#include "core/settings/profileFile.h"
#include "core/settings/resultTexts.h"
#include "core/settings/resultsHistory.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <limits>
#include <malloc.h>

namespace {

[[noreturn]] void Broken(const char *what, const QString &detail = QString())
{
  std::fprintf(stderr, "\n*** %s %s\n", what, qPrintable(detail));
  std::fflush(stderr);
  std::abort();
}

const TTournament &Pristine()
{
  static const TTournament t(false);
  return t;
}

// The final's fields take any number of digits, every other field two.
bool TwoCharLimit(TField f) { return FieldInfo(f).stage != TheFinal; }

int StageOf(const char *prefix)
{
  for (int k = 0; k < KnockoutCount; ++k)
    if (std::strcmp(KnockoutStage(k).prefix, prefix) == 0)
      return k;
  Broken("unknown stage", QLatin1String(prefix));
}

// A table figure: decimal digits after an optional sign, a "+" only before
// a difference of 1 to 9.
qint64 Figure(const TGrid &grid, int group, int place, int column)
{
  const QString &text = grid.text(TableField(group, place, column));
  const bool negative = text.startsWith(u'-'), plus = text.startsWith(u'+');
  qint64 v = 0;
  qsizetype i = negative || plus ? 1 : 0;
  bool ok = i < text.size() && text.size() - i <= 18;
  for (; ok && i < text.size(); ++i) {
    ok = text[i] >= u'0' && text[i] <= u'9';
    v = v * 10 + (text[i].unicode() - u'0');
  }
  if (!ok || (plus && (column != TableColumnCount - 1 || v < 1 || v > 9)))
    Broken("table figure is not a number", FieldName(TableField(group, place, column)) + QStringLiteral(" = ") + text);
  return negative ? -v : v;
}

// A group table against its scores: the four teams of the group, each with
// the figures its counted matches give, in order of points.
void CheckGroup(const TTournament &t, int g)
{
  const TGrid &grid = t.grid();
  // Pts P W T L GF GA of each team, by its place in the group's first order.
  const TGroupSeeding &seeding = GroupSeeding(g);
  qint64 lines[TeamsPerGroup][7] = {};
  auto lineOf = [&](TTeam team) -> qint64 * {
    for (int i = 0; i < TeamsPerGroup; ++i)
      if (seeding.initialOrder[std::size_t(i)] == team)
        return lines[i];
    Broken("fixture of a team not in the group");
  };
  auto count = [](qint64 *line, qint64 gf, qint64 ga) {
    line[0] += gf > ga ? 3 : gf == ga ? 1 : 0;
    line[1] += 1;
    line[gf > ga ? 2 : gf == ga ? 3 : 4] += 1;
    line[5] += gf;
    line[6] += ga;
  };
  bool countable = true;
  for (int m = 0; m < MatchesPerGroup; ++m) {
    const QString &a = grid.text(GroupScoreField(g, m, 0));
    const QString &b = grid.text(GroupScoreField(g, m, 1));
    if (!IsScore(a) || !IsScore(b))
      continue;
    if (a.size() > 9 || b.size() > 9) {   // whether it counts is the reader's limit
      countable = false;
      continue;
    }
    const TGroupMatch &fixture = GroupFixtures(g)[std::size_t(m)];
    const qint64 x = *ReadGroupScore(a), y = *ReadGroupScore(b);
    count(lineOf(fixture.side1), x, y);
    count(lineOf(fixture.side2), y, x);
  }
  bool listed[TeamsPerGroup] = {};
  qint64 abovePoints = std::numeric_limits<qint64>::max();
  for (int r = 0; r < TeamsPerGroup; ++r) {
    const QString &name = grid.caption(TableNameLabel(g, r));
    int team = 0;
    while (team < TeamsPerGroup && !SameText(t.teamNames()[seeding.initialOrder[std::size_t(team)]], name))
      ++team;
    if (team == TeamsPerGroup || listed[team])
      Broken("table names a team not in the group, or twice", name);
    listed[team] = true;
    qint64 f[8];
    for (int c = 0; c < TableColumnCount; ++c)
      f[c] = Figure(grid, g, r, c);
    if (f[0] != 3 * f[2] + f[3] || f[1] != f[2] + f[3] + f[4] || f[7] != f[5] - f[6])
      Broken("table figures do not add up", LabelName(TableNameLabel(g, r)));
    if (f[0] > abovePoints)
      Broken("table out of order by points", LabelName(TableNameLabel(g, r)));
    abovePoints = f[0];
    for (int c = 0; countable && c < 7; ++c) {
      if (f[c] != lines[team][c])
        Broken("table figure differs from the scores", FieldName(TableField(g, r, c)));
    }
  }
  const TSlot &w = seeding.winner, &r = seeding.runnerUp;
  if (grid.caption(KnockoutTeamLabel(Final8, w.match - 1, w.side - 1)) != grid.caption(TableNameLabel(g, 0)) ||
      grid.caption(KnockoutTeamLabel(Final8, r.match - 1, r.side - 1)) !=
          grid.caption(TableNameLabel(g, 1)))
    Broken("1/8-final slot is not the group's winner or runner-up", QString(GroupLetter(g)));
}

// A knockout match's outcome from its texts: side 0 or 1 goes on, -1 for
// neither (nobody goes on from a match whose teams are not both known);
// level is a level score (whose penalty fields show).
struct TOutcome {
  int winner = -1;
  bool level = false;
};
TOutcome DecidedOf(const TGrid &grid, int stage, int match)
{
  const QString &a = grid.text(KnockoutScoreField(stage, match, 0));
  const QString &b = grid.text(KnockoutScoreField(stage, match, 1));
  if (!IsScore(a) || !IsScore(b))
    return {};
  if (const int goals = CompareScores(a, b); goals != 0)
    return {goals > 0 ? 0 : 1, false};
  const QString &p = grid.text(PenaltyField(stage, match, 0));
  const QString &q = grid.text(PenaltyField(stage, match, 1));
  if (!IsScore(p) || !IsScore(q) || CompareScores(p, q) == 0)
    return {-1, true};
  return {CompareScores(p, q) > 0 ? 0 : 1, true};
}
TOutcome OutcomeOf(const TGrid &grid, int stage, int match)
{
  TOutcome o = DecidedOf(grid, stage, match);
  if (SameText(grid.caption(KnockoutTeamLabel(stage, match, 0)), Placeholder) ||
      SameText(grid.caption(KnockoutTeamLabel(stage, match, 1)), Placeholder))
    o.winner = -1;
  return o;
}

bool IsTeam(const TTournament &t, const QString &caption)
{
  const TTeamNameList &names = t.teamNames();
  return std::find_if(names.begin() + 1, names.end(),
                      [&](const QString &name) { return SameText(name, caption); }) != names.end();
}

// typed: the session read no file. A file may hold a score for a match
// whose teams are not known yet: it is loaded into the disabled field.
void CheckKnockout(const TTournament &t, bool typed)
{
  const TGrid &grid = t.grid();
  for (int k = 0; k < KnockoutCount; ++k) {
    for (int m = 0; m < KnockoutStage(k).matches; ++m) {
      const TOutcome o = OutcomeOf(grid, k, m);
      for (int s = 0; s < 2; ++s) {
        const TLabel team = KnockoutTeamLabel(k, m, s);
        const QString &caption = grid.caption(team);
        if (caption != Placeholder && !IsTeam(t, caption))
          Broken("knockout slot shows neither a team nor the placeholder", LabelName(team));
        if (k == Final8 && caption == Placeholder)
          Broken("1/8-final slot without a team", LabelName(team));
        const TFieldState &pen = grid.field(PenaltyField(k, m, s));
        if (pen.hidden != !o.level)
          Broken(o.level ? "level score without penalty fields" : "penalty fields beside a decided score",
                 FieldName(PenaltyField(k, m, s)));
        if (pen.hidden && !pen.text.isEmpty())
          Broken("hidden penalty field holds a score", FieldName(PenaltyField(k, m, s)));
        if (k != TheFinal && grid.label(team).bold != (o.winner == s))
          Broken("knockout winner not shown in bold, or a loser is", LabelName(team));
        const TFieldState &score = grid.field(KnockoutScoreField(k, m, s));
        if (score.enabled != grid.label(team).enabled)
          Broken("score field and its team enabled apart", FieldName(KnockoutScoreField(k, m, s)));
        if (typed && !score.enabled && !score.text.isEmpty())
          Broken("score field without a team holds a score", FieldName(KnockoutScoreField(k, m, s)));
        if (score.enabled && caption == Placeholder)
          Broken("score field open for the placeholder", FieldName(KnockoutScoreField(k, m, s)));
      }
      if (k == ThirdPlace || k == TheFinal) {
        if (grid.label(PenaltyHeadingLabel(k)).enabled != o.level)
          Broken("Pen. heading apart from its fields", LabelName(PenaltyHeadingLabel(k)));
      }
    }
  }
  // Each winner in its next slot; a slot without one is empty and disabled.
  static const auto stages = [] {
    std::array<std::array<int, 2>, BracketMatchCount> s{};
    for (int i = 0; i < BracketMatchCount; ++i)
      s[std::size_t(i)] = {StageOf(Bracket()[std::size_t(i)].prefix), StageOf(Bracket()[std::size_t(i)].nextPrefix)};
    return s;
  }();
  for (int i = 0; i < BracketMatchCount; ++i) {
    const TBracketMatch &b = Bracket()[std::size_t(i)];
    const int stage = stages[std::size_t(i)][0];
    const TOutcome o = OutcomeOf(grid, stage, b.match - 1);
    const TLabel next = KnockoutTeamLabel(stages[std::size_t(i)][1], b.nextMatch - 1, b.nextSide - 1);
    const QString expected =
        o.winner < 0 ? Placeholder : grid.caption(KnockoutTeamLabel(stage, b.match - 1, o.winner));
    if (grid.caption(next) != expected || grid.label(next).enabled != (o.winner >= 0))
      Broken("next slot does not show the match's winner", LabelName(next));
    if (b.thirdSide) {
      const TLabel third = KnockoutTeamLabel(ThirdPlace, 0, b.thirdSide - 1);
      const QString loser =
          o.winner < 0 ? Placeholder : grid.caption(KnockoutTeamLabel(stage, b.match - 1, 1 - o.winner));
      if (grid.caption(third) != loser || grid.label(third).enabled != (o.winner >= 0))
        Broken("third-place slot does not show the semi-final's loser", LabelName(third));
    }
  }
  const TOutcome final = OutcomeOf(grid, TheFinal, 0);
  const QString champion =
      final.winner < 0 ? Placeholder : grid.caption(KnockoutTeamLabel(TheFinal, 0, final.winner));
  if (grid.caption(ChampionLabel()) != champion)
    Broken("champion differs from the final", grid.caption(ChampionLabel()));
}

// The knockout stage's controls: its fields, team captions, Pen. headings
// and the champion.
struct TKnockoutControls {
  std::bitset<FieldCount> fields;
  std::bitset<LabelCount> labels;
  TKnockoutControls()
  {
    for (int k = 0; k < KnockoutCount; ++k) {
      for (int m = 0; m < KnockoutStage(k).matches; ++m) {
        for (int s = 0; s < 2; ++s) {
          fields.set(Index(KnockoutScoreField(k, m, s)));
          fields.set(Index(PenaltyField(k, m, s)));
          labels.set(Index(KnockoutTeamLabel(k, m, s)));
        }
      }
      if (k == ThirdPlace || k == TheFinal)
        labels.set(Index(PenaltyHeadingLabel(k)));
    }
    labels.set(Index(ChampionLabel()));
  }
};

// Every invariant of a state; typed says the fields hold only what typing
// can put there. What the last actions left unchanged was checked before.
void CheckGrid(TTournament &t, bool typed)
{
  static const TKnockoutControls knockout;
  const TGrid &grid = t.grid();
  const TGrid::TChanges changes = t.takeChanges();
  for (int i = 0; i < ResultFieldCount; ++i) {
    if (!changes.fields.test(std::size_t(i)))
      continue;
    const QString &text = grid.text(TField(i));
    if (!text.isEmpty() && !IsScore(text))
      Broken("score field holds what is no score", FieldName(TField(i)) + QStringLiteral(" = ") + text);
    if (typed && TwoCharLimit(TField(i)) && text.size() > 2)
      Broken("field holds more than two characters", FieldName(TField(i)) + QStringLiteral(" = ") + text);
  }
  for (int g = 0; g < GroupCount; ++g) {
    bool touched = false;
    for (int m = 0; m < MatchesPerGroup && !touched; ++m)
      touched = changes.fields.test(Index(GroupScoreField(g, m, 0))) ||
                changes.fields.test(Index(GroupScoreField(g, m, 1)));
    for (int r = 0; r < TeamsPerGroup && !touched; ++r)
      touched = changes.labels.test(Index(TableNameLabel(g, r)));
    if (touched)
      CheckGroup(t, g);
  }
  if ((changes.fields & knockout.fields).any() || (changes.labels & knockout.labels).any())
    CheckKnockout(t, typed);
}

void CheckSame(const TGrid &expected, const TGrid &actual, const char *what)
{
  if (expected == actual)
    return;
  for (int i = 0; i < FieldCount; ++i) {
    const TFieldState &e = expected.field(TField(i)), &a = actual.field(TField(i));
    if (!(e == a))
      Broken(what, QStringLiteral("%1: \"%2\" hidden=%3 enabled=%4 instead of \"%5\" hidden=%6 enabled=%7")
                       .arg(FieldName(TField(i)), a.text).arg(a.hidden).arg(a.enabled)
                       .arg(e.text).arg(e.hidden).arg(e.enabled));
  }
  for (int i = 0; i < LabelCount; ++i) {
    const TLabelState &e = expected.label(TLabel(i)), &a = actual.label(TLabel(i));
    if (!(e == a))
      Broken(what, QStringLiteral("%1: \"%2\" bold=%3 enabled=%4 instead of \"%5\" bold=%6 enabled=%7")
                       .arg(LabelName(TLabel(i)), a.caption).arg(a.bold).arg(a.enabled)
                       .arg(e.caption).arg(e.bold).arg(e.enabled));
  }
  Broken(what);
}

TTournament Loaded(const TResultTexts &texts, TFill how)
{
  TTournament t = Pristine();
  FillResults(t, texts, how);
  return t;
}

// The slow ways of reading and checking are taken for one input in so many,
// chosen by a hash of the whole input rather than by one of its bytes: a
// mutation of an input that took one mostly does not, so the corpus's
// preference for inputs that reach more code does not make them the rule.
struct TSlowWays {
  bool fileText, fieldByField, savedFile, loadedAgain, clearingByStages, restoreAgainstLoad;
  explicit TSlowWays(std::uint32_t roll)
      : fileText((roll & 7u) == 0), fieldByField(((roll >> 3) & 15u) == 0),
        savedFile(((roll >> 7) & 15u) == 0), loadedAgain(((roll >> 11) & 3u) == 0),
        clearingByStages(((roll >> 13) & 7u) == 0), restoreAgainstLoad(((roll >> 16) & 1u) == 0)
  {
  }
};

std::uint32_t Roll(const uint8_t *data, size_t size)
{
  std::uint32_t h = 2166136261u;   // FNV-1a
  for (size_t i = 0; i < size; ++i)
    h = (h ^ data[i]) * 16777619u;
  return h;
}

struct TSession {
  const TSlowWays slow;
  TTournament t = Pristine();
  TResultsHistory history;
  bool typed = true;   // nothing read from a file in this session

  explicit TSession(const TSlowWays &slow) : slow(slow)
  {
    static const TResultTexts pristine = ResultTextsOf(Pristine());
    history.start(pristine);
  }

  // The grids new tournaments showed when loaded from texts in this
  // session: the same texts load the same grid, so each is loaded once.
  std::deque<std::pair<TResultTexts, TGrid>> loads;

  const TGrid &loaded(const TResultTexts &from)
  {
    for (const auto &load : loads)
      if (load.first == from)
        return load.second;
    loads.emplace_back(from, Loaded(from, TFill::Loading).grid());
    return loads.back().second;
  }

  void record(TStepKind kind, TField field, int stage)
  {
    const TResultTexts texts = ResultTextsOf(t);
    history.record(kind, field, stage, texts);
    if (history.current() != texts)
      Broken("history holds other texts than the grid");
  }

  void restore(const TResultTexts *texts, const char *what)
  {
    if (!texts)
      return;
    FillResults(t, *texts, TFill::Restoring);
    if (ResultTextsOf(t) != *texts)
      Broken("restored step shows other texts", what);
    // The grid follows from the texts alone, whatever led to them (for
    // every input, at least in the end: see CheckRestart).
    if (slow.restoreAgainstLoad)
      CheckSame(loaded(*texts), t.grid(), what);
  }
};

// A field a user can type in: shown and enabled. The high bit of the byte
// chooses among the knockout fields, when any is open.
TField Reachable(const TGrid &grid, unsigned byte)
{
  TField fields[ResultFieldCount];
  int count = 0;
  const bool knockout = byte & 0x80u;
  for (int i = knockout ? GroupCount * MatchesPerGroup * 2 : 0; i < ResultFieldCount; ++i) {
    const TFieldState &f = grid.field(TField(i));
    if (f.enabled && !f.hidden)
      fields[count++] = TField(i);
  }
  return count ? fields[(byte & 0x7fu) % unsigned(count)] : Reachable(grid, byte & 0x7fu);
}

// A cursor in a field's text and the characters selected after it.
struct TCursor {
  qsizetype at, selected;
};
TCursor CursorIn(const QString &text, TFuzzInput &in)
{
  const qsizetype at = qsizetype(in.next()) % (text.size() + 1);
  return {at, qsizetype(in.next()) % (text.size() - at + 1)};
}

// One key in a field: a digit, Backspace or Delete, as the field's filter
// lets it through; the text it leaves.
QString AfterKey(const QString &text, TField f, TCursor c, unsigned key)
{
  if (key < 10) {
    if (TwoCharLimit(f) && text.size() - c.selected + 1 > 2)
      return text;
    return text.left(c.at) + QChar(u'0' + key) + text.mid(c.at + c.selected);
  }
  if (c.selected > 0)
    return text.left(c.at) + text.mid(c.at + c.selected);
  if (key == 10)   // Backspace
    return c.at > 0 ? text.left(c.at - 1) + text.mid(c.at) : text;
  return text.left(c.at) + text.mid(c.at + 1);   // Delete
}

void Type(TSession &s, TField f, const QString &text)
{
  s.t.setText(f, text);
  s.record(TStepKind::Typing, f, -1);
}

// The Paste of a field's menu: only a score, cut to the room the field has.
void Paste(TSession &s, TField f, TCursor c, const QString &clipboard)
{
  const QString &text = s.t.grid().text(f);
  QString pasted = PastedScore(clipboard);
  if (TwoCharLimit(f))
    pasted.truncate(qMax<qsizetype>(0, 2 - (text.size() - c.selected)));
  if (!pasted.isEmpty())
    Type(s, f, text.left(c.at) + pasted + text.mid(c.at + c.selected));
}

const char *const Clipboards[] = {"1", "12", "123", " 3 ", "4\n5", "\r\n2", "x", "-1", "+2", "1 2",
                                  "٣", "０", "007", "99999999999", "", "\t7\t"};

// Small numbers from a byte, for whole groups and brackets read from a file.
class TRandom {
public:
  explicit TRandom(unsigned seed) : State(seed * 2654435761u + 1u) {}
  unsigned next(unsigned below)
  {
    State ^= State << 13;
    State ^= State >> 17;
    State ^= State << 5;
    return State % below;
  }

private:
  std::uint32_t State;
};

const char *const Sections[StageCount] = {"GROUP A", "GROUP B", "GROUP C", "GROUP D", "GROUP E",
                                          "GROUP F", "GROUP G", "GROUP H", "FINAL 8", "FINAL 4",
                                          "FINAL 2", "THIRD",   "FINAL"};
const char *const Values[] = {"",       "-",      "1-",      "-2",       "123-4",   "1-234", "007-00",
                              "a-1",    "1-b",    " 2 - 3 ", "99999999999-1",      "+1-2",  "1-2-3",
                              "2",      "21",     "0x1-2",   "3-3",      "10-10",   "\"1-1\"", "4-4"};

// Appends a key line: "Game<m>", the penalties' "Apk" or "Bpk" when given,
// "=", the value.
void AppendKey(QByteArray &to, unsigned match, const char *penalties, QByteArrayView value)
{
  to.append("Game").append(char('0' + match)).append(penalties).append('=').append(value).append("\r\n");
}

// A settings file's result sections from the input: a few chosen keys with
// odd values, then (the first copy of a key wins) whole groups and brackets.
QByteArray SettingsText(TFuzzInput &in, unsigned how)
{
  QByteArray lines[StageCount];
  for (unsigned n = in.next() % 8; n > 0; --n) {
    const int stage = int(in.next() % StageCount);
    const int matches = stage < GroupCount ? MatchesPerGroup : KnockoutStage(stage - GroupCount).matches;
    const unsigned match = in.next() % unsigned(matches) + 1;
    const unsigned key = stage < GroupCount ? 0 : in.next() % 3;
    const unsigned v = in.next();
    const QByteArray value = v < 200 ? QByteArray(Values[v % std::size(Values)])
                                     : QByteArray::number(qulonglong(v) * 1234567ull).left(int(v % 14));
    AppendKey(lines[stage], match, key == 0 ? "" : key == 1 ? "Apk" : "Bpk", value);
  }
  TRandom random(in.next());
  char score[] = "0-0";
  auto digit = [&](unsigned below) { return char('0' + random.next(below)); };
  for (int stage = 0; stage < StageCount; ++stage) {
    const bool group = stage < GroupCount;
    if (!(how & (group ? 1u : 2u)))
      continue;
    const int matches = group ? MatchesPerGroup : KnockoutStage(stage - GroupCount).matches;
    for (unsigned m = 1; m <= unsigned(matches); ++m) {
      score[0] = digit(group ? 5 : 3);
      score[2] = digit(group ? 5 : 3);
      AppendKey(lines[stage], m, "", score);
      if (!group && (how & 4u)) {
        AppendKey(lines[stage], m, "Apk", QByteArrayView(&(score[0] = digit(6)), 1));
        AppendKey(lines[stage], m, "Bpk", QByteArrayView(&(score[0] = digit(6)), 1));
      }
    }
  }
  QByteArray file;
  file.reserve(2048);
  for (int stage = 0; stage < StageCount; ++stage)
    file.append('[').append(Sections[stage]).append("]\r\n").append(lines[stage]);
  return file;
}

// Score texts a settings file can give a field, odd ones among them.
const char *const ReadTexts[] = {"", "0", "1", "2", "3", "4", "00", "007", "10", "12", "123",
                                 "2147483647", "2147483648", "99999999999"};

// The result texts of a restart's settings file. Mostly they are made as
// the reader gives them: whole groups and brackets, then a few fields with
// odd texts. Now and then the file's text is written and read.
TResultTexts TextsRead(TFuzzInput &in, unsigned how, const TSlowWays &slow)
{
  if (slow.fileText)
    return ReadResultTexts(TProfileFile(SettingsText(in, how)));
  static const QString digits[] = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                   QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")};
  TResultTexts texts(ResultFieldCount);
  TRandom random(in.next());
  for (int g = 0; (how & 1u) && g < GroupCount; ++g)
    for (int m = 0; m < MatchesPerGroup; ++m)
      for (int side = 0; side < 2; ++side)
        texts[Index(GroupScoreField(g, m, side))] = digits[random.next(5)];
  for (int k = 0; (how & 2u) && k < KnockoutCount; ++k) {
    for (int m = 0; m < KnockoutStage(k).matches; ++m) {
      for (int side = 0; side < 2; ++side) {
        texts[Index(KnockoutScoreField(k, m, side))] = digits[random.next(3)];
        if (how & 4u)
          texts[Index(PenaltyField(k, m, side))] = digits[random.next(6)];
      }
    }
  }
  for (unsigned n = in.next() % 8; n > 0; --n) {
    const TField field = TField(in.next() % ResultFieldCount);
    QString text = QString::fromLatin1(ReadTexts[in.next() % std::size(ReadTexts)]);
    // Side 2 of a score is read two characters long, but in the final.
    const TFieldInfo &info = FieldInfo(field);
    if (info.kind != TFieldInfo::Penalty && info.side == 1 && TwoCharLimit(field))
      text.truncate(2);
    texts[Index(field)] = text;
  }
  return texts;
}

// A restart on a settings file: a new tournament filled from it.
void ReadFile(TSession &s, TFuzzInput &in, const TSlowWays &slow)
{
  const unsigned how = in.next();
  const TResultTexts texts = TextsRead(in, how, slow);
  for (const QString &text : texts) {
    if (!text.isEmpty() && !IsScore(text))
      Broken("read what is no score", text);
  }
  TTournament loaded = Loaded(texts, TFill::Loading);
  // Filled field by field, each group is rebuilt twelve times; the file's
  // text is what the settings targets check.
  if (slow.fieldByField)
    CheckSame(Loaded(texts, TFill::FieldByField).grid(), loaded.grid(), "loading differs from field by field");
  const TResultTexts shown = ResultTextsOf(loaded);
  if (slow.savedFile) {
    TProfileFile saved;
    WriteResultTexts(saved, shown);
    if (ReadResultTexts(TProfileFile(saved.content())) != shown)
      Broken("saved results read back differently");
  }
  // The same texts load the same grid: only texts the grid changed need a
  // second load.
  if (slow.loadedAgain && shown != texts)
    CheckSame(loaded.grid(), Loaded(shown, TFill::Loading).grid(), "a loaded grid saved and loaded changed");
  // Undo and redo bring texts back over another grid.
  if (shown == texts)
    s.loads.emplace_back(shown, loaded.grid());
  s.t = std::move(loaded);
  s.history = TResultsHistory();
  s.history.start(shown);
  s.typed = false;
}

// What a restart shows: a new tournament loaded from the texts saved.
void CheckRestart(TSession &s)
{
  CheckSame(s.loaded(ResultTextsOf(s.t)), s.t.grid(), "save and restart changed the grid");
}

void Play(TFuzzInput &in, const TSlowWays &slow)
{
  TSession s(slow);
  // A session starts on an empty grid or, as at start-up, on a file read.
  if ((in.next() & 3) == 0) {
    ReadFile(s, in, slow);
    CheckGrid(s.t, s.typed);
  }
  // Long sessions find little more and would slow the run down.
  for (int actions = 0; actions < 6 && in.more(); ++actions) {
    const unsigned action = in.next() % 16;
    const TField f = Reachable(s.t.grid(), in.next());
    const QString &text = s.t.grid().text(f);
    switch (action) {
    default: {
      const TCursor c = CursorIn(text, in);
      const QString after = AfterKey(text, f, c, in.next() % 12);
      if (after != text)
        Type(s, f, after);
      break;
    }
    case 8: {
      // A score typed over the whole text, key by key.
      const unsigned v = in.next() % 12;
      const QString digits = v < 10 ? QString::number(v) : v == 10 ? QString() : QString::number(in.next() % 100);
      QString now = AfterKey(text, f, {0, text.size()}, digits.isEmpty() ? 10 : digits[0].unicode() - u'0');
      Type(s, f, now);
      for (qsizetype i = 1; i < digits.size(); ++i) {
        now = AfterKey(now, f, {now.size(), 0}, digits[i].unicode() - u'0');
        Type(s, f, now);
      }
      break;
    }
    case 9:
      Paste(s, f, CursorIn(text, in), QString::fromUtf8(Clipboards[in.next() % std::size(Clipboards)]));
      break;
    case 10: {
      const int stage = int(in.next() % StageCount);
      ClearStage(s.t, stage);
      s.record(TStepKind::Clearing, f, stage);
      break;
    }
    case 11: {
      // Clear All leaves the tournament as it first showed, as clearing
      // every stage in order does.
      if (slow.clearingByStages) {
        TTournament byStages = s.t;
        for (int stage = 0; stage < StageCount; ++stage)
          ClearStage(byStages, stage);
        ClearAll(s.t);
        CheckSame(byStages.grid(), s.t.grid(), "Clear All differs from the clear buttons");
      } else {
        ClearAll(s.t);
      }
      CheckSame(Pristine().grid(), s.t.grid(), "Clear All leaves a trace");
      s.record(TStepKind::ClearingAll, f, -1);
      break;
    }
    case 12:
    case 13: {
      const TGrid before = s.t.grid();
      const bool redoAtOnce = in.next() & 1;
      if (!s.history.canUndo())
        break;
      s.restore(s.history.undo(), "undo");
      if (redoAtOnce) {
        const TGrid undone = s.t.grid();
        s.restore(s.history.redo(), "redo after undo");
        CheckSame(before, s.t.grid(), "undo then redo changed the grid");
        s.restore(s.history.undo(), "undo after redo");
        CheckSame(undone, s.t.grid(), "a second undo differs from the first");
      }
      break;
    }
    case 14:
      s.restore(s.history.redo(), "redo");
      break;
    case 15: {
      // A whole group played, so that inputs reach the knockout stage.
      const int g = int(in.next() % GroupCount);
      for (int m = 0; m < MatchesPerGroup; ++m)
        for (int side = 0; side < 2; ++side)
          Type(s, GroupScoreField(g, m, side), QString::number(in.next() % 5));
      break;
    }
    }
    CheckGrid(s.t, s.typed);
  }
  CheckRestart(s);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
  // Every input builds and drops several whole tournaments: freed memory is
  // kept for the next rather than given back to the system each time.
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  mallopt(M_TOP_PAD, 16 << 20);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  TFuzzInput in(data, size);
  Play(in, TSlowWays(Roll(data, size)));
  return 0;
}
