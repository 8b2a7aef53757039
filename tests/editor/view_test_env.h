#pragma once

// Set-up of the channel view tests: one offscreen QApplication, a
// Program.ini of the test's own, scripted UI services and a channel view on
// a document, plus helpers that drive the grid with the mouse and the keys.

#include <QComboBox>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "config/ini_file.h"
#include "config/registry.h"
#include "editor/program_view.h"
#include "model/program_doc.h"
#include "model/radio_image.h"
#include "support/gui_fixture.h"
#include "ui/app_context.h"
#include "ui/scripted_ui_services.h"

namespace qm530::editor {
class CellEditors;
class CChannelGrid;
}  // namespace qm530::editor

namespace qm530::test {

// Section Setup: AppName=QM530Test, QM-520 with 130 - 160MHz|400 - 470MHz,
// QM-530 with 136 - 174MHz|400 - 480MHz; the language sections name the
// application "QM530 CPS" / "QM530 写频软件".
std::string ViewIni(const std::string& extra = "");

class ViewEnv {
  public:
    // `withPack` false leaves the language pack out.
    explicit ViewEnv(UiLanguage lang = UiLanguage::English, const std::string& iniText = ViewIni(),
                     bool withPack = true);
    ~ViewEnv();

    // A view on `image`, shown in a window of its own, after its first update.
    // `isDefault` marks the image as a new document's.
    editor::CProgramView& Open(const RadioImage& image, bool isDefault = false);

    editor::CChannelGrid* Grid() const;
    editor::CellEditors* Editors() const;
    const std::string& Cell(int row, int column) const { return view->Table().Cell(row, column); }

    PackOf pack;
    QTemporaryDir dir;
    config::CIniFile ini;
    ui::ScriptedUiServices services;
    ui::AppContext ctx;
    config::MemoryRegistry* registry;
    CProgramDoc doc;
    std::unique_ptr<QWidget> frame;  // the document window
    editor::CProgramView* view = nullptr;
};

// An image whose model and band bytes name model `type`, band `band`.
RadioImage ImageOfModel(int type, int band);

// The user's actions on the grid.
void ClickCell(editor::CChannelGrid* grid, int row, int column);
// Replaces the selected text of the focused editor with `text` (keys, or a
// committed input-method event for text that is not ASCII).
void Type(const QString& text);
void PressEnter();
// Picks an item of a list editor with the keys.
void Choose(QComboBox* list, const QString& text);

}  // namespace qm530::test
