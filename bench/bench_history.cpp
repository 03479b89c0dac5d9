// The cost of the history: a keystroke recorded as a step, undo and redo of
// Clear All on a full tournament, and the recovery file's write, which runs
// on the writer's own thread and never on a keystroke's path.

#include "core/settings/recoveryFile.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// A group keystroke that is a step of its own: the two sides of Brazil –
// Turkey are typed in turn, so that no keystroke joins the step before.
void GroupKeystrokeRecordedAsStep(benchmark::State &state)
{
  TGridDriver g;
  PlayAll(g);
  QLineEdit *sides[2] = {g.field("GC11"), g.field("GC12")};
  const int before = int(g.form().document().history().count());
  int turn = 0;
  for (auto _ : state) {
    QLineEdit *f = sides[turn % 2];
    f->selectAll();
    QTest::keyClick(f, turn % 4 < 2 ? Qt::Key_1 : Qt::Key_2);
    ++turn;
  }
  if (int(g.form().document().history().count()) - before < qMin(turn, 4))
    state.SkipWithError("the keystrokes were not recorded as steps");
}
BENCHMARK(GroupKeystrokeRecordedAsStep)->Unit(benchmark::kMicrosecond);

// Clear All on a full tournament, then its undo (the grid filled again) or
// its redo (emptied again); only the one is timed.
void ClearAllHistory(benchmark::State &state, bool timeUndo)
{
  TGridDriver g;
  PlayAll(g);
  g.dialogs().answers = {QMessageBox::Yes};
  ClearAllOf(g.form());
  for (auto _ : state) {
    if (!timeUndo)
      state.PauseTiming();
    g.form().document().undo();
    if (g.text("Champion") != "Brazil")
      state.SkipWithError("undo did not bring the tournament back");
    if (timeUndo)
      state.PauseTiming();
    else
      state.ResumeTiming();
    g.form().document().redo();
    if (timeUndo)
      state.ResumeTiming();
  }
  if (!g.text("GA11").isEmpty())
    state.SkipWithError("redo left a score");
}
void UndoClearAll(benchmark::State &state) { ClearAllHistory(state, true); }
void RedoClearAll(benchmark::State &state) { ClearAllHistory(state, false); }
BENCHMARK(UndoClearAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(RedoClearAll)->Unit(benchmark::kMicrosecond);

// What the recovery timer does on the window's thread: take the texts.
void RecoveryTextsTaken(benchmark::State &state)
{
  TGridDriver g;
  PlayAll(g);
  for (auto _ : state)
    benchmark::DoNotOptimize(g.form().document().resultTexts());
}
BENCHMARK(RecoveryTextsTaken)->Unit(benchmark::kMicrosecond);

// What the writer's thread does with them: the file's text, written whole
// and synced to the disk.
void RecoveryFileWritten(benchmark::State &state)
{
  QTemporaryDir stateHome;
  const QByteArray previous = qgetenv("XDG_STATE_HOME");
  qputenv("XDG_STATE_HOME", QFile::encodeName(stateHome.path()));
  TGridDriver g;
  PlayAll(g);
  const TResultTexts texts = g.form().document().resultTexts();
  TRecoveryWriter writer(stateHome.filePath("Brakka.ini"), nullptr);
  for (auto _ : state) {
    writer.write(texts);
    writer.finish();
  }
  qputenv("XDG_STATE_HOME", previous);
}
BENCHMARK(RecoveryFileWritten)->Unit(benchmark::kMillisecond);

}  // namespace
