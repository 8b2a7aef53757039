// The settings dialogs that the Edit menu and the navigation tree open on
// the active document. Without a document window the commands are disabled
// and the hooks do nothing.
#include "app/app_context.h"
#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/program_doc.h"
#include "app/ui_services.h"
#include "editor/program_view.h"
#include "settings/optional_features_dlg.h"
#include "settings/product_info_dlg.h"
#include "settings/side_key_dlg.h"

namespace qm530 {

bool CMainFrame::IsSettingsDialogBuilt(int commandId) {
    switch (commandId) {
        case cmd::kProductInfo:
            return true;
        case cmd::kOptionalFeatures:
            return true;
        case cmd::kSideKey:
            return true;
        default:
            return false;
    }
}

// The dialogs keep nothing between showings (every showing starts from the
// image and the registry), so each showing gets a fresh one.
void CMainFrame::ShowProductInfo() {
    CProgramDoc* doc = ActiveDocument();
    if (!doc) return;
    CProgramView* view = ActiveView();
    ProductInfoTarget target{&doc->Image, nullptr, nullptr};
    if (view) {
        target.bandLow = &view->BandLow;
        target.bandHigh = &view->BandHigh;
    }
    CProductInfoDlg dialog(ctx_, target, this);
    ctx_.services.ExecDialog(dialog);
}

void CMainFrame::ShowOptionalFeatures() {
    CProgramDoc* doc = ActiveDocument();
    if (!doc) return;
    COptionalFeaturesDlg dialog(ctx_, doc->Image, this);
    ctx_.services.ExecDialog(dialog);
}

void CMainFrame::ShowSideKey() {
    CProgramDoc* doc = ActiveDocument();
    if (!doc) return;
    CSideKeyDlg dialog(ctx_, doc->Image, this);
    ctx_.services.ExecDialog(dialog);
}

}  // namespace qm530
