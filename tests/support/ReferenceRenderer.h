#pragma once

#include <QImage>

#include "ButtonDesign.h"

// A slow, plain, per-pixel rendering of the pixel pass: every formula evaluated for every
// pixel, no tables, no shortcuts. The renderer's WorkBitmap (without supersampling and
// caption) must equal it bit for bit.
QImage ReferencePixelPass(const ButtonDesign& d, int W, int H, double W0, double H0,
                          const QImage& texture);
