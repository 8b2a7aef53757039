// Pictures of the channel editor for `make screenshots`, in English and
// Chinese: the grid after reading a virtual radio with a few channels, an
// open tone list, the progress window of a running read and COM Setup.
// Usage: channel_editor_shots <program directory> <output directory>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/program_app.h"
#include "config/ini_file.h"
#include "config/registry.h"
#include "editor/cell_editors.h"
#include "editor/channel_editor.h"
#include "editor/channel_grid.h"
#include "editor/program_view.h"
#include "link/process_dlg.h"
#include "model/channel_table.h"
#include "sim/virtual_radio.h"
#include "ui/app_context.h"
#include "ui/scripted_ui_services.h"
#include "watched_port.h"

namespace {

using namespace qm530;

bool Save(const QPixmap& picture, const QString& path) {
    const bool ok = picture.save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// The main window with other top-level windows drawn where they are; a
// window without a window manager gets a plain title bar with its caption.
QPixmap Composed(QWidget& frame, std::initializer_list<QWidget*> windows, bool titleBars) {
    QApplication::processEvents();
    QPixmap picture = frame.grab();
    QPainter painter(&picture);
    for (QWidget* window : windows) {
        const QPoint at = window->geometry().topLeft() - frame.geometry().topLeft();
        if (titleBars) {
            const QRect bar(at.x(), at.y() - 24, window->width(), 24);
            painter.fillRect(bar, QColor(0x3a, 0x5f, 0x8f));
            painter.setPen(Qt::white);
            painter.drawText(bar.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft,
                             window->windowTitle());
        }
        painter.drawPixmap(at, window->grab());
    }
    return picture;
}

bool MakeProgramDir(const QString& bin, const QString& dir, const char* language) {
    for (const char* name :
         {"English.rcc", "Chinese.rcc", "title.ico", "background.bmp", "enHelp", "chHelp"}) {
        QFile::link(bin + QLatin1Char('/') + QLatin1String(name),
                    dir + QLatin1Char('/') + QLatin1String(name));
    }
    QFile in(bin + QStringLiteral("/Program.ini"));
    if (!in.open(QIODevice::ReadOnly)) return false;
    QString text = QString::fromUtf8(in.readAll());
    text.replace(QStringLiteral("Language=English"),
                 QStringLiteral("Language=") + QLatin1String(language));
    QFile out(dir + QStringLiteral("/Program.ini"));
    return out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) > 0;
}

// A radio of model QM-520 on 400 - 470MHz with six channels.
RadioImage RadioMemory() {
    RadioImage image = RadioImage::Default();
    image[addr::kProductType] = 0;
    image[addr::kBandIndex] = 1;
    ChannelTable table;
    ImageToGrid(image, table, UiLanguage::English);
    const char* rows[][9] = {
        {"", "435.02500", "435.02500", "None", "None", "High", "Yes", "Off", "Wide"},
        {"", "438.50000", "431.10000", "88.5", "88.5", "High", "Yes", "QT/DQT", "Wide"},
        {"", "446.00625", "446.00625", "D023N", "D023N", "Low", "No", "Carrier", "Narrow"},
        {"", "446.09375", "446.09375", "67.0", "None", "Low", "Yes", "Off", "Narrow"},
        {"", "462.56250", "467.56250", "D754I", "D754I", "High", "No", "Off", "Wide"},
        {"", "467.71250", "", "None", "254.1", "Low", "Yes", "Carrier", "Narrow"},
    };
    int row = 1;
    for (const auto& cells : rows) {
        for (int c = 1; c < kTableCols; ++c) table.SetCell(row, c, cells[c]);
        row += row == 4 ? 3 : 1;  // channels 1-4, 7, 8
    }
    GridToImage(table, image);
    return image;
}

bool Shots(const QString& bin, const QString& out, const char* language, const char* tag) {
    QTemporaryDir dir;
    if (!MakeProgramDir(bin, dir.path(), language)) return false;
    config::CIniFile ini;
    ui::ScriptedUiServices services;
    ui::AppContext ctx(ini, services, std::make_unique<config::MemoryRegistry>());
    ctx.ExeDir = dir.path().toStdString() + "/";
    services.dialogHandlers.push_back([](QDialog& password) {
        password.findChild<QLineEdit*>(QStringLiteral("Edit1009"))
            ->setText(QStringLiteral("480215"));
        password.accept();
    });
    app::ProgramApp app(ctx);
    if (!app::RunStartUp(app, {})) return false;
    app::CMainFrame* frame = app.MainFrame();
    frame->showNormal();
    frame->setGeometry(0, 0, 1100, 720);
    QApplication::setActiveWindow(frame);
    editor::CProgramView* view = frame->ActiveView();
    if (!view) return false;
    frame->ActiveDocumentWindow()->move(16, 12);

    sim::RadioOptions options;
    options.memory = RadioMemory();
    sim::VirtualRadio radio(options);
    if (!radio.Start().ok()) return false;
    view->PortName = radio.DevicePath();
    bool ok = true;
    bool progressShot = false;
    view->SetPortFactory([&](const std::string&) {
        auto port = std::make_unique<test::WatchedPort>(link::PortTimeouts{});
        port->onRead = [&](int reads) {
            if (reads != 70 || progressShot) return;
            progressShot = true;
            ok &= Save(Composed(*frame, {view->ProcessDlg()}, true),
                       QStringLiteral("%1/progress-%2.png").arg(out, QLatin1String(tag)));
        };
        return port;
    });
    frame->Action(32773)->trigger();  // Read
    QTest::mouseClick(view->ProcessDlg()->OkButton(), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return !view->ProcessDlg()->Exists(); }, 30000)) return false;
    ok &= progressShot && view->LastTransfer().completed();

    editor::CChannelGrid* grid = view->Editor()->Grid();
    auto click = [&](int row, int column) {
        const QPoint centre = grid->visualRect(grid->model()->index(row - 1, column - 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
    };
    click(2, 1);
    ok &= Save(Composed(*frame, {}, false),
               QStringLiteral("%1/channel-grid-%2.png").arg(out, QLatin1String(tag)));

    click(3, 3);
    QComboBox* tones = view->Editor()->Editors()->ListForColumn(3);
    tones->showPopup();
    QApplication::processEvents();
    ok &= Save(Composed(*frame, {tones->view()->window()}, false),
               QStringLiteral("%1/channel-tone-list-%2.png").arg(out, QLatin1String(tag)));
    tones->hidePopup();

    // COM Setup, with COM1 on the virtual radio.
    services.dialogHandlers.push_back([&](QDialog& dialog) {
        dialog.adjustSize();
        dialog.move(frame->geometry().center() - dialog.rect().center());
        ok &= Save(Composed(*frame, {&dialog}, true),
                   QStringLiteral("%1/com-setup-%2.png").arg(out, QLatin1String(tag)));
    });
    qputenv("QM530_COM1", QByteArray::fromStdString(radio.DevicePath()));
    frame->Action(32777)->trigger();
    qunsetenv("QM530_COM1");
    ini.Clear();
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <program directory> <output directory>\n", argv[0]);
        return 2;
    }
    const QString bin = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    bool ok = Shots(bin, out, "English", "en");
    ok = Shots(bin, out, "Chinese", "zh") && ok;
    return ok ? 0 : 1;
}
