#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>

#include "CaptionFont.h"
#include "Colour.h"

// The caption's lines by CaptionLines: how many, and line n (from 1), empty beyond the last.
int CountCaptionLines(const QByteArray& text);
QByteArray GetCaptionLine(const QByteArray& text, int n);

// The caption font at scale k. Its pixel size is points x k x 96 / 72, rounded, so text is
// measured and drawn the same on every screen; sizes no font could sensibly draw (0,
// negative from a damaged file, gigantic) are brought into 1 .. kMaxCaptionPixels.
inline constexpr int kMaxCaptionPixels = 8192;
QFont CaptionQFont(const CaptionFont& font, int k);

// Text width and line height in the font, as the size formulas need them.
class CaptionMetrics {
 public:
  explicit CaptionMetrics(const QFont& font);
  long long width(const QByteArray& line) const;
  long long height() const { return height_; }

 private:
  QFont font_;
  long long height_;
};

// What the size formulas take from a caption: its widest line and its line height in the
// font, and its line count. An empty caption is one line of width 0.
struct CaptionExtent {
  long long widestLine = 0;
  long long lineHeight = 0;
  int lines = 1;
};
CaptionExtent MeasureCaption(const QByteArray& caption, const QFont& font);

// Draws each line centred on the image, the block centred vertically and shifted by the
// offsets; only glyph pixels are painted, in textColour. Lines outside the image are
// skipped.
void DrawCaption(QImage& image, const QFont& font, const QByteArray& caption, Colour textColour,
                 long long offsetX, long long offsetY);

// Where DrawCaption would paint, and how much: the glyph coverage 0..255 of every pixel of a
// width x height image, as an Alpha8 image (null when it cannot be allocated).
QImage CaptionCoverage(int width, int height, const QFont& font, const QByteArray& caption,
                       long long offsetX, long long offsetY);
