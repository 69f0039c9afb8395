// Design files: bytes -> LoadDesign -> RenderButton at full size, on the offscreen platform.
// Checks, besides the sanitizers: the renderer ends idle; every finished render hands over an
// image within the pixel budget or refuses; what the editor would save right after the load
// keeps every byte of the file that the load does not define anew; and for small images the
// pixel pass, the transparent image and the 2x images of every build of the pixel kernels
// that the processor runs equal the plain per-pixel rules of the tests.
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ButtonRenderer.h"
#include "DesignFile.h"
#include "FuzzCheck.h"
#include "ImageRenderHost.h"
#include "PixelKernels.h"
#include "RandomDesign.h"
#include "ReferenceRenderer.h"
#include "TextureImage.h"

namespace {

// A smaller pixel budget than the editor's. Renders above it are legal and linear in their
// size, but under the sanitizers the fuzzer would spend most of its time on them (a fifth of
// the inputs per second at 2^21); here they are refused by the same test that refuses the
// editor's larger ones. 2^20 scaled pixels still reach each clamp of the size (2024 wide at
// up to 518 high, 1024 high at up to 1024 wide); the unit tests render the largest buttons.
constexpr long long kFuzzRenderPixels = 1024 * 1024;

QTemporaryDir* gDir = nullptr;
QString gPath;
QImage gTextures[3];

// Textures stand in for image files: the loader's own fuzz targets cover decoding, and a
// design must not make the fuzzer read whatever file its path names on this machine.
class FuzzHost : public DesignHost, public ImageRenderHost {
 public:
  FuzzHost(ButtonDesign& design, CaptionFont& font) : design_(design), font_(font) {
    onPump = [this](int pump) {
      if (pump != editAtPump) return;
      design_.Antialias = design_.Antialias ? 0 : 1;
      renderer.RenderButton(design_, font_, CurrentSlotCaption(design_));  // only marks the restart
      FUZZ_CHECK(renderer.RenderRestart());
    };
  }

  ButtonRenderer renderer{*this, kFuzzRenderPixels};
  // The pump at which an edit arrives (0: none), and the edit: another scale.
  int editAtPump = 0;
  QByteArray savedAtSync;

  void showMessage(const QString&) override {}
  bool loadTexture(const QString& path) override {
    if (TextureFormatOf(path) == TextureFormat::Unknown) return false;
    texture = gTextures[path.size() % 3];
    return true;
  }
  void clearTexture() override { texture = QImage(); }
  void syncControls() override { savedAtSync = EncodeDesignFile(design_, font_); }
  void render() override { renderer.RenderButton(design_, font_, CurrentSlotCaption(design_)); }

  void takeImage(const QImage& taken) override {
    FUZZ_CHECK(static_cast<long long>(taken.width()) * taken.height() <= kFuzzRenderPixels);
    FUZZ_CHECK(taken.isNull() || taken.format() == QImage::Format_RGB32);
    ImageRenderHost::takeImage(taken);
  }
  void renderRefused(const QString& reason) override {
    FUZZ_CHECK(!reason.isEmpty());
    ImageRenderHost::renderRefused(reason);
  }

 private:
  ButtonDesign& design_;
  CaptionFont& font_;
};

// The largest image compared with the per-pixel reference, which is slow.
constexpr long long kReferencePixels = 128 * 128;

// The renderer's pixel pass against the tests' plain per-pixel formulas, on the loaded
// record made plain where the reference is: no supersampling, a fixed size, no caption.
// Every other field, out-of-range values included, stays as the file gave it. Each build of
// the pixel kernels that this processor runs is compared.
void CheckAgainstReference(ButtonDesign d, const QImage& texture) {
  d.Antialias = 0;
  d.AutoSize = 0;
  d.currentSlot().length = 0;
  const ButtonGeometry g = ComputeGeometry(d, ScaleLengths(d), CaptionExtent{});
  if (g.W == 0 || g.H == 0 || g.H > kReferencePixels / g.W) return;
  SetRandomSeed(1);
  const QImage plain =
      ReferencePixelPass(d, static_cast<int>(g.W), static_cast<int>(g.H), static_cast<double>(g.W0),
                         static_cast<double>(g.H0), texture);
  const std::uint32_t seedAfter = RandomSeed();
  // Without supersampling the transparent image is the coverage of each pixel, and the 2x
  // images double every pixel.
  const std::vector<std::uint8_t> coverage = ReferenceCoverage(d, plain.width(), plain.height());
  const QImage transparent =
      ReferenceReduction(plain, &coverage, QImage(), 0, 1, plain.width(), plain.height());

  const std::string chosen = Kernels().name;
  for (KernelVariant variant : kKernelVariants) {
    if (!UseKernels(variant)) continue;
    ImageRenderHost host;
    host.texture = texture;
    ButtonRenderer renderer(host);
    renderer.setExtraImages(kOpaque2x | kTransparent | kTransparent2x);
    SetRandomSeed(1);
    renderer.RenderButton(d, CaptionFont{}, CurrentSlotCaption(d));
    FUZZ_CHECK(RandomSeed() == seedAfter);
    FUZZ_CHECK(host.image.size() == plain.size());
    for (int y = 0; y < plain.height(); ++y) {
      for (int x = 0; x < plain.width(); ++x) {
        if (host.image.pixel(x, y) != plain.pixel(x, y)) {
          std::fprintf(stderr, "%s kernels, pixel %d,%d of %d x %d: %08x, the formulas give %08x\n",
                       KernelVariantName(variant), x, y, plain.width(), plain.height(),
                       host.image.pixel(x, y), plain.pixel(x, y));
        }
        FUZZ_CHECK(host.image.pixel(x, y) == plain.pixel(x, y));
      }
    }
    const ButtonExtras& extras = renderer.extraImages();
    FUZZ_CHECK(extras.transparent == transparent);
    FUZZ_CHECK(extras.transparent2x.size() == 2 * plain.size());
    FUZZ_CHECK(extras.opaque2x.size() == 2 * plain.size());
    for (int y = 0; y < 2 * plain.height(); ++y) {
      for (int x = 0; x < 2 * plain.width(); ++x) {
        FUZZ_CHECK(extras.transparent2x.pixel(x, y) == transparent.pixel(x / 2, y / 2));
        FUZZ_CHECK(extras.opaque2x.pixel(x, y) == plain.pixel(x / 2, y / 2));
      }
    }
  }
  for (KernelVariant variant : kKernelVariants) {
    if (chosen == KernelVariantName(variant)) UseKernels(variant);
  }
}

// The bytes a save right after the load must hold: the file's own, except a TextIndex out of
// 0..31 (brought into range), LastTextIndex (the last slot in use), a texture the loader
// refused (its path emptied), the font name's bytes past its length (meaningless, written as
// zeros) and style bits 4..7 (unused).
QByteArray ExpectedSave(const QByteArray& file, bool textureRefused) {
  QByteArray expected = file.left(kDesignFileSize);
  std::int32_t index;
  std::memcpy(&index, expected.constData(), 4);
  index = std::clamp(index, 0, kCaptionSlotCount - 1);
  std::memcpy(expected.data(), &index, 4);
  std::int32_t last = index;
  for (int slot = kCaptionSlotCount - 1; slot > index; --slot) {
    if (expected[offsetof(ButtonDesign, CaptionSlots) + slot * sizeof(ShortString)] != 0) {
      last = slot;
      break;
    }
  }
  std::memcpy(expected.data() + offsetof(ButtonDesign, LastTextIndex), &last, 4);
  if (textureRefused) expected[offsetof(ButtonDesign, TextureFile)] = 0;
  constexpr qsizetype kFontName = kDesignRecordSize + 4;
  const int nameLength = static_cast<std::uint8_t>(expected[kFontName]);
  std::fill(expected.begin() + kFontName + 1 + nameLength, expected.begin() + kFontName + 256, 0);
  expected[kDesignFileSize - 1] = static_cast<char>(expected[kDesignFileSize - 1] & 0x0F);
  return expected;
}

}  // namespace

// Fontconfig, under Qt's font database, keeps patterns for every family name asked for and
// never frees some of them; the leak check looks at our code and Qt's, not at that library.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static int argc = 1;
  static char name[] = "tessaro-fuzz";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  // Closed before the leak check at exit, which would count the font library's caches.
  std::atexit([] {
    delete gDir;
    delete app;
  });
  for (KernelVariant variant : kKernelVariants) {
    if (!KernelVariantRuns(variant)) {
      std::fprintf(stderr, "%s kernels: this processor cannot run them; not compared\n",
                   KernelVariantName(variant));
    }
  }
  gDir = new QTemporaryDir;
  gPath = gDir->filePath(QStringLiteral("design.kq"));
  // A single pixel, an odd small size, and a long thin strip.
  const QSize sizes[] = {{1, 1}, {5, 3}, {300, 2}};
  for (int i = 0; i < 3; ++i) {
    gTextures[i] = QImage(sizes[i], QImage::Format_RGB32);
    for (int y = 0; y < sizes[i].height(); ++y) {
      for (int x = 0; x < sizes[i].width(); ++x)
        gTextures[i].setPixel(x, y, qRgb(x * 40, y * 90, 200 - x));
    }
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  {
    QFile file(gPath);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
  }
  // The noise draws from the program's generator: start each input from the same seed, so a
  // saved input replays the same way.
  SetRandomSeed(0);

  ButtonDesign design{};
  CaptionFont font;
  FuzzHost host(design, font);
  // A byte past the 9313 of the file (the loader ignores it) picks the pump at which an
  // edit arrives and makes the running render start again.
  if (bytes.size() > kDesignFileSize) {
    host.editAtPump = static_cast<std::uint8_t>(bytes[kDesignFileSize]);
  }
  const bool loaded = LoadDesign(gPath, design, font, host);
  FUZZ_CHECK(loaded == (bytes.size() >= kDesignFileSize));
  FUZZ_CHECK(!host.renderer.RenderBusy());
  FUZZ_CHECK(host.images + host.refusals >= 1);
  if (loaded) {
    ShortString texture;
    std::memcpy(&texture, bytes.constData() + offsetof(ButtonDesign, TextureFile), sizeof texture);
    const bool refused =
        !texture.isEmpty() && TextureFormatOf(texture.text()) == TextureFormat::Unknown;
    FUZZ_CHECK(host.savedAtSync == ExpectedSave(bytes, refused));
    CheckAgainstReference(design, host.texture);
  }
  return 0;
}
