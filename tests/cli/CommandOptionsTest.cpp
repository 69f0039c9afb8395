#include <gtest/gtest.h>

#include <QString>

#include "QtChatter.h"

namespace {

TEST(QtChatter, DropsQtsOwnNotesAndKeepsRealWarnings) {
  const struct {
    QtMsgType type;
    const char* category;
    const char* text;
    bool chatter;
  } cases[] = {
      {QtWarningMsg, "default", "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp'",
       true},
      {QtWarningMsg, "qt.qpa.fonts", "Populating font family aliases took 120 ms", true},
      {QtInfoMsg, "default", "anything", true},
      {QtDebugMsg, "default", "anything", true},
      {QtWarningMsg, "default", "QImage::pixel: coordinate (3,4) out of range", false},
      {QtWarningMsg, nullptr, "libpng warning: iCCP: known incorrect sRGB profile", false},
      {QtCriticalMsg, "qt.core", "something failed", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsQtChatter(c.type, c.category, QString::fromLatin1(c.text)), c.chatter) << c.text;
  }
}

}  // namespace
