#pragma once

// The running program with its first document, for tests that drive the
// channel view inside the main frame with the mouse and keys.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/main_frame.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/program_view.h"
#include "support/gui_fixture.h"

namespace qm530::test {

class FrameFixture : public ::testing::Test {
  protected:
    explicit FrameFixture(const char* language = "English") : h(ProgramIni(language)) {}
    void SetUp() override {
        ASSERT_TRUE(h.Start());
        frame = h.Frame();
        frame->showNormal();
        QApplication::setActiveWindow(frame);
        view = frame->ActiveView();
        ASSERT_NE(view, nullptr);
        grid = view->Editor()->Grid();
        QApplication::processEvents();
    }
    // A click on the cell (1-based), as a person clicks it.
    void Click(int row, int column) {
        const QModelIndex index = grid->model()->index(row - 1, column - 1);
        const QPoint centre = grid->visualRect(index).center();
        QWidget* target = grid->viewport()->childAt(centre);
        if (target == nullptr) target = grid->viewport();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(grid->viewport(), centre));
    }
    void TypeAndEnter(const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    Harness h;
    app::CMainFrame* frame = nullptr;
    editor::CProgramView* view = nullptr;
    editor::CChannelGrid* grid = nullptr;
};

}  // namespace qm530::test
