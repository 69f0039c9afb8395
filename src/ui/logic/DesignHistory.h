#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <vector>

#include "Design.h"

// The design without its current caption: which caption the editor shows or exports is no
// change of the design, so current, the record's TextIndex and LastTextIndex (which follows
// from current) are zeroed, and the empty captions at the end (no text, name or link), which
// moving past the last caption opens, are dropped. The current caption is still saved with
// the design.
Design WithoutCurrentCaption(Design design);

// What an undo puts back: the design (with its font), the texture picture (Browse and Clear
// change it; a QImage shares its pixels, so keeping one is cheap); and the design's
// document, its file and what was last opened or saved, which New replaces.
struct DesignState {
  Design design;
  QImage texture;
  QString file;          // empty for a new design
  bool document = true;  // the file's kind: a design document, or a design file
  Design saved;          // what was last opened or saved, WithoutCurrentCaption

  // The same design: equal apart from the current caption, with the same texture pixels.
  // The document is not compared (a save is no step).
  bool operator==(const DesignState& other) const;
};

// The design's undo history, on a QUndoStack. Handlers do not describe their changes: a
// user action runs inside an Action, and at its commit points (before every render and when
// the action ends) the history compares the design with the last recorded state and
// records any difference as one step named for the action. So handlers that do not render
// are covered too, and so are the changes an action makes through other controls (the radio
// button Browse selects belongs to the Browse step). What the comparison leaves out (the
// current caption, the document) follows into the recorded state without a step, so a
// step's states hold the caption the change was made in; the document goes back only with a
// step that changed it (New), so undoing edits made before a Save as keeps the file saved to.
class DesignHistory : public QObject {
  Q_OBJECT

 public:
  // Typing: consecutive steps of the same name merge into one until closeMerge() (focus
  // left the field) or another step comes between.
  enum class Merge { No, Typing };

  struct Hooks {
    std::function<DesignState()> capture;  // the design as it is now
    // Puts a recorded state back, controls included, leaving the design byte for byte as
    // recorded; does not render.
    std::function<void(const DesignState&)> restore;
    // True while the changes being made are not the user's (the controls are synchronised).
    std::function<bool()> paused;
  };

  // One user action; its changes become one step called `name`. An action that begins
  // inside another before that one reached a commit point is the other's doing (a handler
  // the first runs by setting a control) and joins its step; one that begins later (an edit
  // handled inside a render's event pump) is a step of its own.
  class Action {
   public:
    Action(DesignHistory& history, const QString& name, Merge merge = Merge::No);
    ~Action();
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

   private:
    DesignHistory& history_;
  };

  explicit DesignHistory(Hooks hooks, QObject* parent = nullptr);
  ~DesignHistory() override;

  // Starts afresh from the design as it is now, without steps.
  void reset();
  // Records what changed since the last recorded state, if anything did.
  void commit();
  // Typing from now on starts a new step.
  void closeMerge() { mergeOpen_ = false; }
  // The running action replaces the document (New): its change of the file is a step, so
  // that undo brings the file back, also when the design itself stays the same.
  void replacesDocument() { documentStep_ = true; }
  // Puts the state before the last step (after the next step) back. No-ops at the ends.
  void undo();
  void redo();

  const QUndoStack& stack() const { return stack_; }

 signals:
  // The design changed through the history: a step was recorded or merged, undone or redone,
  // or the history started afresh.
  void changed();

 private:
  friend class DesignStep;
  using StateRef = std::shared_ptr<const DesignState>;
  struct Frame {
    QString name;
    Merge merge;
    quint64 id;  // the action; every commit of one action merges into its step
  };

  // Puts `state` back, coming from `from` (the step's other end).
  void restore(const StateRef& state, const DesignState& from);

  Hooks hooks_;
  QUndoStack stack_;
  StateRef current_;  // the state the last step left, or the start
  std::vector<Frame> frames_;
  quint64 lastActionId_ = 0;
  bool fresh_ = false;  // the innermost action has not reached a commit point yet
  bool mergeOpen_ = false;
  bool restoring_ = false;
  bool documentStep_ = false;  // replacesDocument() in the running action
};
