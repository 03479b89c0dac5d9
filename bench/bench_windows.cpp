// What opening and closing the secondary windows costs: the schedule, a
// venue, the options dialog, the about box and the celebration, each opened
// and closed 200 times on a whole tournament. Besides the time, each reports
// the resident size before and after the openings (from /proc/self/statm)
// and how many objects the main window gained.

#include "support/grid.h"
#include "support/tournament.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <functional>
#include <unistd.h>

namespace {

double ResidentKiB()
{
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly))
    return 0;
  const QList<QByteArray> pages = statm.readAll().split(' ');
  return pages.size() > 1 ? pages[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024.0 : 0;
}

void OpenAndClose(benchmark::State &state, const std::function<void(TMainForm &)> &open)
{
  TGridDriver g;
  PlayAll(g);
  // The first opening loads what every later one shares (fonts, pictures).
  open(g.form());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const double before = ResidentKiB();
  const qsizetype objects = g.form().findChildren<QObject *>().size();
  for (auto _ : state) {
    open(g.form());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  state.counters["rss_before_KiB"] = before;
  state.counters["rss_after_KiB"] = ResidentKiB();
  state.counters["objects_gained"] = double(g.form().findChildren<QObject *>().size() - objects);
}

void MenuItem(TMainForm &form, const char *name) { form.menuItem(QLatin1String(name))->trigger(); }

}  // namespace

BENCHMARK_CAPTURE(OpenAndClose, schedule, [](TMainForm &f) { MenuItem(f, "Schedule1"); })
    ->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenAndClose, venue, [](TMainForm &f) { MenuItem(f, "Seoul1"); })
    ->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenAndClose, options, [](TMainForm &f) { MenuItem(f, "Options1"); })
    ->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenAndClose, about, [](TMainForm &f) { MenuItem(f, "About1"); })
    ->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenAndClose, celebration, [](TMainForm &f) { CelebrateChampion(&f, f.document(), f.platform(), [] {}); })
    ->Iterations(200)->Unit(benchmark::kMillisecond);
