#include "CommandOptions.h"

#include <QCommandLineParser>

namespace {
using Action = ParsedCommandLine::Action;

ParsedCommandLine refuse(const QString& why) {
  ParsedCommandLine parsed;
  parsed.action = Action::Refuse;
  parsed.text = why;
  return parsed;
}
}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Renders a Tessaro button design (.kq) without a window and writes the button image.\n"
      "Without DESIGN the default design is rendered. Exit status: 0 on success, 1 when the\n"
      "design cannot be read, the button cannot be rendered or a file cannot be written\n"
      "(nothing partial is left behind), 2 for a wrong command line. A texture that cannot\n"
      "be read is reported and the button is rendered without it, as the editor does."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
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

  if (!parser.parse(arguments)) return refuse(parser.errorText());
  ParsedCommandLine parsed;
  if (parser.isSet(help)) {
    parsed.action = Action::ShowHelp;
    parsed.text = parser.helpText();
    return parsed;
  }
  if (parser.isSet(version)) {
    parsed.action = Action::ShowVersion;
    parsed.text = QStringLiteral("tessaro-render %1").arg(QStringLiteral(TESSARO_VERSION));
    return parsed;
  }

  CommandOptions& o = parsed.options;
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1) {
    return refuse(
        QStringLiteral("expected at most one design file; quote a path that holds blanks"));
  }
  o.designPath = positional.value(0);
  o.captionsFolder = parser.value(allCaptions);
  if (parser.isSet(allCaptions) && o.captionsFolder.isEmpty()) {
    return refuse(QStringLiteral("--all-captions needs a folder"));
  }
  if (parser.isSet(output) || o.captionsFolder.isEmpty()) {
    o.outputPath =
        parser.value(output).isEmpty() ? QStringLiteral("button.png") : parser.value(output);
    const std::optional<ImageType> outputType = ImageTypeOfPath(o.outputPath);
    if (!outputType) {
      return refuse(QStringLiteral("unknown image type for %1: use .png, .bmp, .jpg or .jpeg")
                        .arg(o.outputPath));
    }
    o.outputType = *outputType;
  }
  const std::optional<ImageType> captionType =
      ImageTypeOfPath(QStringLiteral("x.") + parser.value(type));
  if (!captionType) {
    return refuse(QStringLiteral("--type takes jpg, bmp or png"));
  }
  o.captionType = *captionType;
  o.prefix = parser.value(prefix);
  o.random = parser.isSet(random);
  o.saveDesignPath = parser.value(saveDesign);
  o.printSize = parser.isSet(printSize);
  return parsed;
}
