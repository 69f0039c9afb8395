#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <functional>

#include "ButtonStates.h"

class Prompts;
class QCheckBox;
class QDialog;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSettings;
class QSpinBox;
class QWidget;

// What a set and a skin are both chosen by. The options and choices of both hold these
// under the same names, which is all `of` and `into` need of them.
struct StateChoices {
  QString folder;
  QString prefix;
  QList<ButtonState> states;  // in the boxes' order
  QList<int> scales;
  StateOptions stateOptions;

  template <class Options>
  static StateChoices of(const Options& o) {
    return {o.folder, o.prefix, o.states, o.scales, o.stateOptions};
  }
  template <class Options>
  void into(Options& o) const {
    o.folder = folder;
    o.prefix = prefix;
    o.states = states;
    o.scales = scales;
    o.stateOptions = stateOptions;
  }
};

// The controls the Export set and Export skin dialogs share, and the settings keys they keep
// them under (each in the dialog's own group). A dialog inherits them, so they are its own
// members to whoever uses it, and builds them into its layout piece by piece: a widget's
// place in the tab chain is the order it was made in.
class StateChoiceControls {
 public:
  QLineEdit* FolderEdit = nullptr;
  QPushButton* FolderButton = nullptr;  // the platform's folder dialog
  QLineEdit* PrefixEdit = nullptr;
  QLabel* ExampleLabel = nullptr;  // the first file's name
  // Why the files cannot be written, hidden while nothing is in the way.
  QLabel* ProblemLabel = nullptr;
  QCheckBox* StateBoxes[4] = {};  // normal, hover, pressed, disabled
  QCheckBox* OneXBox = nullptr;
  QCheckBox* TwoXBox = nullptr;
  QSpinBox* LightnessBox = nullptr;
  QSpinBox* ShiftBox = nullptr;
  QScrollArea* StripArea = nullptr;
  QPushButton* ExportButton = nullptr;
  QPushButton* CancelButton = nullptr;

 protected:
  StateChoiceControls() = default;
  ~StateChoiceControls() = default;

  // The group "Folder and name": the folder with Choose..., the prefix with the first
  // file's name beside it, and the problem under both.
  QGroupBox* addWhereGroup(QWidget* dialog);
  // Rows 0 (the states) and 1 (the scales) of the group of what is written.
  void addStateBoxes(QGroupBox* group, QGridLayout* layout);
  // Rows 4 and 5 of that group: hover lightness and pressed shift, with their labels.
  void addStateLookBoxes(QGroupBox* group, QGridLayout* layout);
  // `strip` in a frameless scroll area of `group`, which the dialog lays out.
  void addStripArea(QGroupBox* group, QWidget* strip);
  // Export (the default) and Cancel at the right, accepting and rejecting `dialog`.
  QHBoxLayout* addDialogButtons(QDialog* dialog);
  // Choose... asks `prompts` for a folder under `folderTitle`; every change of the
  // controls calls `changed`.
  void connectChoices(QWidget* dialog, Prompts& prompts, const QString& folderTitle,
                      const std::function<void()>& changed);

  StateChoices stateChoices() const;
  // An empty folder leaves the folder shown.
  void showStateChoices(const StateChoices& choices);
  void saveStateChoices(QSettings& settings) const;
  // The folder kept when it still is one, else `proposedFolder`; `defaults` for keys not
  // kept (its folder is not used).
  void restoreStateChoices(const QSettings& settings, const QString& proposedFolder,
                           const StateChoices& defaults);

 private:
  void showBoxes(const StateChoices& choices);
};

// A hidden label of wrapped text in `colour`, for what a dialog has to say.
QLabel* MessageLabel(QWidget* parent, QColor colour);
