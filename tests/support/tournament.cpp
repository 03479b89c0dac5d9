#include "support/tournament.h"

#include "core/groups/fixtures.h"

namespace {

const char *const GroupResults[8][6] = {
  {"0-1", "1-2", "1-1", "0-0", "2-0", "3-3"},   // A: Denmark, Senegal
  {"2-2", "3-1", "3-1", "1-0", "2-3", "1-3"},   // B: Spain, Paraguay
  {"2-1", "0-2", "4-0", "1-1", "2-5", "3-0"},   // C: Brazil, Turkey
  {"2-0", "3-2", "1-1", "4-0", "0-1", "3-1"},   // D: South Korea, USA
  {"1-1", "8-0", "1-1", "1-0", "0-3", "0-2"},   // E: Germany, Ireland
  {"1-0", "1-1", "2-1", "0-1", "1-1", "0-0"},   // F: Sweden, England
  {"0-1", "2-0", "1-2", "2-1", "1-1", "1-0"},   // G: Mexico, Italy
  {"2-2", "2-0", "0-1", "1-1", "0-2", "3-2"},   // H: Japan, Belgium
};

// Match, result, and the shoot-out where the match ends level.
struct TKnockoutResult {
  const char *match;
  const char *result;
  const char *penalties;
};
const TKnockoutResult Bracket[] = {
  {"Final81", "1-0", nullptr},   // Germany - Paraguay
  {"Final82", "0-3", nullptr},   // Denmark - England
  {"Final83", "1-2", nullptr},   // Sweden - Senegal
  {"Final84", "1-1", "3-2"},     // Spain - Ireland
  {"Final85", "0-2", nullptr},   // Mexico - USA
  {"Final86", "2-0", nullptr},   // Brazil - Belgium
  {"Final87", "0-1", nullptr},   // Japan - Turkey
  {"Final88", "2-1", nullptr},   // South Korea - Italy
  {"Final41", "1-2", nullptr},   // England - Brazil
  {"Final42", "1-0", nullptr},   // Germany - USA
  {"Final43", "0-0", "3-5"},     // Spain - South Korea
  {"Final44", "0-1", nullptr},   // Senegal - Turkey
  {"Final21", "1-0", nullptr},   // Germany - South Korea
  {"Final22", "1-0", nullptr},   // Brazil - Turkey
};

}  // namespace

QString GroupResult(int group, int match)
{
  return QLatin1String(GroupResults[group][match]);
}

void PlayGroups(TGridDriver &g)
{
  for (int group = 0; group < 8; ++group)
    for (int m = 0; m < 6; ++m)
      g.score(QStringLiteral("G%1%2").arg(GroupLetter(group)).arg(m + 1),
              QLatin1String(GroupResults[group][m]));
}

void PlayTwoMatchdays(TGridDriver &g)
{
  for (int group = 0; group < 8; ++group)
    for (int m = 0; m < 4; ++m)
      g.score(QStringLiteral("G%1%2").arg(GroupLetter(group)).arg(m + 1),
              QLatin1String(GroupResults[group][m]));
}

void PlayBracket(TGridDriver &g)
{
  for (const TKnockoutResult &r : Bracket) {
    const QString stem = QLatin1String(r.match);
    g.score(stem, QLatin1String(r.result));
    if (r.penalties) {
      const QString pens = QLatin1String(r.penalties);
      g.type(stem + QStringLiteral("1pk"), pens.section('-', 0, 0));
      g.type(stem + QStringLiteral("2pk"), pens.section('-', 1, 1));
    }
  }
}

void PlayAll(TGridDriver &g)
{
  PlayGroups(g);
  PlayBracket(g);
  g.score(QStringLiteral("Third1"), QStringLiteral("2-3"));
  g.score(QStringLiteral("Final1"), QStringLiteral("0-2"));
}
