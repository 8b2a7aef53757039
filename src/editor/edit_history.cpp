#include "editor/edit_history.h"

namespace qm530::editor {

SnapshotStep::SnapshotStep(const QString& text, DocState before, DocState after, Restore restore)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      restore_(std::move(restore)) {}

void SnapshotStep::undo() {
    restore_(before_);
}

void SnapshotStep::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    restore_(after_);
}

}  // namespace qm530::editor
