#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "ButtonRenderer.h"
#include "DesignFixtures.h"
#include "ImageRenderHost.h"

namespace {

using Kind = RenderOutcome::Kind;

TEST(RenderOutcome, EachCallSaysWhetherItFinishedWasRefusedOrGaveUp) {
  const struct {
    const char* what;
    std::function<void(ButtonDesign&)> change;  // before the call
    int editAtPump;                             // 0: none
    std::function<void(ButtonDesign&)> edit;    // by a handler in the event pump
    bool syncing;
    Kind outer;
    std::optional<Kind> inner;  // the handler's call
    int images;
  } cases[] = {
      {"a design that renders", {}, 0, {}, false, Kind::Finished, {}, 1},
      {"a size of 0",
       [](ButtonDesign& d) { d.BorderWidth = -5000; },
       0,
       {},
       false,
       Kind::Finished,
       {},
       1},
      {"too large",
       [](ButtonDesign& d) { d.OutlineSize = 1'000'000; },
       0,
       {},
       false,
       Kind::Refused,
       {},
       0},
      {"while Syncing", {}, 0, {}, true, Kind::GaveUp, {}, 0},
      {"restarted with a design that renders",
       {},
       3,
       [](ButtonDesign& d) { d.ButtonWidth = 50; },
       false,
       Kind::Finished,
       Kind::GaveUp,
       1},
      {"restarted with one too large",
       {},
       3,
       [](ButtonDesign& d) { d.OutlineSize = 1'000'000; },
       false,
       Kind::Refused,
       Kind::GaveUp,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ButtonDesign d = WorkedExample();
    d.Antialias = 0;
    if (c.change) c.change(d);
    ImageRenderHost host;
    ButtonRenderer renderer(host);
    std::optional<RenderOutcome> inner;
    host.onPump = [&](int pump) {
      if (pump != c.editAtPump) return;
      c.edit(d);
      inner = renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
    };
    std::optional<ButtonRenderer::SyncingScope> syncing;
    if (c.syncing) syncing.emplace(renderer);
    const RenderOutcome outcome = renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
    EXPECT_EQ(outcome.kind, c.outer);
    EXPECT_EQ(outcome.finished(), c.outer == Kind::Finished);
    EXPECT_EQ(host.images, c.images);
    if (c.outer == Kind::Refused) {
      EXPECT_FALSE(outcome.reason.isEmpty());
      EXPECT_EQ(outcome.reason, host.refusal) << "the reason the host was given";
    } else {
      EXPECT_TRUE(outcome.reason.isEmpty());
    }
    ASSERT_EQ(inner.has_value(), c.inner.has_value());
    if (inner) {
      EXPECT_EQ(inner->kind, *c.inner);
      EXPECT_TRUE(inner->reason.isEmpty());
    }
  }
}

}  // namespace
