#include <gtest/gtest.h>

#include "ButtonRenderer.h"
#include "ButtonSize.h"
#include "DesignFixtures.h"
#include "ImageRenderHost.h"

namespace {

// The size a design is fixed to is the size its render comes out, for every shape (the
// widening depends on the height), with and without supersampling and outline.
TEST(ButtonSize, AFixedSizeIsTheSizeTheRenderMakes) {
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  for (int shape = 0; shape <= 5; ++shape) {
    for (int antialias : {0, 1}) {
      for (int outline : {0, 1, 3}) {
        for (QSize target : {QSize(37, 19), QSize(120, 30), QSize(201, 64), QSize(90, 45)}) {
          ButtonDesign d = DefaultDesign();
          d.ShapeKind = static_cast<std::uint8_t>(shape);
          d.Antialias = static_cast<std::uint8_t>(antialias);
          d.OutlineSize = outline;
          ASSERT_TRUE(FixButtonSize(d, CaptionFont{}, target))
              << shape << " " << antialias << " " << outline;
          EXPECT_EQ(d.AutoSize, 0);
          renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
          EXPECT_EQ(host.image.size(), target) << shape << " " << antialias << " " << outline;
        }
      }
    }
  }
  // The autosized default design measures what it renders.
  renderer.RenderButton(DefaultDesign(), CaptionFont{}, CurrentSlotCaption(DefaultDesign()));
  EXPECT_EQ(ButtonImageSize(DefaultDesign(), CaptionFont{}, CurrentSlotCaption(DefaultDesign())),
            host.image.size());
  // Past the size clamp no button size reaches it.
  ButtonDesign d = DefaultDesign();
  EXPECT_FALSE(FixButtonSize(d, CaptionFont{}, QSize(600, 30)));
  EXPECT_EQ(d.AutoSize, 1) << "unchanged";
}

}  // namespace
