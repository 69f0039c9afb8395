#include "RenderCommand.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "AtomicFile.h"
#include "ButtonRenderer.h"
#include "ButtonSet.h"
#include "CaptionsCsv.h"
#include "CommandHost.h"
#include "DesignFiles.h"
#include "ExportSeries.h"
#include "ImageChoice.h"
#include "RandomDesign.h"
#include "SkinCommand.h"

namespace {
void fail(const QString& message) {
  std::fprintf(stderr, "tessaro-render: %s\n", qPrintable(message));
}

void warn(const QString& message) {
  std::fprintf(stderr, "tessaro-render: warning: %s\n", qPrintable(message));
}

void printSize(const QString& sizeText, const QImage& image) {
  std::printf("%s\n%d x %d\n", qPrintable(sizeText), image.width(), image.height());
}

// Reads a design of either kind into a look, as the editor opens one (a texture that cannot
// be read is reported and left out); false when the design cannot be read.
bool LoadLook(const QString& path, ButtonLook* look) {
  CommandHost host;
  Design design;
  if (!LoadDesign(path, design, host)) return false;
  *look = {design.record, design.font, host.texture};
  return true;
}

// Replaces the design's captions by those of a CSV file; false with the reason shown.
bool ReadCaptions(const QString& path, Design* design) {
  QByteArray data;
  QString error;
  if (!ReadFileHead(path, kMaxDesignDocumentBytes + 1, &data, &error)) {
    fail(error);
    return false;
  }
  if (data.size() > kMaxDesignDocumentBytes) {
    fail(QStringLiteral("%1: a caption list holds at most %2 MiB")
             .arg(path)
             .arg(kMaxDesignDocumentBytes / (1024 * 1024)));
    return false;
  }
  QList<Caption> captions;
  if (!ReadCaptionsCsv(data, &captions, &error)) {
    fail(QStringLiteral("%1: %2").arg(path, error));
    return false;
  }
  design->captions = captions;
  design->current = std::min(design->current, static_cast<int>(captions.size()) - 1);
  SetLastTextIndex(*design);
  return true;
}

}  // namespace

int RunRenderCommand(const CommandOptions& given) {
  for (const QString& folder : {given.captionsFolder, given.skinFolder}) {
    if (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
      fail(QStringLiteral("%1 is not a folder").arg(folder));
      return kCommandFailed;
    }
  }

  CommandHost host;
  Design design;
  ResetDesign(design, host);
  if (!given.designPath.isEmpty() && !LoadDesign(given.designPath, design, host)) {
    return kCommandFailed;
  }
  if (!given.csvPath.isEmpty() && !ReadCaptions(given.csvPath, &design)) return kCommandFailed;
  const CommandOptions options = WithDesignChoices(given, design.set);

  ButtonSetOptions set;
  set.folder = options.setFolder;
  set.prefix = options.prefix;
  set.states = options.setStates;
  set.scales = options.setScales;
  set.uniform = options.uniform;
  set.sheet = options.sheet;
  set.stateOptions = options.stateOptions;
  // A set that cannot be written stops the command before it writes anything.
  if (options.set) {
    if (set.folder.isEmpty()) {
      fail(QStringLiteral("--set needs a folder: the design names none"));
      return kCommandUsage;
    }
    QString error;
    if (!CheckSetOptions(set, &error)) {
      fail(error);
      return kCommandFailed;
    }
    error = SetFilesProblem(set, design.captions);
    if (!error.isEmpty()) {
      fail(error);
      return kCommandFailed;
    }
  }

  QMap<ButtonState, ButtonLook> stateLooks;
  for (const auto& [state, path] : options.stateDesigns) {
    if (!LoadLook(path, &stateLooks[state])) return kCommandFailed;
  }
  if (options.random) MakeRandomDesign(design, host);
  const ButtonLook normal{design.record, design.font, host.texture};
  if (!options.saveDesignPath.isEmpty()) {
    QString error;
    QStringList losses;
    if (!WriteDesign(options.saveDesignPath, design, &error, &losses)) {
      fail(error);
      return kCommandFailed;
    }
    for (const QString& loss : losses)
      warn(QStringLiteral("%1 was written without %2").arg(options.saveDesignPath, loss));
  }

  ButtonRenderer renderer(host);
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

  if (options.set) {
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
