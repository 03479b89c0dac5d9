// How long the grid's cascades take, typed into the real main window
// (offscreen): one keystroke in a group, filling a whole tournament, Clear All.

#include "support/grid.h"
#include "support/tournament.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// Group C after the 2002 results: Brazil first, Turkey second. Typing 0 over
// Brazil's 2 against Turkey swaps the two.
void GroupKeystrokeSwappingQualifiers(benchmark::State &state)
{
  TGridDriver g;
  PlayGroups(g);
  QLineEdit *f = g.field("GC11");
  bool swapped = false;
  for (auto _ : state) {
    f->selectAll();
    QTest::keyClick(f, swapped ? Qt::Key_2 : Qt::Key_0);
    swapped = !swapped;
  }
  if (g.text("GCName1") != (swapped ? "Turkey" : "Brazil"))
    state.SkipWithError("the qualifiers did not swap");
}
BENCHMARK(GroupKeystrokeSwappingQualifiers)->Unit(benchmark::kMicrosecond);

// The same keystroke with the whole bracket after it filled in: Brazil's and
// Turkey's paths to the final are reset.
void GroupKeystrokeWithFullBracket(benchmark::State &state)
{
  TGridDriver g;
  PlayAll(g);
  QLineEdit *f = g.field("GC11");
  for (auto _ : state) {
    f->selectAll();
    QTest::keyClick(f, Qt::Key_0);
    state.PauseTiming();
    if (g.text("Champion") == "Brazil")
      state.SkipWithError("the champion did not change");
    g.type("GC11", "2");
    PlayBracket(g);
    g.score("Third1", "2-3");
    g.score("Final1", "0-2");
    state.ResumeTiming();
  }
}
BENCHMARK(GroupKeystrokeWithFullBracket)->Unit(benchmark::kMicrosecond);

// Typing all 64 results (and two shoot-outs) into an empty grid.
void FillWholeTournament(benchmark::State &state)
{
  TGridDriver g;
  for (auto _ : state) {
    PlayAll(g);
    state.PauseTiming();
    if (g.text("Champion") != "Brazil")
      state.SkipWithError("the tournament did not end with Brazil");
    g.dialogs().answers = {QMessageBox::Yes};
    ClearAllOf(g.form());
    g.form().document().clearHistory();
    state.ResumeTiming();
  }
}
BENCHMARK(FillWholeTournament)->Unit(benchmark::kMillisecond);

// Clear All, answered Yes, on a full tournament.
void ClearAllOnFullTournament(benchmark::State &state)
{
  TGridDriver g;
  for (auto _ : state) {
    state.PauseTiming();
    // The history of one typed tournament, as a user's would be, not of
    // every round the benchmark has played.
    g.form().document().clearHistory();
    PlayAll(g);
    g.dialogs().answers = {QMessageBox::Yes};
    state.ResumeTiming();
    ClearAllOf(g.form());
  }
  if (!g.text("GA11").isEmpty())
    state.SkipWithError("Clear All left a score");
}
BENCHMARK(ClearAllOnFullTournament)->Unit(benchmark::kMillisecond);

}  // namespace
