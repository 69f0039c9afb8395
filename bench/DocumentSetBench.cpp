// A design document with 100 named, linked captions whose set asks for every state at 1x and
// 2x with the sprite sheets, stylesheet and page (800 PNGs, two sheets, two text files),
// loaded and built by the command's own code, as `tessaro-render nav.tessaro --set` runs it,
// into a scratch folder on the disk. The time includes reading the document.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "CommandOptions.h"
#include "DesignFiles.h"
#include "RenderCommand.h"

namespace {

void BM_DocumentSetOf100CaptionsThroughTheCommand(benchmark::State& state) {
  QTemporaryDir dir;
  Design design;
  design.captions.clear();
  for (int i = 0; i < 100; ++i) {
    design.captions << Caption{QStringLiteral("Navigation item %1").arg(i + 1),
                               QStringLiteral("item-%1").arg(i + 1),
                               QStringLiteral("/page/%1").arg(i + 1)};
  }
  design.set.folder = dir.filePath(QStringLiteral("web"));
  design.set.prefix = QStringLiteral("nav");
  design.set.sheet = true;
  QDir(dir.path()).mkdir(QStringLiteral("web"));
  const QString path = dir.filePath(QStringLiteral("nav.tessaro"));
  QString error;
  if (!WriteDesign(path, design, &error)) state.SkipWithError(qPrintable(error));
  const ParsedCommandLine parsed =
      ParseCommandLine({QStringLiteral("tessaro-render"), path, QStringLiteral("--set")});
  for (auto _ : state) {
    if (RunRenderCommand(parsed.options) != kCommandOk) state.SkipWithError("the set failed");
  }
  if (QDir(design.set.folder).entryList(QDir::Files).size() != 804)
    state.SkipWithError("not every file was written");
  state.SetItemsProcessed(state.iterations() * 804);
}
BENCHMARK(BM_DocumentSetOf100CaptionsThroughTheCommand)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
