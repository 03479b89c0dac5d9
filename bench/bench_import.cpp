// How long a results file takes to read: the whole tournament in each of
// the three formats, from the file on disk (its size checked, its bytes read
// and checked, its format told, its matches read and their teams
// recognised) and from bytes already in memory.

#include "core/import/resultsFile.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

QString DataFile(const char *name)
{
  return QStringLiteral(BRAKKA_TEST_DATA "/import/") + QLatin1String(name);
}

void ReadFile(benchmark::State &state, const char *name, std::size_t matches)
{
  const QString path = DataFile(name);
  for (auto _ : state) {
    const TResultsFile file = ReadResultsFile(path);
    if (!file.ok() || file.matches.size() != matches)
      state.SkipWithError("the file was not read whole");
  }
}

void ReadBytes(benchmark::State &state, const char *name, std::size_t matches)
{
  QFile f(DataFile(name));
  if (!f.open(QIODevice::ReadOnly)) {
    state.SkipWithError("no test file");
    return;
  }
  const QByteArray bytes = f.readAll();
  for (auto _ : state) {
    const TResultsFile file = ReadResults(bytes);
    if (!file.ok() || file.matches.size() != matches)
      state.SkipWithError("the file was not read whole");
  }
}

// The tournament in two Football.TXT files, read one after the other.
void ReadFootballTxtPair(benchmark::State &state)
{
  const QString groups = DataFile("cup.txt"), finals = DataFile("cup_finals.txt");
  for (auto _ : state) {
    const TResultsFile a = ReadResultsFile(groups);
    const TResultsFile b = ReadResultsFile(finals);
    if (a.matches.size() + b.matches.size() != 64)
      state.SkipWithError("the files were not read whole");
  }
}

}  // namespace

BENCHMARK_CAPTURE(ReadFile, OpenFootballJson, "openfootball.json", 64)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadFile, FootballDataJson, "football-data.json", 64)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadFootballTxtPair)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadBytes, OpenFootballJson, "openfootball.json", 64)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadBytes, FootballDataJson, "football-data.json", 64)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadBytes, FootballTxtGroups, "cup.txt", 48)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadBytes, FootballTxtFinals, "cup_finals.txt", 16)->Unit(benchmark::kMicrosecond);
