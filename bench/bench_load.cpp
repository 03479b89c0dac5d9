// How long Brakka.ini takes: starting the main window on a whole saved
// tournament (against a start without a file), reloading the results into a
// cleared grid, and saving the whole tournament.

#include "savedTournament.h"


#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The main window's start with the whole tournament in its file: building the
// grid, reading the file and every cascade the filled fields set off.
void StartWithWholeTournament(benchmark::State &state)
{
  const TSavedTournament saved;
  TFakePlatform fake;
  for (auto _ : state) {
    TMainForm form(saved.folder(), fake.platform());
    if (form.label(QStringLiteral("Champion"))->text() != QStringLiteral("Brazil"))
      state.SkipWithError("the tournament did not come back");
  }
}
BENCHMARK(StartWithWholeTournament)->Unit(benchmark::kMillisecond);

// The same start without a file (a first run whose options dialog is
// closed at once): what the start costs without loading.
void StartWithoutFile(benchmark::State &state)
{
  QTemporaryDir empty;
  TFakePlatform fake;
  for (auto _ : state) {
    TMainForm form(empty.path(), fake.platform());
    benchmark::DoNotOptimize(form.field(QStringLiteral("GA11")));
  }
}
BENCHMARK(StartWithoutFile)->Unit(benchmark::kMillisecond);

// ReadAll alone, into a grid cleared with Clear All.
void ReadAllIntoClearedGrid(benchmark::State &state)
{
  const TSavedTournament saved;
  TFakePlatform fake;
  TMainForm form(saved.folder(), fake.platform());
  for (auto _ : state) {
    state.PauseTiming();
    fake.dialogs->answers = {QMessageBox::Yes};
    ClearAllOf(form);
    if (!form.field(QStringLiteral("GA11"))->text().isEmpty())
      state.SkipWithError("Clear All left a score");
    state.ResumeTiming();
    ReadForm(form);
  }
  if (form.label(QStringLiteral("Champion"))->text() != QStringLiteral("Brazil"))
    state.SkipWithError("the tournament did not come back");
}
BENCHMARK(ReadAllIntoClearedGrid)->Unit(benchmark::kMillisecond);

// SaveAll of the whole tournament over its own file.
void SaveWholeTournament(benchmark::State &state)
{
  TGridDriver g;
  PlayAll(g);
  for (auto _ : state) {
    if (!SaveForm(g.form()))
      state.SkipWithError("the save failed");
  }
}
BENCHMARK(SaveWholeTournament)->Unit(benchmark::kMicrosecond);

}  // namespace
