// Writes pictures of the four settings dialogs in English and Chinese:
//   settings_dialog_shots BIN_DIR OUT_DIR
// BIN_DIR holds Program.ini and the language packs English.rcc and
// Chinese.rcc; the pictures are OUT_DIR/dialog-<name>-<en|zh>.png. Each
// picture carries the dialog's caption in a band above its client area,
// since there is no window manager to draw a title bar.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <functional>
#include <memory>

#include "app/language_pack.h"
#include "config/ini_file.h"
#include "config/registry.h"
#include "model/radio_image.h"
#include "settings/optional_features_dlg.h"
#include "settings/product_info_dlg.h"
#include "settings/scan_info_dlg.h"
#include "settings/side_key_dlg.h"
#include "ui/app_context.h"
#include "ui/scripted_ui_services.h"

namespace {

using namespace qm530;

QPixmap WithCaption(QDialog& dialog) {
    dialog.adjustSize();
    dialog.show();
    QCoreApplication::processEvents();
    const QPixmap client = dialog.grab();
    const int band = 26;
    QPixmap picture(client.width(), client.height() + band);
    picture.fill(QColor(0x3a, 0x5f, 0x8f));
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    QFont font = dialog.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(8, 0, client.width() - 16, band), Qt::AlignVCenter | Qt::AlignLeft,
                     dialog.windowTitle());
    painter.drawPixmap(0, band, client);
    painter.end();
    dialog.hide();
    return picture;
}

bool Save(QDialog& dialog, const QString& path) {
    const bool ok = WithCaption(dialog).save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s BIN_DIR OUT_DIR\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString bin = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());

    config::CIniFile ini;
    if (!ini.Load(QDir(bin).filePath("Program.ini").toStdString(), false, true, false)) {
        std::fprintf(stderr, "cannot read %s/Program.ini\n", argv[1]);
        return 1;
    }

    // A document with a programmed channel 3 as the fixed priority channel.
    RadioImage image = RadioImage::Default();
    image[3 * 16 + 3] = 0x14;
    image[0x160] = 1;
    image[0x161] = 3;
    image[0x164] = 2;
    image[0x11E] = 5;
    image[0x11D] = 7;

    bool ok = true;
    for (const auto& [language, suffix] :
         {std::pair{"English", "en"}, std::pair{"Chinese", "zh"}}) {
        app::LanguagePack pack;
        if (!pack.Load(QDir(bin).filePath(QString::fromLatin1(language) + ".rcc")))
            std::fprintf(stderr, "no language pack %s.rcc: captions stay English\n", language);
        ui::ScriptedUiServices services;
        ui::AppContext ctx(ini, services, std::make_unique<config::MemoryRegistry>());
        ctx.LanguageName = language;
        ctx.UiLanguage =
            std::string(language) == "Chinese" ? UiLanguage::Chinese : UiLanguage::English;
        ctx.ApplicationName = ctx.LanguageValue("Company");
        ctx.registry->WriteDword("Type", 1);
        ctx.registry->WriteDword("Field", 1);

        const auto name = [&](const char* dialog) {
            return out.filePath(QStringLiteral("dialog-%1-%2.png").arg(dialog, suffix));
        };
        std::int32_t low = 0;
        std::int32_t high = 0;
        settings::CProductInfoDlg product(ctx, {&image, &low, &high});
        ok &= Save(product, name("product-info"));
        settings::COptionalFeaturesDlg features(ctx, image);
        ok &= Save(features, name("optional-features"));
        settings::CScanInfoDlg scan(ctx, image);
        ok &= Save(scan, name("scan-info"));
        settings::CSideKeyDlg keys(ctx, image);
        ok &= Save(keys, name("side-key"));
    }
    return ok ? 0 : 1;
}
