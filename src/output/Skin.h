#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include "ButtonSet.h"
#include "ButtonState.h"
#include "SkinInsets.h"

// A skin: the design without its caption, in each state, as transparent images with the
// insets of a nine-patch, so that a page, an app or a game draws live text over a
// background that stretches to fit it.

// What a skin export writes besides nothing (flags).
enum SkinOutput : unsigned {
  kSkinWeb = 1,        // NAME-skin*.png, NAME-skin.css and NAME-skin.html
  kSkinNinePatch = 2,  // NAME-skin*.9.png, Android's nine-patch format
  kSkinImagine = 4,    // imagine/button-background*.9.png for Qt Quick's Imagine style
  kSkinJson = 8,       // NAME-skin*.png and NAME-skin.json for game engines
};
inline constexpr unsigned kAllSkinOutputs = kSkinWeb | kSkinNinePatch | kSkinImagine | kSkinJson;

struct SkinOptions {
  QString folder;  // an existing folder
  QString prefix = QStringLiteral("button");
  QList<ButtonState> states = kAllStates;  // in the order asked for
  QList<int> scales = {1, 2};              // 1 and/or 2
  QSize size;  // at 1x; invalid: the size the button has for the caption given to MakeSkin
  StateOptions stateOptions;
  QMap<ButtonState, ButtonLook> stateLooks;  // states with a design of their own
  unsigned outputs = kAllSkinOutputs;
};

// One state of a skin.
struct SkinStateImage {
  ButtonState state = ButtonState::Normal;
  QImage oneX, twoX;  // ARGB32, straight alpha; null for a scale not asked for
  SkinInsets insets;  // at 1x; everything doubles at 2x
  QRgb textColour = 0;
  CaptionFont font;
  int lineHeight = 0;  // of the caption, as the design sizes its button by it
  QPoint textShift;    // how far the state moves the text from the normal state's place
};

struct Skin {
  QSize size;                    // every state's image at 1x
  QList<SkinStateImage> states;  // in the order asked for
  // One line per way the skin's look stretches where a wider or taller button would look
  // different, and a note when the skin had to be made larger than asked.
  QStringList warnings;
};

// Why the options cannot make a skin (no state, a state twice, a scale other than 1 or 2,
// a state option out of range, a prefix that is empty or names a folder, no output); empty
// when they can.
QString SkinOptionsProblem(const SkinOptions& options);

// The ways a look's surface or shape stretches with the button, one sentence each ("the
// plasma surface stretches with the button"); empty when a wider button is exactly the
// skin stretched.
QStringList SkinStretchWarnings(const ButtonLook& look);

// Renders the skin in memory (the images a preview strip shows and the export writes).
// The size is options.size or the button's own with `caption` (the design's current
// caption); where no band that depends on the row
// only would remain in some state, the skin is widened to the smallest width that leaves
// one, and likewise heightened for the rectangle (a note says so). Other shapes without
// straight middle rows stretch their middle row. Renders continue the program's one
// random generator, state by state. False with a message when it cannot be made.
bool MakeSkin(const ButtonLook& normal, const QString& caption, const SkinOptions& options,
              Skin* skin, QString* error);

// File names: NAME-skin.png, NAME-skin-hover@2x.png, ...; NAME-skin.9.png, ...; and the
// Imagine style's button-background.9.png, button-background-hovered@2x.9.png, ...
QString SkinImageFileName(const QString& prefix, ButtonState state, int scale);
QString SkinNinePatchFileName(const QString& prefix, ButtonState state, int scale);
QString ImagineFileName(ButtonState state, int scale);
inline constexpr char kImagineFolder[] = "imagine";

// One file a skin export writes, by its path inside the folder.
struct SkinFile {
  enum Kind { Image, NinePatch, Imagine, Stylesheet, Page, Json };
  Kind kind = Image;
  QString name;  // "nav-skin@2x.png", "imagine/button-background.9.png", ...
  ButtonState state = ButtonState::Normal;  // of an image
  int scale = 1;                            // of an image
};

// Every file the outputs asked for make, in the order they are written: the images state by
// state and, within a state, scale by scale; then the stylesheet, the page and the JSON.
// Imagine takes button-background.9.png for every state it has no file of its own for, so
// the first state stands for normal when normal is not asked for.
QList<SkinFile> SkinFiles(const SkinOptions& options);

// Makes the skin (MakeSkin, with caption `current` of `captions`) and writes the outputs
// asked for into options.folder, each file atomically, the page showing the captions;
// false with a message naming the file at the first failure. *warnings, when given,
// receives the skin's warnings.
bool ExportSkin(const ButtonLook& normal, const QList<Caption>& captions, int current,
                const SkinOptions& options, QString* error, QStringList* warnings = nullptr);
