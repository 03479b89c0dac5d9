// The prediction pool on 200 entries: opening its window (reading and
// scoring every entry, day by day too, building the table and the chart),
// the table's update after a scoring value changes, the results and scores
// day by day alone, and the chart drawn as the window shows it and saved.

#include "core/tournament/tournament.h"
#include "core/pool/poolDays.h"
#include "pool/poolChart.h"
#include "pool/poolForm.h"
#include "core/settings/resultTexts.h"
#include "core/settings/settingsFile.h"
#include "support/fakePlatform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int EntryCount = 200;

// Every score of a tournament, penalties where a knockout match ends level.
TResultTexts PlayedTournament(QRandomGenerator &random)
{
  TResultTexts texts;
  for (int i = 0; i < ResultFieldCount; ++i)
    texts.push_back(QString::number(random.bounded(FieldInfo(TField(i)).kind == TFieldInfo::Penalty ? 6 : 4)));
  return texts;
}

// A pool folder of 200 friends' files and the results typed so far.
struct TPoolFolder {
  QTemporaryDir dir;
  TTournament results;
  TPoolFolder()
  {
    QRandomGenerator random(2002);
    for (int i = 0; i < EntryCount; ++i)
      SaveSettingsFile(dir.filePath(QStringLiteral("friend%1.ini").arg(i)), TPreferences{}, std::nullopt,
                       PlayedTournament(random));
    FillResults(results, PlayedTournament(random), TFill::Loading);
  }
};
TPoolFolder &Folder()
{
  static TPoolFolder folder;
  return folder;
}

void OpenPoolWindow(benchmark::State &state)
{
  TScriptedDialogs dialogs;
  std::optional<TPoolSettings> settings = TPoolSettings{};
  settings->folder = Folder().dir.path();
  for (auto _ : state) {
    ShowPoolWindow(nullptr, dialogs, Folder().results, settings, QString(), LangEnglish);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}
BENCHMARK(OpenPoolWindow)->Unit(benchmark::kMillisecond);

void ChangeScoringValue(benchmark::State &state)
{
  TScriptedDialogs dialogs;
  TPoolSettings settings;
  settings.folder = Folder().dir.path();
  TPoolForm form(nullptr, dialogs, Folder().results, settings, QString(), LangEnglish);
  form.show();
  QSpinBox *exact = form.ValueEdits[std::size_t(TPoolValue::Exact)];
  int value = 3;
  for (auto _ : state) {
    value = value == 3 ? 9 : 3;
    exact->setValue(value);
  }
}
BENCHMARK(ChangeScoringValue)->Unit(benchmark::kMillisecond);

void ScoreDayByDay(benchmark::State &state)
{
  std::vector<TPoolEntry> entries = ReadPoolFolder(Folder().dir.path(), QString(), LangEnglish);
  for (auto _ : state) {
    const std::vector<TPoolDay> days = PoolResultsByDay(Folder().results);
    benchmark::DoNotOptimize(ScorePoolByDay(entries, days));
  }
}
BENCHMARK(ScoreDayByDay)->Unit(benchmark::kMillisecond);

// The chart of 200 lines over every day of the tournament, the first entry
// highlighted, drawn at the size the window gives it.
void DrawPoolChart200(benchmark::State &state)
{
  TScriptedDialogs dialogs;
  TPoolSettings settings;
  settings.folder = Folder().dir.path();
  TPoolForm form(nullptr, dialogs, Folder().results, settings, QString(), LangEnglish);
  form.show();
  QCoreApplication::processEvents();
  TPoolChart *chart = form.PoolChart;
  QImage image(chart->size(), QImage::Format_ARGB32_Premultiplied);
  state.counters["days"] = double(chart->data().days.size());
  state.counters["lines"] = double(chart->data().lines.size());
  state.counters["width"] = chart->width();
  state.counters["height"] = chart->height();
  for (auto _ : state) {
    chart->render(&image);
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(DrawPoolChart200)->Unit(benchmark::kMillisecond);

void SavePoolChart200(benchmark::State &state)
{
  TScriptedDialogs dialogs;
  TPoolSettings settings;
  settings.folder = Folder().dir.path();
  TPoolForm form(nullptr, dialogs, Folder().results, settings, QString(), LangEnglish);
  const TPictureFormat format = state.range(0) ? TPictureFormat::Svg : TPictureFormat::Png;
  for (auto _ : state)
    benchmark::DoNotOptimize(PoolChartPicture(form.PoolChart->data(), 0, format, QStringLiteral("Prediction pool")));
}
BENCHMARK(SavePoolChart200)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
