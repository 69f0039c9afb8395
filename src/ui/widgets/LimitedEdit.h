#pragma once

#include <QLineEdit>
#include <QValidator>

// An edit box that limits what the user types, not what the program puts in: the outline
// box takes three typed characters but shows 1000 when the up arrow gets there. QLineEdit's
// maxLength would cut the program's text too, so the limit is a validator that refuses a
// user edit making a text longer than the limit unless it shortens it. setText (hiding
// QLineEdit::setText on purpose) lets any text through.
class LimitedEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit LimitedEdit(QWidget* parent = nullptr);

  int typedLimit() const { return limit_.limit; }
  void setTypedLimit(int limit) { limit_.limit = limit; }
  void setText(const QString& text);

 private:
  class TypedLimit : public QValidator {
   public:
    State validate(QString& input, int& pos) const override;
    int limit = 32767;
    qsizetype lastLength = 0;  // of the text before the edit being validated
    bool open = false;         // a program's setText is under way
  };
  TypedLimit limit_;
};
