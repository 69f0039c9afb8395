#include "ButtonStates.h"

QString StateName(ButtonState state) {
  switch (state) {
    case ButtonState::Normal:
      break;
    case ButtonState::Hover:
      return QStringLiteral("hover");
    case ButtonState::Pressed:
      return QStringLiteral("pressed");
    case ButtonState::Disabled:
      return QStringLiteral("disabled");
  }
  return QStringLiteral("normal");
}

std::optional<ButtonState> StateOfName(const QString& name) {
  for (ButtonState state : kAllStates) {
    if (StateName(state) == name) return state;
  }
  return std::nullopt;
}
