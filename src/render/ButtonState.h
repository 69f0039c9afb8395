#pragma once

#include <QImage>
#include <QList>

#include "ButtonDesign.h"
#include "ButtonStates.h"

// The state an element shows when no other applies: normal, or the first state asked for
// when normal is not among them.
ButtonState BaseState(const QList<ButtonState>& states);

// The design of a state; captions and every field the state leaves alone stay.
// - hover: Colour1, Colour2, PlasmaColour, SurfaceColour: c + Round((255 - c) x L / 100) per
//   channel; TextureBrightness: min(100, TextureBrightness + Round(L x 0.4));
// - pressed: HighlightColour and ShadowColour swap; TextOffsetX and TextOffsetY + P;
// - disabled: the eight colours of the button (all but BackColour) become their grey at half
//   strength over the page: Y := Round(0.299 R + 0.587 G + 0.114 B), then per channel
//   Round((Y + b) / 2) with b the channel of BackColour.
ButtonDesign DesignForState(const ButtonDesign& normal, ButtonState state,
                            const StateOptions& options);

// The texture of a state: the disabled state greys it as it greys the colours (the
// brightness applies afterwards, in the render); the others take it as it is.
QImage TextureForState(const QImage& texture, const ButtonDesign& normal, ButtonState state);
