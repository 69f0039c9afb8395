#include "ButtonRenderer.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "CaptionText.h"
#include "ExtraImages.h"
#include "PixelKernels.h"
#include "RandomDesign.h"

namespace {
// Distances inside an image lie well within int: a width beyond it orders them as the
// nearest int does.
int clampedToInt(long long v) {
  return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}
}  // namespace

ScaledLengths ScaleLengths(const ButtonDesign& d) {
  ScaledLengths s;
  s.k = d.Antialias ? 4 : 1;
  const long long k = s.k;
  s.outline = k * d.OutlineSize;
  s.width = k * d.ButtonWidth;
  s.height = k * d.ButtonHeight;
  s.bevel = k * d.BevelSize;
  s.offsetX = k * d.TextOffsetX;
  s.offsetY = k * d.TextOffsetY;
  s.borderWidth = k * d.BorderWidth;
  s.borderHeight = k * d.BorderHeight;
  return s;
}

ButtonGeometry ComputeGeometry(const ButtonDesign& d, const ScaledLengths& len,
                               const CaptionExtent& caption) {
  ButtonGeometry g;
  long long width = caption.widestLine;
  long long height = 0;
  if (!d.AutoSize) {
    width = len.width;
    height = len.height;
  } else {
    height = caption.lineHeight * caption.lines;
  }
  g.baseWidth = width / len.k;
  g.baseHeight = height / len.k;
  height += len.borderHeight;
  width += len.borderWidth;
  width += ShapeWidening(d.ShapeKind, height);
  width = std::clamp(width, 0LL, 2024LL);
  height = std::clamp(height, 0LL, 1024LL);
  g.W0 = width;
  g.H0 = height;
  g.W = std::max(0LL, width + 2 * len.outline);
  g.H = std::max(0LL, height + 2 * len.outline);
  return g;
}

RenderOutcome ButtonRenderer::RenderButton(const ButtonDesign& design, const CaptionFont& font,
                                           const QString& caption) {
  if (Syncing_) return {};
  newestCaption_ = caption;
  if (RenderBusy_) {
    RenderRestart_ = true;
    return {};
  }
  // Cleared on every way out, or every later call would only mark a restart.
  struct BusyScope {
    bool& busy;
    explicit BusyScope(bool& b) : busy(b) { busy = true; }
    ~BusyScope() { busy = false; }
  } busy(RenderBusy_);
  // A restart runs the whole render again with the newest values, as a loop: however many
  // edits arrive, the stack does not grow. A pass gives up only for a restart, so the last
  // pass finished or was refused.
  Outcome outcome = Outcome::GaveUp;
  do {
    RenderRestart_ = false;
    outcome = renderOnce(design, font, newestCaption_);
  } while (RenderRestart_);
  if (outcome == Outcome::Refused) return {RenderOutcome::Kind::Refused, refusal_};
  return {RenderOutcome::Kind::Finished, {}};
}

ButtonRenderer::Outcome ButtonRenderer::refuse(const QString& reason) {
  refusal_ = reason;
  host_.renderRefused(reason);
  return Outcome::Refused;
}

bool ButtonRenderer::pumpAndCheck() {
  host_.pumpEvents();
  return RenderRestart_;
}

ButtonRenderer::Outcome ButtonRenderer::renderOnce(const ButtonDesign& design,
                                                   const CaptionFont& font,
                                                   const QString& newestCaption) {
  extras_ = ButtonExtras{};
  // Private copies: handlers running inside the event pump may change the originals.
  const ButtonDesign d = design;
  const CaptionFont captionFont = font;
  const QString caption = newestCaption;
  const ScaledLengths len = ScaleLengths(d);

  const QFont qfont = CaptionQFont(captionFont, len.k);
  const ButtonGeometry g = ComputeGeometry(d, len, MeasureCaption(caption, qfont));
  host_.showSizeText(QStringLiteral("(%1 x %2)").arg(g.baseWidth).arg(g.baseHeight));

  if (g.W > 0 && g.H > maxPixels_ / g.W) {
    return refuse(
        QStringLiteral("The button would be %1 x %2 pixels while rendering, more than the "
                       "%3 pixels a render may use.")
            .arg(g.W)
            .arg(g.H)
            .arg(maxPixels_));
  }
  const int W = static_cast<int>(g.W);
  const int H = static_cast<int>(g.H);
  if (W == 0 || H == 0) {
    WorkBitmap_ = QImage();
    host_.takeImage(WorkBitmap_);
    return Outcome::Finished;
  }
  if (WorkBitmap_.width() != W || WorkBitmap_.height() != H || !WorkBitmap_.isDetached()) {
    WorkBitmap_ = QImage(W, H, QImage::Format_RGB32);
  }
  if (WorkBitmap_.isNull()) {
    return refuse(QStringLiteral("Not enough memory for a %1 x %2 image.").arg(W).arg(H));
  }

  kernels_ = &Kernels();
  fill_.FillSetup(d, W, H, static_cast<double>(g.W0), static_cast<double>(g.H0),
                  host_.textureBitmap(), *kernels_);

  shape_.begin(d.ShapeKind, W, H);
  for (int y = 0; y < H; ++y) {
    if (pumpAndCheck()) return Outcome::GaveUp;
    shape_.shapeRow(y);
  }
  shape_.edgePass();

  outlinePixel_ = PixelOf(d.OutlineColour);
  backPixel_ = PixelOf(d.BackColour);
  highlight_ = ChannelsOf(d.HighlightColour);
  shadow_ = ChannelsOf(d.ShadowColour);
  if (pixelPass(len) == Outcome::GaveUp) return Outcome::GaveUp;

  DrawCaption(WorkBitmap_, qfont, caption, d.TextColour, len.offsetX, len.offsetY);
  if (extraKinds_ != 0) makeExtras(d, len, qfont, caption);

  if (len.k == 4) {
    if (H > 3) {
      for (int u = 0; u < H / 4; ++u) {
        if (pumpAndCheck()) return Outcome::GaveUp;
        if (W > 3) reduce(u);
      }
    }
    // Columns and rows beyond the last whole 4 x 4 block are dropped.
    WorkBitmap_ = W / 4 > 0 && H / 4 > 0 ? WorkBitmap_.copy(0, 0, W / 4, H / 4) : QImage();
  }
  host_.takeImage(WorkBitmap_);
  return Outcome::Finished;
}

ButtonRenderer::Outcome ButtonRenderer::pixelPass(const ScaledLengths& len) {
  W_ = WorkBitmap_.width();
  H_ = WorkBitmap_.height();
  pixels_ = reinterpret_cast<std::uint32_t*>(WorkBitmap_.bits());
  stride_ = WorkBitmap_.bytesPerLine() / static_cast<qsizetype>(sizeof(std::uint32_t));
  for (auto* channel : {&callerBuffers_.R, &callerBuffers_.G, &callerBuffers_.B})
    channel->resize(static_cast<std::size_t>(W_));

  // A large image: the worker paints the lower half, from the seed the upper half leaves,
  // while this thread paints the upper half and pumps events once per row. Whatever way
  // this pass is left, the worker has stopped by then.
  int split = H_;
  struct StopOnExit {
    ButtonRenderer& renderer;
    const int& split;
    ~StopOnExit() {
      if (split < renderer.H_) renderer.stopWorker();
    }
  } stopOnExit{*this, split};
  if (static_cast<long long>(W_) * H_ >= splitPixels_ && H_ >= 2) {
    for (auto* channel : {&workerBuffers_.R, &workerBuffers_.G, &workerBuffers_.B})
      channel->resize(static_cast<std::size_t>(W_));
    seedAfterRow_.resize(static_cast<std::size_t>(H_));
    workerDone_.store(H_ / 2, std::memory_order_relaxed);
    workerStop_.store(false, std::memory_order_relaxed);
    const std::uint32_t seed = RandomSeed();
    if (worker_.start([this, &len, seed] { workerRows(len, H_ / 2, seed); })) split = H_ / 2;
  }

  std::uint32_t seed = RandomSeed();
  for (int y = 0; y < H_; ++y) {
    // The generator as the rows before this one leave it, for handlers that draw from it.
    SetRandomSeed(seed);
    if (pumpAndCheck()) return Outcome::GaveUp;
    if (RandomSeed() != seed) {
      // A handler drew: the worker's rows start from a seed that no longer holds. The rest
      // is painted here.
      if (split < H_) stopWorker();
      split = H_;
      seed = RandomSeed();
    }
    if (y < split) {
      seed = paintRow(y, len, callerBuffers_, seed);
      continue;
    }
    for (int done = workerDone_.load(std::memory_order_acquire); done <= y;
         done = workerDone_.load(std::memory_order_acquire)) {
      workerDone_.wait(done, std::memory_order_acquire);
    }
    seed = seedAfterRow_[static_cast<std::size_t>(y)];
  }
  SetRandomSeed(seed);
  return Outcome::Finished;
}

void ButtonRenderer::workerRows(const ScaledLengths& len, int first, std::uint32_t seedAtRow0) {
  std::uint32_t seed = seedAtRow0;
  if (fill_.hasNoise()) {
    // The rows before `first` draw once per inside pixel; the edge tables tell how many.
    std::uint64_t draws = 0;
    for (int y = 0; y < first; ++y)
      draws += static_cast<std::uint64_t>(rowDraws(y, len));
    seed = SeedAfterDraws(seedAtRow0, draws);
  }
  for (int y = first; y < H_ && !workerStop_.load(std::memory_order_relaxed); ++y) {
    seed = paintRow(y, len, workerBuffers_, seed);
    seedAfterRow_[static_cast<std::size_t>(y)] = seed;
    workerDone_.store(y + 1, std::memory_order_release);
    workerDone_.notify_one();
  }
}

void ButtonRenderer::stopWorker() {
  workerStop_.store(true, std::memory_order_relaxed);
  worker_.wait();
}

ButtonRenderer::RowSpan ButtonRenderer::rowSpan(int y, const ScaledLengths& len) const {
  const long long W = W_;
  const long long H = H_;
  const long long o = len.outline;
  const long long l = shape_.leftEdge()[static_cast<std::size_t>(y)];
  const long long r = l + shape_.rightInset();
  RowSpan span;
  // Every distance is within the image, whose sides are below 2^31.
  span.edges = {static_cast<int>(l), static_cast<int>((W - 1) - r), y,
                static_cast<int>((H - 1) - y)};
  // Columns left of x0 or from x1 on have dL or dR below o: border pixels whatever their
  // column. The pixels between are tested one by one.
  span.x0 = static_cast<int>(std::clamp(l + o, 0LL, W));
  span.x1 = static_cast<int>(std::clamp((W - 1) - r - o + 1, static_cast<long long>(span.x0), W));
  return span;
}

int ButtonRenderer::rowDraws(int y, const ScaledLengths& len) const {
  const RowSpan span = rowSpan(y, len);
  return kernels_
      ->countRun(span.edges, shape_.topEdge().data(), shape_.bottomEdge().data(),
                 clampedToInt(len.outline), span.x0, span.x1)
      .count;
}

std::uint32_t ButtonRenderer::paintRow(int y, const ScaledLengths& len, RowBuffers& buffers,
                                       std::uint32_t seed) {
  switch (fill_.effectiveKind()) {
    case kGradient:
      return paintRowOf<kGradient>(y, len, buffers, seed);
    case kPlasma:
      return paintRowOf<kPlasma>(y, len, buffers, seed);
    case kPlasma2:
      return paintRowOf<kPlasma2>(y, len, buffers, seed);
    case kTexture:
      return paintRowOf<kTexture>(y, len, buffers, seed);
    default:
      return paintRowOf<kSingleColour>(y, len, buffers, seed);
  }
}

template <int Kind>
std::uint32_t ButtonRenderer::paintRowOf(int y, const ScaledLengths& len, RowBuffers& buffers,
                                         std::uint32_t seed) {
  std::uint32_t* row = pixels_ + y * stride_;
  const RowSpan span = rowSpan(y, len);
  const RowEdges& e = span.edges;
  const int x0 = span.x0;
  const int x1 = span.x1;
  const std::int32_t* top = shape_.topEdge().data();
  const std::int32_t* bottom = shape_.bottomEdge().data();
  const PixelKernels& kernels = *kernels_;
  const BorderRow borderRow{e, outlinePixel_, backPixel_};
  auto border = [&](int from, int to) {
    kernels.borderSpan(borderRow, top, bottom, from, to, row);
  };
  border(0, x0);
  border(x1, W_);
  if (x0 == x1) return seed;
  float* R = buffers.R.data();
  float* G = buffers.G.data();
  float* B = buffers.B.data();
  fill_.fillSpan<Kind>(fill_.rowOf(y), y, x0, x1, R, G, B);

  // The span's inside pixels, and those of them clear of the bevel (all four distances at
  // least o + b), which the bevel leaves as they are. In the rows of every shape each of the
  // two is one run.
  const int o = clampedToInt(len.outline);
  const SpanRun inside = kernels.countRun(e, top, bottom, o, x0, x1);
  if (inside.count == 0) {
    border(x0, x1);
    return seed;
  }
  const long long b = len.bevel;
  SpanRun clear = kernels.countRun(e, top, bottom, clampedToInt(len.outline + std::max(b, 0LL)),
                                   inside.first, inside.last + 1);
  // Clear pixels that are not one run are shaded like the others, which leaves them as
  // they are.
  if (clear.count != clear.last - clear.first + 1) clear = {0, x1, x0 - 1};
  // Inside pixels are within the image by at least o, so the reduced edges fit as well.
  const long long ol = len.outline;
  const BevelRow bevelRow{{static_cast<int>(e.left + ol), static_cast<int>(e.right - ol),
                           static_cast<int>(e.y - ol), static_cast<int>(e.lastRow - ol)},
                          BevelRampOf(b, highlight_, shadow_)};

  // Noise and bevel on each run of inside pixels in order: the noise draws once per inside
  // pixel, left to right.
  auto paintRun = [&](int from, int to) {
    if (fill_.hasNoise()) seed = kernels.noiseSpan(fill_.noiseTable(), seed, from, to, R, G, B);
    if (b > 0) {
      const int clearFrom = std::max(from, clear.first);
      const int clearTo = std::min(to, clear.last + 1);
      if (clearFrom < clearTo) {
        kernels.bevelSpan(bevelRow, top, bottom, from, clearFrom, R, G, B);
        kernels.bevelSpan(bevelRow, top, bottom, clearTo, to, R, G, B);
      } else {
        kernels.bevelSpan(bevelRow, top, bottom, from, to, R, G, B);
      }
    }
    kernels.packPixels(R, G, B, row, from, to);
  };
  border(x0, inside.first);
  if (inside.count == inside.last - inside.first + 1) {
    paintRun(inside.first, inside.last + 1);
  } else {
    auto in = [&](int x) {
      return !IsBorder(x - e.left, e.right - x, e.y - top[x], e.lastRow - bottom[x], o);
    };
    for (int x = inside.first; x <= inside.last;) {
      int end = x;
      while (end <= inside.last && in(end))
        ++end;
      paintRun(x, end);
      x = end;
      while (end <= inside.last && !in(end))
        ++end;
      border(x, end);
      x = end;
    }
  }
  border(inside.last + 1, x1);
  return seed;
}

void ButtonRenderer::reduce(int u) {
  auto* out = reinterpret_cast<std::uint32_t*>(WorkBitmap_.scanLine(u));
  ReduceRow(WorkBitmap_, 4, u, WorkBitmap_.width() / 4, out);
}

void ButtonRenderer::makeExtras(const ButtonDesign& d, const ScaledLengths& len, const QFont& font,
                                const QString& caption) {
  const int W = WorkBitmap_.width();
  const int H = WorkBitmap_.height();
  const int k = len.k;
  const int outW = W / k;
  const int outH = H / k;
  if (outW == 0 || outH == 0) return;
  if (extraKinds_ & (kTransparent | kTransparent2x)) {
    // The shape's coverage follows from the shape, the size and the outline alone, which the
    // states of a set's caption mostly share.
    const CoverageKey key{d.ShapeKind, W, H, len.outline};
    if (!(key == coverageKey_)) {
      coverage_.resize(static_cast<std::size_t>(W) * static_cast<std::size_t>(H));
      for (int y = 0; y < H; ++y) {
        CoverageRow(shape_, W, H, len.outline, y,
                    coverage_.data() + static_cast<std::size_t>(y) * W);
      }
      coverageKey_ = key;
    }
    // The glyphs count only where the page shows through; drawing them is the dearest part
    // of the transparent images, so it is left out where no glyph pixel could meet the page.
    const QRect ink =
        CaptionInkBounds(W, H, font, caption, len.offsetX, len.offsetY).intersected({0, 0, W, H});
    bool glyphsMeetThePage = false;
    for (int y = ink.top(); y <= ink.bottom() && !glyphsMeetThePage; ++y) {
      const std::uint8_t* row = coverage_.data() + static_cast<std::size_t>(y) * W;
      glyphsMeetThePage =
          std::find(row + ink.left(), row + ink.right() + 1, 0) != row + ink.right() + 1;
    }
    const QImage glyphs = glyphsMeetThePage
                              ? CaptionCoverage(W, H, font, caption, len.offsetX, len.offsetY)
                              : QImage();
    const QRgb text = PixelOf(d.TextColour);
    const bool twice = extraKinds_ & kTransparent2x;
    QImage twoX;
    const QImage oneX = ReduceTransparent(WorkBitmap_, coverage_, glyphs, text, k, outW, outH,
                                          twice && k == 4 ? &twoX : nullptr);
    if (extraKinds_ & kTransparent) extras_.transparent = oneX;
    // Without supersampling there is nothing finer to show: each pixel doubles.
    if (twice) extras_.transparent2x = k == 4 ? twoX : DoublePixels(oneX);
  }
  if (extraKinds_ & kOpaque2x) {
    extras_.opaque2x =
        k == 4 ? ReduceOpaque(WorkBitmap_, 2, 2 * outW, 2 * outH) : DoublePixels(WorkBitmap_);
  }
}
