#include "LimitedEdit.h"

LimitedEdit::LimitedEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(&limit_);
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { limit_.lastLength = text.size(); });
}

void LimitedEdit::setText(const QString& text) {
  limit_.open = true;
  QLineEdit::setText(text);
  limit_.open = false;
}

QValidator::State LimitedEdit::TypedLimit::validate(QString& input, int&) const {
  if (open) return Acceptable;
  // Deleting from a text that is already too long stays possible; anything else that
  // leaves it above the limit is refused, as a typing limit would.
  if (input.size() > limit && input.size() >= lastLength) return Invalid;
  return Acceptable;
}
