#include "ButtonSet.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <optional>

#include "AtomicFile.h"
#include "ButtonSize.h"
#include "ExportSeries.h"
#include "ImageChoice.h"
#include "ImageExport.h"
#include "PngWriterThread.h"
#include "SetWebPage.h"
#include "SpriteSheet.h"

QString SetImageEnding(ButtonState state, int scale) {
  QString ending = state == ButtonState::Normal ? QString() : u'-' + StateName(state);
  if (scale == 2) ending += QStringLiteral("@2x");
  return ending + QStringLiteral(".png");
}

ButtonSetRenderer::ButtonSetRenderer(const ButtonLook& normal, const QList<Caption>& captions,
                                     const ButtonSetOptions& options)
    : normal_(normal), captions_(captions), options_(options) {
  unsigned extras = 0;
  for (int scale : options_.scales)
    extras |= ExtrasFor(true, scale);
  renderer_.setExtraImages(extras);
}

QString StateImagesProblem(const QString& what, const QList<ButtonState>& states,
                           const QList<int>& scales, const StateOptions& stateOptions) {
  if (states.isEmpty()) return QStringLiteral("A %1 needs at least one state.").arg(what);
  for (qsizetype i = 0; i < states.size(); ++i) {
    if (states.indexOf(states[i]) != i) {
      return QStringLiteral("The state %1 is asked for twice.").arg(StateName(states[i]));
    }
  }
  const bool scalesHeld = scales == QList<int>{1} || scales == QList<int>{2} ||
                          scales == QList<int>{1, 2} || scales == QList<int>{2, 1};
  if (!scalesHeld) return QStringLiteral("A %1 is made at scale 1, 2 or both.").arg(what);
  if (!kHoverLightnessRange.holds(stateOptions.hoverLightness)) {
    return QStringLiteral("The hover lightness lies within %1.")
        .arg(RangeText(kHoverLightnessRange));
  }
  if (!kPressedShiftRange.holds(stateOptions.pressedShift)) {
    return QStringLiteral("The pressed shift lies within %1.").arg(RangeText(kPressedShiftRange));
  }
  return {};
}

namespace {
// What the images of a set need of the options; the folder and prefix only matter for writing.
bool CheckImageOptions(const ButtonSetOptions& o, QString* error) {
  *error = StateImagesProblem(QStringLiteral("set"), o.states, o.scales, o.stateOptions);
  return error->isEmpty();
}
}  // namespace

bool CheckSetOptions(const ButtonSetOptions& o, QString* error) {
  if (o.folder.isEmpty()) {
    *error = QStringLiteral("Choose the folder of the set.");
    return false;
  }
  if (!QFileInfo(o.folder).isDir()) {
    *error = QStringLiteral("%1 is not a folder: choose an existing folder.")
                 .arg(QDir::toNativeSeparators(o.folder));
    return false;
  }
  // Without a prefix the stylesheet and page would be hidden files named ".css" and ".html".
  if (o.prefix.isEmpty()) {
    *error = QStringLiteral("Type a prefix: the set's file names begin with it.");
    return false;
  }
  if (o.prefix.contains(u'/') || o.prefix.contains(QChar(0))) {
    *error = QStringLiteral("The prefix %1 cannot stand in a file name: it holds a \"/\".")
                 .arg(o.prefix);
    return false;
  }
  return CheckImageOptions(o, error);
}

QString SetFilesProblem(const ButtonSetOptions& o, const QList<Caption>& captions) {
  if (captions.isEmpty()) return QStringLiteral("A set needs at least one caption.");
  QList<PlannedFile> files;
  for (int i = 0; i < captions.size(); ++i) {
    const QString holds = CaptionWord(captions[i], i);
    for (ButtonState state : o.states) {
      for (int scale : {1, 2}) {
        if (o.scales.contains(scale))
          files << PlannedFile{
              CaptionFileName(o.prefix, captions[i], i, SetImageEnding(state, scale)), holds};
      }
    }
  }
  if (!o.sheet) return PlannedFilesProblem(files);
  for (int scale : {1, 2}) {
    if (o.scales.contains(scale))
      files << PlannedFile{
          SetSheetFileName(o.prefix, scale),
          scale == 1 ? QStringLiteral("the sprite sheet") : QStringLiteral("the 2x sprite sheet")};
  }
  files << PlannedFile{SetStylesheetFileName(o.prefix), QStringLiteral("the stylesheet")}
        << PlannedFile{SetPageFileName(o.prefix), QStringLiteral("the page")};
  if (const QString problem = PlannedFilesProblem(files); !problem.isEmpty()) return problem;
  // Class names are told apart exactly, as CSS tells them.
  QHash<QString, int> classes;
  classes.reserve(captions.size());
  for (int i = 0; i < captions.size(); ++i) {
    const QString name = SetClassName(o.prefix, captions[i], i);
    const auto earlier = classes.constFind(name);
    if (earlier != classes.constEnd()) {
      return QStringLiteral(
                 "%1 and %2 would have one class, %3, in the stylesheet: give one of "
                 "them another name.")
          .arg(CaptionWord(captions[*earlier], *earlier), CaptionWord(captions[i], i), name);
    }
    classes.insert(name, i);
  }
  return {};
}

bool ButtonSetRenderer::prepare(QString* error) {
  const ButtonSetOptions& o = options_;
  if (!CheckImageOptions(o, error)) return false;
  uniformSize_ = QSize();
  looks_.clear();
  for (ButtonState state : o.states)
    looks_[state] = LookOfState(normal_, state, o.stateOptions, o.stateLooks);
  if (!o.uniform) return true;

  // The largest width and height any caption gets by itself in the normal state.
  const ButtonLook normal = LookOfState(normal_, ButtonState::Normal, o.stateOptions, o.stateLooks);
  QSize largest(0, 0);
  for (const Caption& caption : captions_)
    largest = largest.expandedTo(ButtonImageSize(normal.design, normal.font, caption.text));
  uniformSize_ = largest;
  // A fixed size does not depend on the caption: each state is sized once.
  for (ButtonState state : o.states) {
    ButtonLook& look = looks_[state];
    if (!FixButtonSize(look.design, look.font, uniformSize_)) {
      *error =
          QStringLiteral("The %1 buttons cannot be made %2 x %3 pixels like the others of the set.")
              .arg(StateName(state))
              .arg(uniformSize_.width())
              .arg(uniformSize_.height());
      return false;
    }
  }
  return true;
}

ButtonLook LookOfState(const ButtonLook& normal, ButtonState state, const StateOptions& options,
                       const QMap<ButtonState, ButtonLook>& ownLooks) {
  ButtonLook look;
  const auto own = ownLooks.constFind(state);
  if (own != ownLooks.constEnd()) {
    look = *own;
  } else {
    look.design = DesignForState(normal.design, state, options);
    look.font = normal.font;
    look.texture = TextureForState(normal.texture, normal.design, state);
  }
  return look;
}

QSize ButtonSetRenderer::imageSize(int index, ButtonState state) const {
  if (uniformSize_.isValid()) return uniformSize_;
  const ButtonLook& look = looks_[state];
  return ButtonImageSize(look.design, look.font, captions_.value(index).text);
}

bool ButtonSetRenderer::render(int index, ButtonState state, QImage* oneX, QImage* twoX,
                               QString* reason) {
  const ButtonLook& look = looks_[state];
  host_.texture = look.texture;
  const RenderOutcome outcome =
      renderer_.RenderButton(look.design, look.font, captions_.value(index).text);
  if (!outcome.finished()) {
    *reason = outcome.reason;
    return false;
  }
  if (host_.image.isNull()) {
    *reason = QStringLiteral("The button is empty (a size of 0).");
    return false;
  }
  // Null at a scale that was not asked for: the render made no such image.
  *oneX = ChosenImage(renderer_.extraImages(), {}, true, 1);
  *twoX = ChosenImage(renderer_.extraImages(), {}, true, 2);
  return true;
}

namespace {
// Where the images of the set go in its sheets, and what its page says of each caption.
SetSheetLayout LayoutOfSet(const QList<Caption>& captions, const ButtonSetOptions& options,
                           const ButtonSetRenderer& set) {
  SetSheetLayout layout;
  layout.prefix = options.prefix;
  layout.states = options.states;
  layout.oneX = options.scales.contains(1);
  layout.twoX = options.scales.contains(2);
  layout.captions = captions;
  QSize cell(0, 0);
  for (int i = 0; i < captions.size(); ++i) {
    QSize largest(0, 0);
    for (ButtonState state : options.states)
      largest = largest.expandedTo(set.imageSize(i, state));
    cell = cell.expandedTo(largest);
    layout.elementSizes << largest;
  }
  layout.cell = cell;
  return layout;
}

// The sheets, NAME.css and NAME.html.
bool WriteSheetsAndPage(SpriteSheets& sheets, const QString& folder, QString* error) {
  const SetSheetLayout& layout = sheets.layout();
  const auto path = [&](const QString& name) { return PathInFolder(folder, name); };
  return sheets.write(folder, error) &&
         WriteFileAtomically(path(SetStylesheetFileName(layout.prefix)),
                             SetStylesheet(layout).toUtf8(), error) &&
         WriteFileAtomically(path(SetPageFileName(layout.prefix)), SetPreviewPage(layout).toUtf8(),
                             error);
}
}  // namespace

bool ExportButtonSet(
    const ButtonLook& normal, const QList<Caption>& captions, const ButtonSetOptions& options,
    QString* error,
    const std::function<void(int index, int stateIndex, int scale, const QImage& image)>& onImage,
    const std::function<bool()>& keepGoing) {
  if (!CheckSetOptions(options, error)) return false;
  *error = SetFilesProblem(options, captions);
  if (!error->isEmpty()) return false;
  ButtonSetRenderer set(normal, captions, options);
  if (!set.prepare(error)) return false;
  std::optional<SpriteSheets> sheets;
  if (options.sheet) {
    sheets.emplace(LayoutOfSet(captions, options, set));
    if (!sheets->allocate(error)) return false;
  }
  // The files are compressed and written on two threads while the next renders run: the
  // compression takes longer than the renders, and each file waits for the disk.
  PngWriterThread files(2);
  const auto stop = [&](QString message) {
    QString writeError;
    files.finish(&writeError);
    *error = writeError.isEmpty() ? message : writeError;
    return false;
  };
  const auto path = [&](int index, ButtonState state, int scale) {
    return PathInFolder(options.folder, CaptionFileName(options.prefix, captions[index], index,
                                                        SetImageEnding(state, scale)));
  };
  // Each caption in every state asked for.
  for (int i = 0; i < captions.size(); ++i) {
    for (qsizetype s = 0; s < options.states.size(); ++s) {
      if ((keepGoing && !keepGoing()) || files.failed()) return stop({});
      const ButtonState state = options.states[s];
      QImage images[2];
      QString reason;
      if (!set.render(i, state, &images[0], &images[1], &reason)) {
        return stop(NothingWrittenMessage(path(i, state, options.scales.value(0)), reason));
      }
      for (int scale : {1, 2}) {
        if (!options.scales.contains(scale)) continue;
        const QImage& image = images[scale - 1];
        files.write(path(i, state, scale), image);
        QString failure;
        if (sheets && !sheets->place(i, static_cast<int>(s), scale, image, &failure))
          return stop(failure);
        if (onImage) onImage(i, static_cast<int>(s), scale, image);
      }
    }
  }
  // The images first: a sheet or page that names them is written only when they are.
  if (!files.finish(error)) return false;
  return !sheets || WriteSheetsAndPage(*sheets, options.folder, error);
}
