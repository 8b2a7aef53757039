// What the view says to a screen reader beyond its controls' names: the
// whole current channel on its key, and how a transfer ended.
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/channel_phrase.h"
#include "editor/program_view.h"
#include "model/channel_words.h"
#include "ui/announce.h"
#include "ui/app_context.h"

namespace qm530::editor {

// How a Read or Write ended, in words a screen reader speaks: the number of
// channels the radio now holds, or that it was cancelled or failed (the
// failure's own message has been shown already).
void CProgramView::AnnounceTransferResult(const QString& addition) {
    const bool read = lastTransfer_.direction == link::TransferDirection::kRead;
    QString text;
    if (lastTransfer_.completed()) {
        int channels = 0;
        for (int row = 1; row < kTableRows; ++row) {
            if (!table_.Cell(row, col::kRx).empty()) ++channels;
        }
        text = (read ? tr("Read complete: %1 channels") : tr("Write complete: %1 channels"))
                   .arg(channels);
    } else if (lastTransfer_.outcome == link::TransferOutcome::kCancelled) {
        text = read ? tr("Read cancelled") : tr("Write cancelled");
    } else {
        text = read ? tr("Read failed") : tr("Write failed");
    }
    if (!addition.isEmpty())
        text = tr("%1. %2", "a transfer's result, then more").arg(text, addition);
    ui::Announce(ctx_, text);
}

void CProgramView::OnSpeakChannel() {
    const int row = editor_->Grid()->Row();
    ui::Announce(ctx_, ChannelSpeech::Phrase(table_, row, ctx_.UiLanguage));
}

}  // namespace qm530::editor
