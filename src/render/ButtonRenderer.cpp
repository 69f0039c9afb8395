#include "ButtonRenderer.h"

#include <algorithm>
#include <cstring>

#include "BevelOutline.h"
#include "CaptionText.h"
#include "ExtraImages.h"
#include "PixelKernels.h"

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
                               long long widestLine, long long lineHeight, int lineCount) {
  ButtonGeometry g;
  long long width = widestLine;
  long long height = 0;
  if (!d.AutoSize) {
    width = len.width;
    height = len.height;
  } else {
    height = lineHeight * lineCount;
  }
  g.baseWidth = width / len.k;
  g.baseHeight = height / len.k;
  height += len.borderHeight;
  width += len.borderWidth;
  if (d.ShapeKind == kHexagon) {
    width += height / 2;
  } else if (d.ShapeKind == kRoundedEdges || d.ShapeKind == kOctagon) {
    width += height / 3;
  }
  width = std::clamp(width, 0LL, 2024LL);
  height = std::clamp(height, 0LL, 1024LL);
  g.W0 = width;
  g.H0 = height;
  g.W = std::max(0LL, width + 2 * len.outline);
  g.H = std::max(0LL, height + 2 * len.outline);
  return g;
}

void ButtonRenderer::RenderButton(const ButtonDesign& design, const CaptionFont& font) {
  if (Syncing_) return;
  if (RenderBusy_) {
    RenderRestart_ = true;
    return;
  }
  // Cleared on every way out, or every later call would only mark a restart.
  struct BusyScope {
    bool& busy;
    explicit BusyScope(bool& b) : busy(b) { busy = true; }
    ~BusyScope() { busy = false; }
  } busy(RenderBusy_);
  // A restart runs the whole render again with the newest values, as a loop: however many
  // edits arrive, the stack does not grow.
  do {
    RenderRestart_ = false;
    renderOnce(design, font);
  } while (RenderRestart_);
}

bool ButtonRenderer::pumpAndCheck() {
  host_.pumpEvents();
  return RenderRestart_;
}

ButtonRenderer::Outcome ButtonRenderer::renderOnce(const ButtonDesign& design,
                                                   const CaptionFont& font) {
  extras_ = ButtonExtras{};
  // Private copies: handlers running inside the event pump may change the originals.
  ButtonDesign d = design;
  const CaptionFont captionFont = font;
  const ScaledLengths len = ScaleLengths(d);
  d.Caption = d.currentSlot();
  const QByteArray caption = d.Caption.bytes();

  const QFont qfont = CaptionQFont(captionFont, len.k);
  const CaptionMetrics metrics(qfont);
  const int lines = CountCaptionLines(caption);
  long long widest = 0;
  for (int n = 1; n <= lines; ++n)
    widest = std::max(widest, metrics.width(GetCaptionLine(caption, n)));
  const ButtonGeometry g = ComputeGeometry(d, len, widest, metrics.height(), lines);
  host_.showSizeText(QStringLiteral("(%1 x %2)").arg(g.baseWidth).arg(g.baseHeight));

  if (g.W > 0 && g.H > maxPixels_ / g.W) {
    host_.renderRefused(
        QStringLiteral("The button would be %1 x %2 pixels while rendering, more than the "
                       "%3 pixels a render may use.")
            .arg(g.W)
            .arg(g.H)
            .arg(maxPixels_));
    return Outcome::Finished;
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
    host_.renderRefused(QStringLiteral("Not enough memory for a %1 x %2 image.").arg(W).arg(H));
    return Outcome::Finished;
  }

  fill_.FillSetup(d, W, H, static_cast<double>(g.W0), static_cast<double>(g.H0),
                  host_.textureBitmap());
  spanR_.resize(static_cast<std::size_t>(W));
  spanG_.resize(static_cast<std::size_t>(W));
  spanB_.resize(static_cast<std::size_t>(W));

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
  for (int y = 0; y < H; ++y) {
    if (pumpAndCheck()) return Outcome::GaveUp;
    fill_.beginRow(y);
    switch (fill_.effectiveKind()) {
      case kGradient:
        paintRow<kGradient>(y, len);
        break;
      case kPlasma:
        paintRow<kPlasma>(y, len);
        break;
      case kPlasma2:
        paintRow<kPlasma2>(y, len);
        break;
      case kTexture:
        paintRow<kTexture>(y, len);
        break;
      default:
        paintRow<kSingleColour>(y, len);
        break;
    }
  }

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

template <int Kind>
void ButtonRenderer::paintRow(int y, const ScaledLengths& len) {
  auto* row = reinterpret_cast<std::uint32_t*>(WorkBitmap_.scanLine(y));
  const long long W = WorkBitmap_.width();
  const long long H = WorkBitmap_.height();
  const long long l = shape_.leftEdge()[static_cast<std::size_t>(y)];
  const long long r = l + shape_.rightInset();
  const std::int32_t* top = shape_.topEdge().data();
  const std::int32_t* bottom = shape_.bottomEdge().data();
  const long long o = len.outline;
  const long long b = len.bevel;
  auto border = [&](long long x) {
    return OutlineRule(x - l, (W - 1) - r - x, y - static_cast<long long>(top[x]),
                       (H - 1) - static_cast<long long>(bottom[x]) - y, outlinePixel_, backPixel_);
  };

  // Columns left of x0 or from x1 on lie within o of the row's left or right edge: border
  // pixels whatever their column. The others are filled as one span; those of them whose
  // column puts them within o of the top or bottom edge are border pixels too.
  const long long x0 = std::clamp(l + o, 0LL, W);
  const long long x1 = std::clamp((W - 1) - r - o + 1, x0, W);
  for (long long x = 0; x < x0; ++x)
    row[x] = border(x);
  for (long long x = x1; x < W; ++x)
    row[x] = border(x);
  if (x0 == x1) return;
  float* R = spanR_.data();
  float* G = spanG_.data();
  float* B = spanB_.data();
  fill_.fillSpan<Kind>(y, static_cast<int>(x0), static_cast<int>(x1), R, G, B);

  // Noise and bevel, pixel by pixel in order: the noise draws once per inside pixel.
  const bool noise = fill_.hasNoise();
  borderColumns_.clear();
  for (long long x = x0; x < x1; ++x) {
    const long long dT = y - static_cast<long long>(top[x]) - o;
    const long long dB = (H - 1) - static_cast<long long>(bottom[x]) - y - o;
    if (dT < 0 || dB < 0) {
      borderColumns_.push_back(static_cast<std::int32_t>(x));
      continue;
    }
    const long long dL = x - l - o;
    const long long dR = (W - 1) - r - x - o;
    if (!noise && dL >= b && dR >= b && dT >= b && dB >= b) continue;
    Channels c{R[x], G[x], B[x]};
    if (noise) c = fill_.DistortionNoise(c);
    c = BevelShade(c, dL, dR, dT, dB, b, highlight_, shadow_);
    R[x] = c.r;
    G[x] = c.g;
    B[x] = c.b;
  }
  PackPixels(R, G, B, row, static_cast<int>(x0), static_cast<int>(x1));
  for (std::int32_t x : borderColumns_)
    row[x] = border(x);
}

void ButtonRenderer::reduce(int u) {
  const int W = WorkBitmap_.width();
  auto* out = reinterpret_cast<std::uint32_t*>(WorkBitmap_.scanLine(u));
  const std::uint32_t* src[4];
  for (int j = 0; j < 4; ++j) {
    src[j] = reinterpret_cast<const std::uint32_t*>(WorkBitmap_.constScanLine(4 * u + j));
  }
  for (int v = 0; v < W / 4; ++v) {
    std::uint32_t red = 0, green = 0, blue = 0;
    for (int j = 0; j < 4; ++j) {
      for (int i = 0; i < 4; ++i) {
        const std::uint32_t p = src[j][4 * v + i];
        red += (p >> 16) & 0xFF;
        green += (p >> 8) & 0xFF;
        blue += p & 0xFF;
      }
    }
    out[v] = 0xFF000000u | (red >> 4) << 16 | (green >> 4) << 8 | (blue >> 4);
  }
}

void ButtonRenderer::makeExtras(const ButtonDesign& d, const ScaledLengths& len, const QFont& font,
                                const QByteArray& caption) {
  const int W = WorkBitmap_.width();
  const int H = WorkBitmap_.height();
  const int k = len.k;
  const int outW = W / k;
  const int outH = H / k;
  if (outW == 0 || outH == 0) return;
  if (extraKinds_ & (kTransparent | kTransparent2x)) {
    coverage_.resize(static_cast<std::size_t>(W) * static_cast<std::size_t>(H));
    for (int y = 0; y < H; ++y) {
      CoverageRow(shape_, W, H, len.outline, y, coverage_.data() + static_cast<std::size_t>(y) * W);
    }
    const QImage glyphs = caption.isEmpty()
                              ? QImage()
                              : CaptionCoverage(W, H, font, caption, len.offsetX, len.offsetY);
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
