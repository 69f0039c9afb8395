// Skins of the default design in all four states at 1x and 2x with every output: the whole
// tessaro-render --skin process (start-up, renders, files), the export within one process,
// and the renders alone. The process one reports the median of its samples (ms).
#include <benchmark/benchmark.h>

#include <QProcess>
#include <QTemporaryDir>
#include <vector>

#include "BenchTiming.h"
#include "DesignConversion.h"
#include "Skin.h"

namespace {

ButtonLook DefaultLook() {
  ButtonLook look;
  ResetDesignFields(look.design, look.font);
  return look;
}

void BM_SkinCommandWholeProcess(benchmark::State& state) {
  QTemporaryDir dir;
  std::vector<double> samples;
  for (auto _ : state) {
    QProcess process;
    const auto start = BenchClock::now();
    process.start(QStringLiteral(TESSARO_RENDER_EXE), {QStringLiteral("--skin"), dir.path()});
    process.waitForFinished(60000);
    const double ms = millisecondsSince(start);
    if (process.exitCode() != 0) state.SkipWithError("tessaro-render --skin failed");
    samples.push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
  state.counters["median_ms"] = median(samples);
}
BENCHMARK(BM_SkinCommandWholeProcess)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

void BM_ExportSkinEveryOutput(benchmark::State& state) {
  const ButtonLook look = DefaultLook();
  QTemporaryDir dir;
  SkinOptions options;
  options.folder = dir.path();
  for (auto _ : state) {
    QString error;
    if (!ExportSkin(look, DesignOfRecord(look.design, look.font).captions, 0, options, &error))
      state.SkipWithError(qPrintable(error));
  }
}
BENCHMARK(BM_ExportSkinEveryOutput)->Unit(benchmark::kMillisecond);

void BM_MakeSkinOnly(benchmark::State& state) {
  const ButtonLook look = DefaultLook();
  SkinOptions options;
  for (auto _ : state) {
    Skin skin;
    QString error;
    MakeSkin(look, CurrentSlotCaption(look.design), options, &skin, &error);
    benchmark::DoNotOptimize(skin);
  }
}
BENCHMARK(BM_MakeSkinOnly)->Unit(benchmark::kMillisecond);

}  // namespace
