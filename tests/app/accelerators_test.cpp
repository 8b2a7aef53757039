// The main frame's accelerators run their commands wherever the focus is in
// the main window: the channel grid, an open cell editor, the navigation tree.
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "app/child_frame.h"
#include "app/navigation_bar.h"
#include "editor/cell_editors.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/program_view.h"
#include "link/process_dlg.h"
#include "support/gui_fixture.h"

namespace qm530::test {
namespace {

enum class Focus { Grid, CellEditor, Tree };

const char* Name(Focus where) {
    switch (where) {
        case Focus::Grid:
            return "grid";
        case Focus::CellEditor:
            return "cell editor";
        case Focus::Tree:
            return "navigation tree";
    }
    return "";
}

class Accelerators : public ::testing::TestWithParam<Focus> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Start());
        frame = h.Frame();
        frame->showNormal();
        view = frame->ActiveView();
        ASSERT_NE(view, nullptr);
        grid = view->Editor()->Grid();
        tree = frame->NavigationBar()->Tree();
        QApplication::processEvents();
    }

    // Puts the focus back where the parameter says, in the active main window.
    void FocusThere() {
        QApplication::setActiveWindow(frame);
        QLineEdit* edit = view->Editor()->Editors()->EditBoxForColumn(1);
        switch (GetParam()) {
            case Focus::Grid:
                view->Editor()->HideCellEditors();
                grid->setFocus();
                break;
            case Focus::CellEditor:
                if (QApplication::focusWidget() != edit) {
                    const QPoint centre = grid->visualRect(grid->model()->index(1, 0)).center();
                    QWidget* target = grid->viewport()->childAt(centre);
                    if (target == nullptr) target = grid->viewport();
                    QTest::mouseClick(target, Qt::LeftButton, {},
                                      target->mapFrom(grid->viewport(), centre));
                }
                break;
            case Focus::Tree:
                tree->setFocus();
                break;
        }
        QApplication::processEvents();
        QWidget* expected = GetParam() == Focus::Grid   ? static_cast<QWidget*>(grid)
                            : GetParam() == Focus::Tree ? static_cast<QWidget*>(tree)
                                                        : edit;
        ASSERT_EQ(QApplication::focusWidget(), expected);
    }
    void Press(const char* key) {
        FocusThere();
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(QString::fromLatin1(key)));
        QApplication::processEvents();
    }
    // The progress window of `key` is up with `caption`; Cancel closes it.
    void ExpectProgressWindow(const char* key, const char* caption) {
        Press(key);
        link::CProcessDlg* dlg = view->ProcessDlg();
        ASSERT_TRUE(dlg->Exists()) << key;
        EXPECT_TRUE(dlg->isVisible()) << key;
        EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8(caption)) << key;
        QTest::mouseClick(dlg->CancelButton(), Qt::LeftButton);
        EXPECT_FALSE(dlg->Exists()) << key;
    }
    bool FocusInView() const {
        QWidget* focus = QApplication::focusWidget();
        return focus && view->isAncestorOf(focus);
    }

    Harness h{ProgramIni("English")};
    app::CMainFrame* frame = nullptr;
    editor::CProgramView* view = nullptr;
    editor::CChannelGrid* grid = nullptr;
    QTreeWidget* tree = nullptr;
};

TEST_P(Accelerators, EveryKeyRunsItsCommand) {
    SCOPED_TRACE(Name(GetParam()));
    app::CChildFrame* window = frame->ActiveDocumentWindow();

    h.services.boxAnswers.push_back(ui::MsgResult::Cancel);
    Press("Ctrl+N");
    ASSERT_EQ(h.services.boxes.size(), 1u);
    EXPECT_EQ(h.services.boxes[0].text, QStringLiteral("All data will be Cleared!"));
    EXPECT_EQ(frame->ActiveDocumentWindow(), window);

    Press("Ctrl+O");
    EXPECT_EQ(h.services.openRequests, 1);

    Press("Ctrl+S");
    EXPECT_EQ(h.services.saveProposals.size(), 1u);

    const std::size_t dialogs = h.services.dialogTitles.size();
    Press("Ctrl+P");
    EXPECT_EQ(h.services.dialogTitles.size(), dialogs + 1);  // the print dialog

    ExpectProgressWindow("Ctrl+R", "Read Data");
    ExpectProgressWindow("Ctrl+W", "Write Data");

    // Two panes: the tree and the view; F6 and Shift+F6 both go to the other.
    for (const char* key : {"F6", "Shift+F6"}) {
        Press(key);
        if (GetParam() == Focus::Tree) {
            EXPECT_TRUE(FocusInView()) << key;
        } else {
            EXPECT_EQ(QApplication::focusWidget(), tree) << key;
        }
    }
    EXPECT_EQ(frame->DocumentWindows().size(), 1);
    EXPECT_TRUE(window->isVisible());

    // Ctrl+F4 stays the document window's own Close: it only hides it.
    if (GetParam() != Focus::Tree) {
        Press("Ctrl+F4");
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(frame->DocumentWindows().size(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(FocusInMainWindow, Accelerators,
                         ::testing::Values(Focus::Grid, Focus::CellEditor, Focus::Tree),
                         [](const ::testing::TestParamInfo<Focus>& info) {
                             return info.param == Focus::Grid         ? std::string("Grid")
                                    : info.param == Focus::CellEditor ? std::string("CellEditor")
                                                                      : std::string("Tree");
                         });

}  // namespace
}  // namespace qm530::test
