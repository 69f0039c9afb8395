#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

#include "ButtonDesign.h"

// A slow, plain, per-pixel rendering of the pixel pass: every formula evaluated for every
// pixel, no tables, no shortcuts. The renderer's WorkBitmap (without supersampling and
// caption) must equal it bit for bit.
QImage ReferencePixelPass(const ButtonDesign& d, int W, int H, double W0, double H0,
                          const QImage& texture);

// The coverage of every pixel of that image: 0 where the outline rule paints the page colour
// (the page shows through), 255 elsewhere.
std::vector<std::uint8_t> ReferenceCoverage(const ButtonDesign& d, int W, int H);

// The outW x outH blocks of block x block pixels at the top left of a working image,
// averaged plainly: without coverage each
// channel is the sum // n; with it, a pixel counts 255 where covered and the glyph coverage
// (in the caption colour `text`) where not, alpha := sum of a // n and each channel := sum of
// a x c // sum of a.
QImage ReferenceReduction(const QImage& work, const std::vector<std::uint8_t>* coverage,
                          const QImage& glyphs, QRgb text, int block, int outW, int outH);
