// What a screen reader costs the grid: reading the name of every score and
// penalty field, team label and table figure once, as a screen reader does
// when it walks the whole window. Typing itself builds no names. And what a
// dark palette costs a keystroke that moves the favourite.

#include "core/groups/fixtures.h"
#include "core/settings/preferences.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QAccessible>
#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void NameEveryGridControl(benchmark::State &state)
{
  TGridDriver g;
  PlayAll(g);
  std::vector<QAccessibleInterface *> controls;
  for (QWidget *w : g.form().findChildren<QWidget *>()) {
    if (w->objectName().isEmpty() || (!qobject_cast<QLabel *>(w) && !qobject_cast<QLineEdit *>(w)))
      continue;
    if (QAccessibleInterface *node = QAccessible::queryAccessibleInterface(w))
      controls.push_back(node);
  }
  qsizetype characters = 0;
  for (auto _ : state) {
    for (QAccessibleInterface *node : controls)
      characters += node->text(QAccessible::Name).size();
  }
  benchmark::DoNotOptimize(characters);
  state.counters["controls"] = double(controls.size());
}
BENCHMARK(NameEveryGridControl)->Unit(benchmark::kMicrosecond);

// Group C after the 2002 results with Brazil as favourite: typing 0 over
// Brazil's 2 against Turkey moves Brazil out of, and back into, first place,
// recolouring its 1/8-final slots; on a light or a dark palette.
void FavouriteKeystroke(benchmark::State &state)
{
  const QPalette light = QApplication::palette();
  if (state.range(0)) {
    QPalette dark = light;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
      dark.setColor(role, QColor(0x202020));
    QApplication::setPalette(dark);
    QCoreApplication::sendPostedEvents();
  }
  {
    TGridDriver g;
    TPreferences favourite;
    favourite.favorite = Brazil;
    g.form().document().setPreferences(favourite);
    PlayGroups(g);
    bool swapped = false;
    for (auto _ : state) {
      g.type(QStringLiteral("GC11"), swapped ? QStringLiteral("2") : QStringLiteral("0"));
      swapped = !swapped;
    }
  }
  QApplication::setPalette(light);
  QCoreApplication::sendPostedEvents();
}
BENCHMARK(FavouriteKeystroke)->ArgName("dark")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
