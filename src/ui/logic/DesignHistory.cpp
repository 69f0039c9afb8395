#include "DesignHistory.h"

#include <QUndoCommand>

#include "CaptionList.h"

namespace {
// Steps kept; a step holds the design and what was saved, two 9 KB records and the
// captions (the state before it is the previous step's).
constexpr int kUndoLimit = 500;
}  // namespace

Design WithoutCurrentCaption(Design design) {
  design.current = 0;
  design.record.TextIndex = 0;
  design.record.LastTextIndex = 0;
  DropEmptyCaptionsAfter(design.captions, 0);
  return design;
}

bool DesignState::operator==(const DesignState& other) const {
  // Two loads of one file are different images with the same pixels; the same image is
  // recognised without comparing them.
  return WithoutCurrentCaption(design) == WithoutCurrentCaption(other.design) &&
         (texture.cacheKey() == other.texture.cacheKey() || texture == other.texture);
}

// One step: the states before and after it. Pushing it does nothing (the change is made
// already); undo and redo put its states back.
class DesignStep : public QUndoCommand {
 public:
  DesignStep(DesignHistory& history, const DesignHistory::Frame& frame,
             DesignHistory::StateRef before, DesignHistory::StateRef after)
      : QUndoCommand(frame.name),
        history_(history),
        merge_(frame.merge),
        actionId_(frame.id),
        before_(std::move(before)),
        after_(std::move(after)) {}

  // One id for all steps, so that the stack asks mergeWith, which decides.
  int id() const override { return 1; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = static_cast<const DesignStep*>(other);
    const bool sameAction = next->actionId_ == actionId_;
    const bool typing = merge_ == DesignHistory::Merge::Typing &&
                        next->merge_ == DesignHistory::Merge::Typing && next->text() == text() &&
                        history_.mergeOpen_;
    if (!sameAction && !typing) return false;
    after_ = next->after_;
    // Typed and then typed back: the step is gone.
    setObsolete(*after_ == *before_);
    return true;
  }

  void undo() override { history_.restore(before_, *after_); }
  void redo() override {
    if (pushed_) history_.restore(after_, *before_);
    pushed_ = true;
  }

 private:
  DesignHistory& history_;
  DesignHistory::Merge merge_;
  quint64 actionId_;
  DesignHistory::StateRef before_;
  DesignHistory::StateRef after_;
  bool pushed_ = false;
};

DesignHistory::Action::Action(DesignHistory& history, const QString& name, Merge merge)
    : history_(history) {
  std::vector<Frame>& frames = history.frames_;
  if (!frames.empty() && history.fresh_) {
    frames.push_back(frames.back());
  } else {
    frames.push_back({name, merge, ++history.lastActionId_});
  }
  history.fresh_ = true;
}

DesignHistory::Action::~Action() {
  history_.commit();
  history_.frames_.pop_back();
  if (history_.frames_.empty()) history_.documentStep_ = false;
}

DesignHistory::DesignHistory(Hooks hooks, QObject* parent)
    : QObject(parent), hooks_(std::move(hooks)) {
  stack_.setUndoLimit(kUndoLimit);
}

DesignHistory::~DesignHistory() = default;

void DesignHistory::reset() {
  stack_.clear();
  current_ = std::make_shared<const DesignState>(hooks_.capture());
  mergeOpen_ = false;
  emit changed();
}

void DesignHistory::commit() {
  if (!current_ || restoring_ || hooks_.paused()) return;
  // What the innermost action does from here on (it renders, and the render pumps events)
  // is no longer the making of this step.
  fresh_ = false;
  auto now = std::make_shared<const DesignState>(hooks_.capture());
  const bool documentReplaced =
      documentStep_ && (now->file != current_->file || now->document != current_->document ||
                        now->saved != current_->saved);
  if (*now == *current_ && !documentReplaced) {
    current_ = std::move(now);
    return;
  }
  documentStep_ = false;
  const Frame frame =
      frames_.empty() ? Frame{tr("Change"), Merge::No, ++lastActionId_} : frames_.back();
  auto* step = new DesignStep(*this, frame, current_, now);
  current_ = std::move(now);
  stack_.push(step);
  mergeOpen_ = true;
  emit changed();
}

void DesignHistory::undo() {
  if (!stack_.canUndo()) return;
  closeMerge();
  stack_.undo();
  emit changed();
}

void DesignHistory::redo() {
  if (!stack_.canRedo()) return;
  closeMerge();
  stack_.redo();
  emit changed();
}

void DesignHistory::restore(const StateRef& state, const DesignState& from) {
  StateRef put = state;
  if (state->file == from.file && state->document == from.document && state->saved == from.saved) {
    // The step did not change the document: it stays as it is now.
    auto kept = std::make_shared<DesignState>(*state);
    const DesignState now = hooks_.capture();
    kept->file = now.file;
    kept->document = now.document;
    kept->saved = now.saved;
    put = std::move(kept);
  }
  restoring_ = true;
  hooks_.restore(*put);
  restoring_ = false;
  current_ = put;
}
