// The nine colour pickers, all on ColorDialog1.
#include <QColorDialog>

#include "Unit1.h"

void TForm1::PickColour(Colour& field, ColourSwatch* swatch) {
  ColorDialog1->setCurrentColor(ToQColor(field));
  if (ColorDialog1->exec() != QDialog::Accepted) return;
  const QColor chosen = ColorDialog1->selectedColor();
  swatch->setFill(chosen);
  field = FromQColor(chosen);
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

void TForm1::Label12Click() {
  PickColour(ButtonDesign_.TextColour, Shape9);
}

void TForm1::Label2Click() {
  PickColour(ButtonDesign_.HighlightColour, Shape7);
}

void TForm1::Label9Click() {
  PickColour(ButtonDesign_.ShadowColour, Shape8);
}

void TForm1::Label10Click() {
  PickColour(ButtonDesign_.OutlineColour, Shape10);
}

void TForm1::Label8Click() {
  PickColour(ButtonDesign_.SurfaceColour, Shape6);
}
