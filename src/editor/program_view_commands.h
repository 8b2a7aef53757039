#pragma once

#include <span>

#include "ui/command_table.h"

namespace qm530::editor {

class CProgramView;

// The commands that go to the view of the active document window: the
// Program menu, Com Setup and printing. The main frame makes their actions
// from this table and routes them to the view; the view runs them.
std::span<const ui::CommandDef<CProgramView>> ViewCommands();

}  // namespace qm530::editor
