// The "Text" page: the caption memo, the caption arrows, the font button and the text
// colour.
#include <QFontDialog>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
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

// A caption that begins right to left (Arabic, Hebrew) reads from the memo's right edge, as
// the button lays it out. QPlainTextEdit lays every line out alike, so the caption's first
// strong character decides for all of them.
void TForm1::alignMemoToItsText(const QString& text) {
  const bool rightToLeft = text.isRightToLeft();
  const Qt::Alignment side = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
  QTextOption option = Buttontext->document()->defaultTextOption();
  if (option.alignment() == side) return;
  option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  option.setAlignment(side);
  Buttontext->document()->setDefaultTextOption(option);
}

// QPlainTextEdit reports every setPlainText, also of the same text; the handlers expect a
// notification for real changes only, so they are filtered here. A user edit is held to
// the memo's length limit (LimitMemoEdit), as a length-limited edit control refuses what
// goes beyond it; a text the program puts in is shown whole.
void TForm1::memoTextChanged() {
  QString text = memoText();
  alignMemoToItsText(text);
  if (text == memoSeen_) return;
  if (!memoFromProgram_) {
    const QString kept = LimitMemoEdit(memoSeen_, text, kCaptionLimit);
    if (kept != text) {
      correctMemoText(kept);
      text = kept;
      if (text == memoSeen_) return;
    }
  }
  memoSeen_ = text;
  ButtonTextChange();
}

void TForm1::ButtonTextChange() {
  // Any character is kept; only a design file turns those outside Windows-1252 into "?",
  // and the user is asked before it is written.
  design_.captions[design_.current].text = MemoTextToCaption(memoText());
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

// The arrows do not render themselves: when the newly selected caption's text differs from
// the memo's, ShowCaptionSlot puts it there and ButtonTextChange renders. Past the last
// caption the right arrow opens a new empty one (ShowCaptionSlot).
void TForm1::Image1MouseUp() {
  Bevel16->setBevelStyle(Bevel::Raised);
  if (design_.current > 0) --design_.current;
  ShowCaptionSlot();
}

void TForm1::Image4MouseUp() {
  Bevel17->setBevelStyle(Bevel::Raised);
  if (design_.current < kMaxCaptions - 1) ++design_.current;
  ShowCaptionSlot();
}

void TForm1::Image7Click() {
  FontDialog1->setCurrentFont(CaptionDialogFont(design_.font));
  if (!prompts_.run(FontDialog1)) return;
  TakeDialogFont(FontDialog1->selectedFont(), design_.font);
  Buttontext->setFont(CaptionQFont(design_.font, 1));
  Label5->setText(design_.font.name);
  RenderButton();
}

void TForm1::Label35MouseDown() {
  Bevel21->setBevelStyle(Bevel::Lowered);
}

void TForm1::Label35MouseUp() {
  Bevel21->setBevelStyle(Bevel::Raised);
}

void TForm1::Label12Click() {
  PickColour(design_.record.TextColour, Shape9);
}
