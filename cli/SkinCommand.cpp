#include "SkinCommand.h"

#include <QRegularExpression>
#include <cstdio>

#include "CommandOptions.h"
#include "RenderCommand.h"
#include "Skin.h"

namespace {
const QString kSkin = QStringLiteral("skin");
const QString kSkinSize = QStringLiteral("skin-size");
const QString kSkinOutputs = QStringLiteral("skin-outputs");

struct OutputName {
  const char* name;
  SkinOutput output;
};
constexpr OutputName kOutputNames[] = {{"web", kSkinWeb},
                                       {"nine-patch", kSkinNinePatch},
                                       {"imagine", kSkinImagine},
                                       {"json", kSkinJson}};
}  // namespace

QList<QCommandLineOption> SkinCommandLineOptions() {
  return {
      QCommandLineOption(
          kSkin,
          QStringLiteral("Write a skin into the existing folder DIR: the design without its "
                         "caption in each state of --states at each scale of --scales, with "
                         "insets that let it stretch behind live text: PREFIX-skin.png, "
                         "PREFIX-skin-hover.png, ... PREFIX-skin@2x.png, ..., PREFIX-skin.css "
                         "and PREFIX-skin.html, nine-patches PREFIX-skin*.9.png, imagine/ for "
                         "Qt Quick's Imagine style and PREFIX-skin.json."),
          QStringLiteral("DIR")),
      QCommandLineOption(kSkinSize,
                         QStringLiteral("The skin's size in pixels, e.g. 120x30 (default: the "
                                        "button's size for its current caption)."),
                         QStringLiteral("WxH")),
      QCommandLineOption(kSkinOutputs,
                         QStringLiteral("What the skin writes: web, nine-patch, imagine and/or "
                                        "json, separated by commas (default: all)."),
                         QStringLiteral("LIST"), QStringLiteral("web,nine-patch,imagine,json")),
  };
}

QString ReadSkinOptions(const QCommandLineParser& parser, CommandOptions* o) {
  o->skinFolder = parser.value(kSkin);
  const bool skin = parser.isSet(kSkin);
  if (skin && o->skinFolder.isEmpty()) return QStringLiteral("--skin needs a folder");
  if (!skin && (parser.isSet(kSkinSize) || parser.isSet(kSkinOutputs))) {
    return QStringLiteral("--%1 goes with --skin")
        .arg(parser.isSet(kSkinSize) ? kSkinSize : kSkinOutputs);
  }
  if (parser.isSet(kSkinSize)) {
    static const QRegularExpression size(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch match = size.match(parser.value(kSkinSize));
    const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (width < 1 || height < 1) {
      return QStringLiteral("--skin-size takes WIDTHxHEIGHT in pixels, e.g. 120x30, not %1")
          .arg(parser.value(kSkinSize));
    }
    o->skinSize = QSize(width, height);
  }
  o->skinOutputs = 0;
  for (const QString& given : parser.value(kSkinOutputs).split(u',')) {
    unsigned found = 0;
    for (const OutputName& name : kOutputNames) {
      if (given.trimmed() == QLatin1String(name.name)) found = name.output;
    }
    if (found == 0 || (o->skinOutputs & found)) {
      return QStringLiteral(
                 "--skin-outputs: unknown or repeated output \"%1\"; use web, "
                 "nine-patch, imagine and json, each once")
          .arg(given.trimmed());
    }
    o->skinOutputs |= found;
  }
  if (skin) {
    SkinOptions check;
    check.prefix = parser.value(QStringLiteral("prefix"));
    const QString problem = SkinOptionsProblem(check);
    if (!problem.isEmpty()) return QStringLiteral("--prefix: %1").arg(problem);
  }
  return {};
}

int RunSkinCommand(const ButtonLook& normal, const QList<Caption>& captions, int current,
                   const QMap<ButtonState, ButtonLook>& stateLooks, const CommandOptions& options) {
  SkinOptions skin;
  skin.folder = options.skinFolder;
  skin.prefix = options.prefix;
  skin.states = options.setStates;
  skin.scales = options.setScales;
  skin.size = options.skinSize;
  skin.stateOptions = options.stateOptions;
  skin.stateLooks = stateLooks;
  skin.outputs = options.skinOutputs;
  QString error;
  QStringList warnings;
  const bool written = ExportSkin(normal, captions, current, skin, &error, &warnings);
  for (const QString& warning : warnings)
    std::fprintf(stderr, "tessaro-render: warning: %s\n", qPrintable(warning));
  if (!written) {
    std::fprintf(stderr, "tessaro-render: %s\n", qPrintable(error));
    return kCommandFailed;
  }
  return kCommandOk;
}
