// The "Outline" page: the outline size box with its step buttons, and the outline colour.
// A click arrives before the mouse-up, so a step renders while its bevel still looks pressed.
#include <limits>

#include "LenientInt.h"
#include "MainWindow.h"

void TForm1::Edit3Change() {
  design_.record.OutlineSize = LenientToInt(Edit3->text());
  RenderButton();
}

void TForm1::Image9Click() {
  // No upper limit, but no wrap-around to a negative size at the end of the range either.
  if (design_.record.OutlineSize < std::numeric_limits<std::int32_t>::max()) {
    ++design_.record.OutlineSize;
  }
  // The box's own handler runs (and renders) before this one renders.
  Edit3->setText(QString::number(design_.record.OutlineSize));
  RenderButton();
}

void TForm1::Image8Click() {
  const std::int32_t size = design_.record.OutlineSize;
  design_.record.OutlineSize = size > 0 ? size - 1 : 0;
  Edit3->setText(QString::number(design_.record.OutlineSize));
  RenderButton();
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

void TForm1::Label10Click() {
  PickColour(design_.record.OutlineColour, Shape10);
}
