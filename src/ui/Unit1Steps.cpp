// The step buttons of the Surface (distortion) and Outline pages, and their pressed look.
// A click arrives before the mouse-up, so a step renders while its bevel still looks pressed.
#include <algorithm>
#include <limits>

#include "Unit1.h"

namespace {
QString percentText(int value) {
  return QStringLiteral("%1 %").arg(value);
}
}  // namespace

void TForm1::Image5Click() {
  // A value above 100 can only come from a design file; up brings it back to 100.
  ButtonDesign_.Distortion =
      static_cast<std::uint8_t>(std::min(ButtonDesign_.Distortion + 10, 100));
  Label23->setText(percentText(ButtonDesign_.Distortion));
  RenderButton();
}

void TForm1::Image6Click() {
  const int d = ButtonDesign_.Distortion;
  ButtonDesign_.Distortion = static_cast<std::uint8_t>(d > 10 ? d - 10 : 0);
  Label23->setText(percentText(ButtonDesign_.Distortion));
  RenderButton();
}

void TForm1::Image9Click() {
  // No upper limit, but no wrap-around to a negative size at the end of the range either.
  if (ButtonDesign_.OutlineSize < std::numeric_limits<std::int32_t>::max()) {
    ++ButtonDesign_.OutlineSize;
  }
  // The box's own handler runs (and renders) before this one renders.
  Edit3->setText(QString::number(ButtonDesign_.OutlineSize));
  RenderButton();
}

void TForm1::Image8Click() {
  const std::int32_t size = ButtonDesign_.OutlineSize;
  ButtonDesign_.OutlineSize = size > 0 ? size - 1 : 0;
  Edit3->setText(QString::number(ButtonDesign_.OutlineSize));
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

void TForm1::Image8MouseDown() {
  Bevel22->setBevelStyle(Bevel::Lowered);
}

void TForm1::Image8MouseUp() {
  Bevel22->setBevelStyle(Bevel::Raised);
}

void TForm1::Image9MouseDown() {
  Bevel23->setBevelStyle(Bevel::Lowered);
}

void TForm1::Image9MouseUp() {
  Bevel23->setBevelStyle(Bevel::Raised);
}
