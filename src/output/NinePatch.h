#pragma once

#include <QImage>
#include <QMargins>
#include <QString>
#include <optional>

// Android's nine-patch format (.9.png): the image inside a frame one pixel wide. The frame
// is transparent but for opaque black (0xFF000000) marks: on the top row over the columns
// that stretch, on the left column beside the rows that stretch, on the bottom row under
// the columns the content may use and on the right column beside its rows. The corners
// stay transparent. Qt Quick's Imagine style reads the same files.

// The framed image (ARGB32). `stretch` and `content` are distances from the image's edges:
// the marks cover the columns from left to width - 1 - right, and so on; each band holds
// at least one pixel (a distance pair that leaves none is the caller's fault and marks
// nothing on that side).
QImage NinePatchImage(const QImage& image, const QMargins& stretch, const QMargins& content);

struct NinePatch {
  QImage image;  // without the frame
  QMargins stretch;
  QMargins content;
};

// Reads a framed image back: one run of marks on each side, every other frame pixel fully
// transparent. None, with *error saying where, for anything else.
std::optional<NinePatch> ReadNinePatch(const QImage& framed, QString* error);
