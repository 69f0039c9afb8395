#include "SkinWebPage.h"

#include <QColor>
#include <QUrl>
#include <algorithm>

#include "CaptionText.h"
#include "SetWebPage.h"
#include "Skin.h"
#include "WebText.h"

namespace {
QString Px(int value) {
  return value == 0 ? QStringLiteral("0") : QStringLiteral("%1px").arg(value);
}

QString Sides(int top, int right, int bottom, int left) {
  return QStringLiteral("%1 %2 %3 %4").arg(Px(top), Px(right), Px(bottom), Px(left));
}

// The states in the order the cascade needs them.
const ButtonState kCascade[] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed,
                                ButtonState::Disabled};

// The corners are never scaled: the box holds both insets and a pixel of the band.
int MinimumBoxWidth(const SkinStateImage& s) {
  return s.insets.stretch.left() + s.insets.stretch.right() + 1;
}

QString TextDecoration(const CaptionFont& font) {
  QStringList lines;
  if (font.underline) lines << QStringLiteral("underline");
  if (font.strikeout) lines << QStringLiteral("line-through");
  return lines.isEmpty() ? QStringLiteral("none") : lines.join(u' ');
}

QString FontDeclarations(const SkinStateImage& s) {
  return QStringLiteral(
             "  font-family: %1, sans-serif;\n"
             "  font-size: %2px;\n"
             "  font-weight: %3;\n"
             "  font-style: %4;\n"
             "  text-decoration: %5;\n"
             "  line-height: %6px;\n")
      .arg(CssString(s.font.name), QString::number(CaptionQFont(s.font, 1).pixelSize()),
           QString::number(s.font.bold ? 700 : 400),
           s.font.italic ? QStringLiteral("italic") : QStringLiteral("normal"),
           TextDecoration(s.font), QString::number(s.lineHeight));
}

// The declarations that make one state's look; the font only where it differs from the
// base state's.
QString StateDeclarations(const SkinStateImage& s, const SkinStateImage& base,
                          const QString& prefix, const QList<int>& scales) {
  QStringList sources;
  for (int scale : {1, 2}) {
    if (scales.contains(scale)) {
      sources << QStringLiteral("url(\"%1\") %2x")
                     .arg(RelativeUrl(SkinImageFileName(prefix, s.state, scale)),
                          QString::number(scale));
    }
  }
  const QString plain = RelativeUrl(SkinImageFileName(prefix, s.state, scales.value(0)));
  const QMargins& in = s.insets.stretch;
  const QMargins text = SkinTextArea(s);
  // One pass over the text: a file name may hold a "%".
  return QStringLiteral(
             "  border-width: %1;\n"
             "  border-image-source: url(\"%2\");\n"
             "  border-image-source: -webkit-image-set(%3);\n"
             "  border-image-source: image-set(%3);\n"
             "  border-image-slice: %4 %5 %6 %7 fill;\n"
             "  border-image-width: %11;\n"
             "  min-width: %8px;\n"
             "%9"
             "  color: %10;\n")
      .arg(Sides(text.top(), text.right(), text.bottom(), text.left()), plain,
           sources.join(QStringLiteral(", ")), QString::number(in.top()),
           QString::number(in.right()), QString::number(in.bottom()), QString::number(in.left()),
           QString::number(MinimumBoxWidth(s)),
           &s == &base || !(s.font == base.font) ? FontDeclarations(s) : QString(),
           QColor(s.textColour).name(), Sides(in.top(), in.right(), in.bottom(), in.left()));
}

// Forced colours drop images: a thin system-colour border instead, the text where it was.
QString ForcedDeclarations(const SkinStateImage& s, bool disabled) {
  const QMargins in = SkinTextArea(s);
  const auto thin = [](int border) { return std::max(border - 1, 0); };
  return QStringLiteral(
             "    border-image: none;\n"
             "    border: 1px solid %1;\n"
             "    padding: %2;\n"
             "    background: ButtonFace;\n"
             "    color: %3;\n")
      .arg(disabled ? QStringLiteral("GrayText") : QStringLiteral("ButtonText"),
           Sides(thin(in.top()), thin(in.right()), thin(in.bottom()), thin(in.left())),
           disabled ? QStringLiteral("GrayText") : QStringLiteral("ButtonText"));
}

}  // namespace

QString SkinStylesheetFileName(const QString& prefix) {
  return prefix + QStringLiteral("-skin.css");
}

QString SkinPageFileName(const QString& prefix) {
  return prefix + QStringLiteral("-skin.html");
}

QString SkinClassName(const QString& prefix) {
  return CssClassBase(prefix);
}

QMargins SkinTextArea(const SkinStateImage& s) {
  const QMargins& c = s.insets.content;
  const int x = s.textShift.x();
  const int y = s.textShift.y();
  return QMargins(std::max(c.left() + x, 0), std::max(c.top() + y, 0), std::max(c.right() - x, 0),
                  std::max(c.bottom() - y, 0));
}

QSize SkinBoxSize(const Skin& skin, const SkinStateImage& s, int textWidth) {
  // border-box sizing: the line inside the border, then min-width and min-height.
  const QMargins area = SkinTextArea(s);
  return QSize(std::max(textWidth + area.left() + area.right(), MinimumBoxWidth(s)),
               std::max(s.lineHeight + area.top() + area.bottom(), skin.size.height()));
}

QString SkinPageCaption(const QString& caption) {
  return PageText(CaptionAsOneLine(caption)).trimmed();
}

QString SkinStylesheet(const Skin& skin, const QString& prefix, const QList<int>& scales) {
  const QString c = u'.' + SkinClassName(prefix);
  const auto find = [&](ButtonState state) -> const SkinStateImage* {
    for (const SkinStateImage& s : skin.states) {
      if (s.state == state) return &s;
    }
    return nullptr;
  };
  const SkinStateImage* base = find(ButtonState::Normal);
  if (!base && !skin.states.isEmpty()) base = &skin.states.first();
  QString css = QStringLiteral(
      "/* A live-text button over a skin that stretches with its text: put the class on an\n"
      "   <a> or a <button>. The corners and edges keep their pixels; the band between the\n"
      "   insets stretches. */\n");
  if (!base) return css;
  css += QStringLiteral(
             "\n%1 {\n"
             "  display: inline-flex;\n"
             "  align-items: center;\n"
             "  justify-content: center;\n"
             "  box-sizing: border-box;\n"
             "  min-height: %2px;\n"
             "  margin: 0;\n"
             "  padding: 0;\n"
             "  border-style: solid;\n"
             "  border-color: transparent;\n"
             "  border-image-repeat: stretch;\n"
             "  background: transparent;\n"
             "  white-space: nowrap;\n"
             "  vertical-align: top;\n"
             "  cursor: pointer;\n"
             "  -webkit-appearance: none;\n"
             "  appearance: none;\n"
             "%3"
             "}\n"
             "%1:focus-visible {\n"
             "  outline: 2px solid #1a5fb4;\n"
             "  outline-offset: 2px;\n"
             "}\n")
             .arg(c, QString::number(skin.size.height()),
                  StateDeclarations(*base, *base, prefix, scales));
  QString forced = QStringLiteral("  %1 {\n%2  }\n")
                       .arg(c, ForcedDeclarations(*base, base->state == ButtonState::Disabled));
  for (ButtonState state : kCascade) {
    const SkinStateImage* s = find(state);
    const bool disabled = state == ButtonState::Disabled;
    // Disabled needs its rule even when it is the base: <button disabled> and
    // aria-disabled must not take pointer events.
    if (!s || (s == base && !disabled)) continue;
    QString rule = s == base ? QString() : StateDeclarations(*s, *base, prefix, scales);
    if (disabled) rule += QStringLiteral("  pointer-events: none;\n  cursor: default;\n");
    css += QStringLiteral("%1 {\n%2}\n").arg(StateSelectors(c, state, QStringLiteral(",\n")), rule);
    forced += QStringLiteral("  %1 {\n%2  }\n")
                  .arg(QString(StateSelectors(c, state, QStringLiteral(",\n")))
                           .replace(u'\n', QStringLiteral("\n  ")),
                       ForcedDeclarations(*s, disabled));
  }
  return css + QStringLiteral("@media (forced-colors: active) {\n%1}\n").arg(forced);
}

QStringList SkinPageCaptions(const QList<Caption>& designCaptions) {
  QStringList captions;
  for (const Caption& given : designCaptions) {
    const QString caption = SkinPageCaption(given.text);
    if (!caption.isEmpty()) captions << caption;
  }
  captions << QStringLiteral("A much longer caption makes the skin stretch")
           << QStringLiteral("Ελληνικό κείμενο");
  return captions;
}

QString SkinPage(const Skin& skin, const QString& prefix, const QList<Caption>& captions) {
  const QString name = Html(SkinClassName(prefix));
  const QString title = Html(prefix) + QStringLiteral(" skin");
  QString head;
  for (const SkinStateImage& s : skin.states)
    head += QStringLiteral("<th scope=\"col\">%1</th>").arg(StateName(s.state));
  QString rows;
  QString buttons;
  for (const QString& caption : SkinPageCaptions(captions)) {
    const QString text = Html(caption);
    rows += QStringLiteral("      <tr><th scope=\"row\">%1</th>").arg(text);
    for (const SkinStateImage& s : skin.states) {
      // A disabled link has no href: it cannot be followed or focused.
      const QString link =
          s.state == ButtonState::Disabled
              ? QStringLiteral("<a class=\"%1%2\" dir=\"auto\" aria-disabled=\"true\">%3</a>")
              : QStringLiteral("<a class=\"%1%2\" dir=\"auto\" href=\"#\">%3</a>");
      rows += QStringLiteral("<td>") +
              link.arg(name,
                       s.state == ButtonState::Normal ? QString() : u' ' + StateClassName(s.state),
                       text) +
              QStringLiteral("</td>");
    }
    rows += QStringLiteral("</tr>\n");
    buttons += QStringLiteral("    <button class=\"%1\" dir=\"auto\" type=\"button\">%2</button>\n")
                   .arg(name, text);
  }
  buttons += QStringLiteral(
                 "    <button class=\"%1\" dir=\"auto\" type=\"button\" disabled "
                 "aria-disabled=\"true\">%2</button>\n")
                 .arg(name, Html(SkinPageCaptions(captions).value(0)));
  QString notes;
  for (const QString& warning : skin.warnings)
    notes += QStringLiteral("    <li>%1</li>\n").arg(Html(warning));
  if (!notes.isEmpty()) {
    notes = QStringLiteral(
                "  <p>Where a wider or taller button would look different:</p>\n"
                "  <ul>\n") +
            notes + QStringLiteral("  </ul>\n");
  }
  return PageStart(title, SkinStylesheetFileName(prefix)) +
         QStringLiteral(
             "    table { border-collapse: separate; border-spacing: 0; margin: 0 0 24px; }\n"
             "    th, td { padding: 8px; text-align: left; vertical-align: top;\n"
             "             font-weight: normal; }\n"
             "    th { white-space: nowrap; }\n"
             "    .buttons { display: flex; flex-wrap: wrap; gap: 8px; align-items: flex-start; }\n"
             "  </style>\n"
             "</head>\n"
             "<body>\n"
             "  <h1>%1</h1>\n"
             "%3"
             "  <table>\n"
             "    <thead><tr><td></td>%4</tr></thead>\n"
             "    <tbody>\n"
             "%5"
             "    </tbody>\n"
             "  </table>\n"
             "  <h2>As buttons</h2>\n"
             "  <div class=\"buttons\">\n"
             "%6"
             "  </div>\n"
             "</body>\n"
             "</html>\n")
             .arg(title, notes, head, rows, buttons);
}
