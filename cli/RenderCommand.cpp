#include "RenderCommand.h"

#include <QFileInfo>
#include <cstdio>

#include "ButtonRenderer.h"
#include "CommandHost.h"
#include "DesignFile.h"
#include "ExportSeries.h"
#include "RandomDesign.h"

namespace {
void fail(const QString& message) {
  std::fprintf(stderr, "tessaro-render: %s\n", qPrintable(message));
}

void printSize(const CommandHost& host) {
  std::printf("%s\n%d x %d\n", qPrintable(host.sizeText), host.image.width(), host.image.height());
}
}  // namespace

int RunRenderCommand(const CommandOptions& options) {
  if (!options.captionsFolder.isEmpty() && !QFileInfo(options.captionsFolder).isDir()) {
    fail(QStringLiteral("%1 is not a folder").arg(options.captionsFolder));
    return kCommandFailed;
  }

  ButtonDesign design{};
  CaptionFont font;
  CommandHost host(design);
  ButtonRenderer renderer(host);
  ResetDesign(design, font, host);
  if (!options.designPath.isEmpty() && !LoadDesign(options.designPath, design, font, host)) {
    return kCommandFailed;
  }
  if (options.random) MakeRandomDesign(design, font, host);
  if (!options.saveDesignPath.isEmpty()) {
    QString error;
    if (!SaveDesign(options.saveDesignPath, design, font, &error)) {
      fail(error);
      return kCommandFailed;
    }
  }

  // The finished button of the design as it stands, or false with the render's reason.
  auto render = [&](QImage* image, QString* reason) {
    const int before = host.images;
    renderer.RenderButton(design, font);
    if (host.images == before) {
      *reason = host.refusal;
      return false;
    }
    *image = host.image;
    return true;
  };

  if (!options.outputPath.isEmpty()) {
    QImage image;
    QString error;
    if (!render(&image, &error)) {
      fail(error);
      return kCommandFailed;
    }
    if (options.printSize) printSize(host);
    if (!ExportImage(image, options.outputPath, options.outputType, &error)) {
      fail(error);
      return kCommandFailed;
    }
  }

  if (!options.captionsFolder.isEmpty()) {
    QString error;
    const bool written = ExportImageSeries(
        design, options.captionsFolder, options.prefix, options.captionType,
        [&](QImage* image, QString* reason) {
          if (!render(image, reason)) return false;
          if (options.printSize && options.outputPath.isEmpty()) printSize(host);
          return true;
        },
        &error);
    if (!written) {
      fail(error);
      return kCommandFailed;
    }
  }
  return kCommandOk;
}
