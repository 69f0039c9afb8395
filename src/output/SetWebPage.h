#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "ButtonState.h"
#include "Design.h"
#include "WebText.h"

// A button set on the web: the sprite sheets that hold all its images, the stylesheet that
// shows one image per element, and a page that shows the set in a browser.

// Where the images of a set sit in its sprite sheets: one row per caption (the first at
// the top), one column per state in the order asked for; every cell the size of the largest
// image of the set, each image at its cell's top-left corner, and a transparent gutter of
// kSheetGutter pixels between cells, so that a browser that samples past an element's edge
// (under zoom) finds nothing of the neighbours. At 2x everything doubles.
inline constexpr int kSheetGutter = 2;

struct SetSheetLayout {
  QString prefix;
  QList<ButtonState> states;
  bool oneX = true;  // which sheets there are
  bool twoX = true;
  QSize cell;                 // at 1x
  QList<QSize> elementSizes;  // per caption: its largest image at 1x, in CSS pixels
  QList<Caption> captions;    // the captions, with their names and links

  int captionCount() const { return static_cast<int>(elementSizes.size()); }
  QSize sheetSize() const {
    const int columns = static_cast<int>(states.size());
    const int rows = captionCount();
    return {columns * cell.width() + std::max(columns - 1, 0) * kSheetGutter,
            rows * cell.height() + std::max(rows - 1, 0) * kSheetGutter};
  }
  QPoint cellAt(int index, int stateIndex) const {
    return {stateIndex * (cell.width() + kSheetGutter), index * (cell.height() + kSheetGutter)};
  }
};

// "NAME-sheet.png", or "NAME-sheet@2x.png" for scale 2.
QString SetSheetFileName(const QString& prefix, int scale);
// "NAME.css" and "NAME.html".
QString SetStylesheetFileName(const QString& prefix);
QString SetPageFileName(const QString& prefix);

// A caption's lines (separated by '\n') as one line, separated by single blanks.
QString CaptionAsOneLine(const QString& caption);
// The class of the buttons of caption `index` (counted from 0) without a name: NAME-i, with
// i counted from 1, where NAME is the prefix as a CSS identifier that needs no escapes
// (CssClassBase), so the page and any hand-written HTML name it as the stylesheet does.
QString SetClassName(const QString& prefix, int index);
// The class of a caption's buttons: for one with a name, "PREFIX-NAME" made an identifier as
// a prefix is (CssClassBase); for one without, by its number as above.
QString SetClassName(const QString& prefix, const Caption& caption, int index);

// The stylesheet: for caption i the class of SetClassName with the size of its largest
// image (so no state is cut off and hovering moves nothing), the sheets through a plain
// url() and then -webkit-image-set() and image-set() (a browser that drops one keeps the
// one before), the 1x sheet's size as background-size and the base state's position
// (BaseState). The other states follow in cascade order, whatever order they were asked
// for: :hover / .is-hover, :active / .is-pressed, then :disabled / .is-disabled /
// [aria-disabled="true"], which also takes no pointer events. The element's text stays for screen
// readers but is not drawn; keyboard focus shows a ring. With forced colours (a high-contrast
// theme, which drops background images) each element shows its caption inside a border instead, in
// system colours.
QString SetStylesheet(const SetSheetLayout& layout);

// The preview page: a navigation bar with one link per caption that has text (the caption
// as its text, its link as the href, "#" without one, each link's direction from its own
// text; the page names the captions without text) and a table of every caption in every
// state side by side, on a plain white page. Disabled examples carry aria-disabled and take
// no focus. Control characters and code points no page may hold are left out of every
// text.
QString SetPreviewPage(const SetSheetLayout& layout);
