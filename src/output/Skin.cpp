#include "Skin.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <optional>

#include "AtomicFile.h"
#include "ButtonSet.h"
#include "ButtonSize.h"
#include "CaptionText.h"
#include "ExportSeries.h"
#include "ImageExport.h"
#include "ImageRenderHost.h"
#include "NinePatch.h"
#include "PngWriterThread.h"
#include "SkinJson.h"
#include "SkinWebPage.h"

namespace {
// No skin grows past this many pixels a side looking for room to stretch; the renderer's
// size clamp stops it well before.
constexpr int kLargestSkinSide = 4096;

// The look of a state; a skin is drawn without a caption.
ButtonLook CaptionlessLook(const ButtonLook& normal, ButtonState state, const SkinOptions& o) {
  return LookOfState(normal, state, o.stateOptions, o.stateLooks);
}

// The looks made `size` with their insets; false when some state cannot be that size.
bool SizeLooks(const QList<ButtonLook>& looks, QSize size, QList<ButtonLook>* sized,
               QList<SkinInsets>* insets) {
  sized->clear();
  insets->clear();
  for (ButtonLook look : looks) {
    if (!FixButtonSize(look.design, look.font, size)) return false;
    const std::optional<SkinInsets> found = SkinInsetsOf(look.design, look.font);
    if (!found || found->size != size) return false;
    *sized << look;
    *insets << *found;
  }
  return true;
}

// Whether some state lacks a band it could have.
bool LacksWidthBand(const QList<ButtonLook>& looks, const QList<SkinInsets>& insets) {
  for (qsizetype i = 0; i < looks.size(); ++i) {
    if (ShapeStretchesAcross(looks[i].design.ShapeKind) && !insets[i].widthBand) return true;
  }
  return false;
}
bool LacksHeightBand(const QList<ButtonLook>& looks, const QList<SkinInsets>& insets) {
  for (qsizetype i = 0; i < looks.size(); ++i) {
    if (ShapeStretchesDown(looks[i].design.ShapeKind) && !insets[i].heightBand) return true;
  }
  return false;
}

// The smallest n in from..limit for which ok(n) holds, for an ok that keeps holding once it
// does; none when it does not hold at the largest length tried.
std::optional<int> SmallestFrom(int from, int limit, const std::function<bool(int)>& ok) {
  int failed = from - 1;
  int step = 1;
  int held = -1;
  while (failed < limit) {
    const int next = std::min(limit, from + step - 1);
    if (ok(next)) {
      held = next;
      break;
    }
    failed = next;
    step *= 2;
  }
  if (held < 0) return std::nullopt;
  while (held - failed > 1) {
    const int mid = failed + (held - failed) / 2;
    if (ok(mid)) {
      held = mid;
    } else {
      failed = mid;
    }
  }
  return held;
}

QString ImagineStateEnding(ButtonState state) {
  switch (state) {
    case ButtonState::Normal:
      break;
    case ButtonState::Hover:
      return QStringLiteral("-hovered");
    case ButtonState::Pressed:
      return QStringLiteral("-pressed");
    case ButtonState::Disabled:
      return QStringLiteral("-disabled");
  }
  return {};
}
}  // namespace

QString SkinImageFileName(const QString& prefix, ButtonState state, int scale) {
  return prefix + QStringLiteral("-skin") + SetImageEnding(state, scale);
}

QString SkinNinePatchFileName(const QString& prefix, ButtonState state, int scale) {
  QString name = SkinImageFileName(prefix, state, scale);
  name.chop(4);  // ".png"
  return name + QStringLiteral(".9.png");
}

QString ImagineFileName(ButtonState state, int scale) {
  return QStringLiteral("button-background") + ImagineStateEnding(state) +
         (scale == 2 ? QStringLiteral("@2x") : QString()) + QStringLiteral(".9.png");
}

QList<SkinFile> SkinFiles(const SkinOptions& o) {
  QList<SkinFile> files;
  if (o.states.isEmpty()) return files;
  const unsigned out = o.outputs;
  const QString imagine = QString::fromLatin1(kImagineFolder) + u'/';
  const ButtonState imagineBase =
      o.states.contains(ButtonState::Normal) ? ButtonState::Normal : o.states[0];
  for (ButtonState state : o.states) {
    for (int scale : {1, 2}) {
      if (!o.scales.contains(scale)) continue;
      if (out & (kSkinWeb | kSkinJson)) {
        files << SkinFile{SkinFile::Image, SkinImageFileName(o.prefix, state, scale), state, scale};
      }
      if (out & kSkinNinePatch) {
        files << SkinFile{SkinFile::NinePatch, SkinNinePatchFileName(o.prefix, state, scale), state,
                          scale};
      }
      if (out & kSkinImagine) {
        const ButtonState named = state == imagineBase ? ButtonState::Normal : state;
        files << SkinFile{SkinFile::Imagine, imagine + ImagineFileName(named, scale), state, scale};
      }
    }
  }
  if (out & kSkinWeb) {
    files << SkinFile{SkinFile::Stylesheet, SkinStylesheetFileName(o.prefix)};
    files << SkinFile{SkinFile::Page, SkinPageFileName(o.prefix)};
  }
  if (out & kSkinJson) files << SkinFile{SkinFile::Json, SkinJsonFileName(o.prefix)};
  return files;
}

QString SkinOptionsProblem(const SkinOptions& o) {
  const QString images =
      StateImagesProblem(QStringLiteral("skin"), o.states, o.scales, o.stateOptions);
  if (!images.isEmpty()) return images;
  if (o.prefix.isEmpty())
    return QStringLiteral("The skin's files need a name: the prefix is empty.");
  if (o.prefix.contains(u'/') || o.prefix.contains(u'\\') || o.prefix == u'.' ||
      o.prefix == QStringLiteral("..")) {
    return QStringLiteral("The prefix %1 names a folder; it is the start of the skin's file names.")
        .arg(o.prefix);
  }
  if ((o.outputs & kAllSkinOutputs) == 0) return QStringLiteral("No output is asked for.");
  if (o.size.isValid() && (o.size.width() < 1 || o.size.height() < 1)) {
    return QStringLiteral("A skin is at least 1 x 1 pixels.");
  }
  return {};
}

QStringList SkinStretchWarnings(const ButtonLook& look) {
  QStringList warnings;
  const ButtonDesign& d = look.design;
  switch (d.FillKind) {
    case kGradient:
      warnings << QStringLiteral("the gradient stretches with the button");
      break;
    case kPlasma:
      warnings << QStringLiteral("the plasma surface stretches with the button");
      break;
    case kPlasma2:
      warnings << QStringLiteral("the plasma 2 surface stretches with the button");
      break;
    case kTexture:
      // Without a texture the surface is its single colour.
      if (!d.TextureFile.isEmpty() && !look.texture.isNull()) {
        warnings << (d.TextureStretch ? QStringLiteral("the texture stretches with the button")
                                      : QStringLiteral("the tiled texture stretches with the "
                                                       "button"));
      }
      break;
    default:
      break;
  }
  // A distortion of 1 draws only zeros: the surface stays as it is.
  if (d.Distortion > 1) warnings << QStringLiteral("the noise stretches with the button");
  if (d.ShapeKind == kEllipse) {
    warnings << QStringLiteral("the ellipse's curve stretches with the button");
  }
  return warnings;
}

bool MakeSkin(const ButtonLook& normal, const QString& caption, const SkinOptions& options,
              Skin* skin, QString* error) {
  *error = SkinOptionsProblem(options);
  if (!error->isEmpty()) return false;
  QList<ButtonLook> looks;
  for (ButtonState state : options.states)
    looks << CaptionlessLook(normal, state, options);

  const QSize asked =
      options.size.isValid() ? options.size : ButtonImageSize(normal.design, normal.font, caption);
  if (asked.isEmpty()) {
    *error = QStringLiteral("The button is empty (a size of 0): there is no skin to make.");
    return false;
  }
  QList<ButtonLook> sized;
  QList<SkinInsets> insets;
  if (!SizeLooks(looks, asked, &sized, &insets)) {
    *error = QStringLiteral("The skin cannot be made %1 x %2 pixels in every state.")
                 .arg(asked.width())
                 .arg(asked.height());
    return false;
  }
  // Room to stretch: the width, then the height, each to the smallest that leaves a band
  // with the other as it stands, in turn until both have one. A taller button needs more
  // width (and a wider one more height) before its middle stops changing, never less, so
  // each step keeps what the one before found, and each side ends at its smallest.
  QSize size = asked;
  for (int round = 0; round < 8; ++round) {
    const QSize before = size;
    QList<ButtonLook> trial;
    QList<SkinInsets> trialInsets;
    if (LacksWidthBand(sized, insets)) {
      const std::optional<int> width = SmallestFrom(size.width() + 1, kLargestSkinSide, [&](int w) {
        return SizeLooks(looks, QSize(w, size.height()), &trial, &trialInsets) &&
               !LacksWidthBand(trial, trialInsets);
      });
      if (width) size.setWidth(*width);
    }
    SizeLooks(looks, size, &sized, &insets);
    if (LacksHeightBand(sized, insets)) {
      const std::optional<int> height =
          SmallestFrom(size.height() + 1, kLargestSkinSide, [&](int h) {
            return SizeLooks(looks, QSize(size.width(), h), &trial, &trialInsets) &&
                   !LacksHeightBand(trial, trialInsets);
          });
      if (height) size.setHeight(*height);
    }
    SizeLooks(looks, size, &sized, &insets);
    if (size == before || (!LacksWidthBand(sized, insets) && !LacksHeightBand(sized, insets))) {
      break;
    }
  }

  Skin made;
  made.size = size;
  for (const ButtonLook& look : sized) {
    for (const QString& warning : SkinStretchWarnings(look)) {
      if (!made.warnings.contains(warning)) made.warnings << warning;
    }
  }
  for (qsizetype i = 0; i < sized.size(); ++i) {
    const int shape = sized[i].design.ShapeKind;
    if (shape != kEllipse && !insets[i].heightBand) {
      const QString warning =
          QStringLiteral("the shape's ends stretch when the button grows taller");
      if (!made.warnings.contains(warning)) made.warnings << warning;
    }
  }
  if (size != asked) {
    made.warnings << QStringLiteral(
                         "the skin is %1 x %2 pixels, larger than %3 x %4, to leave "
                         "room that stretches")
                         .arg(size.width())
                         .arg(size.height())
                         .arg(asked.width())
                         .arg(asked.height());
  }

  unsigned extras = 0;
  if (options.scales.contains(1)) extras |= kTransparent;
  if (options.scales.contains(2)) extras |= kTransparent2x;
  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.setExtraImages(extras);
  const ButtonDesign normalDesign = CaptionlessLook(normal, ButtonState::Normal, options).design;
  for (qsizetype i = 0; i < sized.size(); ++i) {
    const ButtonLook& look = sized[i];
    host.texture = look.texture;
    const int before = host.images;
    renderer.RenderButton(look.design, look.font, QString());
    if (host.images == before || host.image.isNull()) {
      *error =
          QStringLiteral("The %1 skin cannot be rendered.\n%2")
              .arg(StateName(options.states[i]),
                   host.refusal.isEmpty() ? QStringLiteral("The button is empty.") : host.refusal);
      return false;
    }
    SkinStateImage state;
    state.state = options.states[i];
    state.oneX = renderer.extraImages().transparent;
    state.twoX = renderer.extraImages().transparent2x;
    state.insets = insets[i];
    const Colour text = ResolveColour(look.design.TextColour);
    state.textColour = qRgb(RedOf(text), GreenOf(text), BlueOf(text));
    state.font = look.font;
    const int k = look.design.Antialias ? 4 : 1;
    state.lineHeight = static_cast<int>(CaptionMetrics(CaptionQFont(look.font, k)).height() / k);
    state.textShift = QPoint(look.design.TextOffsetX - normalDesign.TextOffsetX,
                             look.design.TextOffsetY - normalDesign.TextOffsetY);
    made.states << state;
  }
  *skin = made;
  return true;
}

bool ExportSkin(const ButtonLook& normal, const QList<Caption>& captions, int current,
                const SkinOptions& options, QString* error, QStringList* warnings) {
  if (!QFileInfo(options.folder).isDir()) {
    *error = QStringLiteral("%1 is not a folder").arg(QDir::toNativeSeparators(options.folder));
    return false;
  }
  Skin skin;
  if (!MakeSkin(normal, captions.value(current).text, options, &skin, error)) return false;
  if (warnings) *warnings = skin.warnings;

  const QString folder = options.folder;
  const QList<SkinFile> files = SkinFiles(options);
  const QString imagine = PathInFolder(folder, QString::fromLatin1(kImagineFolder));
  const bool wantsImagine = std::any_of(
      files.begin(), files.end(), [](const SkinFile& f) { return f.kind == SkinFile::Imagine; });
  if (wantsImagine && !QDir().mkpath(imagine)) {
    *error = QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(imagine));
    return false;
  }

  // The images are compressed and written on threads of their own while the rest is made:
  // one per kind of file, as each file waits for its data to reach the disk, and waits
  // that overlap cost about one.
  PngWriterThread threads[3];
  QImage patch;  // of the last nine-patch file, which the next one may share
  const SkinFile* patchOf = nullptr;
  bool written = true;
  for (const SkinFile& file : files) {
    const QString path = PathInFolder(folder, file.name);
    if (file.kind == SkinFile::Stylesheet) {
      written = WriteFileAtomically(
          path, SkinStylesheet(skin, options.prefix, options.scales).toUtf8(), error);
    } else if (file.kind == SkinFile::Page) {
      written = WriteFileAtomically(path, SkinPage(skin, options.prefix, captions).toUtf8(), error);
    } else if (file.kind == SkinFile::Json) {
      written = WriteFileAtomically(path, SkinJson(skin, options.prefix, options.scales), error);
    } else {
      // The skin's states are those asked for, in their order.
      const SkinStateImage& state = skin.states[options.states.indexOf(file.state)];
      const QImage& image = file.scale == 1 ? state.oneX : state.twoX;
      if (file.kind == SkinFile::Image) {
        threads[0].write(path, image);
        continue;
      }
      if (!patchOf || patchOf->state != file.state || patchOf->scale != file.scale) {
        patch = NinePatchImage(image, state.insets.stretch * file.scale,
                               state.insets.content * file.scale);
        patchOf = &file;
      }
      threads[file.kind == SkinFile::NinePatch ? 1 : 2].write(path, patch);
    }
    if (!written) break;
  }
  QString writeError;
  bool imagesWritten = true;
  for (PngWriterThread& thread : threads) {
    QString threadError;
    if (!thread.finish(&threadError) && imagesWritten) {
      imagesWritten = false;
      writeError = threadError;
    }
  }
  if (!written) return false;
  if (!imagesWritten) {
    *error = writeError;
    return false;
  }
  return true;
}
