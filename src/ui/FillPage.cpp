// The "General" page: the fill colours, the fill direction, the fill type, the background
// and the plasma colour.
#include <algorithm>

#include "LenientInt.h"
#include "MainWindow.h"

void TForm1::Edit5Change() {
  // The box keeps what was typed; only the stored angle is clamped.
  design_.record.FillDirection = std::clamp(LenientToInt(Edit5->text()), -90, 90);
  RenderButton();
}

void TForm1::Label6Click() {
  PickColour(design_.record.Colour1, Shape1);
}

void TForm1::Label7Click() {
  PickColour(design_.record.Colour2, Shape2);
}

void TForm1::Label21Click() {
  PickColour(design_.record.BackColour, Shape5);
}

void TForm1::Label20Click() {
  PickColour(design_.record.PlasmaColour, Shape4);
}

// The fill type buttons; each runs when its button becomes selected.
void TForm1::RadioButton5Click() {
  design_.record.FillKind = kGradient;
  RenderButton();
}

void TForm1::RadioButton6Click() {
  design_.record.FillKind = kPlasma;
  RenderButton();
}

void TForm1::RadioButton7Click() {
  design_.record.FillKind = kPlasma2;
  RenderButton();
}

void TForm1::RadioButton8Click() {
  design_.record.FillKind = kSingleColour;
  RenderButton();
}

void TForm1::RadioButton9Click() {
  design_.record.FillKind = kTexture;
  RenderButton();
}
