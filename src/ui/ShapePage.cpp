// The "Shape" page: six radio buttons, each run when its button becomes selected.
#include "MainWindow.h"

void TForm1::RadioButton1Click() {
  design_.record.ShapeKind = kRectangle;
  RenderButton();
}

void TForm1::RadioButton2Click() {
  design_.record.ShapeKind = kRoundedEdges;
  RenderButton();
}

void TForm1::RadioButton3Click() {
  design_.record.ShapeKind = kHexagon;
  RenderButton();
}

void TForm1::RadioButton4Click() {
  design_.record.ShapeKind = kOctagon;
  RenderButton();
}

void TForm1::RadioButton12Click() {
  design_.record.ShapeKind = kEllipse;
  RenderButton();
}

void TForm1::RadioButton13Click() {
  design_.record.ShapeKind = kRoundedRectangle;
  RenderButton();
}
