#include "RenderCommand.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "ButtonRenderer.h"
#include "ButtonSet.h"
#include "CommandHost.h"
#include "DesignConversion.h"
#include "DesignFile.h"
#include "ExportSeries.h"
#include "ImageChoice.h"
#include "RandomDesign.h"
#include "SkinCommand.h"

namespace {
void fail(const QString& message) {
  std::fprintf(stderr, "tessaro-render: %s\n", qPrintable(message));
}

void printSize(const QString& sizeText, const QImage& image) {
  std::printf("%s\n%d x %d\n", qPrintable(sizeText), image.width(), image.height());
}

// Reads a design file into a look, as the editor opens one (a texture that cannot be read
// is reported and left out); false when the file cannot be read.
bool LoadLook(const QString& path, ButtonLook* look) {
  CommandHost host;
  ResetDesign(look->design, look->font, host);
  if (!LoadDesign(path, look->design, look->font, host)) return false;
  look->texture = host.texture;
  return true;
}

}  // namespace

int RunRenderCommand(const CommandOptions& options) {
  for (const QString& folder : {options.captionsFolder, options.skinFolder}) {
    if (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
      fail(QStringLiteral("%1 is not a folder").arg(folder));
      return kCommandFailed;
    }
  }
  ButtonSetOptions set;
  set.folder = options.setFolder;
  set.prefix = options.prefix;
  set.states = options.setStates;
  set.scales = options.setScales;
  set.uniform = options.uniform;
  set.sheet = options.sheet;
  set.stateOptions = options.stateOptions;
  // A set that cannot be written stops the command before it writes anything.
  if (!options.setFolder.isEmpty()) {
    QString error;
    if (!CheckSetOptions(set, &error)) {
      fail(error);
      return kCommandFailed;
    }
  }

  ButtonLook normal;
  CommandHost host;
  ButtonRenderer renderer(host);
  ResetDesign(normal.design, normal.font, host);
  if (!options.designPath.isEmpty() &&
      !LoadDesign(options.designPath, normal.design, normal.font, host)) {
    return kCommandFailed;
  }
  QMap<ButtonState, ButtonLook> stateLooks;
  for (const auto& [state, path] : options.stateDesigns) {
    if (!LoadLook(path, &stateLooks[state])) return kCommandFailed;
  }
  if (options.random) MakeRandomDesign(normal.design, normal.font, host);
  normal.texture = host.texture;
  if (!options.saveDesignPath.isEmpty()) {
    QString error;
    if (!SaveDesign(options.saveDesignPath, normal.design, normal.font, &error)) {
      fail(error);
      return kCommandFailed;
    }
  }

  const Design design = DesignOfRecord(normal.design, normal.font);
  // The finished button of a look with a caption, or false with the render's reason.
  auto render = [&](const ButtonLook& look, const QString& caption, QImage* image,
                    QString* reason) {
    host.texture = look.texture;
    const RenderOutcome outcome = renderer.RenderButton(look.design, look.font, caption);
    if (!outcome.finished()) {
      *reason = outcome.reason;
      return false;
    }
    *image = host.image;
    return true;
  };

  if (!options.outputPath.isEmpty()) {
    const ButtonLook look = LookOfState(normal, options.state, options.stateOptions, stateLooks);
    renderer.setExtraImages(ExtrasFor(options.transparent, options.scale));
    QImage image;
    QString error;
    if (!render(look, design.currentText(), &image, &error)) {
      fail(error);
      return kCommandFailed;
    }
    image = ChosenImage(renderer.extraImages(), image, options.transparent, options.scale);
    renderer.setExtraImages(0);
    if (options.printSize) printSize(host.sizeText, image);
    if (!ExportImage(image, options.outputPath, options.outputType, &error)) {
      fail(error);
      return kCommandFailed;
    }
  }

  if (!options.captionsFolder.isEmpty()) {
    QString error;
    const bool written = ExportImageSeries(
        design.captions, options.captionsFolder, options.prefix, options.captionType,
        [&](int index, QImage* image, QString* reason) {
          if (!render(normal, design.captions[index].text, image, reason)) return false;
          if (options.printSize && options.outputPath.isEmpty()) printSize(host.sizeText, *image);
          return true;
        },
        &error);
    if (!written) {
      fail(error);
      return kCommandFailed;
    }
  }

  if (!options.setFolder.isEmpty()) {
    set.stateLooks = stateLooks;
    QString error;
    if (!ExportButtonSet(normal, design.captions, set, &error)) {
      fail(error);
      return kCommandFailed;
    }
  }
  if (!options.skinFolder.isEmpty())
    return RunSkinCommand(normal, design.captions, design.current, stateLooks, options);
  return kCommandOk;
}
