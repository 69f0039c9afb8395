// Button sets: the default design with 32 captions, in all four states at 1x and 2x (256
// transparent PNGs), written into a scratch folder as tessaro-render --set does, without and
// with the sprite sheets, stylesheet and page; and the rendering alone, without encoding or
// files.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "ButtonSet.h"

namespace {

ButtonLook DefaultLook() {
  ButtonLook look;
  ResetDesignFields(look.design, look.font);
  return look;
}

QList<Caption> NumberedCaptions(int count) {
  QList<Caption> captions;
  for (int i = 0; i < count; ++i)
    captions << Caption{QStringLiteral("Button %1").arg(i + 1)};
  return captions;
}

void BM_SetOf32CaptionsInFourStatesAtTwoScales(benchmark::State& state) {
  const ButtonLook look = DefaultLook();
  const QList<Caption> captions = NumberedCaptions(32);
  QTemporaryDir dir;
  ButtonSetOptions options;
  options.folder = dir.path();
  for (auto _ : state) {
    QString error;
    if (!ExportButtonSet(look, captions, options, &error)) state.SkipWithError(qPrintable(error));
  }
  state.SetItemsProcessed(state.iterations() * 256);
}
BENCHMARK(BM_SetOf32CaptionsInFourStatesAtTwoScales)->Unit(benchmark::kMillisecond);

// The same with the sprite sheets, the stylesheet and the page.
void BM_SetWithSheetStylesheetAndPage(benchmark::State& state) {
  const ButtonLook look = DefaultLook();
  const QList<Caption> captions = NumberedCaptions(32);
  QTemporaryDir dir;
  ButtonSetOptions options;
  options.folder = dir.path();
  options.sheet = true;
  for (auto _ : state) {
    QString error;
    if (!ExportButtonSet(look, captions, options, &error)) state.SkipWithError(qPrintable(error));
  }
}
BENCHMARK(BM_SetWithSheetStylesheetAndPage)->Unit(benchmark::kMillisecond);

void BM_SetRendersOnly(benchmark::State& state) {
  const ButtonLook look = DefaultLook();
  const QList<Caption> captions = NumberedCaptions(32);
  ButtonSetOptions options;
  for (auto _ : state) {
    ButtonSetRenderer set(look, captions, options);
    QString error;
    set.prepare(&error);
    for (int i = 0; i < set.captionCount(); ++i) {
      for (ButtonState s : options.states) {
        QImage oneX, twoX;
        set.render(i, s, &oneX, &twoX, &error);
        benchmark::DoNotOptimize(oneX);
      }
    }
  }
}
BENCHMARK(BM_SetRendersOnly)->Unit(benchmark::kMillisecond);

}  // namespace
