#include <gtest/gtest.h>

#include "ButtonRenderer.h"
#include "DesignFixtures.h"
#include "ImageChoice.h"
#include "ImageRenderHost.h"

namespace {

// A render asked for ExtrasFor(...) alone has the picture ChosenImage(...) takes: at the
// scale asked for, with alpha exactly when transparent, and the button itself only for the
// opaque 1x picture.
TEST(ImageChoice, TheChosenPictureIsTheOneTheRenderWasAskedFor) {
  const struct {
    bool transparent;
    int scale;
    unsigned extras;
  } cases[] = {
      {false, 1, 0u},
      {false, 2, kOpaque2x},
      {true, 1, kTransparent},
      {true, 2, kTransparent2x},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << (c.transparent ? "transparent" : "opaque") << " at " << c.scale);
    EXPECT_EQ(ExtrasFor(c.transparent, c.scale), c.extras);
    ImageRenderHost host;
    ButtonRenderer renderer(host);
    renderer.setExtraImages(ExtrasFor(c.transparent, c.scale));
    ASSERT_TRUE(
        renderer.RenderButton(WorkedExample(), CaptionFont{}, CurrentSlotCaption(WorkedExample()))
            .finished());
    const QImage chosen = ChosenImage(renderer.extraImages(), host.image, c.transparent, c.scale);
    ASSERT_FALSE(chosen.isNull());
    EXPECT_EQ(chosen.size(), host.image.size() * c.scale);
    EXPECT_EQ(chosen.hasAlphaChannel(), c.transparent);
    EXPECT_EQ(chosen.cacheKey() == host.image.cacheKey(), c.extras == 0u);
  }
}

}  // namespace
