#pragma once

#include <span>

#include "ui/command_table.h"

namespace qm530::app {

class CMainFrame;

// The main frame's own commands: File, the settings areas of Edit, View,
// Setup and Help, and the pane keys (the view's are in
// editor/program_view_commands.h). The checkable bars are connected to
// their bars where those are made (main_frame_bars.cpp).
std::span<const ui::CommandDef<CMainFrame>> FrameCommands();

}  // namespace qm530::app
