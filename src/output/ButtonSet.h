#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QString>
#include <functional>

#include "ButtonDesign.h"
#include "ButtonRenderer.h"
#include "ButtonState.h"
#include "Design.h"
#include "ImageRenderHost.h"

// A button set for the web or an app: every caption of a design, in each of the chosen
// states, at 1x and/or 2x, as transparent PNG files named like an export series
// (CaptionFileName): PREFIXi.png, PREFIXi-hover.png, ..., PREFIXi@2x.png, ... for caption i
// without a name, PREFIX-NAME.png, PREFIX-NAME-hover.png, ... for one with a name.

// A look: a design record, its caption font and its texture picture (null for none). The
// record's caption slots and TextIndex are not looked at: the captions come beside it.
struct ButtonLook {
  ButtonDesign design{};
  CaptionFont font;
  QImage texture;
};

struct ButtonSetOptions {
  QString folder;  // an existing folder
  QString prefix = QStringLiteral("button");
  QList<ButtonState> states = kAllStates;  // in the order asked for
  QList<int> scales = {1, 2};              // 1 and/or 2
  // Every image the size of the largest caption's button in the normal state.
  bool uniform = false;
  StateOptions stateOptions;
  // States whose look comes from a design of their own (drawn with the set's captions)
  // instead of the transform of the normal design.
  QMap<ButtonState, ButtonLook> stateLooks;
  // Also the sprite sheets (one per scale), the stylesheet and the preview page.
  bool sheet = false;
};

// Why images in these states and scales cannot be made ("" when they can): no state, a state
// twice, a scale other than 1 and 2, a state option out of its range. `what` names the
// product in the message ("set", "skin").
QString StateImagesProblem(const QString& what, const QList<ButtonState>& states,
                           const QList<int>& scales, const StateOptions& stateOptions);

// Whether the options make a set that can be written: an existing folder; a prefix that can
// begin a file name (not empty, no "/"); at least one state, each once; scale 1, 2 or both;
// the state options within their ranges. False with the first reason it cannot otherwise.
bool CheckSetOptions(const ButtonSetOptions& options, QString* error);

// Why the set's files and classes cannot all be made for these captions ("" when they
// can), before anything is written: no caption; two files that would be one
// (PlannedFilesProblem: a caption named "sheet" beside PREFIX-sheet.png, a caption "home"
// whose hover image another named "home-hover" would overwrite, names that differ only in
// case); with the stylesheet, two captions of one class (a caption named "3" beside a third
// caption without a name, names that differ only where a class has "_").
QString SetFilesProblem(const ButtonSetOptions& options, const QList<Caption>& captions);

// The look of a state: the state's own look when `ownLooks` has one, otherwise the state's
// transform of `normal`.
ButtonLook LookOfState(const ButtonLook& normal, ButtonState state, const StateOptions& options,
                       const QMap<ButtonState, ButtonLook>& ownLooks);

// The file-name ending of one image: "", "-hover", ... then "@2x" for scale 2, then ".png".
QString SetImageEnding(ButtonState state, int scale);

// Renders the images of a set, one caption and state at a time. Renders continue the
// program's one random generator, caption by caption and, within a caption, state by state.
class ButtonSetRenderer {
 public:
  ButtonSetRenderer(const ButtonLook& normal, const QList<Caption>& captions,
                    const ButtonSetOptions& options);

  // Checks the options that the images depend on (CheckSetOptions but for the folder and the
  // prefix) and works out every look (and the uniform size); false with a message when the
  // images cannot be made. Draws nothing from the generator.
  bool prepare(QString* error);
  int captionCount() const { return static_cast<int>(captions_.size()); }
  // The size every image has at 1x with `uniform`; empty otherwise.
  QSize uniformSize() const { return uniformSize_; }

  // The size of the image of one caption in one state at 1x, from the sizing alone.
  QSize imageSize(int index, ButtonState state) const;

  // The images of one caption in one state, at the scales asked for (the other stays null);
  // false with the render's reason when it was refused (empty when it gave up).
  bool render(int index, ButtonState state, QImage* oneX, QImage* twoX, QString* reason);

 private:
  // Each state's look, made once by prepare (and sized for the set with `uniform`).
  QMap<ButtonState, ButtonLook> looks_;
  ButtonLook normal_;
  QList<Caption> captions_;
  ButtonSetOptions options_;
  QSize uniformSize_;
  ImageRenderHost host_;
  ButtonRenderer renderer_{host_};
};

// Renders and writes the whole set of these captions into options.folder, each file
// atomically, then with `sheet` the sprite sheets, NAME.css and NAME.html. Nothing is
// written when the options (CheckSetOptions) or the captions' files (SetFilesProblem) are
// refused. False with a message naming the file at the first failure (a refused render
// writes nothing more; the files already written stay). `onImage`, when given, sees every
// image as it is written (caption index, state index, scale); `keepGoing`, when given and
// false, calls the set off.
bool ExportButtonSet(const ButtonLook& normal, const QList<Caption>& captions,
                     const ButtonSetOptions& options, QString* error,
                     const std::function<void(int index, int stateIndex, int scale,
                                              const QImage& image)>& onImage = {},
                     const std::function<bool()>& keepGoing = {});
