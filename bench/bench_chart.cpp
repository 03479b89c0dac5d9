// The wall chart of the whole tournament, laid out and written as each
// format, on each paper: the time from the tournament to the file's bytes.
// Run with --benchmark_repetitions=N --benchmark_report_aggregates_only for
// the medians.

#include "chart/chartDrawing.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <benchmark/benchmark.h>

namespace {

void WallChart(benchmark::State &state, TChartFormat format)
{
  const TPaper paper = TPaper(state.range(0));
  TGridDriver g;
  PlayAll(g);
  qint64 size = 0;
  for (auto _ : state) {
    const TChartLayout layout =
        WallChartLayout(g.document().tournament(), g.document().preferences(), g.regional(), paper);
    size = ChartFileBytes(layout, paper, format).size();
  }
  state.counters["file_KiB"] = double(size) / 1024;
}

void Layout(benchmark::State &state)
{
  TGridDriver g;
  PlayAll(g);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        WallChartLayout(g.document().tournament(), g.document().preferences(), g.regional(), TPaper(state.range(0))));
}

}  // namespace

// Papers: 0 A4, 1 A3, 2 Letter.
BENCHMARK(Layout)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WallChart, pdf, TChartFormat::Pdf)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WallChart, svg, TChartFormat::Svg)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WallChart, png, TChartFormat::Png)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
