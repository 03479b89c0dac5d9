// How long the tournament's rules take on plain values, without a window:
// one keystroke in a group and in the knockout stage of a whole tournament,
// Clear All, and loading the whole tournament from its settings file.

#include "savedTournament.h"

#include "app/gridIds.h"
#include "core/tournament/clearing.h"
#include "core/tournament/tournament.h"
#include "core/settings/profileFile.h"
#include "core/settings/resultTexts.h"

#include <benchmark/benchmark.h>

namespace {

// The settings file of the whole 2002 tournament, and its result texts.
struct TWholeTournament {
  QByteArray file;
  TResultTexts texts;
  TWholeTournament()
  {
    const TSavedTournament saved;
    QFile f(saved.folder() + QStringLiteral("/Brakka.ini"));
    f.open(QIODevice::ReadOnly);
    file = f.readAll();
    texts = ReadResultTexts(TProfileFile(file));
  }
};
const TWholeTournament &Whole()
{
  static const TWholeTournament whole;
  return whole;
}

TTournament Played()
{
  TTournament t;
  FillResults(t, Whole().texts, TFill::Loading);
  return t;
}

TField Field(const char *name)
{
  return ResultField(TGridField(ControlIdOf(QLatin1String(name))->index));
}

bool ChampionIs(const TTournament &t, const char *name)
{
  return TeamNameIn(LangEnglish, t.champion()) == QLatin1String(name);
}

// Group C: Brazil first, Turkey second. Typing 0 over Brazil's 2 against
// Turkey swaps the two, which resets their paths through the bracket; typing
// the 2 back seeds them again (their knockout scores stay emptied).
void EngineGroupKeystroke(benchmark::State &state)
{
  TTournament t = Played();
  const TField f = Field("GC11");
  bool swapped = false;
  for (auto _ : state) {
    t.setText(f, swapped ? QStringLiteral("2") : QStringLiteral("0"));
    swapped = !swapped;
  }
  if (t.groupTable(2)[0].TeamName != (swapped ? Turkey : Brazil))
    state.SkipWithError("the qualifiers did not swap");
}
BENCHMARK(EngineGroupKeystroke)->Unit(benchmark::kMicrosecond);

// A keystroke in the group's first match with the five others to play: the
// outlook looks through every way they can end.
void EngineGroupKeystrokeFiveToPlay(benchmark::State &state)
{
  TTournament t;
  t.setText(Field("GA12"), QStringLiteral("0"));
  const TField f = Field("GA11");
  bool two = false;
  for (auto _ : state) {
    t.setText(f, two ? QStringLiteral("2") : QStringLiteral("1"));
    two = !two;
  }
}
BENCHMARK(EngineGroupKeystrokeFiveToPlay)->Unit(benchmark::kMicrosecond);

// The same keystroke into the whole tournament each time: the full cascade
// through the bracket to the champion.
void EngineGroupKeystrokeWithFullBracket(benchmark::State &state)
{
  const TTournament played = Played();
  const TField f = Field("GC11");
  for (auto _ : state) {
    state.PauseTiming();
    TTournament t = played;
    state.ResumeTiming();
    t.setText(f, QStringLiteral("0"));
    benchmark::DoNotOptimize(t.champion());
  }
}
BENCHMARK(EngineGroupKeystrokeWithFullBracket)->Unit(benchmark::kMicrosecond);

// A 1/8-final score changed and back: England's win over Denmark turned
// round sends Denmark on through the quarter-final against Brazil.
void EngineKnockoutKeystroke(benchmark::State &state)
{
  TTournament t = Played();
  const TField f = Field("Final821");
  bool turned = false;
  for (auto _ : state) {
    t.setText(f, turned ? QStringLiteral("0") : QStringLiteral("4"));
    turned = !turned;
  }
  if (!ChampionIs(t, "Brazil"))
    state.SkipWithError("the champion changed");
}
BENCHMARK(EngineKnockoutKeystroke)->Unit(benchmark::kMicrosecond);

void EngineClearAll(benchmark::State &state)
{
  const TTournament played = Played();
  for (auto _ : state) {
    state.PauseTiming();
    TTournament t = played;
    state.ResumeTiming();
    ClearAll(t);
    benchmark::DoNotOptimize(t.text(Field("GA11")));
  }
}
BENCHMARK(EngineClearAll)->Unit(benchmark::kMicrosecond);

// The texts already read, filled into a tournament just built.
void EngineLoadTexts(benchmark::State &state)
{
  const TResultTexts texts = Whole().texts;
  for (auto _ : state) {
    state.PauseTiming();
    TTournament t;
    state.ResumeTiming();
    FillResults(t, texts, TFill::Loading);
    if (!ChampionIs(t, "Brazil"))
      state.SkipWithError("the tournament did not come back");
  }
}
BENCHMARK(EngineLoadTexts)->Unit(benchmark::kMicrosecond);

// The settings file's text read, its results taken and filled in.
void EngineReadAndLoadFile(benchmark::State &state)
{
  const QByteArray file = Whole().file;
  for (auto _ : state) {
    state.PauseTiming();
    TTournament t;
    state.ResumeTiming();
    FillResults(t, ReadResultTexts(TProfileFile(file)), TFill::Loading);
    if (!ChampionIs(t, "Brazil"))
      state.SkipWithError("the tournament did not come back");
  }
}
BENCHMARK(EngineReadAndLoadFile)->Unit(benchmark::kMicrosecond);

}  // namespace
