#pragma once

#include <QList>
#include <QString>
#include <optional>

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
  bool operator==(const StateOptions&) const = default;
};

// "normal", "hover", "pressed", "disabled", and back (none for another name).
QString StateName(ButtonState state);
std::optional<ButtonState> StateOfName(const QString& name);
inline const QList<ButtonState> kAllStates = {ButtonState::Normal, ButtonState::Hover,
                                              ButtonState::Pressed, ButtonState::Disabled};
