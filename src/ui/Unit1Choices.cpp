// The radio buttons of the Shape, General (fill) and Surface (tiling) pages. Each runs when
// its button becomes selected.
#include "Unit1.h"

void TForm1::RadioButton1Click() {
  ButtonDesign_.ShapeKind = kRectangle;
  RenderButton();
}

void TForm1::RadioButton2Click() {
  ButtonDesign_.ShapeKind = kRoundedEdges;
  RenderButton();
}

void TForm1::RadioButton3Click() {
  ButtonDesign_.ShapeKind = kHexagon;
  RenderButton();
}

void TForm1::RadioButton4Click() {
  ButtonDesign_.ShapeKind = kOctagon;
  RenderButton();
}

void TForm1::RadioButton12Click() {
  ButtonDesign_.ShapeKind = kEllipse;
  RenderButton();
}

void TForm1::RadioButton13Click() {
  ButtonDesign_.ShapeKind = kRoundedRectangle;
  RenderButton();
}

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

void TForm1::RadioButton10Click() {
  ButtonDesign_.TextureStretch = 0;
  RenderButton();
}

void TForm1::RadioButton11Click() {
  ButtonDesign_.TextureStretch = 1;
  RenderButton();
}
