// Editor latencies: a keystroke in the Width box to the new preview for the default design
// (Autosize off); Edit, Undo and Redo of one step of the default design to the new preview;
// and, at the size clamp, the time from an edit made inside a running render's event pump
// to the start of the restarted render; the Export set dialog's strip after an option
// change. Each reports the median of its
// samples as a counter (ms), besides Google Benchmark's mean per iteration.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include "AboutBox.h"
#include "BenchTiming.h"
#include "MainWindow.h"
#include "SetExportDialog.h"

namespace {
using Clock = BenchClock;

// The about box opens without waiting for anyone to press OK.
class NoAboutBox : public Prompts {
 public:
  bool run(QDialog* dialog) override {
    return qobject_cast<TForm2*>(dialog) || Prompts::run(dialog);
  }
};

// The editor with hooks into its render's event pump and sizing step.
class BenchForm : public TForm1 {
 public:
  BenchForm() : TForm1({}, nullptr, noAboutBox()) {}
  std::function<void()> onPump;
  std::function<void()> onSizeText;
  int pumps = 0;

  void pumpEvents() override {
    ++pumps;
    if (onPump) onPump();
    TForm1::pumpEvents();
  }
  void showSizeText(const QString& text) override {
    TForm1::showSizeText(text);
    if (onSizeText) onSizeText();
  }

 private:
  static Prompts& noAboutBox() {
    static NoAboutBox prompts;
    return prompts;
  }
};

void BM_WidthKeystrokeToPreview(benchmark::State& state) {
  BenchForm form;
  form.show();
  form.PageControl1->setCurrentWidget(form.TabSheet1);
  form.CheckBox1->setChecked(false);
  QApplication::processEvents();
  QTest::keyClick(form.Edit2, Qt::Key_End);
  std::vector<double> samples;
  bool one = false;
  for (auto _ : state) {
    // 100 and 101 in turn: the backspace (rendering 10) is not timed, the digit is, up to
    // the preview painted with the new picture.
    QTest::keyClick(form.Edit2, Qt::Key_Backspace);
    one = !one;
    const auto start = Clock::now();
    QTest::keyClick(form.Edit2, one ? Qt::Key_1 : Qt::Key_0);
    form.Image3->repaint();
    const double ms = millisecondsSince(start);
    samples.push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
  if (form.design().record.ButtonWidth != (one ? 101 : 100))
    state.SkipWithError("the width was not typed");
  state.counters["median_ms"] = median(samples);
}
BENCHMARK(BM_WidthKeystrokeToPreview)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

// Undo (or Redo) of an outline size typed into the default design, from the menu item up to
// the preview painted with the design put back; the opposite command between samples is
// not timed.
void UndoOrRedoToPreview(benchmark::State& state, bool redo) {
  BenchForm form;
  form.show();
  form.PageControl1->setCurrentWidget(form.Edit3->parentWidget());
  QApplication::processEvents();
  QTest::keyClick(form.Edit3, Qt::Key_End);
  QTest::keyClick(form.Edit3, Qt::Key_2);  // 1 becomes 12: one step
  QAction* const timed = redo ? form.Redo1 : form.Undo1;
  QAction* const between = redo ? form.Undo1 : form.Redo1;
  std::vector<double> samples;
  for (auto _ : state) {
    if (redo) between->trigger();
    const auto start = Clock::now();
    timed->trigger();
    form.Image3->viewport()->repaint();
    const double ms = millisecondsSince(start);
    samples.push_back(ms);
    state.SetIterationTime(ms / 1000);
    if (!redo) between->trigger();
  }
  if (form.design().record.OutlineSize != 12 || form.history().stack().count() != 1)
    state.SkipWithError("not one outline step");
  state.counters["median_ms"] = median(samples);
}

void BM_UndoToPreview(benchmark::State& state) {
  UndoOrRedoToPreview(state, false);
}
BENCHMARK(BM_UndoToPreview)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_RedoToPreview(benchmark::State& state) {
  UndoOrRedoToPreview(state, true);
}
BENCHMARK(BM_RedoToPreview)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_EditInsidePumpToRestartAtClamp(benchmark::State& state) {
  BenchForm form;
  form.show();
  form.PageControl1->setCurrentWidget(form.TabSheet1);
  form.CheckBox1->setChecked(false);
  form.Edit1->setText(QStringLiteral("256"));
  form.Edit2->setText(QStringLiteral("1024"));
  form.RadioButton3->setChecked(true);  // the hexagon widens the button past the clamp
  form.Edit6->setText(QStringLiteral("0"));
  QTest::keyClick(form.Edit6, Qt::Key_End);

  std::vector<double> samples;
  int rowsAfterEdit = 0;
  bool one = false;
  for (auto _ : state) {
    // Half-way through the pixel pass (the shape pass has one pump per row, 1032 rows), an
    // edit of the X box; the restarted render begins by sizing again.
    const int editAt = form.pumps + 1032 + 516;
    int pumpAtEdit = -1;
    Clock::time_point edited;
    double ms = -1;
    form.onPump = [&] {
      if (form.pumps != editAt) return;
      one = !one;
      edited = Clock::now();
      QTest::keyClick(form.Edit6, one ? Qt::Key_1 : Qt::Key_Backspace);
      pumpAtEdit = form.pumps;
    };
    form.onSizeText = [&] {
      if (pumpAtEdit >= 0 && ms < 0) {
        ms = millisecondsSince(edited);
        rowsAfterEdit = std::max(rowsAfterEdit, form.pumps - pumpAtEdit);
      }
    };
    form.Redraw1Click();
    form.onPump = nullptr;
    form.onSizeText = nullptr;
    if (ms < 0) {
      state.SkipWithError("the render did not restart");
      break;
    }
    samples.push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
  if (form.Image3->picture().width() != (2024 + 8) / 4) state.SkipWithError("not at the clamp");
  state.counters["median_ms"] = median(samples);
  state.counters["rows_after_edit"] = rowsAfterEdit;
}
BENCHMARK(BM_EditInsidePumpToRestartAtClamp)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

// The Export set dialog's strip of the current caption in each state, from a click on an
// option to the strip painted anew, for the default design.
void BM_SetStripAfterAnOptionChange(benchmark::State& state) {
  SetExportDialog dialog;
  ButtonLook look;
  ResetDesignFields(look.design, look.font);
  dialog.setLook(look);
  dialog.show();
  QApplication::processEvents();
  std::vector<double> samples;
  for (auto _ : state) {
    const auto start = Clock::now();
    dialog.LightnessBox->setValue(dialog.LightnessBox->value() == 25 ? 40 : 25);
    dialog.Strip->repaint();
    const double ms = millisecondsSince(start);
    samples.push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
  state.counters["median_ms"] = median(samples);
}
BENCHMARK(BM_SetStripAfterAnOptionChange)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // What the editor remembers between runs stays out of the user's settings.
  QStandardPaths::setTestModeEnabled(true);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
