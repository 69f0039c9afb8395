// The "Bevel" page: bevel size, highlight and shadow colours.
#include "LenientInt.h"
#include "MainWindow.h"

void TForm1::Edit4Change() {
  design_.record.BevelSize = LenientToInt(Edit4->text());
  RenderButton();
}

void TForm1::Label2Click() {
  PickColour(design_.record.HighlightColour, Shape7);
}

void TForm1::Label9Click() {
  PickColour(design_.record.ShadowColour, Shape8);
}
