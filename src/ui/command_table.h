#pragma once

#include <QCoreApplication>
#include <QKeyCombination>
#include <QString>
#include <span>

namespace qm530::ui {

// One command of the menus, the toolbar and the keys: its id (ui/command_ids.h),
// its texts, its key and the member of `Owner` that runs it.
template <class Owner>
struct CommandDef {
    int id;
    const char* text;          // the menu text
    const char* prompt;        // the status-bar prompt, '\n', the tooltip
    QKeyCombination shortcut;  // Qt::CTRL | Qt::Key_R; empty for none
    void (Owner::*handler)();
};

template <class Owner>
const CommandDef<Owner>* FindCommand(std::span<const CommandDef<Owner>> table, int id) {
    for (const CommandDef<Owner>& command : table) {
        if (command.id == id) return &command;
    }
    return nullptr;
}

// The command texts are translated in the context of the main frame, which
// shows them.
inline QString CommandText(const char* text) {
    return QCoreApplication::translate("qm530::app::CMainFrame", text);
}

}  // namespace qm530::ui
