#pragma once

#include <QImage>
#include <QMargins>
#include <QSize>
#include <QString>

struct Skin;
struct SkinStateImage;

// A skin as its stylesheet shows it on a page, for a preview: stretched as a nine-patch to
// the box of a line of text, with the text drawn over it in the state's font and colour.

// `image` stretched to `size` (both in the image's own pixels) as a page's border image
// stretches it: the corners and edges as they are, the band between the `stretch` insets
// scaled to the rest, each pixel the band's nearest (so a band of equal columns is repeated
// exactly, and the two rows a 2x skin has for the middle row of its 1x one both stay). Insets
// that leave no band stretch the middle pixel.
QImage StretchSkinImage(const QImage& image, const QMargins& stretch, QSize size);

// The box of `state` holding `text` on one line, at least `width` CSS pixels wide
// (SkinBoxSize), drawn at `scale` (1 or 2; the image carries that device pixel ratio): the
// skin of that scale stretched to the box, the text centred in the text area with its
// baseline where a browser puts it, in the state's text colour. The line is measured in the
// caption font at its CSS pixel size.
QImage SkinSample(const Skin& skin, const SkinStateImage& state, const QString& text, int width,
                  int scale);

// How wide `text` is on one line in the state's caption font, in CSS pixels, rounded up.
int SkinTextWidth(const SkinStateImage& state, const QString& text);
