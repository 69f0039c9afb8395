#pragma once

// What the pages and stylesheets Tessaro writes (a set's and a skin's) say alike: text and
// URLs a page may hold, CSS identifiers and strings, and how an element shows a state.

#include <QString>
#include <QStringView>

#include "ButtonStates.h"

// A file name as a relative URL of a file beside the page ("@" and the like stand as they
// are; ":" may not, it would read as a scheme).
QString RelativeUrl(const QString& fileName);

// Text as a page shows it: blanks (tab, line breaks) as blanks, and every code point a page
// may not hold (controls, noncharacters, lone surrogates) left out.
QString PageText(const QString& text);
// PageText, escaped for HTML.
QString Html(const QString& text);

// The opening of a page up to its own style rules: the head with `title` (HTML already) and
// the stylesheet file beside the page, and the rules of the body and headings both pages
// share. The page goes on with further rules and "  </style>".
QString PageStart(const QString& title, const QString& stylesheetFile);

// A prefix as a CSS identifier that needs no escapes, the same in a page and its stylesheet:
// ASCII letters, digits, "-" and "_" and non-ASCII letters and digits stay, anything else
// becomes "_", and a name that could not start an identifier gets a "_" in front.
QString CssClassBase(const QString& prefix);

// A CSS string: quotes, backslashes and controls escaped.
QString CssString(const QString& text);

// The class a page gives an element to show a state without the pointer on it
// ("is-hover", "is-pressed", "is-disabled"; empty for normal).
QString StateClassName(ButtonState state);

// The selectors that show `state` on what `selector` selects, joined by `separator`: the
// browser's own state (:hover, :active, :disabled), the state's class and, for disabled,
// aria-disabled. Normal is the selector itself.
QString StateSelectors(const QString& selector, ButtonState state, const QString& separator);
