// tessaro-render: renders a design file (or the default design) without a window, with
// the editor's renderer, and writes the button as PNG, BMP or JPEG.
#include <QGuiApplication>
#include <cstdio>

#include "CommandOptions.h"
#include "QtChatter.h"
#include "RenderCommand.h"

int main(int argc, char** argv) {
  // Headless by design: no display is needed, whatever the environment says.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallQtChatterFilter();
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("tessaro-render"));

  const ParsedCommandLine parsed = ParseCommandLine(QGuiApplication::arguments());
  switch (parsed.action) {
    case ParsedCommandLine::Action::ShowHelp:
    case ParsedCommandLine::Action::ShowVersion:
      std::printf("%s\n", qPrintable(parsed.text.trimmed()));
      return kCommandOk;
    case ParsedCommandLine::Action::Refuse:
      std::fprintf(stderr, "tessaro-render: %s\n", qPrintable(parsed.text));
      return kCommandUsage;
    case ParsedCommandLine::Action::Run:
      break;
  }
  return RunRenderCommand(parsed.options);
}
