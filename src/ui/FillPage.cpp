// The "General" page: the fill colours, the fill direction, the fill type, the background
// and the plasma colour.
#include <algorithm>

#include "LenientInt.h"
#include "MainWindow.h"

void TForm1::Edit5Change() {
  // The box keeps what was typed; only the stored angle is clamped.
  ButtonDesign_.FillDirection = std::clamp(LenientToInt(Edit5->text()), -90, 90);
  RenderButton();
}

void TForm1::Label6Click() {
  PickColour(ButtonDesign_.Colour1, Shape1);
}

void TForm1::Label7Click() {
  PickColour(ButtonDesign_.Colour2, Shape2);
}

void TForm1::Label21Click() {
  PickColour(ButtonDesign_.BackColour, Shape5);
}

void TForm1::Label20Click() {
  PickColour(ButtonDesign_.PlasmaColour, Shape4);
}

// The fill type buttons; each runs when its button becomes selected.
void TForm1::RadioButton5Click() {
  ButtonDesign_.FillKind = kGradient;
  RenderButton();
}

void TForm1::RadioButton6Click() {
  ButtonDesign_.FillKind = kPlasma;
  RenderButton();
}

void TForm1::RadioButton7Click() {
  ButtonDesign_.FillKind = kPlasma2;
  RenderButton();
}

void TForm1::RadioButton8Click() {
  ButtonDesign_.FillKind = kSingleColour;
  RenderButton();
}

void TForm1::RadioButton9Click() {
  ButtonDesign_.FillKind = kTexture;
  RenderButton();
}
