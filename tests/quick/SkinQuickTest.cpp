// The skin's imagine/ folder in Qt Quick: a Button in the Imagine style, pointed at it with
// Imagine.path, must draw the skin as its background, corners and edges as they are and
// the band stretched, at two widths and in the pressed and disabled states.
//
// Qt Quick's software renderer (and the offscreen platform) draws no nine-patch
// background, so this test starts its own X server (Xvfb) and renders with OpenGL on the
// xcb platform (Mesa's llvmpipe is enough). It skips only when Xvfb cannot start.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstring>
#include <optional>

#include "DesignFixtures.h"
#include "Skin.h"
#include "StretchedSkin.h"

namespace {

// Why the X server could not start; empty when it runs.
QString g_noScreen;

// An Xvfb of our own, on the first free display it finds (-displayfd tells which).
class VirtualScreen {
 public:
  bool start(QString* why) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
      *why = QStringLiteral("Xvfb is not installed (Debian's xvfb, scripts/install-deps)");
      return false;
    }
    int fds[2];
    if (pipe(fds) != 0) {
      *why = QStringLiteral("no pipe for Xvfb's display number");
      return false;
    }
    const QByteArray program = xvfb.toLocal8Bit();
    const QByteArray fd = QByteArray::number(fds[1]);
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      execl(program.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0", "800x600x24",
            "-nolisten", "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    if (pid_ < 0) {
      close(fds[0]);
      *why = QStringLiteral("Xvfb could not be started");
      return false;
    }
    QByteArray number;
    pollfd wait{fds[0], POLLIN, 0};
    char buffer[16];
    while (!number.contains('\n') && poll(&wait, 1, 10000) > 0) {
      const ssize_t got = read(fds[0], buffer, sizeof buffer);
      if (got <= 0) break;
      number.append(buffer, static_cast<int>(got));
    }
    close(fds[0]);
    if (!number.contains('\n')) {
      stop();
      *why = QStringLiteral("Xvfb did not report a display within 10 s");
      return false;
    }
    display_ = ":" + number.trimmed();
    return true;
  }
  void stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }
  ~VirtualScreen() { stop(); }
  QByteArray display() const { return display_; }

 private:
  pid_t pid_ = -1;
  QByteArray display_;
};

// How many pixels of the area at `at` differ from the stretched skin: all of them, or only
// the four corners.
int Mismatches(const QImage& shot, QRect area, const QImage& skin, const QMargins& m,
               bool cornersOnly) {
  int wrong = 0;
  for (int y = 0; y < area.height(); ++y) {
    for (int x = 0; x < area.width(); ++x) {
      const bool corner = (x < m.left() || x >= area.width() - m.right()) &&
                          (y < m.top() || y >= area.height() - m.bottom());
      if (cornersOnly && !corner) continue;
      const QRgb want = NinePatchPixel(skin, m, area.width(), area.height(), x, y);
      if (!ShowsOverWhite(shot.pixel(area.x() + x, area.y() + y), want)) ++wrong;
    }
  }
  return wrong;
}

// A QML string literal.
QString QmlString(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    if (c == u'"' || c == u'\\') out += u'\\';
    out += c;
  }
  return out + u'"';
}

TEST(SkinInQtQuick, AnImagineButtonDrawsTheSkinAtTwoWidthsAndInItsStates) {
  if (!g_noScreen.isEmpty())
    GTEST_SKIP() << "No X server for Qt Quick: " << g_noScreen.toStdString();
  QTemporaryDir dir;
  ButtonLook look;
  look.design = DefaultDesign();
  look.design.FillKind = kSingleColour;
  look.design.ShapeKind = kRoundedRectangle;
  look.design.OutlineSize = 2;
  SkinOptions options;
  options.folder = dir.path();
  options.outputs = kSkinImagine;
  options.scales = {1};
  Skin skin;
  QString error;
  ASSERT_TRUE(MakeSkin(look, CurrentSlotCaption(look.design), options, &skin, &error))
      << error.toStdString();
  ASSERT_TRUE(ExportSkin(look, SlotCaptions(look.design), 0, options, &error))
      << error.toStdString();

  const struct {
    const char* name;
    ButtonState state;
    int width;
    const char* extra;
  } buttons[] = {
      {"narrow", ButtonState::Normal, skin.size.width() + 23, ""},
      {"wide", ButtonState::Normal, 300, ""},
      {"pressed", ButtonState::Pressed, 200, "down: true;"},
      {"disabled", ButtonState::Disabled, 200, "enabled: false;"},
  };
  // A plain local path: Imagine.path does not take a file:// URL.
  const QString path = QmlString(dir.path() + QStringLiteral("/imagine"));
  QString items;
  int y = 10;
  for (const auto& b : buttons) {
    items += QStringLiteral(
                 "  Button { objectName: \"%1\"; x: 10; y: %2; width: %3; %4 "
                 "Imagine.path: %5 }\n")
                 .arg(QString::fromLatin1(b.name), QString::number(y), QString::number(b.width),
                      QString::fromLatin1(b.extra), path);
    y += skin.size.height() + 20;
  }
  const QString qml = QStringLiteral(
                          "import QtQuick\n"
                          "import QtQuick.Controls.Imagine\n"
                          "Window {\n"
                          "  width: 400; height: %1; visible: true; color: \"white\"\n"
                          "%2"
                          "}\n")
                          .arg(QString::number(y + 10), items);
  QQmlApplicationEngine engine;
  engine.loadData(qml.toUtf8());
  ASSERT_EQ(engine.rootObjects().size(), 1) << "the QML did not load";
  auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
  ASSERT_NE(window, nullptr);
  for (int i = 0; i < 50 && !window->isExposed(); ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    usleep(20000);
  }
  ASSERT_TRUE(window->isExposed());
  ASSERT_NE(window->rendererInterface()->graphicsApi(), QSGRendererInterface::Software)
      << "the software renderer draws no nine-patch";
  const QImage shot = window->grabWindow().convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(shot.isNull());

  for (const auto& b : buttons) {
    SCOPED_TRACE(b.name);
    auto* button = window->findChild<QQuickItem*>(QString::fromLatin1(b.name));
    ASSERT_NE(button, nullptr);
    auto* background = button->property("background").value<QQuickItem*>();
    ASSERT_NE(background, nullptr);
    const QRect area = background->mapRectToScene(background->boundingRect()).toRect();
    EXPECT_EQ(area.size(), QSize(b.width, skin.size.height()));
    const SkinStateImage& state = skin.states[kAllStates.indexOf(b.state)];
    EXPECT_EQ(Mismatches(shot, area, state.oneX, state.insets.stretch, true), 0) << "the corners";
    EXPECT_EQ(Mismatches(shot, area, state.oneX, state.insets.stretch, false), 0)
        << "the whole background";
  }
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (at build time) needs no screen.
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  VirtualScreen screen;
  if (screen.start(&g_noScreen)) {
    qputenv("DISPLAY", screen.display());
    qputenv("QT_QPA_PLATFORM", "xcb");
  } else {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  int result = 0;
  {
    QGuiApplication app(argc, argv);
    result = RUN_ALL_TESTS();
  }
  screen.stop();
  return result;
}
