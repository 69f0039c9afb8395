#include "CaptionText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <atomic>
#include <cmath>

#include "CaptionLines.h"
#include "PixelRules.h"

QStringList CaptionTextLines(const QString& caption) {
  return caption.split(u'\n');
}

QString CurrentSlotCaption(const ButtonDesign& design) {
  return CaptionLines(design.currentSlot().text()).join(u'\n');
}

QFont CaptionQFont(const CaptionFont& font, int k) {
  const double points = std::fabs(static_cast<double>(font.size)) * k;
  const double pixels = std::clamp(std::round(points * 96 / 72), 1.0, double{kMaxCaptionPixels});
  QFont f(font.name);
  f.setPixelSize(static_cast<int>(pixels));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikeout);
  f.setKerning(false);
  // Grey-level antialiasing without hinting: glyphs come out the same whatever the
  // desktop's font settings, and the 4 x 4 reduction smooths them further.
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::StyleStrategy(QFont::NoSubpixelAntialias | QFont::PreferMatch));
  return f;
}

CaptionMetrics::CaptionMetrics(const QFont& font)
    : font_(font), height_(QFontMetrics(font).height()) {}

long long CaptionMetrics::width(const QString& line) const {
  if (line.isEmpty()) return 0;
  return QFontMetrics(font_).horizontalAdvance(line);
}

CaptionExtent MeasureCaption(const QString& caption, const QFont& font) {
  const CaptionMetrics metrics(font);
  const QStringList lines = CaptionTextLines(caption);
  CaptionExtent extent;
  extent.lineHeight = metrics.height();
  extent.lines = static_cast<int>(lines.size());
  for (const QString& line : lines)
    extent.widestLine = std::max(extent.widestLine, metrics.width(line));
  return extent;
}

namespace {
// A line's paragraph direction comes from its own text, never from the desktop's language,
// so a caption renders the same everywhere.
Qt::LayoutDirection LineDirection(const QString& line) {
  return line.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}
}  // namespace

QList<QGlyphRun> CaptionLineGlyphs(const QFont& font, const QString& line) {
  QTextLayout layout(line, font);
  QTextOption option;
  option.setTextDirection(LineDirection(line));
  layout.setTextOption(option);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  return layout.glyphRuns();
}

namespace {
// Qt's FreeType engine moves a font file's outlines by the sub-pixel position of the last
// glyph it rasterised into its glyph cache, and loads the outlines of large text (a caption
// at 4 x its size) without undoing that: text drawn anywhere in the program at a fractional
// position (the memo, a font dialog, a render without antialiasing) would shift the next
// caption by a fraction of a pixel. Rasterising one glyph of each font of the line (the
// caption font and every fallback font its glyph runs use) under a transform no glyph set
// holds yet makes the engine set the file's transform afresh when the caption's outlines
// are loaded, whatever was drawn before.
void ResetOutlineTransforms(const QFont& font, const QString& line) {
  // Glyph sets are told apart by their transform in 16.16 fixed point: a scale of a new
  // number of 1/65536 steps each time, from 1/256 to 1/16, so that a cached set never answers
  // and the few sets the engine keeps are reused. The glyphs stay a pixel or two.
  static std::atomic<unsigned> fresh{0};
  for (const QGlyphRun& run : CaptionLineGlyphs(font, line)) {
    const QList<quint32> glyphs = run.glyphIndexes();
    if (glyphs.isEmpty()) continue;
    const unsigned steps = 256 + fresh.fetch_add(1, std::memory_order_relaxed) % 3840;
    QTransform tiny;
    tiny.scale(steps / 65536.0, 1.0 / 256);
    run.rawFont().alphaMapForGlyph(glyphs.first(), QRawFont::PixelAntialiasing, tiny);
  }
}

// A line as DrawCaption places it: its top-left corner and width in the image.
struct PlacedLine {
  QString text;
  long long x, y, width;
};

// Each line centred on the image, the block centred vertically and shifted by the offsets;
// empty lines and lines wholly outside the image are left out.
QList<PlacedLine> PlaceLines(long long W, long long H, const CaptionMetrics& metrics,
                             const QString& caption, long long offsetX, long long offsetY) {
  QList<PlacedLine> placed;
  if (W == 0 || H == 0) return placed;
  const QStringList lines = CaptionTextLines(caption);
  const long long n = lines.size();
  const long long th = metrics.height();
  for (long long i = 1; i <= n; ++i) {
    const QString& line = lines[static_cast<qsizetype>(i - 1)];
    if (line.isEmpty()) continue;
    const long long tw = metrics.width(line);
    // Halving by an arithmetic shift: a line wider than the image starts left of it.
    const long long x = ((W - tw) >> 1) + offsetX;
    const long long y = ((H - th * n) >> 1) + th * (i - 1) + offsetY;
    if (x >= W || y >= H || x + tw <= 0 || y + th <= 0) continue;
    placed.append({line, x, y, tw});
  }
  return placed;
}

// Only glyph pixels are painted, in `pen`.
void DrawCaptionLines(QImage& image, const QFont& font, const QString& caption, const QColor& pen,
                      long long offsetX, long long offsetY) {
  const QList<PlacedLine> lines =
      PlaceLines(image.width(), image.height(), CaptionMetrics(font), caption, offsetX, offsetY);
  if (lines.isEmpty()) return;
  const QFontMetrics fm(font);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(pen);
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const PlacedLine& line : lines) {
    ResetOutlineTransforms(font, line.text);
    painter.setLayoutDirection(LineDirection(line.text));
    painter.drawText(QPoint(static_cast<int>(line.x), static_cast<int>(line.y) + fm.ascent()),
                     line.text);
  }
}
}  // namespace

void DrawCaption(QImage& image, const QFont& font, const QString& caption, Colour textColour,
                 long long offsetX, long long offsetY) {
  const Colour rgb = ResolveColour(textColour);
  DrawCaptionLines(image, font, caption, QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)), offsetX,
                   offsetY);
}

QImage CaptionCoverage(int width, int height, const QFont& font, const QString& caption,
                       long long offsetX, long long offsetY) {
  QImage coverage(width, height, QImage::Format_Alpha8);
  if (coverage.isNull()) return coverage;
  coverage.fill(0);
  DrawCaptionLines(coverage, font, caption, QColor(0, 0, 0, 255), offsetX, offsetY);
  return coverage;
}

QRect CaptionInkBounds(int width, int height, const QFont& font, const QString& caption,
                       long long offsetX, long long offsetY) {
  const CaptionMetrics metrics(font);
  const QFontMetrics fm(font);
  // Antialiasing may reach a pixel past an edge; the underline lies below the baseline.
  const int margin = 2 + fm.lineWidth();
  const int below = std::max(fm.descent(), fm.underlinePos() + fm.lineWidth());
  QRect bounds;
  for (const PlacedLine& line : PlaceLines(width, height, metrics, caption, offsetX, offsetY)) {
    const int x = static_cast<int>(line.x);
    const int baseline = static_cast<int>(line.y) + fm.ascent();
    const QRect box(x, static_cast<int>(line.y), static_cast<int>(line.width), fm.ascent() + below);
    bounds |= (box | fm.boundingRect(line.text).translated(x, baseline))
                  .adjusted(-margin, -margin, margin, margin);
  }
  return bounds;
}
