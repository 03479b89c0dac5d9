// Arbitrary bytes as a user's session on the document alone, without a
// window: keys typed into the fields a user can reach, pastes, the clear
// buttons, Clear All, undo and redo, and settings files read into a new
// document. After every action the tournament keeps its invariants; the
// same result texts always give the same tournament; undo and redo bring
// it back as it was; and a save and a restart give it unchanged.

#include "fuzzInput.h"

#include "core/tournament/scoreText.h"
#include "core/groups/fixtures.h"
#include "core/groups/groupTables.h"
#include "core/knockout/bracket.h"
#include "core/document/document.h"
#include "core/groups/groupStage.h"
#include "core/tournament/clearing.h"
#include "core/tournament/tournament.h"
#include "core/settings/profileFile.h"
#include "core/settings/resultTexts.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <limits>
#include <malloc.h>
#include <memory>

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

// A table figure as the table shows it: decimal digits after an optional
// sign, a "+" only before a difference of 1 to 9; read back, the figure.
void CheckFigureText(const TTeamRec &line, int column, int group, int place)
{
  const QString text = TableFigureText(line, column);
  const bool negative = text.startsWith(u'-'), plus = text.startsWith(u'+');
  qint64 v = 0;
  qsizetype i = negative || plus ? 1 : 0;
  bool ok = i < text.size() && text.size() - i <= 18;
  for (; ok && i < text.size(); ++i) {
    ok = text[i] >= u'0' && text[i] <= u'9';
    v = v * 10 + (text[i].unicode() - u'0');
  }
  static constexpr qint64 TTeamRec::*Figures[TableColumnCount] = {
    &TTeamRec::Points, &TTeamRec::Played, &TTeamRec::Wins, &TTeamRec::Ties,
    &TTeamRec::Losses, &TTeamRec::GoalsFor, &TTeamRec::GoalsAgainst, &TTeamRec::PlusMinus};
  if (!ok || (plus && (column != TableColumnCount - 1 || v < 1 || v > 9)) ||
      (negative ? -v : v) != line.*Figures[column])
    Broken("table figure is not its number", QStringLiteral("group %1 place %2 column %3: %4")
                                                  .arg(group).arg(place).arg(column).arg(text));
}

// A group table against its scores: the four teams of the group, each with
// the figures its counted matches give, in order of points.
void CheckGroup(const TTournament &t, int g)
{
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
    const TMatchState &match = t.match(GroupMatch(g, m));
    const QString &a = match.goals[0];
    const QString &b = match.goals[1];
    if (!IsScore(a) || !IsScore(b))
      continue;
    if (a.size() > 9 || b.size() > 9) {   // whether it counts is the reader's limit
      countable = false;
      continue;
    }
    const TGroupMatch &fixture = GroupFixtures(g)[std::size_t(m)];
    if (match.teams[0] != fixture.side1 || match.teams[1] != fixture.side2)
      Broken("group match of other teams than its fixture's");
    const qint64 x = *ReadGroupScore(a), y = *ReadGroupScore(b);
    count(lineOf(fixture.side1), x, y);
    count(lineOf(fixture.side2), y, x);
  }
  bool listed[TeamsPerGroup] = {};
  qint64 abovePoints = std::numeric_limits<qint64>::max();
  const TGroupRec &table = t.groupTable(g);
  for (int r = 0; r < TeamsPerGroup; ++r) {
    const TTeamRec &line = table[std::size_t(r)];
    int team = 0;
    while (team < TeamsPerGroup && seeding.initialOrder[std::size_t(team)] != line.TeamName)
      ++team;
    if (team == TeamsPerGroup || listed[team])
      Broken("table holds a team not in the group, or twice", QString::number(line.TeamName));
    listed[team] = true;
    const qint64 f[8] = {line.Points, line.Played, line.Wins, line.Ties, line.Losses,
                         line.GoalsFor, line.GoalsAgainst, line.PlusMinus};
    for (int c = 0; c < TableColumnCount; ++c)
      CheckFigureText(line, c, g, r);
    if (f[0] != 3 * f[2] + f[3] || f[1] != f[2] + f[3] + f[4] || f[7] != f[5] - f[6])
      Broken("table figures do not add up", QStringLiteral("group %1 place %2").arg(g).arg(r));
    if (f[0] > abovePoints)
      Broken("table out of order by points", QStringLiteral("group %1 place %2").arg(g).arg(r));
    abovePoints = f[0];
    for (int c = 0; countable && c < 7; ++c) {
      if (f[c] != lines[team][c])
        Broken("table figure differs from the scores", QStringLiteral("group %1 place %2").arg(g).arg(r));
    }
  }
  const TSlot &w = seeding.winner, &r = seeding.runnerUp;
  if (t.knockoutMatch(Final8, w.match - 1).teams[std::size_t(w.side - 1)] != table[0].TeamName ||
      t.knockoutMatch(Final8, r.match - 1).teams[std::size_t(r.side - 1)] != table[1].TeamName)
    Broken("1/8-final slot is not the group's winner or runner-up", QString(GroupLetter(g)));
}

// A knockout match's outcome from its texts: side 0 or 1 goes on, -1 for
// neither (nobody goes on from a match whose teams are not both known);
// level is a level score (whose penalty fields show).
struct TOutcome {
  int winner = -1;
  bool level = false;
};
TOutcome OutcomeOf(const TMatchState &m)
{
  // The rules' own deciding, worked out here once more on its own.
  TOutcome o;
  const QString &a = m.goals[0], &b = m.goals[1];
  if (IsScore(a) && IsScore(b)) {
    if (const int goals = CompareScores(a, b); goals != 0) {
      o.winner = goals > 0 ? 0 : 1;
    } else {
      o.level = true;
      const QString &p = m.penalties[0], &q = m.penalties[1];
      if (IsScore(p) && IsScore(q) && CompareScores(p, q) != 0)
        o.winner = CompareScores(p, q) > 0 ? 0 : 1;
    }
  }
  if (m.teams[0] == NoTeam || m.teams[1] == NoTeam)
    o.winner = -1;
  return o;
}

QString MatchWords(int stage, int match) { return QStringLiteral("stage %1 match %2").arg(stage).arg(match + 1); }

// typed: the session read no file. A file may hold a score for a match
// whose teams are not known yet: it is loaded into the closed field.
void CheckKnockout(const TTournament &t, bool typed)
{
  for (int k = 0; k < KnockoutCount; ++k) {
    for (int m = 0; m < KnockoutStage(k).matches; ++m) {
      const TMatchState &match = t.knockoutMatch(k, m);
      const TOutcome o = OutcomeOf(match);
      if (match.shootOut != o.level)
        Broken(o.level ? "level score without a shoot-out" : "shoot-out beside a decided score", MatchWords(k, m));
      if (k != TheFinal && match.winner != o.winner)
        Broken("knockout winner not the one the scores give", MatchWords(k, m));
      for (int s = 0; s < 2; ++s) {
        const TTeam team = match.teams[std::size_t(s)];
        if (team < NoTeam || team > TeamCount)
          Broken("knockout slot holds no team number", MatchWords(k, m));
        if (k == Final8 && (team == NoTeam || !match.open[std::size_t(s)]))
          Broken("1/8-final slot without a team", MatchWords(k, m));
        if (!match.shootOut && !match.penalties[std::size_t(s)].isEmpty())
          Broken("penalties kept without a shoot-out", MatchWords(k, m));
        if (typed && !match.open[std::size_t(s)] && !match.goals[std::size_t(s)].isEmpty())
          Broken("closed slot holds a score", MatchWords(k, m));
        if (match.open[std::size_t(s)] && team == NoTeam)
          Broken("slot open without its team", MatchWords(k, m));
      }
    }
  }
  // Each winner in its next slot; a slot without one is empty and closed.
  static const auto stages = [] {
    std::array<std::array<int, 2>, BracketMatchCount> s{};
    for (int i = 0; i < BracketMatchCount; ++i)
      s[std::size_t(i)] = {StageOf(Bracket()[std::size_t(i)].prefix), StageOf(Bracket()[std::size_t(i)].nextPrefix)};
    return s;
  }();
  for (int i = 0; i < BracketMatchCount; ++i) {
    const TBracketMatch &b = Bracket()[std::size_t(i)];
    const int stage = stages[std::size_t(i)][0];
    const TMatchState &match = t.knockoutMatch(stage, b.match - 1);
    const TOutcome o = OutcomeOf(match);
    const TMatchState &next = t.knockoutMatch(stages[std::size_t(i)][1], b.nextMatch - 1);
    const TTeam expected = o.winner < 0 ? NoTeam : match.teams[std::size_t(o.winner)];
    if (next.teams[std::size_t(b.nextSide - 1)] != expected || next.open[std::size_t(b.nextSide - 1)] != (o.winner >= 0))
      Broken("next slot does not hold the match's winner", MatchWords(stage, b.match - 1));
    if (b.thirdSide) {
      const TMatchState &third = t.knockoutMatch(ThirdPlace, 0);
      const TTeam loser = o.winner < 0 ? NoTeam : match.teams[std::size_t(1 - o.winner)];
      if (third.teams[std::size_t(b.thirdSide - 1)] != loser || third.open[std::size_t(b.thirdSide - 1)] != (o.winner >= 0))
        Broken("third-place slot does not hold the semi-final's loser", MatchWords(stage, b.match - 1));
    }
  }
  const TMatchState &final = t.knockoutMatch(TheFinal, 0);
  const TOutcome o = OutcomeOf(final);
  const TTeam champion = o.winner < 0 ? NoTeam : final.teams[std::size_t(o.winner)];
  if (t.champion() != champion || final.winner != o.winner)
    Broken("champion differs from the final", QString::number(t.champion()));
}

// Every invariant of a state; typed says the fields hold only what typing
// can put there. What the last actions left unchanged was checked before.
void CheckTournament(const TTournament &t, const TTournament::TChanges &changes, bool typed)
{
  static std::bitset<MatchCount> knockout = [] {
    std::bitset<MatchCount> k;
    for (int i = GroupMatchCount; i < MatchCount; ++i)
      k.set(std::size_t(i));
    return k;
  }();
  for (int i = 0; i < ResultFieldCount; ++i) {
    if (!changes.matches.test(Index(FieldInfo(TField(i)).of)))
      continue;
    const QString &text = t.text(TField(i));
    if (!text.isEmpty() && !IsScore(text))
      Broken("score field holds what is no score", QString::number(i) + QStringLiteral(" = ") + text);
    if (typed && TwoCharLimit(TField(i)) && text.size() > 2)
      Broken("field holds more than two characters", QString::number(i) + QStringLiteral(" = ") + text);
  }
  for (int g = 0; g < GroupCount; ++g) {
    bool touched = changes.groups.test(std::size_t(g));
    for (int m = 0; m < MatchesPerGroup && !touched; ++m)
      touched = changes.matches.test(Index(GroupMatch(g, m)));
    if (touched)
      CheckGroup(t, g);
  }
  if ((changes.matches & knockout).any() || changes.champion)
    CheckKnockout(t, typed);
}

// The first part in which two tournaments differ.
void CheckSame(const TTournament &expected, const TTournament &actual, const char *what)
{
  if (expected == actual)
    return;
  for (int i = 0; i < MatchCount; ++i)
    if (expected.match(TMatch(i)) != actual.match(TMatch(i)))
      Broken(what, QStringLiteral("match %1").arg(i));
  for (int g = 0; g < GroupCount; ++g)
    if (!(expected.group(g) == actual.group(g)))
      Broken(what, QStringLiteral("group %1").arg(GroupLetter(g)));
  Broken(what, QStringLiteral("the champion"));
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
  std::unique_ptr<TDocument> doc;
  TTournament::TChanges changed;   // since the last check
  bool typed = true;               // nothing read from a file in this session

  explicit TSession(const TSlowWays &slow) : slow(slow) { open(nullptr); }

  // A new document: empty, or with the results a file gives.
  void open(const TResultTexts *read)
  {
    doc = std::make_unique<TDocument>(false);
    QObject::connect(doc.get(), &TDocument::changed,
                     [this](const TDocumentChange &change) { changed |= change.tournament; });
    static const TResultTexts pristine = ResultTextsOf(Pristine());
    doc->loadResults(read ? *read : pristine);
  }
  const TTournament &t() const { return doc->tournament(); }

  // The tournaments new documents showed when loaded from texts in this
  // session: the same texts load the same tournament, so each is loaded once.
  std::deque<std::pair<TResultTexts, TTournament>> loads;

  const TTournament &loaded(const TResultTexts &from)
  {
    for (const auto &load : loads)
      if (load.first == from)
        return load.second;
    loads.emplace_back(from, Loaded(from, TFill::Loading));
    return loads.back().second;
  }

  // A step done: the history holds the texts the tournament has.
  void stepped()
  {
    const TResultTexts &current = doc->history().current();
    for (int i = 0; i < ResultFieldCount; ++i)
      if (!SameText(current[i], t().text(TField(i))))
        Broken("history holds other texts than the tournament");
  }

  void restore(bool undo, const char *what)
  {
    if (undo ? !doc->history().canUndo() : !doc->history().canRedo())
      return;
    undo ? doc->undo() : doc->redo();
    const TResultTexts &current = doc->history().current();
    for (int i = 0; i < ResultFieldCount; ++i)
      if (!SameText(current[i], t().text(TField(i))))
        Broken("restored step shows other texts", what);
    // The tournament follows from the texts alone, whatever led to them (for
    // every input, at least in the end: see CheckRestart).
    if (slow.restoreAgainstLoad)
      CheckSame(loaded(doc->history().current()), t(), what);
  }
};

// A field a user can type in: shown and open. The high bit of the byte
// chooses among the knockout fields, when any is open.
TField Reachable(const TTournament &t, unsigned byte)
{
  TField fields[ResultFieldCount];
  int count = 0;
  const bool knockout = byte & 0x80u;
  for (int i = knockout ? GroupMatchCount * 2 : 0; i < ResultFieldCount; ++i) {
    const TFieldInfo &info = FieldInfo(TField(i));
    const TMatchState &m = t.match(info.of);
    if (info.kind == TFieldInfo::Penalty ? m.shootOut : m.open[std::size_t(info.side)])
      fields[count++] = TField(i);
  }
  return count ? fields[(byte & 0x7fu) % unsigned(count)] : Reachable(t, byte & 0x7fu);
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
  s.doc->type(f, text);
  s.stepped();
}

// The Paste of a field's menu: only a score, cut to the room the field has.
void Paste(TSession &s, TField f, TCursor c, const QString &clipboard)
{
  const QString &text = s.t().text(f);
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

// A restart on a settings file: a new document filled from it.
void ReadFile(TSession &s, TFuzzInput &in, const TSlowWays &slow)
{
  const unsigned how = in.next();
  const TResultTexts texts = TextsRead(in, how, slow);
  for (const QString &text : texts) {
    if (!text.isEmpty() && !IsScore(text))
      Broken("read what is no score", text);
  }
  s.open(&texts);
  const TTournament &loaded = s.t();
  // Filled field by field, each group is rebuilt twelve times; the file's
  // text is what the settings targets check.
  if (slow.fieldByField)
    CheckSame(Loaded(texts, TFill::FieldByField), loaded, "loading differs from field by field");
  const TResultTexts shown = ResultTextsOf(loaded);
  if (slow.savedFile) {
    TProfileFile saved;
    WriteResultTexts(saved, shown);
    if (ReadResultTexts(TProfileFile(saved.content())) != shown)
      Broken("saved results read back differently");
  }
  // The same texts load the same tournament: only texts it changed need a
  // second load.
  if (slow.loadedAgain && shown != texts)
    CheckSame(loaded, Loaded(shown, TFill::Loading), "a loaded tournament saved and loaded changed");
  // Undo and redo bring texts back over another tournament.
  if (shown == texts)
    s.loads.emplace_back(shown, loaded);
  s.changed = TTournament::TChanges::all();
  s.typed = false;
}

// What a restart shows: a new tournament loaded from the texts saved.
void CheckRestart(TSession &s)
{
  CheckSame(s.loaded(s.doc->resultTexts()), s.t(), "save and restart changed the tournament");
}

void Check(TSession &s)
{
  CheckTournament(s.t(), s.changed, s.typed);
  s.changed = TTournament::TChanges();
}

void Play(TFuzzInput &in, const TSlowWays &slow)
{
  TSession s(slow);
  s.changed = TTournament::TChanges();
  // A session starts on an empty tournament or, as at start-up, on a file read.
  if ((in.next() & 3) == 0) {
    ReadFile(s, in, slow);
    Check(s);
  }
  // Long sessions find little more and would slow the run down.
  for (int actions = 0; actions < 6 && in.more(); ++actions) {
    const unsigned action = in.next() % 16;
    const TField f = Reachable(s.t(), in.next());
    const QString text = s.t().text(f);
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
    case 10:
      s.doc->clearStage(int(in.next() % StageCount));
      s.stepped();
      break;
    case 11: {
      // Clear All leaves the tournament as it first showed, as clearing
      // every stage in order does.
      if (slow.clearingByStages) {
        TTournament byStages = s.t();
        for (int stage = 0; stage < StageCount; ++stage)
          ClearStage(byStages, stage);
        s.doc->clearAll();
        CheckSame(byStages, s.t(), "Clear All differs from the clear buttons");
      } else {
        s.doc->clearAll();
      }
      CheckSame(Pristine(), s.t(), "Clear All leaves a trace");
      s.stepped();
      break;
    }
    case 12:
    case 13: {
      const TTournament before = s.t();
      const bool redoAtOnce = in.next() & 1;
      if (!s.doc->history().canUndo())
        break;
      s.restore(true, "undo");
      if (redoAtOnce) {
        const TTournament undone = s.t();
        s.restore(false, "redo after undo");
        CheckSame(before, s.t(), "undo then redo changed the tournament");
        s.restore(true, "undo after redo");
        CheckSame(undone, s.t(), "a second undo differs from the first");
      }
      break;
    }
    case 14:
      s.restore(false, "redo");
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
    Check(s);
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
