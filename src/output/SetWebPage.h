#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include "ButtonState.h"

// A button set on the web: the sprite sheets that hold all its images, the stylesheet that
// shows one image per element, and a page that shows the set in a browser.

// Where the images of a set sit in its sprite sheets: one row per caption slot (the first at
// the top), one column per state in the order asked for; every cell the size of the largest
// image of the set, each image at its cell's top-left corner. At 2x everything doubles.
struct SetSheetLayout {
  QString prefix;
  QList<ButtonState> states;
  bool oneX = true;  // which sheets there are
  bool twoX = true;
  QSize cell;               // at 1x
  QList<QSize> imageSizes;  // per slot: its image's size at 1x, in CSS pixels
  QStringList captions;     // per slot: its caption as one line

  int slotCount() const { return static_cast<int>(imageSizes.size()); }
  QSize sheetSize() const {
    return {cell.width() * static_cast<int>(states.size()), cell.height() * slotCount()};
  }
  QPoint cellAt(int slot, int stateIndex) const {
    return {stateIndex * cell.width(), slot * cell.height()};
  }
};

// "NAME-sheet.png", or "NAME-sheet@2x.png" for scale 2.
QString SetSheetFileName(const QString& prefix, int scale);
// "NAME.css" and "NAME.html".
QString SetStylesheetFileName(const QString& prefix);
QString SetPageFileName(const QString& prefix);

// A caption's lines (CaptionLines) as one line, separated by single blanks.
QString CaptionAsOneLine(const QString& caption);
// A name as a CSS identifier, escaped where CSS needs it (a leading digit, blanks, dots...).
QString CssIdentifier(const QString& name);

// The stylesheet: for slot i the class NAME-i with the image's size, the sheets through
// image-set(), the 1x sheet's size as background-size and the normal state's position
// (the first state asked for stands in when normal is not); the other states under
// :hover / .is-hover, :active / .is-pressed, .is-disabled / [aria-disabled="true"]. The
// element's text stays for screen readers but is not drawn; keyboard focus shows a ring.
QString SetStylesheet(const SetSheetLayout& layout);

// The preview page: a navigation bar with one link per caption (the caption as its text)
// and a table of every caption in every state side by side, on a plain white page.
QString SetPreviewPage(const SetSheetLayout& layout);
