// How long a results file takes to read: the whole tournament in each of
// the three formats, from the file on disk (its size checked, its bytes read
// and checked, its format told, its matches read and their teams
// recognised) and from bytes already in memory. Then reading and matching
// it against a tournament (the groups first, then each knockout round in
// the slots the rounds before fill), and File > Import results… up to its
// preview shown, in the main window.

#include "core/import/importPlan.h"
#include "core/import/resultsFile.h"
#include "import/importForm.h"
#include "support/grid.h"
#include "support/tournament.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTableWidget>
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

// Read and matched: into an empty tournament, or into one that holds the
// whole tournament already (every row then unchanged). The tournament shows
// the outlook, as the document's does.
void ReadAndMatch(benchmark::State &state, const QStringList &names, bool played)
{
  const auto read = [&names] {
    std::vector<TImportMatch> matches;
    for (const QString &name : names) {
      const TResultsFile file = ReadResultsFile(QStringLiteral(BRAKKA_TEST_DATA "/import/") + name);
      matches.insert(matches.end(), file.matches.begin(), file.matches.end());
    }
    return matches;
  };
  TTournament tournament;
  if (played)
    FillResults(tournament, PlanImport(tournament, read()).texts, TFill::Loading);
  for (auto _ : state) {
    const TImportPlan plan = PlanImport(tournament, read());
    if (plan.rows.size() != 64 || plan.changes() == played)
      state.SkipWithError("the file was not matched whole");
  }
}

// File > Import results… on the whole tournament, up to its preview shown
// and cancelled.
void OpenPreview(benchmark::State &state, const char *name)
{
  TGridDriver g;
  QAction *import = g.form().menuItem(QStringLiteral("ImportResults1"));
  int rows = 0;
  g.dialogs().onModal = [&rows](QDialog *d) {
    rows = static_cast<TImportForm *>(d)->ImportTable->rowCount();
    return int(QDialog::Rejected);
  };
  for (auto _ : state) {
    g.dialogs().openedFiles = {DataFile(name)};
    import->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (rows != 64)
      state.SkipWithError("the preview did not show the whole file");
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
BENCHMARK_CAPTURE(ReadAndMatch, OpenFootballJson, QStringList{"openfootball.json"}, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadAndMatch, FootballDataJson, QStringList{"football-data.json"}, false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadAndMatch, FootballTxtPair, (QStringList{"cup.txt", "cup_finals.txt"}), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadAndMatch, OpenFootballJsonOverPlayed, QStringList{"openfootball.json"}, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OpenPreview, OpenFootballJson, "openfootball.json")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenPreview, FootballDataJson, "football-data.json")->Unit(benchmark::kMillisecond);
