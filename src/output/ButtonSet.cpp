#include "ButtonSet.h"

#include <QDir>
#include <QFileInfo>
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

ButtonSetRenderer::ButtonSetRenderer(const ButtonLook& normal, const ButtonSetOptions& options)
    : normal_(normal), options_(options) {
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

bool ButtonSetRenderer::prepare(QString* error) {
  const ButtonSetOptions& o = options_;
  if (!CheckImageOptions(o, error)) return false;
  lastSlot_ = LastSlot(normal_.design);
  uniformSize_ = QSize();
  looks_.clear();
  for (ButtonState state : o.states)
    looks_[state] = LookOfState(normal_, state, o.stateOptions, o.stateLooks);
  if (!o.uniform) return true;

  // The largest width and height any caption gets by itself in the normal state.
  ButtonLook normal = LookOfState(normal_, ButtonState::Normal, o.stateOptions, o.stateLooks);
  QSize largest(0, 0);
  for (int slot = 0; slot <= lastSlot_; ++slot) {
    normal.design.TextIndex = slot;
    largest = largest.expandedTo(
        ButtonImageSize(normal.design, normal.font, CurrentSlotCaption(normal.design)));
  }
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
    std::copy(std::begin(normal.design.CaptionSlots), std::end(normal.design.CaptionSlots),
              std::begin(look.design.CaptionSlots));
    look.design.TextIndex = normal.design.TextIndex;
    look.design.LastTextIndex = normal.design.LastTextIndex;
  } else {
    look.design = DesignForState(normal.design, state, options);
    look.font = normal.font;
    look.texture = TextureForState(normal.texture, normal.design, state);
  }
  return look;
}

ButtonLook ButtonSetRenderer::lookFor(int slot, ButtonState state) const {
  ButtonLook look = looks_.value(state);
  look.design.TextIndex = slot;
  look.design.LastTextIndex = lastSlot_;
  return look;
}

QSize ButtonSetRenderer::imageSize(int slot, ButtonState state) const {
  if (uniformSize_.isValid()) return uniformSize_;
  const ButtonLook look = lookFor(slot, state);
  return ButtonImageSize(look.design, look.font, CurrentSlotCaption(look.design));
}

bool ButtonSetRenderer::render(int slot, ButtonState state, QImage* oneX, QImage* twoX,
                               QString* reason) {
  const ButtonLook look = lookFor(slot, state);
  host_.texture = look.texture;
  const RenderOutcome outcome =
      renderer_.RenderButton(look.design, look.font, CurrentSlotCaption(look.design));
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
// Where the images of the set go in its sheets, and what its page says of each slot.
SetSheetLayout LayoutOfSet(const ButtonLook& normal, const ButtonSetOptions& options,
                           const ButtonSetRenderer& set) {
  SetSheetLayout layout;
  layout.prefix = options.prefix;
  layout.states = options.states;
  layout.oneX = options.scales.contains(1);
  layout.twoX = options.scales.contains(2);
  QSize cell(0, 0);
  for (int slot = 0; slot <= set.lastSlot(); ++slot) {
    QSize largest(0, 0);
    for (ButtonState state : options.states)
      largest = largest.expandedTo(set.imageSize(slot, state));
    cell = cell.expandedTo(largest);
    layout.elementSizes << largest;
    layout.captions << CaptionAsOneLine(normal.design.CaptionSlots[slot].text());
  }
  layout.cell = cell;
  return layout;
}

// The sheets, NAME.css and NAME.html. The largest sheet goes to the writing thread, the rest
// is written here meanwhile.
bool WriteSheetsAndPage(const SpriteSheets& sheets, const QString& folder, PngWriterThread& files,
                        QString* error) {
  const SetSheetLayout& layout = sheets.layout();
  const auto path = [&](const QString& name) { return PathInFolder(folder, name); };
  const int largest = sheets.sheet(2).isNull() ? 1 : 2;
  files.write(path(SetSheetFileName(layout.prefix, largest)), sheets.sheet(largest));
  if (largest == 2 && !sheets.sheet(1).isNull() &&
      !ExportPng(sheets.sheet(1), path(SetSheetFileName(layout.prefix, 1)), error)) {
    return false;
  }
  return WriteFileAtomically(path(SetStylesheetFileName(layout.prefix)),
                             SetStylesheet(layout).toUtf8(), error) &&
         WriteFileAtomically(path(SetPageFileName(layout.prefix)), SetPreviewPage(layout).toUtf8(),
                             error);
}
}  // namespace

bool ExportButtonSet(
    const ButtonLook& normal, const ButtonSetOptions& options, QString* error,
    const std::function<void(int slot, int stateIndex, int scale, const QImage& image)>& onImage,
    const std::function<bool()>& keepGoing) {
  if (!CheckSetOptions(options, error)) return false;
  ButtonSetRenderer set(normal, options);
  if (!set.prepare(error)) return false;
  std::optional<SpriteSheets> sheets;
  if (options.sheet) {
    sheets.emplace(LayoutOfSet(normal, options, set));
    if (!sheets->allocate(error)) return false;
  }
  // The files are compressed and written on a second thread while the next renders run.
  PngWriterThread files;
  const auto stop = [&](QString message) {
    QString writeError;
    files.finish(&writeError);
    *error = writeError.isEmpty() ? message : writeError;
    return false;
  };
  // The slots of the series, each in every state asked for.
  ButtonDesign series = normal.design;
  const bool rendered = RunExportSeries(
      series,
      [&](int slot, QString* failure) {
        for (qsizetype s = 0; s < options.states.size(); ++s) {
          if ((keepGoing && !keepGoing()) || files.failed()) return false;
          const ButtonState state = options.states[s];
          QImage images[2];
          QString reason;
          if (!set.render(slot, state, &images[0], &images[1], &reason)) {
            const QString path = SeriesFileName(options.folder, options.prefix, slot + 1,
                                                SetImageEnding(state, options.scales.value(0)));
            *failure = NothingWrittenMessage(path, reason);
            return false;
          }
          for (int scale : {1, 2}) {
            if (!options.scales.contains(scale)) continue;
            const QImage& image = images[scale - 1];
            files.write(SeriesFileName(options.folder, options.prefix, slot + 1,
                                       SetImageEnding(state, scale)),
                        image);
            if (sheets && !sheets->place(slot, static_cast<int>(s), scale, image, failure)) {
              return false;
            }
            if (onImage) onImage(slot, static_cast<int>(s), scale, image);
          }
        }
        return true;
      },
      error);
  if (!rendered) return stop(*error);
  if (sheets && !WriteSheetsAndPage(*sheets, options.folder, files, error)) return stop(*error);
  return files.finish(error);
}
