#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <optional>

#include "ButtonDesign.h"

// The states a button shows on a web page or in an app. Each is the normal design
// transformed, then rendered as usual.
enum class ButtonState { Normal, Hover, Pressed, Disabled };

// The values a state option may take, and the one it has unless chosen.
struct StateOptionRange {
  int low, high, fallback;
  constexpr bool holds(int value) const { return value >= low && value <= high; }
};
// Percent of the way from each surface colour to white.
inline constexpr StateOptionRange kHoverLightnessRange{0, 100, 25};
// Pixels the caption moves right and down.
inline constexpr StateOptionRange kPressedShiftRange{0, 20, 1};

// "low..high", as messages and help texts give a range.
inline QString RangeText(const StateOptionRange& range) {
  return QStringLiteral("%1..%2").arg(range.low).arg(range.high);
}

struct StateOptions {
  int hoverLightness = kHoverLightnessRange.fallback;  // how far hover lightens the surface
  int pressedShift = kPressedShiftRange.fallback;      // how far pressed moves the caption
};

// "normal", "hover", "pressed", "disabled", and back (none for another name).
QString StateName(ButtonState state);
std::optional<ButtonState> StateOfName(const QString& name);
inline const QList<ButtonState> kAllStates = {ButtonState::Normal, ButtonState::Hover,
                                              ButtonState::Pressed, ButtonState::Disabled};
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
