#include "view_test_env.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QVBoxLayout>
#include <cstdlib>
#include <fstream>

#include "editor/channel_editor.h"
#include "editor/channel_grid.h"

namespace qm530::test {

std::string ViewIni(const std::string& extra) {
    return "[Setup]\nLanguage=English\nAppName=QM530Test\nType1=QM-520\nField1=130 - 160MHz|400 - "
           "470MHz\n"
           "Type2=QM-530\nField2=136 - 174MHz|400 - 480MHz\n" +
           extra +
           "[English]\nCompany=QM530 Programming Tool\nAppName=QM530 CPS\n"
           "[Chinese]\nCompany=QM530 写频软件\nAppName=QM530 写频软件\n";
}

ViewEnv::ViewEnv(UiLanguage lang, const std::string& iniText, bool withPack)
    : pack(lang, withPack), ctx(ini, services, std::make_unique<config::MemoryRegistry>()) {
    registry = static_cast<config::MemoryRegistry*>(ctx.registry.get());
    const std::string path = dir.filePath(QStringLiteral("Program.ini")).toStdString();
    std::ofstream(path) << iniText;
    ini.Load(path, false, true, false);
    ctx.UiLanguage = lang;
    ctx.LanguageName = lang == UiLanguage::Chinese ? "Chinese" : "English";
    ctx.ApplicationName = ctx.LanguageValue("Company");
    ctx.ExeDir = dir.path().toStdString() + "/";
}

ViewEnv::~ViewEnv() {
    frame.reset();
}

editor::CProgramView& ViewEnv::Open(const RadioImage& image, bool isDefault) {
    doc.Image = image;
    doc.ImageIsDefault = isDefault;
    frame = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(frame.get());
    layout->setContentsMargins(0, 0, 0, 0);
    view = new editor::CProgramView(&doc, ctx, frame.get());
    layout->addWidget(view);
    frame->resize(760, 520);
    view->OnInitialUpdate();
    frame->show();
    QApplication::setActiveWindow(frame.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    return *view;
}

editor::CChannelGrid* ViewEnv::Grid() const {
    return view->Editor()->Grid();
}

editor::CellEditors* ViewEnv::Editors() const {
    return view->Editor()->Editors();
}

RadioImage ImageOfModel(int type, int band) {
    RadioImage image = RadioImage::Default();
    image[addr::kProductType] = static_cast<std::uint8_t>(type);
    image[addr::kBandIndex] = static_cast<std::uint8_t>(band);
    return image;
}

void ClickCell(editor::CChannelGrid* grid, int row, int column) {
    const QModelIndex index = grid->model()->index(row - 1, column - 1);
    grid->scrollTo(index);
    // An open editor lying over the cell takes the click.
    const QPoint centre = grid->visualRect(index).center();
    QWidget* target = grid->viewport()->childAt(centre);
    if (target == nullptr) target = grid->viewport();
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(grid->viewport(), centre));
    QCoreApplication::processEvents();
}

void Type(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (!ascii) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(focus, &event);
    } else if (text.isEmpty()) {
        QTest::keyClick(focus, Qt::Key_Delete);
    } else {
        QTest::keyClicks(focus, text);
    }
    QCoreApplication::processEvents();
}

void PressEnter() {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Return);
    QCoreApplication::processEvents();
}

void Choose(QComboBox* list, const QString& text) {
    const int position = list->findText(text, Qt::MatchExactly);
    ASSERT_GE(position, 0) << text.toStdString();
    // With the keys of a closed drop-down list: Home, then Down to the item.
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < position; ++i) QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentIndex(), position);
    QCoreApplication::processEvents();
}

}  // namespace qm530::test
