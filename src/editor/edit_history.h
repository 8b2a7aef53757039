#pragma once

#include <QUndoCommand>
#include <functional>

#include "model/channel_table.h"
#include "model/radio_image.h"

namespace qm530::editor {

// What an edit can change in a document: the image (with the grid encoded
// into its channel records) and the grid's texts.
struct DocState {
    RadioImage image;
    ChannelTable table;
    bool operator==(const DocState&) const = default;
};

// One undo step: the document before and after it, restored byte for byte.
// The step has happened already when it is pushed, so its first redo does
// nothing.
class SnapshotStep : public QUndoCommand {
  public:
    using Restore = std::function<void(const DocState&)>;
    SnapshotStep(const QString& text, DocState before, DocState after, Restore restore);

    void undo() override;
    void redo() override;

  private:
    DocState before_;
    DocState after_;
    Restore restore_;
    bool done_ = true;
};

}  // namespace qm530::editor
