#include "CommandOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "SkinCommand.h"

namespace {
using Action = ParsedCommandLine::Action;

// An integer within low..high, or none.
std::optional<int> IntegerWithin(const QString& text, int low, int high) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < low || value > high) return std::nullopt;
  return value;
}

std::optional<int> IntegerWithin(const QString& text, const StateOptionRange& range) {
  return IntegerWithin(text, range.low, range.high);
}

// The help text of a state option: what it does, its range and its default.
QString StateOptionHelp(const char* what, const StateOptionRange& range) {
  return QStringLiteral("%1, %2 (default: %3).")
      .arg(QLatin1String(what), RangeText(range))
      .arg(range.fallback);
}

// A comma-separated list of state names, each at most once; none when a name is unknown.
std::optional<QList<ButtonState>> StateList(const QString& text, QString* bad) {
  QList<ButtonState> states;
  for (const QString& name : text.split(u',')) {
    const std::optional<ButtonState> state = StateOfName(name.trimmed());
    if (!state || states.contains(*state)) {
      *bad = name.trimmed();
      return std::nullopt;
    }
    states << *state;
  }
  return states;
}

// "--set" takes the next argument as its folder unless that is another option or a file that
// exists (the design); then it takes none, and the design document names the folder.
QStringList WithSetFolders(QStringList arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] != QLatin1String("--set")) continue;
    const bool last = i + 1 == arguments.size();
    if (last || arguments[i + 1].startsWith(u'-') || QFileInfo(arguments[i + 1]).isFile())
      arguments[i] = QStringLiteral("--set=");
  }
  return arguments;
}

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
      "Renders a Tessaro button design (a design file .kq or a design document .tessaro)\n"
      "without a window and writes the button image, every caption's or a button set.\n"
      "Without DESIGN the default design is rendered. The set's choices of a design document\n"
      "(folder, prefix, states, scales, ...) apply unless the command line gives its own.\n"
      "Exit status: 0 on success, 1 when the design cannot be read, the button cannot be\n"
      "rendered or a file cannot be written (nothing partial is left behind), 2 for a wrong\n"
      "command line. A texture that cannot be read is reported and the button is rendered\n"
      "without it, as the editor does."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(
      QStringLiteral("DESIGN"),
      QStringLiteral("The design: a design file (.kq) or a design document (.tessaro)."),
      QStringLiteral("[DESIGN]"));
  const QCommandLineOption output(
      {QStringLiteral("o"), QStringLiteral("output")},
      QStringLiteral("Write the button to FILE; the type follows the ending: .png, .bmp, .jpg "
                     "or .jpeg (default: button.png, unless --all-captions is given)."),
      QStringLiteral("FILE"));
  const QCommandLineOption allCaptions(
      QStringLiteral("all-captions"),
      QStringLiteral("Write one button per caption, every caption of the design, into the "
                     "existing folder DIR as PREFIX1, PREFIX2, ..., a caption with a name as "
                     "PREFIX-NAME (like Export multiple)."),
      QStringLiteral("DIR"));
  const QCommandLineOption captions(
      QStringLiteral("captions"),
      QStringLiteral("Replace the design's captions by those of FILE, UTF-8 CSV whose header "
                     "names the columns text (required), name and link; a quoted field may "
                     "hold line breaks."),
      QStringLiteral("FILE.csv"));
  const QCommandLineOption prefix(
      QStringLiteral("prefix"),
      QStringLiteral("File name prefix for --all-captions, --set and --skin "
                     "(default: the design document's, otherwise button)."),
      QStringLiteral("NAME"), QStringLiteral("button"));
  const QCommandLineOption type(QStringLiteral("type"),
                                QStringLiteral("File type for --all-captions: jpg, bmp or png "
                                               "(default: jpg)."),
                                QStringLiteral("jpg|bmp|png"), QStringLiteral("jpg"));
  const QCommandLineOption random(
      QStringLiteral("random"),
      QStringLiteral("Replace the look by a random design before rendering (captions are kept; "
                     "every run starts from the same seed, as the editor does)."));
  const QCommandLineOption saveDesign(
      QStringLiteral("save-design"),
      QStringLiteral("Write the design (after --captions and --random) to FILE: a design "
                     "document for a name ending in .tessaro, a design file otherwise. What a "
                     "design file cannot hold (characters outside Windows-1252, captions beyond "
                     "32, names, links, set choices) is listed as warnings, and the file is "
                     "written without it."),
      QStringLiteral("FILE"));
  const QCommandLineOption printSize(
      QStringLiteral("print-size"),
      QStringLiteral("Print the size text, e.g. (100 x 20), and the image size."));
  const QCommandLineOption transparent(
      QStringLiteral("transparent"),
      QStringLiteral("Write the button of -o (a .png) with the page showing through."));
  const QCommandLineOption state(
      QStringLiteral("state"),
      QStringLiteral("The state of the button of -o: normal, hover, pressed or disabled "
                     "(default: normal)."),
      QStringLiteral("STATE"), QStringLiteral("normal"));
  const QCommandLineOption scale(
      QStringLiteral("scale"),
      QStringLiteral("The scale of the button of -o: 1, or 2 for twice the size (default: 1)."),
      QStringLiteral("1|2"), QStringLiteral("1"));
  const QCommandLineOption set(
      QStringLiteral("set"),
      QStringLiteral("Write a button set into the existing folder DIR (for a design document "
                     "that names its set's folder, DIR may be left out): transparent PNGs "
                     "PREFIXi.png, PREFIXi-hover.png, ... and PREFIXi@2x.png, ... for every "
                     "caption, state and scale, PREFIX-NAME.png, ... for a caption with a name."),
      QStringLiteral("DIR"));
  const QCommandLineOption states(QStringLiteral("states"),
                                  QStringLiteral("The states of the set, in this order (default: "
                                                 "normal,hover,pressed,disabled)."),
                                  QStringLiteral("LIST"),
                                  QStringLiteral("normal,hover,pressed,disabled"));
  const QCommandLineOption scales(QStringLiteral("scales"),
                                  QStringLiteral("The scales of the set: 1, 2 or 1,2 (default)."),
                                  QStringLiteral("LIST"), QStringLiteral("1,2"));
  const QCommandLineOption uniform(
      QStringLiteral("uniform"),
      QStringLiteral("Make every button of the set as large as the largest caption's button "
                     "(also when the design document asks for it)."));
  const QCommandLineOption sheet(
      QStringLiteral("sheet"),
      QStringLiteral("With --set, also write PREFIX-sheet.png (and PREFIX-sheet@2x.png), one "
                     "sprite sheet per scale, PREFIX.css with a class per caption (PREFIX-i, or "
                     "PREFIX-NAME for a named one), and PREFIX.html, a page that shows the set "
                     "in a browser and links each caption to its link (also when the design "
                     "document asks for them)."));
  const QCommandLineOption hoverLightness(
      QStringLiteral("hover-lightness"),
      StateOptionHelp("How far hover lightens the surface", kHoverLightnessRange),
      QStringLiteral("L"), QString::number(kHoverLightnessRange.fallback));
  const QCommandLineOption pressedShift(
      QStringLiteral("pressed-shift"),
      StateOptionHelp("How far pressed moves the caption right and down", kPressedShiftRange),
      QStringLiteral("P"), QString::number(kPressedShiftRange.fallback));
  const QCommandLineOption stateDesign(
      QStringLiteral("state-design"),
      QStringLiteral("Take a state's look from a design of its own, with the captions of "
                     "DESIGN, e.g. hover=hover.kq; may be given once per state, and replaces "
                     "the design document's design for that state."),
      QStringLiteral("STATE=FILE"));
  parser.addOptions({output, allCaptions, captions, prefix, type, random, saveDesign, printSize,
                     transparent, state, scale, set, states, scales, uniform, sheet, hoverLightness,
                     pressedShift, stateDesign});
  parser.addOptions(SkinCommandLineOptions());

  if (!parser.parse(WithSetFolders(arguments))) return refuse(parser.errorText());
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
  o.set = parser.isSet(set);
  o.setFolder = parser.value(set);
  o.csvPath = parser.value(captions);
  if (parser.isSet(captions) && o.csvPath.isEmpty()) {
    return refuse(QStringLiteral("--captions needs a CSV file"));
  }
  if (const QString why = ReadSkinOptions(parser, &o); !why.isEmpty()) return refuse(why);
  o.captionsFolder = parser.value(allCaptions);
  if (parser.isSet(allCaptions) && o.captionsFolder.isEmpty()) {
    return refuse(QStringLiteral("--all-captions needs a folder"));
  }
  if (parser.isSet(output) || (o.captionsFolder.isEmpty() && !o.set && o.skinFolder.isEmpty())) {
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

  const std::optional<ButtonState> oneState = StateOfName(parser.value(state));
  if (!oneState) {
    return refuse(QStringLiteral("unknown state %1: use normal, hover, pressed or disabled")
                      .arg(parser.value(state)));
  }
  o.state = *oneState;
  const std::optional<int> oneScale = IntegerWithin(parser.value(scale), 1, 2);
  if (!oneScale) return refuse(QStringLiteral("--scale takes 1 or 2"));
  o.scale = *oneScale;
  o.transparent = parser.isSet(transparent);
  if (o.transparent && !o.outputPath.isEmpty() && o.outputType != ImageType::Png) {
    return refuse(QStringLiteral("--transparent needs a .png output: %1 cannot show the page "
                                 "through")
                      .arg(o.outputPath));
  }

  QString bad;
  const std::optional<QList<ButtonState>> setStates = StateList(parser.value(states), &bad);
  if (!setStates) {
    return refuse(QStringLiteral("--states: unknown or repeated state \"%1\"; use normal, "
                                 "hover, pressed and disabled, each once")
                      .arg(bad));
  }
  o.setStates = *setStates;
  o.setScales.clear();
  for (const QString& text : parser.value(scales).split(u',')) {
    const std::optional<int> value = IntegerWithin(text.trimmed(), 1, 2);
    if (!value || o.setScales.contains(*value)) {
      return refuse(QStringLiteral("--scales takes 1, 2 or 1,2"));
    }
    o.setScales << *value;
  }
  std::sort(o.setScales.begin(), o.setScales.end());
  o.uniform = parser.isSet(uniform);
  o.sheet = parser.isSet(sheet);
  if (o.sheet && !o.set) return refuse(QStringLiteral("--sheet goes with --set"));
  const std::optional<int> lightness =
      IntegerWithin(parser.value(hoverLightness), kHoverLightnessRange);
  if (!lightness) {
    return refuse(
        QStringLiteral("--hover-lightness takes %1").arg(RangeText(kHoverLightnessRange)));
  }
  o.stateOptions.hoverLightness = *lightness;
  const std::optional<int> shift = IntegerWithin(parser.value(pressedShift), kPressedShiftRange);
  if (!shift) {
    return refuse(QStringLiteral("--pressed-shift takes %1").arg(RangeText(kPressedShiftRange)));
  }
  o.stateOptions.pressedShift = *shift;
  for (const QString& given : parser.values(stateDesign)) {
    const qsizetype equals = given.indexOf(u'=');
    const std::optional<ButtonState> which =
        equals > 0 ? StateOfName(given.left(equals)) : std::nullopt;
    if (!which || equals + 1 >= given.size()) {
      return refuse(
          QStringLiteral("--state-design takes STATE=FILE with a state of normal, hover, pressed "
                         "or disabled, not %1")
              .arg(given));
    }
    for (const auto& [earlier, file] : o.stateDesigns) {
      if (earlier == *which) {
        return refuse(QStringLiteral("--state-design names %1 twice").arg(StateName(*which)));
      }
    }
    o.stateDesigns.append({*which, given.mid(equals + 1)});
  }
  o.prefix = parser.value(prefix);
  o.given = {parser.isSet(prefix), parser.isSet(states), parser.isSet(scales),
             parser.isSet(hoverLightness), parser.isSet(pressedShift)};
  o.random = parser.isSet(random);
  o.saveDesignPath = parser.value(saveDesign);
  o.printSize = parser.isSet(printSize);
  return parsed;
}

CommandOptions WithDesignChoices(const CommandOptions& options, const SetChoices& choices) {
  CommandOptions o = options;
  if (o.set && o.setFolder.isEmpty()) o.setFolder = choices.folder;
  if (!o.given.prefix) o.prefix = choices.prefix;
  if (!o.given.states) o.setStates = choices.states;
  if (!o.given.scales) o.setScales = choices.scales;
  if (!o.given.hoverLightness) o.stateOptions.hoverLightness = choices.stateOptions.hoverLightness;
  if (!o.given.pressedShift) o.stateOptions.pressedShift = choices.stateOptions.pressedShift;
  o.uniform = o.uniform || choices.uniform;
  o.sheet = o.sheet || choices.sheet;
  QMap<ButtonState, QString> designs = choices.stateDesigns;
  for (const auto& [state, path] : options.stateDesigns)
    designs[state] = path;
  o.stateDesigns.clear();
  for (auto at = designs.cbegin(); at != designs.cend(); ++at)
    o.stateDesigns.append({at.key(), at.value()});
  return o;
}
