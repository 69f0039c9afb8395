// Command timings: Export multiple of 32 captions of the default design as JPEG (the whole
// command, renders and files), and start-up: from creating the editor window (reset,
// first render, the about box's logo, the export dialog) to the first paint of the
// preview. Each reports the median of its samples as a counter (ms); the start-up one
// also reports how long the application object took to make, once per process.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

#include "AboutBox.h"
#include "BenchTiming.h"
#include "ExportMultipleDialog.h"
#include "MainWindow.h"

namespace {
using Clock = BenchClock;

double gApplicationMs = 0;

// The editor's dialogs answered: the about box is not shown, Export multiple is.
class Answered : public Prompts {
 public:
  bool run(QDialog* dialog) override {
    return qobject_cast<TForm2*>(dialog) || qobject_cast<TForm3*>(dialog) || Prompts::run(dialog);
  }
};

class BenchForm : public TForm1 {
 public:
  BenchForm() : TForm1({}, nullptr, answered()) {}

 private:
  static Prompts& answered() {
    static Answered prompts;
    return prompts;
  }
};

// Notes the first paint of a widget.
class PaintWatch : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

void BM_ExportMultiple32Jpeg(benchmark::State& state) {
  QTemporaryDir dir;
  BenchForm form;
  form.show();
  QApplication::processEvents();
  form.design().captions.clear();
  for (int slot = 0; slot < kCaptionSlotCount; ++slot) {
    form.design().captions.append(Caption{QStringLiteral("Button %1").arg(slot + 1)});
  }
  form.Form3->setDirectory(dir.path());
  std::vector<double> samples;
  for (auto _ : state) {
    form.design().current = 0;
    const auto start = Clock::now();
    form.Exportmultiple1Click();
    const double ms = millisecondsSince(start);
    samples.push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
  if (QDir(dir.path()).entryList(QDir::Files).size() != kCaptionSlotCount) {
    state.SkipWithError("not every caption was exported");
  }
  state.counters["median_ms"] = median(samples);
}
BENCHMARK(BM_ExportMultiple32Jpeg)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_StartUpToFirstPaintedPreview(benchmark::State& state) {
  std::vector<double> samples;
  for (auto _ : state) {
    const auto start = Clock::now();
    BenchForm form;
    PaintWatch watch;
    form.Image3->viewport()->installEventFilter(&watch);
    form.show();
    while (!watch.painted)
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = millisecondsSince(start);
    samples.push_back(ms);
    state.SetIterationTime(ms / 1000);
    if (form.Image3->picture().isNull()) state.SkipWithError("no preview");
  }
  state.counters["median_ms"] = median(samples);
  state.counters["app_init_ms"] = gApplicationMs;
}
BENCHMARK(BM_StartUpToFirstPaintedPreview)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const auto start = Clock::now();
  QApplication app(argc, argv);
  gApplicationMs = millisecondsSince(start);
  // What the editor remembers between runs stays out of the user's settings.
  QStandardPaths::setTestModeEnabled(true);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
