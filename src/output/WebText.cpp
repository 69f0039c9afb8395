#include "WebText.h"

#include <QUrl>

namespace {

// The code point at text[i] and how many UTF-16 units it takes; a lone surrogate is
// returned as it is.
char32_t CodePointAt(const QString& text, qsizetype i, qsizetype* units) {
  if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
    *units = 2;
    return QChar::surrogateToUcs4(text[i], text[i + 1]);
  }
  *units = 1;
  return text[i].unicode();
}

// Code points a page may not hold as they are: controls (C0, DEL, C1), noncharacters and
// lone surrogates.
bool PageCannotHold(char32_t u) {
  return u < 0x20 || (u >= 0x7F && u <= 0x9F) || (u >= 0xFDD0 && u <= 0xFDEF) ||
         (u & 0xFFFE) == 0xFFFE || (u >= 0xD800 && u <= 0xDFFF);
}

bool IsControl(char16_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

QString RelativeUrl(const QString& fileName) {
  return QString::fromLatin1(QUrl::toPercentEncoding(fileName, "@!$&'()*+,;="));
}

QString PageText(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0, units = 1; i < text.size(); i += units) {
    const char32_t u = CodePointAt(text, i, &units);
    if (u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f') {
      shown += u' ';
    } else if (!PageCannotHold(u)) {
      shown += text.mid(i, units);
    }
  }
  return shown;
}

QString Html(const QString& text) {
  return PageText(text).toHtmlEscaped();
}

QString PageStart(const QString& title, const QString& stylesheetFile) {
  return QStringLiteral(
             "<!DOCTYPE html>\n"
             "<html lang=\"en\">\n"
             "<head>\n"
             "  <meta charset=\"utf-8\">\n"
             "  <meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
             "  <title>") +
         title + QStringLiteral("</title>\n  <link rel=\"stylesheet\" href=\"") +
         Html(RelativeUrl(stylesheetFile)) +
         QStringLiteral(
             "\">\n"
             "  <style>\n"
             "    body { margin: 16px; background: #ffffff; color: #202020;\n"
             "           font: 14px/20px sans-serif; }\n"
             "    h1, h2 { margin: 0 0 8px; font-size: 16px; line-height: 24px; }\n");
}

QString CssClassBase(const QString& prefix) {
  QString name;
  for (qsizetype i = 0, units = 1; i < prefix.size(); i += units) {
    const char32_t u = CodePointAt(prefix, i, &units);
    const bool kept = u < 0x80 ? (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                                     (u >= u'0' && u <= u'9') || u == u'-' || u == u'_'
                               : QChar::isLetterOrNumber(u) && !PageCannotHold(u);
    name += kept ? prefix.mid(i, units) : QStringLiteral("_");
  }
  const char16_t first = name.isEmpty() ? u'0' : name[0].unicode();
  const bool starts = first == u'_' || (first >= u'a' && first <= u'z') ||
                      (first >= u'A' && first <= u'Z') || first >= 0x80;
  return starts ? name : u'_' + name;
}

QString CssString(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c == u'"' || c == u'\\') {
      out += u'\\';
      out += ch;
    } else if (c == 0) {
      out += QChar(0xFFFD);
    } else if (IsControl(c)) {
      out += QStringLiteral("\\%1 ").arg(static_cast<int>(c), 0, 16);
    } else {
      out += ch;
    }
  }
  return out + u'"';
}

QString StateClassName(ButtonState state) {
  return state == ButtonState::Normal ? QString() : QStringLiteral("is-") + StateName(state);
}

QString StateSelectors(const QString& selector, ButtonState state, const QString& separator) {
  const QString& s = selector;
  const QString is = s + u'.' + StateClassName(state);
  switch (state) {
    case ButtonState::Normal:
      break;
    case ButtonState::Hover:
      return s + QStringLiteral(":hover") + separator + is;
    case ButtonState::Pressed:
      return s + QStringLiteral(":active") + separator + is;
    case ButtonState::Disabled:
      return s + QStringLiteral(":disabled") + separator + is + separator + s +
             QStringLiteral("[aria-disabled=\"true\"]");
  }
  return s;
}
