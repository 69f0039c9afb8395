// tessaro-render: renders a design file (or the default design) without a window, with
// the editor's renderer, and writes the button as PNG, BMP or JPEG.
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "AtomicFile.h"
#include "ButtonRenderer.h"
#include "CommandHost.h"
#include "DesignFile.h"
#include "ImageExport.h"
#include "RandomDesign.h"

namespace {

enum ExitCode { kOk = 0, kFailed = 1, kUsage = 2 };

void fail(const QString& message) {
  std::fprintf(stderr, "tessaro-render: %s\n", qPrintable(message));
}

// Writes the image in the format its ending names; false with *error set otherwise.
bool writeImage(const QImage& image, const QString& path, const QString& type, QString* error) {
  if (image.isNull()) {
    *error = QStringLiteral("The button is empty (a size of 0); nothing written to %1").arg(path);
    return false;
  }
  if (type == QLatin1String("jpg")) return ExportJpeg(image, path, error);
  if (type == QLatin1String("bmp")) return ExportBmp(image, path, error);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(image)) {
    *error = QStringLiteral("Cannot encode %1: %2").arg(path, writer.errorString());
    return false;
  }
  return WriteFileAtomically(path, png, error);
}

// "png", "bmp" or "jpg" for a file name's ending; empty for any other.
QString typeOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png") || suffix == QLatin1String("bmp")) return suffix;
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return "jpg";
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  // Headless by design: no display is needed, whatever the environment says.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("tessaro-render"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Renders a Tessaro button design (.kq) without a window and writes the button image.\n"
      "Without DESIGN the default design is rendered. Exit status: 0 on success, 1 when the\n"
      "design cannot be read, the button cannot be rendered or a file cannot be written\n"
      "(nothing partial is left behind), 2 for a wrong command line. A texture that cannot\n"
      "be read is reported and the button is rendered without it, as the editor does."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("DESIGN"), QStringLiteral("The design file (.kq)."),
                               QStringLiteral("[DESIGN.kq]"));
  const QCommandLineOption output(
      {QStringLiteral("o"), QStringLiteral("output")},
      QStringLiteral("Write the button to FILE; the type follows the ending: .png, .bmp, .jpg "
                     "or .jpeg (default: button.png, unless --all-captions is given)."),
      QStringLiteral("FILE"));
  const QCommandLineOption allCaptions(
      QStringLiteral("all-captions"),
      QStringLiteral("Write one button per caption slot, from the first to the last slot in "
                     "use, into the existing folder DIR as PREFIX1, PREFIX2, ... (like Export "
                     "multiple)."),
      QStringLiteral("DIR"));
  const QCommandLineOption prefix(QStringLiteral("prefix"),
                                  QStringLiteral("File name prefix for --all-captions "
                                                 "(default: button)."),
                                  QStringLiteral("NAME"), QStringLiteral("button"));
  const QCommandLineOption type(QStringLiteral("type"),
                                QStringLiteral("File type for --all-captions: jpg, bmp or png "
                                               "(default: jpg)."),
                                QStringLiteral("jpg|bmp|png"), QStringLiteral("jpg"));
  const QCommandLineOption random(
      QStringLiteral("random"),
      QStringLiteral("Replace the look by a random design before rendering (captions are kept; "
                     "every run starts from the same seed, as the editor does)."));
  const QCommandLineOption saveDesign(QStringLiteral("save-design"),
                                      QStringLiteral("Write the design (after --random) to FILE."),
                                      QStringLiteral("FILE"));
  const QCommandLineOption printSize(
      QStringLiteral("print-size"),
      QStringLiteral("Print the size text, e.g. (100 x 20), and the image size."));
  parser.addOptions({output, allCaptions, prefix, type, random, saveDesign, printSize});
  parser.process(app);

  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1) {
    fail(QStringLiteral("expected at most one design file; quote a path that holds blanks"));
    return kUsage;
  }
  const QString outputPath =
      parser.isSet(output) || !parser.isSet(allCaptions)
          ? parser.value(output).isEmpty() ? QStringLiteral("button.png") : parser.value(output)
          : QString();
  const QString outputType = outputPath.isEmpty() ? QString() : typeOfPath(outputPath);
  if (!outputPath.isEmpty() && outputType.isEmpty()) {
    fail(
        QStringLiteral("unknown image type for %1: use .png, .bmp, .jpg or .jpeg").arg(outputPath));
    return kUsage;
  }
  const QString captionType = parser.value(type).toLower();
  if (captionType != QLatin1String("jpg") && captionType != QLatin1String("bmp") &&
      captionType != QLatin1String("png")) {
    fail(QStringLiteral("--type takes jpg, bmp or png"));
    return kUsage;
  }
  const QString captionDir = parser.value(allCaptions);
  if (parser.isSet(allCaptions) && !QFileInfo(captionDir).isDir()) {
    fail(QStringLiteral("%1 is not a folder").arg(captionDir));
    return kFailed;
  }

  ButtonDesign design{};
  CaptionFont font;
  CommandHost host(design);
  ButtonRenderer renderer(host);
  ResetDesign(design, font, host);
  if (!positional.isEmpty() && !LoadDesign(positional[0], design, font, host)) return kFailed;
  if (parser.isSet(random)) MakeRandomDesign(design, font, host);
  if (parser.isSet(saveDesign)) {
    QString error;
    if (!SaveDesign(parser.value(saveDesign), design, font, &error)) {
      fail(error);
      return kFailed;
    }
  }

  auto renderNow = [&]() {
    const int before = host.images;
    renderer.RenderButton(design, font);
    if (host.images == before) {
      fail(host.refusal);
      return false;
    }
    return true;
  };

  if (!outputPath.isEmpty()) {
    if (!renderNow()) return kFailed;
    if (parser.isSet(printSize)) {
      std::printf("%s\n%d x %d\n", qPrintable(host.sizeText), host.image.width(),
                  host.image.height());
    }
    QString error;
    if (!writeImage(host.image, outputPath, outputType, &error)) {
      fail(error);
      return kFailed;
    }
  }

  if (parser.isSet(allCaptions)) {
    const int last = LastSlot(design);
    design.LastTextIndex = last;
    for (int i = 0; i <= last; ++i) {
      design.TextIndex = i;
      if (!renderNow()) return kFailed;
      if (parser.isSet(printSize) && outputPath.isEmpty()) {
        std::printf("%s\n%d x %d\n", qPrintable(host.sizeText), host.image.width(),
                    host.image.height());
      }
      const QString path =
          QDir(captionDir)
              .filePath(
                  QStringLiteral("%1%2.%3").arg(parser.value(prefix)).arg(i + 1).arg(captionType));
      QString error;
      if (!writeImage(host.image, path, captionType, &error)) {
        fail(error);
        return kFailed;
      }
    }
  }
  return kOk;
}
