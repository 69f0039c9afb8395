// The "Bevel" page: bevel size, highlight and shadow colours.
#include "LenientInt.h"
#include "MainWindow.h"

void TForm1::Edit4Change() {
  ButtonDesign_.BevelSize = LenientToInt(Edit4->text());
  RenderButton();
}

void TForm1::Label2Click() {
  PickColour(ButtonDesign_.HighlightColour, Shape7);
}

void TForm1::Label9Click() {
  PickColour(ButtonDesign_.ShadowColour, Shape8);
}
