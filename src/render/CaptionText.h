#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include "ButtonDesign.h"
#include "CaptionFont.h"
#include "Colour.h"

// A caption as the renderer takes it: Unicode text whose lines are separated by '\n' (the
// model's form; a caption holds no CR). An empty caption is one empty line.
QStringList CaptionTextLines(const QString& caption);

// The caption of a record's current slot in that form: the slot's lines by the caption line
// rule (CaptionLines: CR breaks, LF vanishes), joined with '\n'. For callers that still hold
// a record's slots.
QString CurrentSlotCaption(const ButtonDesign& design);

// The caption font at scale k. Its pixel size is points x k x 96 / 72, rounded, so text is
// measured and drawn the same on every screen; sizes no font could sensibly draw (0,
// negative from a damaged file, gigantic) are brought into 1 .. kMaxCaptionPixels.
inline constexpr int kMaxCaptionPixels = 8192;
QFont CaptionQFont(const CaptionFont& font, int k);

// Text width and line height in the font, as the size formulas need them. A line's width is
// its shaped advance (HarfBuzz through Qt, glyphs the font lacks from the platform's fallback
// fonts), rounded to whole pixels.
class CaptionMetrics {
 public:
  explicit CaptionMetrics(const QFont& font);
  long long width(const QString& line) const;
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
CaptionExtent MeasureCaption(const QString& caption, const QFont& font);

// The glyphs of one line as it is drawn, in visual order: shaped, a right-to-left line (by
// its first strong character) laid out right to left, with a run per font where fallback
// fonts fill in. A glyph index of 0 is the font's box for a character no font holds.
QList<QGlyphRun> CaptionLineGlyphs(const QFont& font, const QString& line);

// Draws each line centred on the image, the block centred vertically and shifted by the
// offsets; only glyph pixels are painted, in textColour. Lines outside the image are
// skipped.
void DrawCaption(QImage& image, const QFont& font, const QString& caption, Colour textColour,
                 long long offsetX, long long offsetY);

// Where DrawCaption would paint, and how much: the glyph coverage 0..255 of every pixel of a
// width x height image, as an Alpha8 image (null when it cannot be allocated).
QImage CaptionCoverage(int width, int height, const QFont& font, const QString& caption,
                       long long offsetX, long long offsetY);

// A rectangle of a width x height image that holds every pixel DrawCaption paints (not
// clipped to the image; empty when it paints none): each drawn line's ink bounds as the
// font reports them (QFontMetrics::boundingRect, which covers at least every pixel the text
// touches), its box and its underline, with a margin. Cheap beside drawing.
QRect CaptionInkBounds(int width, int height, const QFont& font, const QString& caption,
                       long long offsetX, long long offsetY);
