#include "SetWebPage.h"

#include <QUrl>

#include "CaptionLines.h"

namespace {
// A file name as a relative URL of a file beside the page.
QString Url(const QString& fileName) {
  // "@" and the like may stand in a path as they are; ":" may not (it would read as a scheme).
  return QString::fromLatin1(QUrl::toPercentEncoding(fileName, "@!$&'()*+,;="));
}

QString Html(const QString& text) {
  return text.toHtmlEscaped();
}

QString ClassName(const QString& prefix, int slot) {
  return QStringLiteral("%1-%2").arg(prefix).arg(slot + 1);
}

QString Position(QPoint at) {
  const auto px = [](int v) {
    return v == 0 ? QStringLiteral("0") : QStringLiteral("%1px").arg(-v);
  };
  return px(at.x()) + u' ' + px(at.y());
}

// The selectors of one state of one slot's class.
QString StateSelectors(const QString& selector, ButtonState state) {
  switch (state) {
    case ButtonState::Normal:
      break;
    case ButtonState::Hover:
      return QStringLiteral("%1:hover, %1.is-hover").arg(selector);
    case ButtonState::Pressed:
      return QStringLiteral("%1:active, %1.is-pressed").arg(selector);
    case ButtonState::Disabled:
      return QStringLiteral("%1.is-disabled, %1[aria-disabled=\"true\"]").arg(selector);
  }
  return selector;
}

QString StateClass(ButtonState state) {
  switch (state) {
    case ButtonState::Normal:
      break;
    case ButtonState::Hover:
      return QStringLiteral(" is-hover");
    case ButtonState::Pressed:
      return QStringLiteral(" is-pressed");
    case ButtonState::Disabled:
      return QStringLiteral(" is-disabled");
  }
  return {};
}

// The caption a link reads out: the caption, or the button's file name when it has none.
QString LinkText(const SetSheetLayout& layout, int slot) {
  const QString caption = layout.captions.value(slot).trimmed();
  return caption.isEmpty() ? QStringLiteral("%1%2").arg(layout.prefix).arg(slot + 1) : caption;
}
}  // namespace

QString SetSheetFileName(const QString& prefix, int scale) {
  return prefix + (scale == 2 ? QStringLiteral("-sheet@2x.png") : QStringLiteral("-sheet.png"));
}

QString SetStylesheetFileName(const QString& prefix) {
  return prefix + QStringLiteral(".css");
}

QString SetPageFileName(const QString& prefix) {
  return prefix + QStringLiteral(".html");
}

QString CaptionAsOneLine(const QString& caption) {
  return CaptionLines(caption).join(u' ');
}

QString CssIdentifier(const QString& name) {
  QString out;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t c = name[i].unicode();
    const bool digit = c >= u'0' && c <= u'9';
    if (c == 0) {
      out += QChar(0xFFFD);
    } else if (c < 0x20 || c == 0x7F || (i == 0 && digit) || (i == 1 && digit && name[0] == u'-')) {
      out += QStringLiteral("\\%1 ").arg(static_cast<int>(c), 0, 16);
    } else if (i == 0 && c == u'-' && name.size() == 1) {
      out += QStringLiteral("\\-");
    } else if (c >= 0x80 || c == u'-' || c == u'_' || digit || (c >= u'a' && c <= u'z') ||
               (c >= u'A' && c <= u'Z')) {
      out += name[i];
    } else {
      out += u'\\';
      out += name[i];
    }
  }
  return out;
}

QString SetStylesheet(const SetSheetLayout& layout) {
  QStringList sheets;
  if (layout.oneX) {
    sheets << QStringLiteral("url(\"%1\") 1x").arg(Url(SetSheetFileName(layout.prefix, 1)));
  }
  if (layout.twoX) {
    sheets << QStringLiteral("url(\"%1\") 2x").arg(Url(SetSheetFileName(layout.prefix, 2)));
  }
  const QSize sheet = layout.sheetSize();
  const ButtonState base = BaseState(layout.states);
  QString css = QStringLiteral(
      "/* A button set: one sprite sheet per scale, one class per caption. The text inside a\n"
      "   button is not drawn but stays for screen readers. */\n");
  for (int slot = 0; slot < layout.slotCount(); ++slot) {
    const QString selector = u'.' + CssIdentifier(ClassName(layout.prefix, slot));
    const QSize size = layout.imageSizes[slot];
    css += QStringLiteral(
               "\n%1 {\n"
               "  display: inline-block;\n"
               "  width: %2px;\n"
               "  height: %3px;\n"
               "  background-image: image-set(%4);\n"
               "  background-size: %5px %6px;\n"
               "  background-repeat: no-repeat;\n"
               "  background-position: %7;\n"
               "  overflow: hidden;\n"
               "  white-space: nowrap;\n"
               "  text-indent: 100%;\n"
               "  color: transparent;\n"
               "  vertical-align: top;\n"
               "}\n"
               "%1:focus-visible {\n"
               "  outline: 2px solid #1a5fb4;\n"
               "  outline-offset: 2px;\n"
               "}\n")
               // One pass over the text: a selector may hold a "%".
               .arg(selector, QString::number(size.width()), QString::number(size.height()),
                    sheets.join(QStringLiteral(", ")), QString::number(sheet.width()),
                    QString::number(sheet.height()),
                    Position(layout.cellAt(slot, static_cast<int>(layout.states.indexOf(base)))));
    for (qsizetype s = 0; s < layout.states.size(); ++s) {
      if (layout.states[s] == base) continue;
      css += QStringLiteral("%1 {\n  background-position: %2;\n}\n")
                 .arg(StateSelectors(selector, layout.states[s]),
                      Position(layout.cellAt(slot, static_cast<int>(s))));
    }
  }
  return css;
}

QString SetPreviewPage(const SetSheetLayout& layout) {
  const QString title = Html(layout.prefix);
  QString nav;
  for (int slot = 0; slot < layout.slotCount(); ++slot) {
    nav += QStringLiteral("    <a class=\"%1\" href=\"#\">%2</a>\n")
               .arg(Html(ClassName(layout.prefix, slot)), Html(LinkText(layout, slot)));
  }
  QString head;
  for (ButtonState state : layout.states)
    head += QStringLiteral("<th scope=\"col\">%1</th>").arg(StateName(state));
  QString rows;
  for (int slot = 0; slot < layout.slotCount(); ++slot) {
    rows += QStringLiteral("      <tr><th scope=\"row\">%1</th>").arg(Html(LinkText(layout, slot)));
    for (ButtonState state : layout.states) {
      rows += QStringLiteral("<td><span class=\"%1%2\">%3</span></td>")
                  .arg(Html(ClassName(layout.prefix, slot)), StateClass(state),
                       Html(LinkText(layout, slot)));
    }
    rows += QStringLiteral("</tr>\n");
  }
  // Fixed columns and line heights keep every button on whole pixels.
  const int cellWidth = layout.cell.width() + 16;
  QString columns;
  for (qsizetype s = 0; s < layout.states.size(); ++s)
    columns += QStringLiteral("<col style=\"width: %1px\">").arg(cellWidth);
  return QStringLiteral(
             "<!DOCTYPE html>\n"
             "<html lang=\"en\">\n"
             "<head>\n"
             "  <meta charset=\"utf-8\">\n"
             "  <title>%1</title>\n"
             "  <link rel=\"stylesheet\" href=\"%2\">\n"
             "  <style>\n"
             "    body { margin: 16px; background: #ffffff; color: #202020;\n"
             "           font: 14px/20px sans-serif; }\n"
             "    h1, h2 { margin: 0 0 8px; font-size: 16px; line-height: 24px; }\n"
             "    nav { margin: 0 0 24px; line-height: 0; }\n"
             "    nav a { margin: 0 4px 4px 0; }\n"
             "    table { table-layout: fixed; border-collapse: separate; border-spacing: 0; }\n"
             "    th, td { padding: 8px; text-align: left; vertical-align: top;\n"
             "             font-weight: normal; line-height: 20px; }\n"
             "    th { overflow: hidden; white-space: nowrap; }\n"
             "  </style>\n"
             "</head>\n"
             "<body>\n"
             "  <h1>%1</h1>\n"
             "  <nav aria-label=\"%1\">\n"
             "%3"
             "  </nav>\n"
             "  <h2>Every state</h2>\n"
             "  <table>\n"
             "    <colgroup><col style=\"width: 160px\">%4</colgroup>\n"
             "    <thead><tr><td></td>%5</tr></thead>\n"
             "    <tbody>\n"
             "%6"
             "    </tbody>\n"
             "  </table>\n"
             "</body>\n"
             "</html>\n")
      .arg(title, Html(Url(SetStylesheetFileName(layout.prefix))), nav, columns, head, rows);
}
