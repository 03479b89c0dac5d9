// How long the group outlook takes: a keystroke in a group with its marks,
// the outlook of the hardest groups found, and the scenario tables.

#include "core/groups/outlook.h"
#include "core/i18n/names.h"
#include "core/settings/preferences.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// Alternates a score field between 1 and 2: every keystroke changes the
// group's scores, so its outlook is worked out anew each time.
void typeAlternately(benchmark::State &state, TGridDriver &g, const QString &name)
{
  QLineEdit *f = g.field(name);
  bool one = false;
  for (auto _ : state) {
    f->selectAll();
    QTest::keyClick(f, one ? Qt::Key_1 : Qt::Key_2);
    one = !one;
  }
}

// Group C after two matchdays, the first score of Costa Rica - Brazil typed:
// two matches remain.
void GroupKeystrokeTwoMatchesLeft(benchmark::State &state)
{
  TGridDriver g;
  PlayTwoMatchdays(g);
  typeAlternately(state, g, QStringLiteral("GC51"));
}
BENCHMARK(GroupKeystrokeTwoMatchesLeft)->Unit(benchmark::kMicrosecond);

// Group C with only Turkey - China to play, its first score typed.
void GroupKeystrokeLastMatchLeft(benchmark::State &state)
{
  TGridDriver g;
  PlayTwoMatchdays(g);
  g.score(QStringLiteral("GC5"), QStringLiteral("2-5"));
  typeAlternately(state, g, QStringLiteral("GC61"));
}
BENCHMARK(GroupKeystrokeLastMatchLeft)->Unit(benchmark::kMicrosecond);

// The first score of an empty grid: all six matches of group A remain.
void GroupKeystrokeEmptyGroup(benchmark::State &state)
{
  TGridDriver g;
  typeAlternately(state, g, QStringLiteral("GA11"));
}
BENCHMARK(GroupKeystrokeEmptyGroup)->Unit(benchmark::kMicrosecond);

// A complete group: the outlook is the table.
void GroupKeystrokeCompleteGroup(benchmark::State &state)
{
  TGridDriver g;
  PlayGroups(g);
  typeAlternately(state, g, QStringLiteral("GC11"));
}
BENCHMARK(GroupKeystrokeCompleteGroup)->Unit(benchmark::kMicrosecond);

// Groups given as "a-b" per match in match order, "_" for a score not typed.
TGroupScores Group(const char *const (&matches)[6])
{
  TGroupScores g;
  g.sides = {{{0, 3}, {2, 1}, {2, 0}, {3, 1}, {3, 2}, {1, 0}}};
  for (int m = 0; m < 6; ++m) {
    const QStringList sides = QString::fromLatin1(matches[m]).split(QLatin1Char('-'));
    for (int s = 0; s < 2; ++s)
      if (sides.value(s) != QLatin1String("_"))
        g.scores[m][s] = sides.value(s).toLongLong();
  }
  return g;
}

// The groups that took the search longest of those a search for them found
// (counting the boxes and orderings it needed), and an empty group.
const char *const HardOutlook[6] = {"_-_", "9-0", "96-27", "_-_", "3-2", "_-_"};
const char *const HardScenarios[6] = {"_-_", "_-_", "_-_", "1-1", "99-0", "0-98"};
const char *const HardScenarios2[6] = {"_-_", "_-_", "0-1", "0-0", "0-2", "_-_"};
const char *const Empty[6] = {"_-_", "_-_", "_-_", "_-_", "_-_", "_-_"};

void Outlook(benchmark::State &state, const char *const (&matches)[6])
{
  const TGroupScores g = Group(matches);
  for (auto _ : state)
    benchmark::DoNotOptimize(GroupOutlook(g));
}
BENCHMARK_CAPTURE(Outlook, hardest, HardOutlook)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Outlook, empty, Empty)->Unit(benchmark::kMicrosecond);

void Scenarios(benchmark::State &state, const char *const (&matches)[6])
{
  const TGroupScores g = Group(matches);
  for (auto _ : state)
    benchmark::DoNotOptimize(GroupScenarios(g));
}
BENCHMARK_CAPTURE(Scenarios, hardest, HardScenarios)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Scenarios, hard, HardScenarios2)->Unit(benchmark::kMillisecond);

// Opening the outlook window on group H after two matchdays with Tunisia -
// Belgium emptied: three matches remain, 27 rows.
void OpenOutlookWindow(benchmark::State &state)
{
  TGridDriver g;
  PlayTwoMatchdays(g);
  g.clear(QStringLiteral("GH41"));
  TPreferences favourite;
  favourite.favorite = Japan;
  g.form().document().setPreferences(favourite);
  for (auto _ : state)
    g.form().menuItem(QStringLiteral("Outlook1"))->trigger();
}
BENCHMARK(OpenOutlookWindow)->Unit(benchmark::kMillisecond);

}  // namespace
