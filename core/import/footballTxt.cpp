// openfootball's Football.TXT: headings name the group or the round, date
// lines the day, and each match is a line of two teams with the score
// between them or after them:
//
//   Group A
//   (1)  31 May   France     0-1    Senegal   @ Seoul Stadium, Seoul
//   ▪ Round of 16
//   Mon Dec 5
//     18:00   Japan   1-3 pen. 1-1 a.e.t (1-1, 1-0)   Croatia  @ Al Janoub Stadium, Al Wakrah
//   29-6-24 @ Berlin   Switzerland   2–0 Italy
//     20:00  Liverpool FC   v AFC Bournemouth   4-2 (1-0)
//   (35) Tue Nov/29 18:00   Ecuador  -  Senegal   @ Khalifa International Stadium, Al Rayyan
//
// Comments (#), definition lines ("Group A | Denmark Senegal ..."), goal and
// line-up lines are passed over.

#include "core/import/readers.h"

#include "core/import/teamNames.h"

#include <QVarLengthArray>
#include <cstring>

namespace {

// The tournament's year, for a date written without one when the file's
// title names none either.
constexpr int TournamentYear = 2002;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\f' || c == u'\v' || c == QChar(0xA0); }

QStringView Trimmed(QStringView s)
{
  qsizetype b = 0, e = s.size();
  while (b < e && IsSpace(s[b])) ++b;
  while (e > b && IsSpace(s[e - 1])) --e;
  return s.mid(b, e - b);
}

struct TWord {
  qsizetype begin, end;
};

QVarLengthArray<TWord, 24> Words(QStringView s)
{
  QVarLengthArray<TWord, 24> words;
  qsizetype i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsSpace(s[i])) ++i;
    if (i == s.size()) break;
    const qsizetype b = i;
    while (i < s.size() && !IsSpace(s[i])) ++i;
    words.append({b, i});
  }
  return words;
}

// "Jun", "June", "Sept."; 0 for no month.
int MonthOf(QStringView word)
{
  static const char *const names[12] = {"january", "february", "march", "april", "may", "june", "july",
                                        "august", "september", "october", "november", "december"};
  while (!word.isEmpty() && (word.back() == u'.' || word.back() == u','))
    word.chop(1);
  if (word.size() < 3)
    return 0;
  for (int m = 0; m < 12; ++m) {
    const QLatin1StringView name(names[m]);
    if (word.size() <= name.size() && name.startsWith(word, Qt::CaseInsensitive) &&
        (word.size() == 3 || word.size() == name.size() || (m == 8 && word.size() == 4)))
      return m + 1;
  }
  return 0;
}

bool IsWeekday(QStringView word)
{
  static const char *const names[7] = {"monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};
  while (!word.isEmpty() && (word.back() == u'.' || word.back() == u','))
    word.chop(1);
  if (word.size() < 3)
    return false;
  for (const char *n : names) {
    const QLatin1StringView name(n);
    if (word.size() <= name.size() && name.startsWith(word, Qt::CaseInsensitive) &&
        (word.size() == 3 || word.size() == name.size() ||
         (word.size() == 4 && (name.startsWith(QLatin1StringView("tue")) || name.startsWith(QLatin1StringView("thu"))))))
      return true;
  }
  return false;
}

// Decimal digits from `i`; their value, or -1 past 9999.
int Number(QStringView s, qsizetype &i)
{
  int value = 0;
  const qsizetype start = i;
  while (i < s.size() && IsDigit(s[i])) {
    if (i - start < 5)
      value = value * 10 + (s[i].unicode() - u'0');
    ++i;
  }
  return i - start > 4 ? -1 : value;
}

struct TDay {
  int day = 0, month = 0, year = 0;
};

// "2002-06-16", "16.06.2002", "14-6-24", "16/6/2002": three numbers.
bool NumericDate(QStringView w, TDay &date)
{
  int parts[3];
  qsizetype lengths[3];
  qsizetype i = 0;
  for (int k = 0; k < 3; ++k) {
    const qsizetype start = i;
    parts[k] = Number(w, i);
    lengths[k] = i - start;
    if (lengths[k] == 0 || parts[k] < 0)
      return false;
    if (k < 2) {
      if (i == w.size() || (w[i] != u'-' && w[i] != u'.' && w[i] != u'/'))
        return false;
      ++i;
    }
  }
  if (i != w.size())
    return false;
  if (lengths[0] == 4) {
    date = {parts[2], parts[1], parts[0]};
  } else {
    date = {parts[0], parts[1], lengths[2] <= 2 ? 2000 + parts[2] : parts[2]};
  }
  return true;
}

// "Jun/12", "Nov/20", "Jun/12/2002".
bool MonthSlashDay(QStringView w, TDay &date)
{
  const qsizetype slash = w.indexOf(u'/');
  if (slash < 3)
    return false;
  const int month = MonthOf(w.left(slash));
  qsizetype i = slash + 1;
  const int day = Number(w, i);
  if (month == 0 || day <= 0 || i == slash + 1)
    return false;
  int year = 0;
  if (i < w.size()) {
    if (w[i] != u'/')
      return false;
    const qsizetype start = ++i;
    year = Number(w, i);
    if (i != w.size() || i - start != 4)
      return false;
  }
  date = {day, month, year};
  return true;
}

// "17:00", "17.30", "17h00".
bool IsTime(QStringView w)
{
  qsizetype i = 0;
  const int hour = Number(w, i);
  if (i == 0 || i > 2 || hour > 24 || i == w.size() || (w[i] != u':' && w[i] != u'.' && w[i] != u'h'))
    return false;
  const qsizetype start = ++i;
  const int minute = Number(w, i);
  return i - start == 2 && i == w.size() && minute < 60;
}

// "UTC-3", "(UTC+9)", "UTC", "CET".
bool IsZone(QStringView w)
{
  if (w.startsWith(u'(') && w.endsWith(u')'))
    w = w.mid(1, w.size() - 2);
  for (const char *zone : {"UTC", "GMT", "CET", "CEST", "BST", "KST", "JST", "local"})
    if (w.startsWith(QLatin1StringView(zone), Qt::CaseInsensitive)) {
      qsizetype i = qsizetype(std::strlen(zone));
      if (i == w.size())
        return true;
      if (w[i] != u'+' && w[i] != u'-')
        return false;
      ++i;
      while (i < w.size() && (IsDigit(w[i]) || w[i] == u':'))
        ++i;
      return i == w.size();
    }
  return false;
}

// Reads the date and time at the front of a line; returns where the rest
// starts. `any` says whether a day was read.
qsizetype ConsumeDateTime(QStringView s, TDay &date, bool &dated, bool &timed)
{
  const auto words = Words(s);
  qsizetype rest = 0;
  bool lastWasMonth = false;
  for (qsizetype k = 0; k < words.size(); ++k) {
    const QStringView w = s.mid(words[k].begin, words[k].end - words[k].begin);
    bool month = false;
    TDay d;
    if (IsWeekday(w)) {
    } else if (const int m = MonthOf(w)) {
      date.month = m;
      dated = true;
      month = true;
    } else if (MonthSlashDay(w, d) || NumericDate(w, d)) {
      date = d;
      dated = true;
    } else if (IsTime(w)) {
      timed = true;
    } else if (timed && IsZone(w)) {
    } else if (IsDigit(w[0])) {
      QStringView digits = w;
      if (digits.endsWith(u'.') || digits.endsWith(u','))
        digits.chop(1);
      qsizetype i = 0;
      const int n = Number(digits, i);
      if (i != digits.size())
        break;
      const bool nextIsMonth = k + 1 < words.size() &&
                               MonthOf(s.mid(words[k + 1].begin, words[k + 1].end - words[k + 1].begin)) != 0;
      if (i <= 2 && n >= 1 && n <= 31 && (nextIsMonth || (lastWasMonth && date.day == 0))) {
        date.day = n;
      } else if (i == 4 && date.month != 0 && date.year == 0 && !timed) {
        date.year = n;
      } else {
        break;
      }
    } else {
      break;
    }
    lastWasMonth = month;
    rest = words[k].end;
  }
  while (rest < s.size() && IsSpace(s[rest]))
    ++rest;
  return rest;
}

// A score's side: digits, or digits with a fraction (which no field holds).
struct TSide {
  QStringView text;
  bool whole = true;
};

struct TPair {
  TSide side1, side2;
  qsizetype end = 0;
  bool found = false;
};

bool ReadSide(QStringView s, qsizetype &i, TSide &side)
{
  const qsizetype start = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  if (i == start)
    return false;
  if (i + 1 < s.size() && s[i] == u'.' && IsDigit(s[i + 1])) {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    side.whole = false;
  }
  side.text = s.mid(start, i - start);
  return true;
}

// "2-1", "2 - 1", "2–1", "2:1" or "2x1" at `i`.
TPair ReadPair(QStringView s, qsizetype i)
{
  TPair pair;
  if (!ReadSide(s, i, pair.side1))
    return pair;
  qsizetype j = i;
  while (j < s.size() && s[j] == u' ') ++j;
  if (j == s.size())
    return pair;
  const QChar dash = s[j];
  const bool joined = j == i;
  if (dash != u'-' && dash != QChar(0x2013) && dash != QChar(0x2014) && dash != u':' &&
      !((dash == u'x' || dash == u'X') && joined))
    return pair;
  ++j;
  while (j < s.size() && s[j] == u' ') ++j;
  if (!ReadSide(s, j, pair.side2))
    return pair;
  // A date or a longer run of numbers ("14-6-24") is no score.
  if (j + 1 < s.size() && (s[j] == u'-' || s[j] == u'/' || s[j] == u'.' || s[j] == u':') && IsDigit(s[j + 1]))
    return pair;
  if (j < s.size() && IsDigit(s[j]))
    return pair;
  pair.end = j;
  pair.found = true;
  return pair;
}

// The first score of a text: a pair not glued to a word or a number before it.
TPair FindScore(QStringView s, qsizetype &at)
{
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (!IsDigit(s[i]))
      continue;
    if (i > 0 && (s[i - 1].isLetterOrNumber() || s[i - 1] == u'.' || s[i - 1] == u'/' || s[i - 1] == u'-' ||
                  s[i - 1] == u':')) {
      while (i + 1 < s.size() && IsDigit(s[i + 1])) ++i;
      continue;
    }
    const TPair pair = ReadPair(s, i);
    if (pair.found) {
      at = i;
      return pair;
    }
    while (i + 1 < s.size() && IsDigit(s[i + 1])) ++i;
  }
  return {};
}

TImportScore ScoreOf(const TPair &pair)
{
  TImportScore score;
  if (!pair.found)
    return score;
  score.goals1 = pair.side1.text.toString();
  score.goals2 = pair.side2.text.toString();
  score.state = pair.side1.whole && pair.side2.whole ? TImportScore::Valid : TImportScore::Invalid;
  return score;
}

// What a score line says: the score at full time, after extra time, and the
// shoot-out.
struct TScoreLine {
  TPair fullTime, extraTime, penalties;
};

// One of the words at `i` after blanks ("pen.", "aet"), not running on into
// a longer word; `i` moves past it.
bool ReadWord(QStringView s, qsizetype &i, std::initializer_list<const char *> words)
{
  qsizetype j = i;
  while (j < s.size() && IsSpace(s[j])) ++j;
  for (const char *word : words) {
    const QLatin1StringView w(word);
    if (s.mid(j).startsWith(w, Qt::CaseInsensitive) &&
        (j + w.size() == s.size() || !s[j + w.size()].isLetter())) {
      i = j + w.size();
      return true;
    }
  }
  return false;
}

const std::initializer_list<const char *> PenaltyWords = {"pen.", "pens", "pen", "pso", "p"};
const std::initializer_list<const char *> ExtraTimeWords = {"a.e.t.", "a.e.t", "aet"};

bool HasExtraTime(QStringView note)
{
  return note.contains(QLatin1StringView("aet"), Qt::CaseInsensitive) ||
         note.contains(QLatin1StringView("a.e.t"), Qt::CaseInsensitive) ||
         note.contains(QLatin1StringView("extra time"), Qt::CaseInsensitive);
}

// A note in brackets or parentheses after a score: "[aet]", "[aet, 3-0 pen]",
// "(3-5 pen)", "(aet, win 3-5 on pens)". Whether it says anything.
bool ReadNote(QStringView note, TScoreLine &line)
{
  bool said = false;
  if (HasExtraTime(note)) {
    said = true;
    if (!line.extraTime.found) {
      line.extraTime = line.fullTime;
      line.fullTime = {};
    }
  }
  for (qsizetype i = 0; i < note.size(); ++i) {
    if (!IsDigit(note[i]) || (i > 0 && note[i - 1].isLetterOrNumber()))
      continue;
    const TPair pair = ReadPair(note, i);
    if (!pair.found)
      continue;
    qsizetype j = pair.end;
    ReadWord(note, j, {"on"});
    if (ReadWord(note, j, {"penalties", "pen.", "pens", "pen", "pso", "p"})) {
      line.penalties = pair;
      said = true;
    }
    i = pair.end - 1;
  }
  return said;
}

// The bracketed or parenthesised text at `i` after blanks, without its
// brackets; `i` moves past the closing one.
bool ReadBracketed(QStringView s, qsizetype &i, QChar open, QStringView &inside)
{
  qsizetype j = i;
  while (j < s.size() && IsSpace(s[j])) ++j;
  if (j == s.size() || s[j] != open)
    return false;
  const qsizetype close = s.indexOf(open == u'(' ? u')' : u']', j);
  if (close < 0)
    return false;
  inside = s.mid(j + 1, close - j - 1);
  i = close + 1;
  return true;
}

// The score at `pair` and the words that say more of it; `end` gets where
// they stop. "3-2 pen. 1-1 a.e.t. (1-1)", "1-2 a.e.t. (1-1)", "2-1 (1-0)".
TScoreLine ReadScoreLine(QStringView s, const TPair &first, qsizetype &end)
{
  TScoreLine line;
  qsizetype i = first.end;
  QStringView inside;
  auto pairAt = [&](qsizetype &k) {
    qsizetype j = k;
    while (j < s.size() && IsSpace(s[j])) ++j;
    const TPair pair = ReadPair(s, j);
    if (pair.found)
      k = pair.end;
    return pair;
  };
  // The first pair of a parenthesis: the score after 90 minutes.
  auto ninetyMinutes = [](QStringView text) {
    qsizetype j = 0;
    while (j < text.size() && IsSpace(text[j])) ++j;
    return ReadPair(text, j);
  };
  if (ReadWord(s, i, PenaltyWords)) {
    line.penalties = first;
    const TPair second = pairAt(i);
    if (second.found) {
      if (ReadWord(s, i, ExtraTimeWords))
        line.extraTime = second;
      else
        line.fullTime = second;
    }
    if (ReadBracketed(s, i, u'(', inside) && !line.fullTime.found)
      line.fullTime = ninetyMinutes(inside);
  } else if (ReadWord(s, i, ExtraTimeWords)) {
    line.extraTime = first;
    if (ReadBracketed(s, i, u'(', inside))
      line.fullTime = ninetyMinutes(inside);
    qsizetype j = i;
    while (j < s.size() && (IsSpace(s[j]) || s[j] == u',' || s[j] == u';')) ++j;
    const TPair shootOut = pairAt(j);
    if (shootOut.found && ReadWord(s, j, PenaltyWords)) {
      line.penalties = shootOut;
      i = j;
    }
  } else {
    line.fullTime = first;
    qsizetype j = i;
    if (ReadBracketed(s, j, u'(', inside)) {
      // "(1-0)" is the half-time score; "(aet)" or "(3-5 pen)" a note.
      ReadNote(inside, line);
      i = j;
      if (ReadWord(s, i, ExtraTimeWords)) {
        line.extraTime = first;
        line.fullTime = ninetyMinutes(inside);
      }
    }
  }
  qsizetype j = i;
  if (ReadBracketed(s, j, u'[', inside) && ReadNote(inside, line))
    i = j;
  end = i;
  return line;
}

// Splits "Brazil - Croatia", "Liverpool FC v AFC Bournemouth" at the word
// between the teams.
bool SplitTeams(QStringView s, QStringView &team1, QStringView &team2)
{
  const auto words = Words(s);
  for (qsizetype k = 1; k + 1 < words.size(); ++k) {
    const QStringView w = s.mid(words[k].begin, words[k].end - words[k].begin);
    if (w == u"-" || w == u"v" || w == u"vs" || w == u"vs." || w == u"V" || w == QStringView(u"\u2013") ||
        w == QStringView(u"\u2014")) {
      team1 = Trimmed(s.left(words[k].begin));
      team2 = Trimmed(s.mid(words[k].end));
      return true;
    }
  }
  return false;
}

// A team's name: a letter at least; no brackets, no list of players
// ("Nico Elvedi, Manuel Akanji - Ricardo Rodríguez"), no minute ("59'").
bool PlausibleTeam(QStringView name)
{
  if (name.isEmpty() || name.size() > 60)
    return false;
  bool letter = false;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const QChar c = name[i];
    if (c.isLetter())
      letter = true;
    else if (c == u'[' || c == u']' || c == u'{' || c == u'}' || c == u'<' || c == u'>' || c == u'|' ||
             c == u'=' || c == u';' || c == u'"' || c == u'@' || c == u'(' || c == u')' || c == u',' ||
             (IsDigit(c) && i + 1 < name.size() && name[i + 1] == u'\''))
      return false;
  }
  return letter;
}

// "Referee: ...", "Goals: ...", "Italy: Buffon - ..." (a line-up).
bool IsPropertyLine(QStringView s)
{
  const qsizetype colon = s.indexOf(u':');
  if (colon <= 0 || !s[0].isLetter())
    return false;
  for (qsizetype i = 0; i < colon; ++i)
    if (!(s[i].isLetter() || s[i] == u' ' || s[i] == u'.' || s[i] == u'\'' || s[i] == u'&' || s[i] == u'-'))
      return false;
  return !Trimmed(s.mid(colon + 1)).isEmpty();
}

// A heading's text without its marks: "▪ Round of 16", "» Group A", "Group A:".
QStringView HeadingText(QStringView s)
{
  while (!s.isEmpty() && (s[0] == QChar(0x25AA) || s[0] == QChar(0x00BB) || s[0] == QChar(0x25A0) ||
                          s[0] == QChar(0x2022) || s[0] == u'=' || s[0] == u'*' || IsSpace(s[0])))
    s = s.mid(1);
  const qsizetype bracket = s.indexOf(u'[');
  if (bracket >= 0)
    s = s.left(bracket);
  s = Trimmed(s);
  while (!s.isEmpty() && s.back() == u':')
    s.chop(1);
  return Trimmed(s);
}

bool HasDigit(QStringView s)
{
  for (QChar c : s)
    if (IsDigit(c))
      return true;
  return false;
}

QDate DateOf(const TDay &day, int fileYear)
{
  if (day.day == 0 || day.month == 0)
    return QDate();
  return QDate(day.year != 0 ? day.year : fileYear, day.month, day.day);
}

// The year a title ("= 2002 FIFA Brakka Korea/Japan") names.
int YearOf(QStringView title)
{
  for (qsizetype i = 0; i + 4 <= title.size(); ++i) {
    if ((i > 0 && IsDigit(title[i - 1])) || (i + 4 < title.size() && IsDigit(title[i + 4])))
      continue;
    qsizetype j = i;
    const int n = Number(title.left(i + 4), j);
    if (j == i + 4 && n >= 1900 && n <= 2099)
      return n;
  }
  return 0;
}

struct TReader {
  explicit TReader(std::vector<TImportMatch> &list) : matches(list) {}

  std::vector<TImportMatch> &matches;
  int fileYear = TournamentYear;
  TImportStage stage = TImportStage::Unknown;
  int group = -1;
  QString round;
  TDay day;          // of the last date line
  bool found = false;

  void line(QStringView text, int number);
  bool match(QStringView text, int number);
  void heading(QStringView text);
};

void TReader::heading(QStringView text)
{
  round = text.toString();
  stage = StageOfRound(text, &group);
  day = {};
}

void TReader::line(QStringView raw, int number)
{
  // A comment runs from a '#' at the start or after a blank to the end.
  for (qsizetype i = 0; i < raw.size(); ++i)
    if (raw[i] == u'#' && (i == 0 || IsSpace(raw[i - 1]))) {
      raw = raw.left(i);
      break;
    }
  const QStringView text = Trimmed(raw);
  if (text.isEmpty() || text.contains(u'|'))
    return;   // blank, or a definition: "Group A | ...", "Matchday 1 | Sat Jun 12"
  const bool indented = IsSpace(raw[0]);
  if (text[0] == u'=') {
    // The title, or a stage: "= 2002 FIFA Brakka Korea/Japan", "== Group Stage".
    if (const int year = YearOf(text))
      fileYear = year;
    int g = -1;
    if (StageOfRound(HeadingText(text), &g) != TImportStage::Unknown)
      heading(HeadingText(text));
    return;
  }
  // A date line: "Sat Dec 3", "[Thu Jun/12]".
  QStringView bare = text;
  if (bare.startsWith(u'[') && bare.endsWith(u']'))
    bare = bare.mid(1, bare.size() - 2);
  {
    TDay d;
    bool dated = false, timed = false;
    if (ConsumeDateTime(bare, d, dated, timed) == bare.size() && dated) {
      day = d;
      return;
    }
  }
  if (text[0] == u'[' || (text[0] == u'(' && !(text.size() > 1 && IsDigit(text[1]))))
    return;   // goals: "(Lionel Messi 35'; ...)", "[Jude Bellingham 35' ...]"
  if (IsPropertyLine(text))
    return;
  if (match(text, number))
    return;
  // A heading: "Group A", "▪ Round of 16", "Quarter-finals". Other lines
  // (line-ups running on, notes) are indented or hold figures.
  const QStringView title = HeadingText(text);
  if (indented || title.isEmpty())
    return;
  int g = -1;
  if (StageOfRound(title, &g) != TImportStage::Unknown || !HasDigit(title))
    heading(title);
}

bool TReader::match(QStringView text, int number)
{
  // "(52)": the match's number.
  bool numbered = false;
  if (text.startsWith(u'(')) {
    qsizetype i = 1;
    Number(text, i);
    if (i == 1 || i == text.size() || text[i] != u')')
      return false;
    text = Trimmed(text.mid(i + 1));
    numbered = true;
  }
  TDay date;
  bool dated = false, timed = false;
  QStringView rest = text.mid(ConsumeDateTime(text, date, dated, timed));

  // The venue after an '@': after the teams, or before them in
  // "29-6-24 @ Berlin   Switzerland   2–0 Italy".
  QStringView venue;
  qsizetype at = -1;
  for (qsizetype i = 0; i < rest.size(); ++i)
    if (rest[i] == u'@' && (i == 0 || IsSpace(rest[i - 1]))) {
      at = i;
      break;
    }
  if (at == 0) {
    QStringView after = Trimmed(rest.mid(1));
    qsizetype gap = -1;
    for (qsizetype i = 0; i + 1 < after.size(); ++i)
      if (after[i] == u'\t' || (after[i] == u' ' && after[i + 1] == u' ')) {
        gap = i;
        break;
      }
    if (gap < 0)
      return false;
    venue = after.left(gap);
    rest = Trimmed(after.mid(gap));
  } else if (at > 0) {
    venue = Trimmed(rest.mid(at + 1));
    rest = Trimmed(rest.left(at));
    // "Brasília (UTC-3)": the time zone is no part of the venue.
    const qsizetype zone = venue.lastIndexOf(u'(');
    if (zone > 0 && venue.endsWith(u')') && IsZone(venue.mid(zone)))
      venue = Trimmed(venue.left(zone));
  }

  QStringView name1, name2;
  TScoreLine score;
  qsizetype scoreAt = 0;
  const TPair first = FindScore(rest, scoreAt);
  if (first.found) {
    qsizetype end = 0;
    score = ReadScoreLine(rest, first, end);
    name1 = Trimmed(rest.left(scoreAt));
    QStringView after = Trimmed(rest.mid(end));
    // A note after the second team: "Slovenia   [aet, 3-0 pen]".
    for (QChar open : {u'[', u'('}) {
      const qsizetype note = after.lastIndexOf(open);
      if (note > 0 && after.endsWith(open == u'[' ? u']' : u')')) {
        TScoreLine noted = score;
        if (ReadNote(after.mid(note + 1, after.size() - note - 2), noted)) {
          score = noted;
          after = Trimmed(after.left(note));
        }
      }
    }
    if (after.isEmpty()) {
      // "Brazil - Croatia  3-1 (1-1)": the score after both teams.
      if (!SplitTeams(name1, name1, name2))
        return false;
    } else {
      name2 = after;
    }
  } else {
    // A match still to play: "Ecuador  -  Senegal", "Czech Republic  v Mexico",
    // under its number, date or time.
    if (!numbered && !dated && !timed && day.month == 0)
      return false;
    if (!SplitTeams(rest, name1, name2))
      return false;
  }
  if (!PlausibleTeam(name1) || !PlausibleTeam(name2))
    return false;

  TImportMatch m;
  m.line = number;
  m.stage = stage;
  m.group = group;
  m.round = round;
  m.name1 = name1.toString();
  m.name2 = name2.toString();
  m.team1 = RecogniseTeam(name1);
  m.team2 = RecogniseTeam(name2);
  m.date = DateOf(dated ? date : day, fileYear);
  m.venue = venue.toString();
  m.extraTime = score.extraTime.found;
  m.score = ScoreOf(m.extraTime ? score.extraTime : score.fullTime);
  m.penalties = ScoreOf(score.penalties);
  matches.push_back(std::move(m));
  found = true;
  return true;
}

}  // namespace

bool ReadFootballTxt(QStringView text, std::vector<TImportMatch> &matches)
{
  TReader reader(matches);
  int number = 1;
  qsizetype start = 0;
  while (start <= text.size()) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0)
      end = text.size();
    reader.line(text.mid(start, end - start), number);
    ++number;
    start = end + 1;
  }
  return reader.found;
}
