#include "editor/edit_history.h"

namespace qm530 {

CSnapshotStep::CSnapshotStep(const QString& text, DocState before, DocState after, Restore restore)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      restore_(std::move(restore)) {}

void CSnapshotStep::undo() {
    restore_(before_);
}

void CSnapshotStep::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    restore_(after_);
}

}  // namespace qm530
