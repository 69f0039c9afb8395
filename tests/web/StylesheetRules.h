#pragma once

// Reading a set's stylesheet back in the tests: a rule by its selector, and what the rule
// says of where and how large an element is.
#include <gtest/gtest.h>

#include <QPoint>
#include <QRegularExpression>
#include <QSize>
#include <QString>

#include "ButtonState.h"

// The declarations of one rule, found by its selector.
inline QString Rule(const QString& css, const QString& selector) {
  const qsizetype at = css.indexOf(u'\n' + selector + QStringLiteral(" {"));
  if (at < 0) return {};
  const qsizetype open = css.indexOf(u'{', at);
  return css.mid(open + 1, css.indexOf(u'}', open) - open - 1);
}

// The rule of one state of a class, as the stylesheet selects it.
inline QString StateRule(const QString& css, const QString& base, ButtonState state) {
  switch (state) {
    case ButtonState::Normal:
      break;
    case ButtonState::Hover:
      return Rule(css, QStringLiteral("%1:hover, %1.is-hover").arg(base));
    case ButtonState::Pressed:
      return Rule(css, QStringLiteral("%1:active, %1.is-pressed").arg(base));
    case ButtonState::Disabled:
      return Rule(
          css, QStringLiteral("%1:disabled, %1.is-disabled, %1[aria-disabled=\"true\"]").arg(base));
  }
  return Rule(css, base);
}

// Where a rule's background-position puts the element's top left on the 1x sheet.
inline QPoint OffsetOf(const QString& rule) {
  static const QRegularExpression position(
      QStringLiteral("background-position: (?:0|-(\\d+)px) (?:0|-(\\d+)px);"));
  const QRegularExpressionMatch m = position.match(rule);
  EXPECT_TRUE(m.hasMatch()) << rule.toStdString();
  return {m.captured(1).toInt(), m.captured(2).toInt()};
}

inline QSize SizeOf(const QString& rule) {
  static const QRegularExpression size(QStringLiteral("width: (\\d+)px;\\s*height: (\\d+)px;"));
  const QRegularExpressionMatch m = size.match(rule);
  EXPECT_TRUE(m.hasMatch()) << rule.toStdString();
  return {m.captured(1).toInt(), m.captured(2).toInt()};
}
