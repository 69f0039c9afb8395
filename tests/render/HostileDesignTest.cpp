#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "ButtonRenderer.h"
#include "DesignFixtures.h"
#include "ImageRenderHost.h"

namespace {

// Renders with and without supersampling: every design either renders within the size
// clamp or is refused, and the renderer is idle afterwards.
void expectTotal(ButtonDesign d, const CaptionFont& font, const std::string& what) {
  for (std::uint8_t antialias : {std::uint8_t{0}, std::uint8_t{1}}) {
    d.Antialias = antialias;
    ImageRenderHost host;
    host.texture = QImage(3, 5, QImage::Format_RGB32);
    host.texture.fill(Qt::darkCyan);
    ButtonRenderer renderer(host);
    renderer.RenderButton(d, font, CurrentSlotCaption(d));
    EXPECT_FALSE(renderer.RenderBusy()) << what;
    ASSERT_EQ(host.sizeTexts, 1) << what;
    if (host.refusals == 0) {
      EXPECT_EQ(host.images, 1) << what;
      EXPECT_LE(static_cast<long long>(host.image.width()) * host.image.height(), kMaxRenderPixels)
          << what;
    } else {
      EXPECT_EQ(host.images, 0) << what;
    }
  }
}

TEST(HostileDesigns, ExtremeIntegerFields) {
  const std::pair<const char*, std::int32_t ButtonDesign::*> fields[] = {
      {"TextIndex", &ButtonDesign::TextIndex},         {"BevelSize", &ButtonDesign::BevelSize},
      {"FillDirection", &ButtonDesign::FillDirection}, {"OutlineSize", &ButtonDesign::OutlineSize},
      {"ButtonHeight", &ButtonDesign::ButtonHeight},   {"ButtonWidth", &ButtonDesign::ButtonWidth},
      {"BorderHeight", &ButtonDesign::BorderHeight},   {"BorderWidth", &ButtonDesign::BorderWidth},
      {"TextOffsetX", &ButtonDesign::TextOffsetX},     {"TextOffsetY", &ButtonDesign::TextOffsetY},
  };
  for (auto [name, field] : fields) {
    for (std::int32_t value : {INT_MIN, INT_MIN + 1, -1025, -1, 0, 1, 2, 3, 5000, INT_MAX}) {
      for (std::uint8_t autoSize : {std::uint8_t{0}, std::uint8_t{1}}) {
        ButtonDesign d = DefaultDesign();
        d.AutoSize = autoSize;
        d.FillKind = static_cast<std::uint8_t>(value & 3);
        d.ShapeKind = static_cast<std::uint8_t>((value & 7) % 6);
        d.*field = value;
        expectTotal(d, CaptionFont{}, std::string(name) + "=" + std::to_string(value));
      }
    }
  }
}

TEST(HostileDesigns, ExtremeByteFieldsAndColours) {
  for (int value : {0, 1, 2, 5, 6, 99, 100, 101, 200, 255}) {
    for (int fill = 0; fill <= 5; ++fill) {
      ButtonDesign d = DefaultDesign();
      d.Distortion = static_cast<std::uint8_t>(value);
      d.ShapeKind = static_cast<std::uint8_t>(value);
      d.FillKind = static_cast<std::uint8_t>(fill == 5 ? value : fill);
      d.TextureBrightness = static_cast<std::uint8_t>(value);
      d.TextureStretch = static_cast<std::uint8_t>(value);
      d.TextureFile.setText("x.bmp");
      d.Colour1 = 0xFF000000u | static_cast<Colour>(value);  // system colour references
      d.BackColour = 0xFFFFFFFFu;
      d.TextColour = 0x7F123456u;
      expectTotal(d, CaptionFont{},
                  "byte " + std::to_string(value) + " fill " + std::to_string(fill));
    }
  }
}

TEST(HostileDesigns, ExtremeFontsAndCaptions) {
  QByteArray everyByte;
  for (int b = 1; b < 256; ++b)
    everyByte.append(static_cast<char>(b));
  const QByteArray captions[] = {everyByte, QByteArray(255, '\r'), QByteArray(255, '\n'),
                                 QByteArray(255, 'W'), QByteArray(1, '\0')};
  for (std::int32_t size : {INT_MIN, -12, 0, 1, 200, 3000, INT_MAX}) {
    for (const QByteArray& caption : captions) {
      ButtonDesign d = DefaultDesign();
      d.CaptionSlots[0].setBytes(caption);
      CaptionFont font;
      font.size = size;
      font.setStyleBits(0xFF);
      font.name = QString(300, QChar(0x263A));
      expectTotal(d, font, "font size " + std::to_string(size));
    }
  }
}

TEST(HostileDesigns, ARendererWithATighterBudgetRefusesWhatExceedsIt) {
  // 120 x 30 pixels without supersampling: 3600.
  ButtonDesign d = WorkedExample();
  d.Antialias = 0;
  for (long long budget : {3600LL, 3599LL}) {
    ImageRenderHost host;
    ButtonRenderer renderer(host, budget);
    renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
    if (budget == 3600) {
      EXPECT_EQ(host.image.size(), QSize(120, 30));
      EXPECT_TRUE(host.refusals == 0);
    } else {
      EXPECT_EQ(host.images, 0);
      ASSERT_EQ(host.refusals, 1);
      EXPECT_TRUE(host.refusal.contains("3599")) << host.refusal.toStdString();
    }
    EXPECT_FALSE(renderer.RenderBusy());
  }
}

}  // namespace
