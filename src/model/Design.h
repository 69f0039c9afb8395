#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include "ButtonDesign.h"
#include "ButtonStates.h"
#include "CaptionFont.h"

// A caption: its lines separated by '\n' (never CR); name and link optional (empty: none).
// A name becomes part of file names and CSS classes of a set, so it must be a plain file
// stem (CaptionNameProblem); a link is any text.
struct Caption {
  QString text;
  QString name{};
  QString link{};
  bool operator==(const Caption&) const = default;
};

// The most captions a design holds: far beyond any navigation, and a bound on what a
// hostile file can make the editor and a set allocate.
inline constexpr int kMaxCaptions = 10000;

// Why a caption name cannot serve as a file stem ("" when it can): empty, "." or "..", a
// "/" or "\", or a control character.
QString CaptionNameProblem(const QString& name);

// What a set is made with, as a design document keeps it (the editor's Set dialog and the
// command's --set read it). `folder` and `stateDesigns` paths are absolute in memory.
struct SetChoices {
  QString folder;
  QString prefix = QStringLiteral("button");
  QList<ButtonState> states = kAllStates;
  QList<int> scales = {1, 2};
  bool uniform = false;
  bool sheet = false;
  StateOptions stateOptions;                // hover lightness, pressed shift
  QMap<ButtonState, QString> stateDesigns;  // a state's look from a design file
  bool operator==(const SetChoices&) const = default;
};

// The record of a new design: the defaults on a record of zeros, LastTextIndex by the
// last-slot rule (as the editor's synchronisation leaves it).
ButtonDesign NewDesignRecord();

// One design: the look (every field of the record), the caption font, the texture path
// (Unicode, absolute or as given), any number (>= 1) of captions, the current caption and
// the set choices.
// While a design is in memory its record's CaptionSlots and TextIndex are not the truth
// (captions and current are), and TextureFile is only the Windows-1252 form of `texture`
// ("?" for what the code page lacks, cut to 255), kept in step by SetTexture because the
// renderer tests its emptiness. Every other field of the record is the truth, LastTextIndex
// and the reserved bytes included.
struct Design {
  ButtonDesign record = NewDesignRecord();
  CaptionFont font;
  QString texture;
  QList<Caption> captions{Caption{QStringLiteral("Button Text")}};
  int current = 0;  // 0 .. captions.size() - 1
  SetChoices set;

  // The current caption's text (current brought into range, so no value reaches past the
  // captions).
  const QString& currentText() const;

  // Equal designs: everything above, the record compared without its slots, TextIndex and
  // TextureFile.
  bool operator==(const Design& other) const;
};

// Sets the texture path and the record's TextureFile with it.
void SetTexture(Design& design, const QString& path);

// LastTextIndex := the last-slot rule on the slots the record of this design would hold
// (captions 0..31, current clamped to 31). Whatever moves the current caption or changes
// captions applies it, as the editor does for the record.
void SetLastTextIndex(Design& design);
