// File > Compare: the document with a .dat file or with the radio.
#include <QDialog>
#include <QDir>
#include <QFileInfo>

#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/channel_grid_model.h"
#include "editor/compare_dlg.h"
#include "editor/program_view.h"
#include "model/dat_file.h"
#include "model/program_doc.h"
#include "settings/image_diff.h"
#include "ui/app_context.h"
#include "ui/ui_services.h"

namespace qm530::editor {

void CProgramView::OnCompare() {
    CCompareSourceDlg source(this);
    if (ctx_.services.ExecDialog(source) != QDialog::Accepted) return;
    if (source.WithRadio()) {
        // The read starts with the progress window's OK, as Program > Read.
        PrepareTransfer(link::TransferDirection::kRead, tr("Compare with Radio"),
                        link::kReadProgressSteps);
        compareRead_ = true;
        return;
    }
    const QString path =
        ctx_.services.GetOpenFileName(this, tr("Compare With"), ui::FileKind::Image);
    if (path.isEmpty()) return;
    const Result<RadioImage> other = LoadDatFile(path.toStdString());
    if (!other) {
        const QString text =
            tr("Cannot read the file\n%1").arg(QDir::toNativeSeparators(path)) +
            QStringLiteral("\n\n") +
            QString::fromStdString(OpenFailureSentence(other.status(), ctx_.UiLanguage));
        ctx_.services.MessageBox(this, text, QString::fromStdString(ctx_.ApplicationName),
                                 ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
        return;
    }
    ShowComparison(*other, QFileInfo(path).fileName());
}

// The document as the grid shows it, an open cell editor's text included.
void CProgramView::ShowComparison(const RadioImage& other, const QString& otherName) {
    CommitCellEdit();
    RadioImage current = doc_->Image;
    qm530::GridToImage(table_, current);
    const settings::ImageDiff diff = settings::DiffImages(
        current, other, ctx_.UiLanguage, settings::ProductCatalog::Of(ctx_.theIni));
    ChannelGridModel::CellSet cells;
    for (const settings::FieldDifference& field : diff.fields) {
        if (field.kind == settings::DifferenceKind::kChannelCell)
            cells.insert({field.channel, field.column});
    }
    editor_->Grid()->Model()->SetHighlightedCells(std::move(cells));
    CCompareDlg dialog(diff, ctx_.UiLanguage, otherName, this);
    ctx_.services.ExecDialog(dialog);
}

void CProgramView::ClearComparison() {
    if (editor_ && editor_->Grid()) editor_->Grid()->Model()->SetHighlightedCells({});
}

}  // namespace qm530::editor
