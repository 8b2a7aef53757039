// The settings dialogs that the Edit menu and the navigation tree open on
// the active document. Each hook does nothing until its dialog exists.
#include "app/command_ids.h"
#include "app/main_frame.h"

namespace qm530 {

bool CMainFrame::IsSettingsDialogBuilt(int commandId) {
    switch (commandId) {
    case cmd::kProductInfo: return false;
    case cmd::kOptionalFeatures: return false;
    case cmd::kSideKey: return false;
    default: return false;
    }
}

void CMainFrame::ShowProductInfo() {
    if (!ActiveDocument() || !IsSettingsDialogBuilt(cmd::kProductInfo)) return;
}

void CMainFrame::ShowOptionalFeatures() {
    if (!ActiveDocument() || !IsSettingsDialogBuilt(cmd::kOptionalFeatures)) return;
}

void CMainFrame::ShowSideKey() {
    if (!ActiveDocument() || !IsSettingsDialogBuilt(cmd::kSideKey)) return;
}

}  // namespace qm530
