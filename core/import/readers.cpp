// Round names and scores as the three readers share them.

#include "core/import/readers.h"

#include "core/import/teamNames.h"

#include <algorithm>
#include <cstring>

namespace {

struct TRoundName {
  const char *key;   // as TeamNameKey makes it: letters and digits, lower case
  TImportStage stage;
};

// The names openfootball (in English, its JSON and its Football.TXT) and
// football-data.org (its stage codes) give the rounds, and the usual
// variants; a name is compared by its key, so "Quarter-finals",
// "QUARTER_FINALS" and "Quarterfinals" are one.
constexpr TRoundName RoundNames[] = {
    {"groupstage", TImportStage::GroupStage},
    {"group", TImportStage::GroupStage},
    {"groups", TImportStage::GroupStage},
    {"firstround", TImportStage::GroupStage},
    {"firststage", TImportStage::GroupStage},
    {"matchday", TImportStage::GroupStage},
    {"roundof16", TImportStage::RoundOf16},
    {"last16", TImportStage::RoundOf16},
    {"18finals", TImportStage::RoundOf16},
    {"18final", TImportStage::RoundOf16},
    {"eighthfinals", TImportStage::RoundOf16},
    {"eighthfinal", TImportStage::RoundOf16},
    {"octavosdefinal", TImportStage::RoundOf16},
    {"huitiemesdefinale", TImportStage::RoundOf16},
    {"quarterfinals", TImportStage::QuarterFinal},
    {"quarterfinal", TImportStage::QuarterFinal},
    {"14finals", TImportStage::QuarterFinal},
    {"14final", TImportStage::QuarterFinal},
    {"cuartosdefinal", TImportStage::QuarterFinal},
    {"quartsdefinale", TImportStage::QuarterFinal},
    {"semifinals", TImportStage::SemiFinal},
    {"semifinal", TImportStage::SemiFinal},
    {"semifinales", TImportStage::SemiFinal},
    {"12finals", TImportStage::SemiFinal},
    {"12final", TImportStage::SemiFinal},
    {"demifinales", TImportStage::SemiFinal},
    {"demifinale", TImportStage::SemiFinal},
    {"petitefinale", TImportStage::ThirdPlace},
    {"final", TImportStage::Final},
    {"finale", TImportStage::Final},
};

bool StartsWith(const QString &key, const char *prefix)
{
  return key.startsWith(QLatin1StringView(prefix));
}

bool AllDigits(QStringView text, qsizetype from)
{
  for (qsizetype i = from; i < text.size(); ++i)
    if (text[i] < u'0' || text[i] > u'9')
      return false;
  return true;
}

}  // namespace

QStringView WithoutLeadingZeros(QStringView digits)
{
  qsizetype i = 0;
  while (i + 1 < digits.size() && digits[i] == u'0')
    ++i;
  return digits.mid(i);
}

TImportStage StageOfRound(QStringView round, int *group)
{
  *group = -1;
  const QString key = TeamNameKey(round);
  if (key.isEmpty())
    return TImportStage::Unknown;
  // "Group A" .. "Group H", "GROUP_A"; another letter is a group all the same.
  if (key.size() == 6 && StartsWith(key, "group") && key[5] >= u'a' && key[5] <= u'z') {
    if (key[5] <= u'h')
      *group = key[5].unicode() - u'a';
    return TImportStage::GroupStage;
  }
  // "Matchday 3", "Round 2" of a group stage; "Group 1".
  for (const char *numbered : {"matchday", "round", "group"})
    if (StartsWith(key, numbered) && key.size() > qsizetype(std::strlen(numbered)) &&
        AllDigits(key, qsizetype(std::strlen(numbered))))
      return TImportStage::GroupStage;
  // "Third place play-off", "Match for third place", "3rd place", "THIRD_PLACE".
  if (key.contains(QLatin1StringView("third")) || key.contains(QLatin1StringView("3rd")) ||
      key.contains(QLatin1StringView("tercer")) || key.contains(QLatin1StringView("troisieme")))
    return TImportStage::ThirdPlace;
  for (const TRoundName &name : RoundNames)
    if (key == QLatin1StringView(name.key))
      return name.stage;
  return TImportStage::Unknown;
}

bool IsDigits(QStringView text) { return !text.isEmpty() && AllDigits(text, 0); }

QString AddDigits(QStringView a, QStringView b)
{
  a = WithoutLeadingZeros(a);
  b = WithoutLeadingZeros(b);
  QString sum(std::max(a.size(), b.size()) + 1, u'0');
  int carry = 0;
  for (qsizetype i = 0; i < sum.size(); ++i) {
    const int x = i < a.size() ? a[a.size() - 1 - i].unicode() - u'0' : 0;
    const int y = i < b.size() ? b[b.size() - 1 - i].unicode() - u'0' : 0;
    const int d = x + y + carry;
    sum[sum.size() - 1 - i] = QChar(u'0' + d % 10);
    carry = d / 10;
  }
  return WithoutLeadingZeros(sum).toString();
}

std::optional<QString> SubtractDigits(QStringView a, QStringView b)
{
  a = WithoutLeadingZeros(a);
  b = WithoutLeadingZeros(b);
  if (a.size() < b.size() || (a.size() == b.size() && a.compare(b) < 0))
    return std::nullopt;
  QString difference(a.size(), u'0');
  int borrow = 0;
  for (qsizetype i = 0; i < a.size(); ++i) {
    int d = (a[a.size() - 1 - i].unicode() - u'0') - borrow -
            (i < b.size() ? b[b.size() - 1 - i].unicode() - u'0' : 0);
    borrow = d < 0 ? 1 : 0;
    difference[a.size() - 1 - i] = QChar(u'0' + (d + 10 * borrow));
  }
  return WithoutLeadingZeros(difference).toString();
}

TImportScore JsonScore(const TJsonTree &json, int side1, int side2)
{
  TImportScore score;
  const bool none1 = side1 < 0 || json.is(side1, TJsonTree::Null);
  const bool none2 = side2 < 0 || json.is(side2, TJsonTree::Null);
  if (none1 && none2)
    return score;
  auto textOf = [&](int node) {
    if (node < 0)
      return QString();
    switch (json.kind(node)) {
      case TJsonTree::Number:
      case TJsonTree::String: return json.text(node);
      case TJsonTree::True: return QStringLiteral("true");
      case TJsonTree::False: return QStringLiteral("false");
      default: return QString();
    }
  };
  score.goals1 = textOf(side1);
  score.goals2 = textOf(side2);
  // A count of goals is a JSON number written as digits alone: a minus, a
  // fraction or an exponent is no score, and neither is a number in quotes.
  const bool valid = json.is(side1, TJsonTree::Number) && json.is(side2, TJsonTree::Number) &&
                     IsDigits(score.goals1) && IsDigits(score.goals2);
  score.state = valid ? TImportScore::Valid : TImportScore::Invalid;
  return score;
}
