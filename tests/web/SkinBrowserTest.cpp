// A skin's stylesheet in a real browser: buttons of two widths in each state must show the
// skin's own corner and edge pixels at 1x on a normal screen and the 2x skin's on a screen
// of twice the density, with the band between the insets stretched; and with forced colours
// the text must show instead.
#include <gtest/gtest.h>

#include <QDir>
#include <cmath>

#include "DesignFixtures.h"
#include "HeadlessBrowser.h"
#include "ImageFiles.h"
#include "Skin.h"
#include "SkinWebPage.h"
#include "StretchedSkin.h"
#include "TempDir.h"

namespace {

// How many pixels of the box at `at` (w x h, screen pixels) differ from the stretched skin.
int Mismatches(const QImage& shot, QPoint at, int w, int h, const QImage& skin, const QMargins& m) {
  int wrong = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!ShowsOverWhite(shot.pixel(at.x() + x, at.y() + y),
                          NinePatchPixel(skin, m, w, h, x, y))) {
        ++wrong;
      }
    }
  }
  return wrong;
}

struct Placed {
  ButtonState state;
  int x, y, width;  // CSS pixels
};

// A page of empty buttons, one per state and width, placed exactly, under the skin's
// stylesheet; `text` fills them for the forced-colours shot.
QString TestPage(const QString& prefix, const QList<Placed>& buttons, const QString& text) {
  QString body;
  for (const Placed& b : buttons) {
    const char* state = "";
    if (b.state == ButtonState::Hover) state = " is-hover";
    if (b.state == ButtonState::Pressed) state = " is-pressed";
    if (b.state == ButtonState::Disabled) state = " is-disabled";
    body += QStringLiteral(
                "<a class=\"%1%2\" href=\"#\" style=\"position: absolute; left: %3px; top: %4px; "
                "width: %5px\">%6</a>\n")
                .arg(SkinClassName(prefix), QString::fromLatin1(state), QString::number(b.x),
                     QString::number(b.y), QString::number(b.width), text);
  }
  return QStringLiteral(
             "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
             "<link rel=\"stylesheet\" href=\"%1\">\n"
             "<style>body { margin: 0; background: #ffffff; }</style></head>\n"
             "<body>\n%2</body></html>\n")
      .arg(SkinStylesheetFileName(prefix), body);
}

ButtonLook RoundLook() {
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.FillKind = kSingleColour;
  look.design.ShapeKind = kRoundedEdges;  // partly transparent ends
  look.design.BevelSize = 2;
  look.design.OutlineSize = 2;
  return look;
}

TEST(SkinBrowser, ButtonsOfTwoWidthsShowTheSkinStretchedInEachStateAtEachScale) {
  const QString browser = FindBrowser();
  if (browser.isEmpty()) {
    GTEST_SKIP() << "No Chromium here: install it with scripts/install-deps (Debian's chromium) "
                    "or name it in TESSARO_CHROMIUM.";
  }
  TempDir dir;
  SkinOptions options;
  options.folder = dir.root();
  options.prefix = QStringLiteral("my skin");
  options.outputs = kSkinWeb;
  Skin skin;
  QString error;
  ASSERT_TRUE(MakeSkin(RoundLook(), CurrentSlotCaption(RoundLook().design), options, &skin, &error))
      << error.toStdString();
  ASSERT_TRUE(ExportSkin(RoundLook(), SlotCaptions(RoundLook().design), 0, options, &error))
      << error.toStdString();
  const QSize size = skin.size;
  QList<Placed> buttons;
  for (int s = 0; s < 4; ++s) {
    buttons << Placed{kAllStates[s], 10, 10 + s * (size.height() + 12), size.width() + 37};
    buttons << Placed{kAllStates[s], size.width() + 80, 10 + s * (size.height() + 12), 311};
  }
  const QString page = dir.path("test.html");
  ASSERT_TRUE(TempDir::write(page, TestPage(options.prefix, buttons, QString()).toUtf8()));
  for (const SkinStateImage& state : skin.states) {
    if (state.state != ButtonState::Normal) {
      ASSERT_NE(state.oneX, skin.states[0].oneX) << "every state has a look of its own";
    }
  }

  for (int scale : {1, 2}) {
    SCOPED_TRACE(QStringLiteral("scale %1").arg(scale).toStdString());
    QString log;
    const QImage shot = Screenshot(browser, page, scale, {800, 300}, {}, &log);
    ASSERT_FALSE(shot.isNull()) << "no screenshot: " << log.toStdString();
    for (const Placed& b : buttons) {
      SCOPED_TRACE(StateName(b.state).toStdString() + " " + std::to_string(b.width));
      const SkinStateImage& state = skin.states[kAllStates.indexOf(b.state)];
      const QImage image = scale == 1 ? state.oneX : state.twoX;
      const QMargins m = state.insets.stretch * scale;
      EXPECT_EQ(Mismatches(shot, QPoint(b.x, b.y) * scale, b.width * scale, size.height() * scale,
                           image, m),
                0);
    }
  }

  // Forced colours (Windows high contrast) drop the images; the text must show.
  const QString forcedPage = dir.path("forced.html");
  ASSERT_TRUE(TempDir::write(forcedPage, TestPage(options.prefix, buttons, "Forced").toUtf8()));
  QString log;
  const QImage forced =
      Screenshot(browser, forcedPage, 1, {800, 300}, {"--force-high-contrast"}, &log);
  ASSERT_FALSE(forced.isNull()) << "no screenshot: " << log.toStdString();
  for (const Placed& b : buttons) {
    SCOPED_TRACE(StateName(b.state).toStdString() + " " + std::to_string(b.width));
    const SkinStateImage& state = skin.states[kAllStates.indexOf(b.state)];
    int ink = 0;
    for (int y = 0; y < size.height(); ++y) {
      for (int x = 0; x < b.width; ++x) {
        const QRgb p = forced.pixel(b.x + x, b.y + y);
        if (qGray(p) < 160) ++ink;
      }
    }
    EXPECT_GT(ink, 40) << "the text and its border show";
    EXPECT_GT(Mismatches(forced, QPoint(b.x, b.y), b.width, size.height(), state.oneX,
                         state.insets.stretch),
              0)
        << "no skin";
  }
}

// The page the export writes shows every caption in every state: each state's skin corner
// stands once per caption in its column (plus the normal one on each <button>, and one
// disabled <button>).
TEST(SkinBrowser, ThePageShowsEveryCaptionInEveryState) {
  const QString browser = FindBrowser();
  if (browser.isEmpty()) GTEST_SKIP() << "No Chromium here.";
  TempDir dir;
  ButtonLook look = RoundLook();
  look.design.CaptionSlots[1].setText(QStringLiteral("About"));
  SkinOptions options;
  options.folder = dir.root();
  options.prefix = QStringLiteral("nav");
  options.outputs = kSkinWeb;
  QString error;
  Skin skin;
  ASSERT_TRUE(MakeSkin(look, CurrentSlotCaption(look.design), options, &skin, &error))
      << error.toStdString();
  ASSERT_TRUE(ExportSkin(look, SlotCaptions(look.design), 0, options, &error))
      << error.toStdString();
  QString log;
  const QImage shot =
      Screenshot(browser, dir.path(SkinPageFileName("nav")), 1, {2400, 900}, {}, &log);
  ASSERT_FALSE(shot.isNull()) << "no screenshot: " << log.toStdString();
  const int captions = static_cast<int>(SkinPageCaptions(SlotCaptions(look.design)).size());
  ASSERT_EQ(captions, 4);
  for (const SkinStateImage& state : skin.states) {
    SCOPED_TRACE(StateName(state.state).toStdString());
    const QMargins m = state.insets.stretch;
    // The corner's top and bottom rows (the text, centred, stays between them): a caption
    // that fits the design's own height keeps the button that high.
    const int rows = std::min({m.top(), m.bottom(), 3});
    const QImage top = state.oneX.copy(0, 0, m.left(), rows);
    const QImage bottom = state.oneX.copy(0, state.oneX.height() - rows, m.left(), rows);
    const auto showsAt = [&](const QImage& part, int x, int y) {
      if (y + part.height() > shot.height()) return false;
      for (int py = 0; py < part.height(); ++py) {
        for (int px = 0; px < part.width(); ++px) {
          if (!ShowsOverWhite(shot.pixel(x + px, y + py), part.pixel(px, py))) return false;
        }
      }
      return true;
    };
    int found = 0;
    for (int y = 0; y + rows <= shot.height(); ++y) {
      for (int x = 0; x + top.width() <= shot.width(); ++x) {
        if (!showsAt(top, x, y)) continue;
        ++found;
        EXPECT_TRUE(showsAt(bottom, x, y + skin.size.height() - rows))
            << "the button at " << x << ", " << y << " is not as high as the skin";
      }
    }
    const int buttons = state.state == ButtonState::Normal     ? captions
                        : state.state == ButtonState::Disabled ? 1
                                                               : 0;
    EXPECT_EQ(found, captions + buttons);
  }
}

// The box the stylesheet gives a line of text is the one the editor's preview draws the
// skin and text in: as wide as the browser's text and the text area (within the pixel the
// preview rounds the text up by), never narrower than the corners, and as high as the line
// needs where the skin is lower than that.
TEST(SkinBrowser, ALineOfTextGetsTheBoxThePreviewDraws) {
  const QString browser = FindBrowser();
  if (browser.isEmpty()) GTEST_SKIP() << "No Chromium here.";
  const struct {
    const char* what;
    QSize size;  // of the skin; empty for the design's own
  } skins[] = {{"the design's own size", {}}, {"a skin lower than the line", {40, 14}}};
  const QStringList texts = {"i", "OK", "A much longer caption than the skin"};
  for (const auto& k : skins) {
    SCOPED_TRACE(k.what);
    TempDir dir;
    SkinOptions options;
    options.folder = dir.root();
    options.prefix = QStringLiteral("nav");
    options.outputs = kSkinWeb;
    options.size = k.size;
    Skin skin;
    QString error;
    ASSERT_TRUE(
        MakeSkin(RoundLook(), CurrentSlotCaption(RoundLook().design), options, &skin, &error))
        << error.toStdString();
    ASSERT_TRUE(ExportSkin(RoundLook(), SlotCaptions(RoundLook().design), 0, options, &error))
        << error.toStdString();
    QString body;
    for (const SkinStateImage& state : skin.states) {
      for (const QString& text : texts) {
        const char* cls = state.state == ButtonState::Pressed    ? " is-pressed"
                          : state.state == ButtonState::Hover    ? " is-hover"
                          : state.state == ButtonState::Disabled ? " is-disabled"
                                                                 : "";
        body += QStringLiteral("<div><a class=\"nav%1\" href=\"#\"><span>%2</span></a></div>\n")
                    .arg(QString::fromLatin1(cls), text);
      }
    }
    const QString page = dir.path("boxes.html");
    ASSERT_TRUE(TempDir::write(
        page, QStringLiteral(
                  "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
                  "<link rel=\"stylesheet\" href=\"nav-skin.css\"></head>\n<body>\n%1"
                  "<pre id=\"boxes\"></pre>\n<script>\n"
                  "document.getElementById('boxes').textContent = [...document.links].map(a => "
                  "{ const b = a.getBoundingClientRect(), t = "
                  "a.firstChild.getBoundingClientRect(); return b.width + ' ' + b.height + ' ' + "
                  "t.width; }).join('\\n');\n</script>\n</body></html>\n")
                  .arg(body)
                  .toUtf8()));
    QString log;
    const QString dom = DumpDom(browser, page, &log);
    const qsizetype from = dom.indexOf(QStringLiteral("<pre id=\"boxes\">"));
    ASSERT_GE(from, 0) << "no page: " << log.toStdString();
    const QString listed =
        dom.mid(from + 16, dom.indexOf(QStringLiteral("</pre>"), from) - from - 16);
    const QStringList lines = listed.split(u'\n');
    ASSERT_EQ(lines.size(), skin.states.size() * texts.size()) << listed.toStdString();
    bool taller = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
      const SkinStateImage& state = skin.states[i / texts.size()];
      SCOPED_TRACE(StateName(state.state).toStdString() + ": " +
                   texts[i % texts.size()].toStdString());
      const QStringList numbers = lines[i].split(u' ');
      ASSERT_EQ(numbers.size(), 3);
      const double width = numbers[0].toDouble();
      const double height = numbers[1].toDouble();
      const int textWidth = static_cast<int>(std::ceil(numbers[2].toDouble()));
      const QSize want = SkinBoxSize(skin, state, textWidth);
      EXPECT_LE(width, want.width());
      EXPECT_GT(width, want.width() - 1);
      EXPECT_EQ(height, want.height());
      taller = taller || want.height() > skin.size.height();
    }
    EXPECT_EQ(taller, !k.size.isEmpty()) << "the case asked for";
  }
}

}  // namespace
