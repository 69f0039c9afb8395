// A skin as the editor's preview shows it: stretched as a page stretches it, with the text
// where the page puts it.
#include <gtest/gtest.h>

#include <QString>

#include "ButtonRenderer.h"
#include "ButtonSize.h"
#include "DesignFixtures.h"
#include "ImageRenderHost.h"
#include "Skin.h"
#include "SkinSample.h"
#include "SkinWebPage.h"

namespace {

ButtonLook PlainLook(int shape) {
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.FillKind = kSingleColour;
  look.design.ShapeKind = static_cast<std::uint8_t>(shape);
  look.design.BevelSize = 3;
  look.design.OutlineSize = 2;
  return look;
}

// The caption-less transparent render of the look at `size` (1x), at `scale`.
QImage RenderAt(ButtonLook look, QSize size, int scale) {
  if (!FixButtonSize(look.design, look.font, size)) return {};
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.setExtraImages(scale == 1 ? kTransparent : kTransparent2x);
  renderer.RenderButton(look.design, look.font, QString());
  return scale == 1 ? renderer.extraImages().transparent : renderer.extraImages().transparent2x;
}

Skin MakeOrFail(const ButtonLook& look, const QList<ButtonState>& states) {
  SkinOptions options;
  options.states = states;
  Skin skin;
  QString error;
  EXPECT_TRUE(MakeSkin(look, CurrentSlotCaption(look.design), options, &skin, &error))
      << error.toStdString();
  return skin;
}

TEST(SkinSample, StretchingTheSkinGivesTheRenderOfTheLargerButton) {
  const struct {
    int shape;
    int scale;
    QSize more;  // than the skin, at 1x
  } cases[] = {
      {kRectangle, 1, {1, 0}},  {kRectangle, 2, {57, 0}},        {kRectangle, 1, {30, 9}},
      {kRectangle, 2, {3, 21}}, {kRoundedRectangle, 1, {44, 0}}, {kRoundedEdges, 2, {17, 0}},
      {kOctagon, 1, {90, 0}},   {kHexagon, 2, {5, 0}},           {kHexagon, 1, {30, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QStringLiteral("shape %1 at %2x, %3 x %4 more")
                     .arg(c.shape)
                     .arg(c.scale)
                     .arg(c.more.width())
                     .arg(c.more.height())
                     .toStdString());
    const ButtonLook look = PlainLook(c.shape);
    const Skin skin = MakeOrFail(look, {ButtonState::Normal});
    ASSERT_EQ(skin.states.size(), 1);
    const SkinStateImage& state = skin.states[0];
    const QSize size = skin.size + c.more;
    const QImage want = RenderAt(look, size, c.scale);
    ASSERT_EQ(want.size(), size * c.scale);
    const QImage got = StretchSkinImage(c.scale == 1 ? state.oneX : state.twoX,
                                        state.insets.stretch * c.scale, size * c.scale);
    EXPECT_EQ(got, want.convertToFormat(QImage::Format_ARGB32));
  }
}

// The bounding box of the pixels where two images of one size differ.
QRect Differences(const QImage& a, const QImage& b) {
  QRect box;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

bool Holds(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == (colour | 0xFF000000u)) return true;
    }
  }
  return false;
}

TEST(SkinSample, TheTextStandsCentredInTheStatesTextAreaInItsColour) {
  ButtonLook look = PlainLook(kRoundedRectangle);
  look.design.TextColour = MakeColour(250, 250, 40);
  const Skin skin = MakeOrFail(look, kAllStates);
  ASSERT_EQ(skin.states.size(), 4);
  const QString text = QStringLiteral("Hello");
  const struct {
    ButtonState state;
    int scale;
    int width;  // asked for; the box is at least as wide as its text needs
  } cases[] = {
      {ButtonState::Normal, 1, 0},   {ButtonState::Normal, 1, 240}, {ButtonState::Pressed, 1, 240},
      {ButtonState::Disabled, 1, 0}, {ButtonState::Hover, 2, 0},    {ButtonState::Pressed, 2, 180},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(StateName(c.state).toStdString() + " at " + std::to_string(c.scale) + "x, " +
                 std::to_string(c.width));
    const SkinStateImage& state = skin.states[kAllStates.indexOf(c.state)];
    const QSize box = SkinBoxSize(skin, state, SkinTextWidth(state, text));
    const QSize size(std::max(box.width(), c.width), box.height());
    const QImage sample = SkinSample(skin, state, text, c.width, c.scale);
    ASSERT_EQ(sample.size(), size * c.scale);
    EXPECT_EQ(sample.devicePixelRatio(), c.scale);
    const QImage plain = StretchSkinImage(c.scale == 1 ? state.oneX : state.twoX,
                                          state.insets.stretch * c.scale, size * c.scale);
    const QImage drawn = sample.convertToFormat(QImage::Format_ARGB32);
    const QRect ink = Differences(drawn, plain);
    ASSERT_FALSE(ink.isEmpty()) << "no text";
    const QRect area = QRect(QPoint(0, 0), size) - SkinTextArea(state);
    const QRect areaPixels(area.topLeft() * c.scale, area.size() * c.scale);
    EXPECT_TRUE(areaPixels.contains(ink)) << "outside the text area";
    // Centred across within a pixel or two of antialiasing; the glyphs' own box is not
    // centred down (a line's descent stays empty), but it stays in the line.
    const double middle = (ink.left() + ink.right() + 1) / 2.0;
    const double areaMiddle = (areaPixels.left() + areaPixels.right() + 1) / 2.0;
    EXPECT_LE(std::abs(middle - areaMiddle), 2.0 * c.scale);
    const int lineTop = areaPixels.top() + (areaPixels.height() - state.lineHeight * c.scale) / 2;
    EXPECT_GE(ink.top(), lineTop - c.scale);
    EXPECT_LE(ink.bottom(), lineTop + state.lineHeight * c.scale + c.scale);
    EXPECT_TRUE(Holds(drawn, state.textColour)) << "a stem of the text in the state's colour";
  }
  // The pressed text moves by the state's shift; its box and skin do not.
  const SkinStateImage& normal = skin.states[0];
  const SkinStateImage& pressed = skin.states[2];
  ASSERT_NE(pressed.textShift, QPoint(0, 0));
  const QImage normalSample = SkinSample(skin, normal, text, 200, 1);
  const QImage pressedSample = SkinSample(skin, pressed, text, 200, 1);
  ASSERT_EQ(normalSample.size(), pressedSample.size());
  const QSize size = normalSample.size();
  const QRect normalInk = Differences(normalSample.convertToFormat(QImage::Format_ARGB32),
                                      StretchSkinImage(normal.oneX, normal.insets.stretch, size));
  const QRect pressedInk =
      Differences(pressedSample.convertToFormat(QImage::Format_ARGB32),
                  StretchSkinImage(pressed.oneX, pressed.insets.stretch, size));
  EXPECT_EQ(pressedInk, normalInk.translated(pressed.textShift));
}

}  // namespace
