#pragma once

#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>

#include "ButtonState.h"
#include "ImageExport.h"

// What one run of tessaro-render is asked to do, as read from its command line.
struct CommandOptions {
  QString designPath;  // empty: the default design
  QString outputPath;  // -o: one button; empty when none is asked for
  ImageType outputType = ImageType::Png;
  QString captionsFolder;  // --all-captions: one button per caption slot; empty when not
  QString prefix = QStringLiteral("button");
  ImageType captionType = ImageType::Jpeg;
  bool random = false;
  QString saveDesignPath;  // empty: the design is not saved
  bool printSize = false;

  // The one button of -o: its state and scale, and whether the page shows through (PNG).
  ButtonState state = ButtonState::Normal;
  int scale = 1;
  bool transparent = false;
  // --set: a button set in this folder; empty when none is asked for.
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
};

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
