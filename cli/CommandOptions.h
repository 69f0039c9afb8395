#pragma once

#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>

#include "ButtonState.h"
#include "Design.h"
#include "ImageExport.h"

// What one run of tessaro-render is asked to do, as read from its command line.
struct CommandOptions {
  QString designPath;  // a design file or document; empty: the default design
  QString csvPath;     // --captions: the design's captions replaced by a CSV file's
  QString outputPath;  // -o: one button; empty when none is asked for
  ImageType outputType = ImageType::Png;
  QString captionsFolder;  // --all-captions: one button per caption; empty when not
  QString prefix = QStringLiteral("button");
  ImageType captionType = ImageType::Jpeg;
  bool random = false;
  QString saveDesignPath;  // empty: the design is not saved
  bool printSize = false;

  // The one button of -o: its state and scale, and whether the page shows through (PNG).
  ButtonState state = ButtonState::Normal;
  int scale = 1;
  bool transparent = false;
  // --set: a button set, in setFolder or, when that is empty, the folder the design
  // document names.
  bool set = false;
  QString setFolder;
  QList<ButtonState> setStates = kAllStates;
  QList<int> setScales = {1, 2};
  bool uniform = false;
  bool sheet = false;  // also the sprite sheets, NAME.css and NAME.html
  // For the states of -o and of the set.
  StateOptions stateOptions;
  QList<QPair<ButtonState, QString>> stateDesigns;  // a state's look from a design file
  // --skin: a skin in this folder, in the set's states and scales; empty when none is asked
  // for. Its size (invalid: the button's own) and outputs (SkinOutput flags).
  QString skinFolder;
  QSize skinSize;
  unsigned skinOutputs = 0;

  // Which of the set's choices the command line gives; the others come from the design
  // (WithDesignChoices). Flags (--uniform, --sheet) can only be turned on.
  struct Given {
    bool prefix = false, states = false, scales = false;
    bool hoverLightness = false, pressedShift = false;
  } given;
};

// The options with what the command line leaves open taken from the design's set choices
// (a design document's; a design file's are the defaults): the prefix, states, scales,
// uniform size, sheet, state options, the set's folder when --set names none, and each
// state's own design, those of the command line replacing the design's state by state.
CommandOptions WithDesignChoices(const CommandOptions& options, const SetChoices& choices);

// The command line read: what to do, the options, and the text to show.
struct ParsedCommandLine {
  enum class Action { Run, ShowHelp, ShowVersion, Refuse };
  Action action = Action::Run;
  CommandOptions options;
  QString text;  // the help or version text, or why the command line is refused
};

// Reads the command line (arguments[0] is the program). Never exits and never prints: the
// caller shows the text and picks the exit status.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);
