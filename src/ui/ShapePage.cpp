// The "Shape" page: six radio buttons, each run when its button becomes selected.
#include "MainWindow.h"

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
