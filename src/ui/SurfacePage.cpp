// The "Surface" page: the distortion steps and the noise colour, the hidden Antialias box,
// and the texture: Browse, Clear, tile or stretch, the brightness slider, and the texture
// holder Image2 that renders and design loading read and write.
#include <QFileDialog>
#include <algorithm>

#include "EditorText.h"
#include "MainWindow.h"
#include "TextureImage.h"

namespace {
QString percentText(int value) {
  return QStringLiteral("%1 %").arg(value);
}
}  // namespace

void TForm1::Image5Click() {
  // A value above 100 can only come from a design file; up brings it back to 100.
  design_.record.Distortion =
      static_cast<std::uint8_t>(std::min(design_.record.Distortion + 10, 100));
  Label23->setText(percentText(design_.record.Distortion));
  RenderButton();
}

void TForm1::Image6Click() {
  const int d = design_.record.Distortion;
  design_.record.Distortion = static_cast<std::uint8_t>(d > 10 ? d - 10 : 0);
  Label23->setText(percentText(design_.record.Distortion));
  RenderButton();
}

void TForm1::Image5MouseDown() {
  Bevel18->setBevelStyle(Bevel::Lowered);
}

void TForm1::Image5MouseUp() {
  Bevel18->setBevelStyle(Bevel::Raised);
}

void TForm1::Image6MouseDown() {
  Bevel19->setBevelStyle(Bevel::Lowered);
}

void TForm1::Image6MouseUp() {
  Bevel19->setBevelStyle(Bevel::Raised);
}

void TForm1::Label8Click() {
  PickColour(design_.record.SurfaceColour, Shape6);
}

void TForm1::CheckBox2Click() {
  design_.record.Antialias = CheckBox2->isChecked() ? 1 : 0;
  RenderButton();
}

void TForm1::RadioButton10Click() {
  design_.record.TextureStretch = 0;
  RenderButton();
}

void TForm1::RadioButton11Click() {
  design_.record.TextureStretch = 1;
  RenderButton();
}

void TForm1::Button2Click() {
  const QString path = prompts_.chooseFile(OpenPictureDialog1, QString());
  if (path.isEmpty()) return;
  takeTexture(path);
}

void TForm1::takeTexture(const QString& path) {
  if (TextureFormatOf(path) == TextureFormat::Unknown) {
    showError(QStringLiteral("Unknown file extension (%1)").arg(path));
    return;
  }
  // The path is kept whole, in any script; a read that fails leaves the previous texture and
  // its path, so the design never names a texture it does not show.
  QImage picture;
  QString error;
  if (!LoadTextureImage(path, &picture, &error)) {
    showError(error);
    return;
  }
  SetTexture(design_, path);
  Image2->setPicture(picture);
  Label26->setText(FileNamePart(design_.texture));
  design_.record.FillKind = kTexture;
  // Selecting the button runs its handler (and renders) when it was not selected before.
  RadioButton9->setChecked(true);
  RenderButton();
}

void TForm1::Button3Click() {
  // The fill kind stays; a texture fill without a texture paints as a single colour.
  clearTexture();
  SetTexture(design_, QString());
  Label26->setText(FileNamePart(design_.texture));
  RenderButton();
}

void TForm1::TrackBar1Change() {
  // The slider runs from 0 at the top to 100 at the bottom: up brightens.
  design_.record.TextureBrightness = static_cast<std::uint8_t>(100 - TrackBar1->value());
  if (design_.record.FillKind == kTexture) RenderButton();
}

bool TForm1::loadTexture(const QString& path) {
  QImage picture;
  QString error;
  if (!LoadTextureImage(path, &picture, &error)) return false;
  Image2->setPicture(picture);
  return true;
}

void TForm1::clearTexture() {
  Image2->setPicture(QImage());
}
