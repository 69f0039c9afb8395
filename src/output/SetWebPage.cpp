#include "SetWebPage.h"

#include <QMap>
#include <QUrl>
#include <utility>

#include "CaptionText.h"
#include "WebText.h"

namespace {

QString Position(QPoint at) {
  const auto px = [](int v) {
    return v == 0 ? QStringLiteral("0") : QStringLiteral("%1px").arg(-v);
  };
  return px(at.x()) + u' ' + px(at.y());
}

// The attributes an example of a state carries besides its caption's class.
QString StateAttributes(ButtonState state) {
  if (state == ButtonState::Normal) return QStringLiteral("\"");
  const QString classAttribute = u' ' + StateClassName(state) + u'"';
  return state == ButtonState::Disabled ? classAttribute + QStringLiteral(" aria-disabled=\"true\"")
                                        : classAttribute;
}

// A caption as the page reads it out; empty for a caption without text.
QString LinkText(const SetSheetLayout& layout, int index) {
  return PageText(CaptionAsOneLine(layout.captions.value(index).text)).simplified();
}

QString ClassOf(const SetSheetLayout& layout, int index) {
  return SetClassName(layout.prefix, layout.captions.value(index), index);
}

// "1", "1 and 2", "1, 2 and 3".
QString Enumeration(const QStringList& items) {
  if (items.size() < 2) return items.value(0);
  return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
         items.last();
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
  return CaptionTextLines(caption).join(u' ');
}

QString SetClassName(const QString& prefix, int index) {
  return QStringLiteral("%1-%2").arg(CssClassBase(prefix)).arg(index + 1);
}

QString SetClassName(const QString& prefix, const Caption& caption, int index) {
  if (caption.name.isEmpty()) return SetClassName(prefix, index);
  return CssClassBase(prefix + u'-' + caption.name);
}

QString SetStylesheet(const SetSheetLayout& layout) {
  QStringList sheets;
  if (layout.oneX) {
    sheets << QStringLiteral("url(\"%1\") 1x").arg(RelativeUrl(SetSheetFileName(layout.prefix, 1)));
  }
  if (layout.twoX) {
    sheets << QStringLiteral("url(\"%1\") 2x").arg(RelativeUrl(SetSheetFileName(layout.prefix, 2)));
  }
  const QString plain = QStringLiteral("url(\"%1\")")
                            .arg(RelativeUrl(SetSheetFileName(layout.prefix, layout.oneX ? 1 : 2)));
  const QString set = sheets.join(QStringLiteral(", "));
  const QSize sheet = layout.sheetSize();
  const ButtonState base = BaseState(layout.states);
  // Rules of equal specificity: the later wins, so disabled comes last.
  QList<ButtonState> overrides;
  for (ButtonState state : kAllStates) {
    if (layout.states.contains(state) && (state != base || state == ButtonState::Disabled))
      overrides << state;
  }
  QString css = QStringLiteral(
      "@charset \"utf-8\";\n"
      "/* A button set: one sprite sheet per scale, one class per caption. The text inside a\n"
      "   button is not drawn but stays for screen readers, and shows with forced colours. */\n");
  QStringList selectors;
  QMap<ButtonState, QStringList> stateSelectors;
  for (int slot = 0; slot < layout.captionCount(); ++slot) {
    const QString selector = u'.' + ClassOf(layout, slot);
    selectors << selector;
    const QSize size = layout.elementSizes[slot];
    css += QStringLiteral(
               "\n%1 {\n"
               "  display: inline-block;\n"
               "  width: %2px;\n"
               "  height: %3px;\n"
               "  background-image: %4;\n"
               "  background-image: -webkit-image-set(%5);\n"
               "  background-image: image-set(%5);\n"
               "  background-size: %6px %7px;\n"
               "  background-repeat: no-repeat;\n"
               "  background-position: %8;\n"
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
               // One pass over the text: a file name may hold a "%".
               .arg(selector, QString::number(size.width()), QString::number(size.height()), plain,
                    set, QString::number(sheet.width()), QString::number(sheet.height()),
                    Position(layout.cellAt(slot, static_cast<int>(layout.states.indexOf(base)))));
    for (ButtonState state : overrides) {
      const QString disabled = state == ButtonState::Disabled
                                   ? QStringLiteral("  pointer-events: none;\n  cursor: default;\n")
                                   : QString();
      css += QStringLiteral("%1 {\n  background-position: %2;\n%3}\n")
                 .arg(StateSelectors(selector, state, QStringLiteral(", ")),
                      Position(layout.cellAt(slot, static_cast<int>(layout.states.indexOf(state)))),
                      disabled);
      stateSelectors[state] << StateSelectors(selector, state, QStringLiteral(", "));
    }
  }
  if (selectors.isEmpty()) return css;
  // A high-contrast theme drops background images: the caption in system colours instead.
  css += QStringLiteral(
             "\n@media (forced-colors: active) {\n"
             "  %1 {\n"
             "    display: inline-flex;\n"
             "    align-items: center;\n"
             "    justify-content: center;\n"
             "    box-sizing: border-box;\n"
             "    border: 1px solid ButtonBorder;\n"
             "    background: ButtonFace;\n"
             "    color: ButtonText;\n"
             "    text-indent: 0;\n"
             "    line-height: normal;\n"
             "  }\n")
             .arg(selectors.join(QStringLiteral(", ")));
  const QString hover = QStringLiteral("border-color: Highlight;");
  const QString disabled = QStringLiteral("border-color: GrayText;\n    color: GrayText;");
  for (const auto& [state, look] :
       {std::pair{ButtonState::Hover, hover}, std::pair{ButtonState::Pressed, hover},
        std::pair{ButtonState::Disabled, disabled}}) {
    if (!stateSelectors.contains(state)) continue;
    css += QStringLiteral("  %1 {\n    %2\n  }\n")
               .arg(stateSelectors[state].join(QStringLiteral(", ")), look);
  }
  return css + QStringLiteral("}\n");
}

QString SetPreviewPage(const SetSheetLayout& layout) {
  const QString title = Html(layout.prefix);
  QString nav;
  QStringList empty;
  for (int slot = 0; slot < layout.captionCount(); ++slot) {
    const QString text = LinkText(layout, slot);
    if (text.isEmpty()) {
      empty << QString::number(slot + 1);
      continue;
    }
    const QString link = layout.captions.value(slot).link;
    nav += QStringLiteral("    <a class=\"%1\" href=\"%2\" dir=\"auto\">%3</a>\n")
               .arg(ClassOf(layout, slot), link.isEmpty() ? QStringLiteral("#") : Html(link),
                    text.toHtmlEscaped());
  }
  QString note;
  if (!empty.isEmpty()) {
    note = QStringLiteral(
               "  <p>Caption %1 %2 no caption: %3 buttons are in the table below but not in "
               "the navigation bar.</p>\n")
               .arg(empty.size() == 1 ? QStringLiteral("slot ") + empty[0]
                                      : QStringLiteral("slots ") + Enumeration(empty),
                    empty.size() == 1 ? QStringLiteral("has") : QStringLiteral("have"),
                    empty.size() == 1 ? QStringLiteral("its") : QStringLiteral("their"));
  }
  QString head;
  for (ButtonState state : layout.states)
    head += QStringLiteral("<th scope=\"col\">%1</th>").arg(StateName(state));
  QString rows;
  for (int slot = 0; slot < layout.captionCount(); ++slot) {
    const QString text = LinkText(layout, slot).toHtmlEscaped();
    rows += QStringLiteral("      <tr><th scope=\"row\">%1</th>")
                .arg(text.isEmpty() ? QStringLiteral("(no caption)") : text);
    for (ButtonState state : layout.states) {
      rows += QStringLiteral("<td><span class=\"%1%2>%3</span></td>")
                  .arg(ClassOf(layout, slot), StateAttributes(state), text);
    }
    rows += QStringLiteral("</tr>\n");
  }
  // Fixed columns and line heights keep every button on whole pixels.
  const int cellWidth = layout.cell.width() + 16;
  QString columns;
  for (qsizetype s = 0; s < layout.states.size(); ++s)
    columns += QStringLiteral("<col style=\"width: %1px\">").arg(cellWidth);
  return PageStart(title, SetStylesheetFileName(layout.prefix)) +
         QStringLiteral(
             "    nav { margin: 0 0 24px; line-height: 0; }\n"
             "    nav a { margin: 0 4px 4px 0; }\n"
             "    p { margin: 0 0 16px; }\n"
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
             "%4"
             "  <h2>Every state</h2>\n"
             "  <table>\n"
             "    <colgroup><col style=\"width: 160px\">%5</colgroup>\n"
             "    <thead><tr><td></td>%6</tr></thead>\n"
             "    <tbody>\n"
             "%7"
             "    </tbody>\n"
             "  </table>\n"
             "</body>\n"
             "</html>\n")
             .arg(title, nav, note, columns, head, rows);
}
