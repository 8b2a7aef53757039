#include "ui/command_state.h"

#include "ui/command_ids.h"

namespace qm530::ui {

bool AllowedDuringTransfer(int id) {
    switch (id) {
        case cmd::kChannelInfo:
        case cmd::kViewToolbar:
        case cmd::kViewStatusBar:
        case cmd::kControlBar:
        case cmd::kHelp:
        case cmd::kHelpScreenReader:
        case cmd::kWindowCascade:
        case cmd::kWindowTile:
        case cmd::kNextPane:
        case cmd::kPrevPane:
            return true;
        default:
            return false;
    }
}

namespace {

bool EnabledIgnoringTransfer(int id, bool viewCommand, const ShellState& state) {
    if (id == cmd::kEditUndo) return state.activeView && state.canUndo;
    if (id == cmd::kEditRedo) return state.activeView && state.canRedo;
    if (viewCommand) return state.activeView;
    switch (id) {
        // The language is chosen from a document's Setup menu.
        case cmd::kLanguage:
            return state.activeView;
        case cmd::kFileClose:
        case cmd::kFileSave:
        case cmd::kFileSaveAs:
        case cmd::kChannelInfo:
        case cmd::kProductInfo:
        case cmd::kOptionalFeatures:
        case cmd::kSideKey:
            return state.activeDocument;
        case cmd::kTransferTrace:
        case cmd::kBackupBeforeWrite:
        case cmd::kFileOpenBackup:
            return state.dataFolder;
        case cmd::kWindowCascade:
        case cmd::kWindowTile:
            return state.documentWindows;
        default:
            return true;
    }
}

}  // namespace

bool CommandEnabled(int id, bool viewCommand, const ShellState& state) {
    if (state.transferRunning && (viewCommand || !AllowedDuringTransfer(id))) return false;
    return EnabledIgnoringTransfer(id, viewCommand, state);
}

bool DocumentMenusShown(const ShellState& state) {
    return state.documentWindows;
}

}  // namespace qm530::ui
