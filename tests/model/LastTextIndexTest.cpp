// Whatever replaces the record as a whole leaves LastTextIndex by the last-slot rule before
// the controls are synchronised, so a design saved without an editor holds what the editor's
// would.
#include <gtest/gtest.h>

#include <functional>

#include "DesignFile.h"
#include "RandomDesign.h"
#include "RecordingDesignHost.h"
#include "TempDir.h"

namespace {

TEST(LastTextIndex, ResetLoadAndRandomDesignSetItFromTheSlots) {
  TempDir dir;
  // A file whose stored LastTextIndex is stale: slots up to 5 are in use.
  ButtonDesign stored{};
  CaptionFont storedFont;
  ResetDesignFields(stored, storedFont);
  stored.CaptionSlots[5].setBytes("Five");
  stored.TextIndex = 2;
  stored.LastTextIndex = 17;
  const QString file = dir.path("stale.kq");
  ASSERT_TRUE(TempDir::write(file, EncodeDesignFile(stored, storedFont)));

  const struct {
    const char* what;
    std::function<void(ButtonDesign&, CaptionFont&, DesignHost&)> replace;
    int expected;
  } cases[] = {
      {"reset", [](ButtonDesign& d, CaptionFont& f, DesignHost& h) { ResetDesign(d, f, h); }, 0},
      {"load", [&](ButtonDesign& d, CaptionFont& f, DesignHost& h) { LoadDesign(file, d, f, h); },
       5},
      {"load of an unreadable file",
       [&](ButtonDesign& d, CaptionFont& f, DesignHost& h) {
         LoadDesign(dir.path("missing.kq"), d, f, h);
       },
       0},
      // Captions and the slot stay: slot 9 is in use.
      {"random design",
       [](ButtonDesign& d, CaptionFont& f, DesignHost& h) {
         d.CaptionSlots[9].setBytes("Nine");
         d.TextIndex = 3;
         MakeRandomDesign(d, f, h);
       },
       9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ButtonDesign d{};
    CaptionFont font;
    ResetDesignFields(d, font);
    d.LastTextIndex = 30;
    RecordingDesignHost host;
    QList<int> seen;
    host.onSync = [&] { seen << d.LastTextIndex; };
    c.replace(d, font, host);
    ASSERT_FALSE(seen.isEmpty());
    for (int atSync : seen)
      EXPECT_EQ(atSync, c.expected) << "when the controls are synchronised";
    EXPECT_EQ(d.LastTextIndex, c.expected);
  }
}

}  // namespace
