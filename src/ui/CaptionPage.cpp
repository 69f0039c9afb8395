// The "Text" page: the caption memo, the caption-slot arrows, the font button and the text
// colour.
#include <QFontDialog>
#include <QSignalBlocker>
#include <QTextCursor>
#include <algorithm>

#include "CaptionText.h"
#include "EditorText.h"
#include "FormLook.h"
#include "MainWindow.h"

namespace {
constexpr int kCaptionLimit = 255;
}

QString TForm1::memoText() const {
  // toPlainText() would turn non-breaking spaces into plain ones; the raw text keeps them.
  QString text = Buttontext->document()->toRawText();
  for (QChar& c : text) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
  }
  return text;
}

void TForm1::setMemoText(const QString& text) {
  memoFromProgram_ = true;
  Buttontext->setPlainText(text);
  memoFromProgram_ = false;
}

void TForm1::correctMemoText(const QString& text) {
  const QSignalBlocker quiet(Buttontext);
  const int caret = Buttontext->textCursor().position();
  Buttontext->setPlainText(text);
  QTextCursor cursor = Buttontext->textCursor();
  cursor.setPosition(std::min(caret, Buttontext->document()->characterCount() - 1));
  Buttontext->setTextCursor(cursor);
}

// QPlainTextEdit reports every setPlainText, also of the same text; the handlers expect a
// notification for real changes only, so they are filtered here. The memo also holds at
// most 255 characters of slot text (a line break counts as CR LF): a user edit beyond that
// is cut back, as a length-limited edit control refuses it. A text the program puts in is
// shown whole; the slot takes its first 255 characters.
void TForm1::memoTextChanged() {
  QString text = memoText();
  if (text == memoSeen_) return;
  if (!memoFromProgram_) {
    const QString fitted = FitMemoText(text, kCaptionLimit);
    if (fitted != text) {
      correctMemoText(fitted);
      text = fitted;
      if (text == memoSeen_) return;
    }
  }
  memoSeen_ = text;
  ButtonTextChange();
}

void TForm1::ButtonTextChange() {
  ShortString& slot = ButtonDesign_.currentSlot();
  if (!slot.setText(MemoTextToSlot(memoText()))) {
    // Windows-1252 has no such character and the slot holds "?" in its place: the memo
    // shows what was stored rather than what can never be saved or drawn.
    memoSeen_ = SlotTextToMemo(slot.text());
    correctMemoText(memoSeen_);
  }
  RenderButton();
}

void TForm1::ButtontextExit() {
  RenderButton();
}

void TForm1::Image1MouseDown() {
  Bevel16->setBevelStyle(Bevel::Lowered);
}

void TForm1::Image4MouseDown() {
  Bevel17->setBevelStyle(Bevel::Lowered);
}

// The arrows do not render themselves: when the newly selected slot's text differs from the
// memo's, ShowCaptionSlot puts it there and ButtonTextChange renders.
void TForm1::Image1MouseUp() {
  Bevel16->setBevelStyle(Bevel::Raised);
  if (ButtonDesign_.TextIndex > 0) --ButtonDesign_.TextIndex;
  ShowCaptionSlot();
}

void TForm1::Image4MouseUp() {
  Bevel17->setBevelStyle(Bevel::Raised);
  if (ButtonDesign_.TextIndex < kCaptionSlotCount - 1) ++ButtonDesign_.TextIndex;
  ShowCaptionSlot();
}

void TForm1::Image7Click() {
  FontDialog1->setCurrentFont(CaptionDialogFont(Font_));
  if (!prompts_.run(FontDialog1)) return;
  TakeDialogFont(FontDialog1->selectedFont(), Font_);
  Buttontext->setFont(CaptionQFont(Font_, 1));
  Label5->setText(Font_.name);
  RenderButton();
}

void TForm1::Label35MouseDown() {
  Bevel21->setBevelStyle(Bevel::Lowered);
}

void TForm1::Label35MouseUp() {
  Bevel21->setBevelStyle(Bevel::Raised);
}

void TForm1::Label12Click() {
  PickColour(ButtonDesign_.TextColour, Shape9);
}
