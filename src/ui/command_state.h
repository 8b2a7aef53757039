#pragma once

namespace qm530::ui {

// What decides whether a command of the menus, the toolbar and the keys can
// run: the documents, the active view and a running transfer.
struct ShellState {
    bool documentWindows = false;  // at least one document window, shown or hidden
    bool activeDocument = false;   // a document window is the active one
    bool activeView = false;       // ... and has its view
    bool transferRunning = false;
    bool dataFolder = false;  // the user's data folder is known (traces, backups)
    bool canUndo = false;     // the active view's undo list
    bool canRedo = false;
};

// True when command `id` (ui/command_ids.h) can run in `state`. `viewCommand`
// says that the channel view runs it (its Program, Edit and File commands).
bool CommandEnabled(int id, bool viewCommand, const ShellState& state);

// The commands that stay available while a transfer runs: those that cannot
// take the transfer's view, document or progress window away.
bool AllowedDuringTransfer(int id);

// Edit, Program and Setup are shown while a document window exists; File,
// View and Help always.
bool DocumentMenusShown(const ShellState& state);

}  // namespace qm530::ui
