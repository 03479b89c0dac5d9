// What building and first painting the main window costs, against a bare
// QMainWindow with the same number of controls of each kind, both in this
// process (offscreen). The main window starts on a whole saved tournament.
// Times are the thread's processor time: the machine is shared, and waiting
// for a processor is not the program's cost.

#include "controlCensus.h"
#include "savedTournament.h"

#include "app/singleInstance.h"

#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

double ThreadSeconds()
{
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The window size both are shown at: the whole grid is on screen.
constexpr int ShownWidth = 1024;
constexpr int ShownHeight = 768;

TControlCensus MainWindowCensus(const TSavedTournament &saved)
{
  TFakePlatform fake;
  const TMainForm form(saved.folder(), fake.platform());
  return CountControls(form);
}

// Builds, shows and paints one window; the time taken, without tearing it down.
template <typename Build>
double TimeFirstPaint(benchmark::State &state, Build build)
{
  const double start = ThreadSeconds();
  auto window = build();
  window->resize(ShownWidth, ShownHeight);
  if (!ShowAndPaint(*window))
    state.SkipWithError("the window did not paint");
  const double seconds = ThreadSeconds() - start;
  window.reset();
  return seconds;
}

void BareWindow(benchmark::State &state)
{
  const TSavedTournament saved;
  const TControlCensus census = MainWindowCensus(saved);
  for (auto _ : state)
    state.SetIterationTime(TimeFirstPaint(state, [&] { return BuildBareWindow(census); }));
}
BENCHMARK(BareWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

std::unique_ptr<TMainForm> StartMainForm(benchmark::State &state, const TSavedTournament &saved,
                                         TFakePlatform &fake)
{
  auto form = std::make_unique<TMainForm>(saved.folder(), fake.platform());
  if (form->label(QStringLiteral("Champion"))->text() != QStringLiteral("Brazil"))
    state.SkipWithError("the tournament did not come back");
  return form;
}

void MainWindow(benchmark::State &state)
{
  const TSavedTournament saved;
  TFakePlatform fake;
  for (auto _ : state)
    state.SetIterationTime(TimeFirstPaint(state, [&] { return StartMainForm(state, saved, fake); }));
}
BENCHMARK(MainWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

// Both in turn in every iteration, so that a busy machine slows both alike;
// the time is the main window's, "ratio" main window / bare window.
void MainWindowAgainstBare(benchmark::State &state)
{
  const TSavedTournament saved;
  const TControlCensus census = MainWindowCensus(saved);
  TFakePlatform fake;
  double bare = 0;
  double brakka = 0;
  for (auto _ : state) {
    const double b = TimeFirstPaint(state, [&] { return BuildBareWindow(census); });
    const double m = TimeFirstPaint(state, [&] { return StartMainForm(state, saved, fake); });
    bare += b;
    brakka += m;
    state.SetIterationTime(m);
  }
  state.counters["bare_ms"] = benchmark::Counter(bare * 1000, benchmark::Counter::kAvgIterations);
  state.counters["ratio"] = bare > 0 ? brakka / bare : 0;
  state.SetLabel(CensusText(census).toStdString());
}
BENCHMARK(MainWindowAgainstBare)->UseManualTime()->Unit(benchmark::kMillisecond);

// What a first start adds for being the only one on its settings file:
// taking the lock in the state folder and listening on the socket beside
// it, then, at the end, giving both back.
void SingleInstanceLock(benchmark::State &state)
{
  const QTemporaryDir stateHome;
  const QByteArray before = qgetenv("XDG_STATE_HOME");
  qputenv("XDG_STATE_HOME", QFile::encodeName(stateHome.path()));
  const QString settingsFile = CanonicalSettingsFile(stateHome.path());
  for (auto _ : state) {
    const double start = ThreadSeconds();
    {
      TSingleInstance instance(settingsFile);
      if (instance.claim() != TSingleInstance::TClaim::First)
        state.SkipWithError("the lock was not taken");
    }
    state.SetIterationTime(ThreadSeconds() - start);
  }
  qputenv("XDG_STATE_HOME", before);
}
BENCHMARK(SingleInstanceLock)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
