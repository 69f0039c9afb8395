// A design renders the same pixels whether it comes from its design file or from the design
// document that file converts to.
#include <gtest/gtest.h>

#include <QDir>

#include "ButtonRenderer.h"
#include "DesignFiles.h"
#include "ImageRenderHost.h"
#include "RandomGenerator.h"
#include "TempDir.h"

namespace {

struct Rendered {
  RenderOutcome::Kind kind;
  QString sizeText;
  QImage image, transparent2x;
};

// From the same seed, as noise draws from the program's generator.
Rendered Render(const Design& design) {
  SetRandomSeed(12345);
  ImageRenderHost host;
  ButtonRenderer renderer(host, 4 * 2048 * 1032);
  renderer.setExtraImages(kTransparent2x);
  const RenderOutcome outcome =
      renderer.RenderButton(design.record, design.font, design.currentText());
  return {outcome.kind, host.sizeText, host.image, renderer.extraImages().transparent2x};
}

TEST(DocumentPixels, ADesignFileAndItsDocumentRenderAlike) {
  const QDir corpus(QStringLiteral(TESSARO_TESTDATA "/../../fuzz/corpus/design"));
  TempDir dir;
  int compared = 0;
  for (const QString& name : corpus.entryList({"*.kq"}, QDir::Files, QDir::Name)) {
    SCOPED_TRACE(name.toStdString());
    Design fromFile;
    QString error;
    if (!ReadDesign(corpus.filePath(name), &fromFile, &error)) continue;  // not a design file
    const QString document = dir.path(QFileInfo(name).completeBaseName() + ".tessaro");
    ASSERT_TRUE(WriteDesign(document, fromFile, &error)) << error.toStdString();
    Design fromDocument;
    ASSERT_TRUE(ReadDesign(document, &fromDocument, &error)) << error.toStdString();

    const Rendered a = Render(fromFile);
    const Rendered b = Render(fromDocument);
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.sizeText, b.sizeText);
    EXPECT_TRUE(a.image == b.image) << "the button";
    EXPECT_TRUE(a.transparent2x == b.transparent2x) << "the transparent 2x image";
    ++compared;
  }
  EXPECT_GE(compared, 100);
}

}  // namespace
