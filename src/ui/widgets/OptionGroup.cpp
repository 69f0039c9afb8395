#include "OptionGroup.h"

#include <QRadioButton>

namespace {
void placeTabStop(const QList<QRadioButton*>& group) {
  QRadioButton* stop = group.value(0);
  for (QRadioButton* button : group) {
    if (button->isChecked()) stop = button;
  }
  // Arrow keys still reach every button: Qt moves between exclusive buttons whatever their
  // focus policy.
  for (QRadioButton* button : group)
    button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}
}  // namespace

void MakeOneTabStop(const QList<QRadioButton*>& group) {
  placeTabStop(group);
  for (QRadioButton* button : group) {
    QObject::connect(button, &QRadioButton::toggled, button, [group] { placeTabStop(group); });
  }
}
