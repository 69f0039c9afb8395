// Filling the controls from the design.
#include "ButtonRenderer.h"
#include "CaptionList.h"
#include "CaptionText.h"
#include "EditorText.h"
#include "MainWindow.h"

namespace {
QString decimal(int value) {
  return QString::number(value);
}
}  // namespace

// Each control's own handler runs when its shown value really changes and writes its field
// back, so a loaded record passes the same clamps as typed input; Syncing keeps all those
// handlers from rendering, and the caller renders once afterwards. The order matters: the
// handlers write into the record that the later steps read.
void TForm1::SyncControls() {
  // Lowered on every way out, or no render would ever run again.
  const ButtonRenderer::SyncingScope syncing(*renderer_);
  const ButtonDesign& d = design_.record;

  Edit8->setText(decimal(d.BorderWidth));
  Edit9->setText(decimal(d.BorderHeight));
  CheckBox2->setChecked(d.Antialias != 0);
  // The slider keeps its position within 0..100; a brightness above 100 moves it to the top.
  TrackBar1->setValue(100 - d.TextureBrightness);
  (d.TextureStretch == 0 ? RadioButton10 : RadioButton11)->setChecked(true);
  Edit6->setText(decimal(d.TextOffsetX));
  Edit7->setText(decimal(d.TextOffsetY));
  Label26->setText(FileNamePart(design_.texture));

  // A kind no button stands for leaves the group as it was.
  QRadioButton* const shapes[] = {RadioButton1, RadioButton2,  RadioButton3,
                                  RadioButton4, RadioButton12, RadioButton13};
  if (d.ShapeKind < std::size(shapes)) shapes[d.ShapeKind]->setChecked(true);

  ShowCaptionSlot();
  Label23->setText(QStringLiteral("%1 %").arg(d.Distortion));
  CheckBox1->setChecked(d.AutoSize != 0);
  Edit2->setText(decimal(d.ButtonWidth));
  Edit1->setText(decimal(d.ButtonHeight));
  Shape1->setFill(d.Colour1);
  Shape2->setFill(d.Colour2);
  // Shows the unclamped angle; the handler stores it clamped when the text changes.
  Edit5->setText(decimal(d.FillDirection));
  Buttontext->setFont(CaptionQFont(design_.font, 1));
  Label5->setText(design_.font.name);
  Shape9->setFill(d.TextColour);
  Edit4->setText(decimal(d.BevelSize));
  Shape7->setFill(d.HighlightColour);
  Shape8->setFill(d.ShadowColour);
  Shape5->setFill(d.BackColour);
  Edit3->setText(decimal(d.OutlineSize));
  Shape10->setFill(d.OutlineColour);
  Shape4->setFill(d.PlasmaColour);

  QRadioButton* const fills[] = {RadioButton5, RadioButton6, RadioButton7, RadioButton8,
                                 RadioButton9};
  if (d.FillKind < std::size(fills)) fills[d.FillKind]->setChecked(true);
  Shape6->setFill(d.SurfaceColour);
}

void TForm1::ShowCaptionSlot() {
  KeepCurrentCaption(design_);
  SetLastTextIndex(design_);
  Label1->setText(
      CaptionSlotHeading(design_.current, static_cast<int>(design_.captions.size()) - 1));
  Label1->adjustSize();
  // Only a real change reaches ButtonTextChange, which stores the text back and renders.
  const QString text = design_.currentText();
  if (text != memoText()) setMemoText(text);
}
