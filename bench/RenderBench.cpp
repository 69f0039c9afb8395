// Render times: the default design, captions of one width in four scripts, and the size
// clamp (2024 x 1024 scaled pixels) for every fill kind. Items are scaled pixels, so the rate reads
// as pixels per second. The pixel kernels are the best the processor runs, or those TESSARO_KERNELS
// names; the context at the top of the report says which.
#include <benchmark/benchmark.h>

#include "ButtonRenderer.h"
#include "DesignFile.h"
#include "ImageRenderHost.h"
#include "PixelKernels.h"

namespace {

[[maybe_unused]] const bool kKernelsReported =
    (benchmark::AddCustomContext("kernels", Kernels().name), true);

ButtonDesign defaults() {
  ButtonDesign d{};
  CaptionFont font;
  ResetDesignFields(d, font);
  return d;
}

void BM_DefaultDesign(benchmark::State& state) {
  const ButtonDesign d = defaults();
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  for (auto _ : state)
    renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  state.SetItemsProcessed(state.iterations() * host.image.width() * host.image.height() * 16);
}
BENCHMARK(BM_DefaultDesign)->Unit(benchmark::kMillisecond);

// The default design at a fixed 120 x 20 with a caption of about 115 px in Latin, Cyrillic,
// Arabic (shaped, right to left, from a fallback font) and Chinese (a fallback font): what
// the script costs beyond the same pixels. The caption's advance is a counter.
void BM_CaptionInScript(benchmark::State& state) {
  static const char* const kCaptions[] = {"Our services", "Меню сайта", "قائمة التنقل",
                                          "网站导航菜单"};
  static const char* const kScripts[] = {"Latin", "Cyrillic", "Arabic", "Chinese"};
  const QString caption = QString::fromUtf8(kCaptions[state.range(0)]);
  ButtonDesign d = defaults();
  d.AutoSize = 0;
  d.ButtonWidth = 120;
  d.ButtonHeight = 20;
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  for (auto _ : state)
    renderer.RenderButton(d, CaptionFont{}, caption);
  state.counters["advance_px"] =
      static_cast<double>(CaptionMetrics(CaptionQFont(CaptionFont{}, 1)).width(caption));
  state.SetLabel(kScripts[state.range(0)]);
}
BENCHMARK(BM_CaptionInScript)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Ellipse, distortion 50, bevel 3, outline 1, at the clamp, with the given fill; the pixel
// pass shared with a second thread unless splitPixels says otherwise.
void sizeClamp(benchmark::State& state, long long splitPixels) {
  ButtonDesign d = defaults();
  d.AutoSize = 0;
  d.ButtonWidth = 1024;
  d.ButtonHeight = 1024;
  d.ShapeKind = kEllipse;
  d.Distortion = 50;
  d.FillKind = static_cast<std::uint8_t>(state.range(0));
  d.FillDirection = 30;
  ImageRenderHost host;
  if (d.FillKind == kTexture) {
    d.TextureFile.setText("bench.bmp");
    host.texture = QImage(64, 48, QImage::Format_RGB32);
    host.texture.fill(qRgb(120, 80, 40));
  }
  ButtonRenderer renderer(host);
  renderer.setSplitPixels(splitPixels);
  for (auto _ : state)
    renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
  state.SetItemsProcessed(state.iterations() * 2032 * 1032);
  state.SetLabel(QStringList{"gradient", "plasma", "plasma 2", "single colour", "texture"}
                     .value(static_cast<int>(state.range(0)))
                     .toStdString());
}
void BM_SizeClamp(benchmark::State& state) {
  sizeClamp(state, kSplitRenderPixels);
}
BENCHMARK(BM_SizeClamp)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The same on the calling thread alone: what the second thread adds, and the time on a
// machine whose other core is busy.
void BM_SizeClampOneThread(benchmark::State& state) {
  sizeClamp(state, kMaxRenderPixels);
}
BENCHMARK(BM_SizeClampOneThread)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
