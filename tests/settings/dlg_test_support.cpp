#include "dlg_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <cstdlib>
#include <fstream>

namespace qm530::test {

const char* const kTestIni =
    "[Setup]\n"
    "Language=English\n"
    "AppName=QM530\n"
    "Type1=QM-520\n"
    "Field1=130 - 160MHz|400 - 470MHz\n"
    "Type2=QM-530\n"
    "Field2=136 - 174MHz|400 - 480MHz\n"
    "[English]\n"
    "Company=QM530 Programming Tool\n"
    "AppName=QM530 CPS\n"
    "[Chinese]\n"
    "Company=QM530 写频软件\n"
    "AppName=QM530 写频软件\n";

DialogEnv::DialogEnv(const std::string& iniText, UiLanguage lang,
                     std::unique_ptr<config::Registry> registry)
    : pack(lang),
      ctx(ini, services,
          registry ? std::move(registry) : std::make_unique<config::MemoryRegistry>()) {
    const std::string path = dir.filePath(QStringLiteral("Program.ini")).toStdString();
    std::ofstream(path) << iniText;
    ini.Load(path, false, true, false);
    ctx.UiLanguage = lang;
    ctx.LanguageName = lang == UiLanguage::Chinese ? "Chinese" : "English";
    ctx.ApplicationName = ctx.LanguageValue("Company");
}

int DialogEnv::Run(QDialog& dialog, std::function<void(QDialog&)> drive) {
    services.dialogHandlers.push_back([drive = std::move(drive)](QDialog& d) {
        QApplication::setActiveWindow(&d);
        drive(d);
    });
    return services.ExecDialog(dialog);
}

void ClickOk(QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
}

void ClickCancel(QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton")),
                      Qt::LeftButton);
}

void Choose(QComboBox* list, const QString& text) {
    const int position = list->findText(text, Qt::MatchExactly);
    ASSERT_GE(position, 0) << text.toStdString();
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QModelIndex index =
        view->model()->index(position, list->modelColumn(), view->rootIndex());
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QCoreApplication::processEvents();
}

void Focus(QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

}  // namespace qm530::test
