#include "ui/command_state.h"

#include <gtest/gtest.h>

#include "ui/command_ids.h"

namespace qm530::ui {
namespace {

ShellState NoDocument() {
    return {};
}

ShellState Editing() {
    ShellState s;
    s.documentWindows = s.activeDocument = s.activeView = true;
    s.dataFolder = true;
    return s;
}

TEST(CommandState, WithoutADocumentOnlyTheShortMenusCommandsRun) {
    const ShellState s = NoDocument();
    EXPECT_FALSE(DocumentMenusShown(s));
    for (int id : {cmd::kFileNew, cmd::kFileOpen, cmd::kFilePrintSetup, cmd::kAppExit,
                   cmd::kAppAbout, cmd::kHelp, cmd::kViewToolbar, cmd::kNextPane})
        EXPECT_TRUE(CommandEnabled(id, false, s)) << id;
    for (int id : {cmd::kFileClose, cmd::kFileSave, cmd::kFileSaveAs, cmd::kChannelInfo,
                   cmd::kProductInfo, cmd::kOptionalFeatures, cmd::kSideKey, cmd::kLanguage})
        EXPECT_FALSE(CommandEnabled(id, false, s)) << id;
    for (int id : {cmd::kRead, cmd::kWrite, cmd::kEditPaste, cmd::kFilePrint})
        EXPECT_FALSE(CommandEnabled(id, true, s)) << id;
}

TEST(CommandState, AHiddenDocumentKeepsTheMenusButNotTheViewCommands) {
    ShellState s;
    s.documentWindows = true;
    EXPECT_TRUE(DocumentMenusShown(s));
    EXPECT_FALSE(CommandEnabled(cmd::kFileSave, false, s));
    EXPECT_FALSE(CommandEnabled(cmd::kRead, true, s));
    s.activeDocument = true;  // hidden but still the active one: Save goes to it
    EXPECT_TRUE(CommandEnabled(cmd::kFileSave, false, s));
    EXPECT_TRUE(CommandEnabled(cmd::kChannelInfo, false, s));
}

TEST(CommandState, UndoAndRedoFollowTheViewsUndoList) {
    ShellState s = Editing();
    EXPECT_FALSE(CommandEnabled(cmd::kEditUndo, true, s));
    EXPECT_FALSE(CommandEnabled(cmd::kEditRedo, true, s));
    s.canUndo = true;
    EXPECT_TRUE(CommandEnabled(cmd::kEditUndo, true, s));
    EXPECT_FALSE(CommandEnabled(cmd::kEditRedo, true, s));
    s.canRedo = true;
    EXPECT_TRUE(CommandEnabled(cmd::kEditRedo, true, s));
}

TEST(CommandState, TransferTraceNeedsTheDataFolder) {
    ShellState s = Editing();
    EXPECT_TRUE(CommandEnabled(cmd::kTransferTrace, false, s));
    s.dataFolder = false;
    EXPECT_FALSE(CommandEnabled(cmd::kTransferTrace, false, s));
}

TEST(CommandState, ARunningTransferHoldsBackAllButTheHarmlessCommands) {
    ShellState s = Editing();
    s.canUndo = s.canRedo = true;
    s.transferRunning = true;
    for (int id : {cmd::kChannelInfo, cmd::kViewToolbar, cmd::kViewStatusBar, cmd::kControlBar,
                   cmd::kHelp, cmd::kNextPane, cmd::kPrevPane})
        EXPECT_TRUE(CommandEnabled(id, false, s)) << id;
    for (int id : {cmd::kFileNew, cmd::kFileOpen, cmd::kFileClose, cmd::kFileSave, cmd::kAppExit,
                   cmd::kAppAbout, cmd::kLanguage, cmd::kProductInfo, cmd::kTransferTrace})
        EXPECT_FALSE(CommandEnabled(id, false, s)) << id;
    for (int id : {cmd::kRead, cmd::kWrite, cmd::kComSetup, cmd::kEditUndo, cmd::kEditRedo,
                   cmd::kEditPaste, cmd::kMoveUp, cmd::kFilePrint})
        EXPECT_FALSE(CommandEnabled(id, true, s)) << id;
}

TEST(CommandState, TheWindowMenuArrangesAnyOpenDocumentEvenDuringATransfer) {
    ShellState s = NoDocument();
    EXPECT_FALSE(CommandEnabled(cmd::kWindowCascade, false, s));
    EXPECT_FALSE(CommandEnabled(cmd::kWindowTile, false, s));
    s.documentWindows = true;  // hidden documents count: the menu brings them back
    EXPECT_TRUE(CommandEnabled(cmd::kWindowCascade, false, s));
    s = Editing();
    s.transferRunning = true;
    EXPECT_TRUE(CommandEnabled(cmd::kWindowTile, false, s));
    EXPECT_TRUE(CommandEnabled(cmd::kHelpScreenReader, false, s));
    EXPECT_FALSE(CommandEnabled(cmd::kSpeakChannel, true, s));
}

}  // namespace
}  // namespace qm530::ui
