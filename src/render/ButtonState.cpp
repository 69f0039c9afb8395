#include "ButtonState.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
double Round(double v) {
  return std::nearbyint(v);  // halves to even in the default rounding mode
}

Colour Lighter(Colour colour, int lightness) {
  const Colour rgb = ResolveColour(colour);
  const auto lift = [lightness](int c) {
    return c + static_cast<int>(Round((255 - c) * double{1.0 * lightness} / 100));
  };
  return MakeColour(lift(RedOf(rgb)), lift(GreenOf(rgb)), lift(BlueOf(rgb)));
}

int Grey(int red, int green, int blue) {
  return static_cast<int>(Round(0.299 * red + 0.587 * green + 0.114 * blue));
}

int HalfOver(int grey, int page) {
  return static_cast<int>(Round((grey + page) / 2.0));
}

Colour Greyed(Colour colour, Colour page) {
  const Colour rgb = ResolveColour(colour);
  const Colour back = ResolveColour(page);
  const int y = Grey(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
  return MakeColour(HalfOver(y, RedOf(back)), HalfOver(y, GreenOf(back)),
                    HalfOver(y, BlueOf(back)));
}

std::int32_t Shifted(std::int32_t offset, int shift) {
  const long long moved = static_cast<long long>(offset) + shift;
  return static_cast<std::int32_t>(
      std::min<long long>(moved, std::numeric_limits<std::int32_t>::max()));
}
}  // namespace

ButtonState BaseState(const QList<ButtonState>& states) {
  return states.contains(ButtonState::Normal) ? ButtonState::Normal
                                              : states.value(0, ButtonState::Normal);
}

ButtonDesign DesignForState(const ButtonDesign& normal, ButtonState state,
                            const StateOptions& options) {
  ButtonDesign d = normal;
  switch (state) {
    case ButtonState::Normal:
      break;
    case ButtonState::Hover: {
      const int L = options.hoverLightness;
      for (Colour* c : {&d.Colour1, &d.Colour2, &d.PlasmaColour, &d.SurfaceColour})
        *c = Lighter(*c, L);
      const int brightness = d.TextureBrightness + static_cast<int>(Round(L * 0.4));
      d.TextureBrightness = static_cast<std::uint8_t>(std::min(100, brightness));
      break;
    }
    case ButtonState::Pressed:
      std::swap(d.HighlightColour, d.ShadowColour);
      d.TextOffsetX = Shifted(d.TextOffsetX, options.pressedShift);
      d.TextOffsetY = Shifted(d.TextOffsetY, options.pressedShift);
      break;
    case ButtonState::Disabled:
      for (Colour* c : {&d.Colour1, &d.Colour2, &d.PlasmaColour, &d.SurfaceColour, &d.TextColour,
                        &d.OutlineColour, &d.HighlightColour, &d.ShadowColour})
        *c = Greyed(*c, d.BackColour);
      break;
  }
  return d;
}

QImage TextureForState(const QImage& texture, const ButtonDesign& normal, ButtonState state) {
  if (state != ButtonState::Disabled || texture.isNull()) return texture;
  QImage greyed = texture.convertToFormat(QImage::Format_RGB32);
  const Colour back = ResolveColour(normal.BackColour);
  for (int y = 0; y < greyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(greyed.scanLine(y));
    for (int x = 0; x < greyed.width(); ++x) {
      const int g = Grey(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
      row[x] =
          qRgb(HalfOver(g, RedOf(back)), HalfOver(g, GreenOf(back)), HalfOver(g, BlueOf(back)));
    }
  }
  return greyed;
}
