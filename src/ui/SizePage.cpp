// The "Size+Positioning" page: button size and Autosize, text position correction, border
// size.
#include <algorithm>

#include "LenientInt.h"
#include "MainWindow.h"

namespace {
// Width and height stay within 1..1024 and the box shows the corrected number at once;
// putting it there runs the box's handler once more, nested, for the corrected text.
int sizeFromBox(QLineEdit* box) {
  int value = LenientToInt(box->text());
  if (value < 1) {
    value = 1;
    box->setText(QStringLiteral("1"));
  }
  if (value > 1024) {
    value = 1024;
    box->setText(QStringLiteral("1024"));
  }
  return value;
}

// What the box holds, written back in its plain decimal form (abc becomes 0, +7 becomes 7).
void normaliseBox(QLineEdit* box) {
  box->setText(QString::number(LenientToInt(box->text())));
}
}  // namespace

void TForm1::Edit1Change() {
  design_.record.ButtonHeight = sizeFromBox(Edit1);
  // With Autosize the typed size has no effect on the button.
  if (!design_.record.AutoSize) RenderButton();
}

void TForm1::Edit2Change() {
  design_.record.ButtonWidth = sizeFromBox(Edit2);
  if (!design_.record.AutoSize) RenderButton();
}

void TForm1::Edit6Change() {
  design_.record.TextOffsetX = LenientToInt(Edit6->text());
  RenderButton();
}

void TForm1::Edit7Change() {
  design_.record.TextOffsetY = LenientToInt(Edit7->text());
  RenderButton();
}

void TForm1::Edit8Change() {
  design_.record.BorderWidth = LenientToInt(Edit8->text());
  RenderButton();
}

void TForm1::Edit9Change() {
  design_.record.BorderHeight = LenientToInt(Edit9->text());
  RenderButton();
}

// A changed text runs the change handler, which renders.
void TForm1::Edit6Exit() {
  normaliseBox(Edit6);
}

void TForm1::Edit7Exit() {
  normaliseBox(Edit7);
}

void TForm1::CheckBox1Click() {
  design_.record.AutoSize = CheckBox1->isChecked() ? 1 : 0;
  RenderButton();
}
