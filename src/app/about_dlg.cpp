#include "app/about_dlg.h"

#include <QGridLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

#include "app/language_pack.h"
#include "config/program_version.h"
#include "ui/app_context.h"
#include "ui/window_caption.h"

namespace qm530::app {

namespace {

// title.ico at its own size; null when it cannot be read.
QPixmap TitleIcon(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

}  // namespace

CAboutDlg::CAboutDlg(ui::AppContext& ctx, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(ui::WindowCaption(QString::fromStdString(ctx.LanguageValue("About Title"))));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    icon_ = new QLabel(this);
    icon_->setObjectName(QStringLiteral("Icon1004"));
    icon_->setFixedSize(40, 40);
    icon_->setAlignment(Qt::AlignCenter);
    const QPixmap title = TitleIcon(ctx.ProgramFile("title.ico"));
    icon_->setPixmap(!title.isNull() ? title : PackIcon(128).pixmap(32, 32));

    auto line = [this](const std::string& text, const char* name) {
        auto* label = new QLabel(QString::fromStdString(text), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText);
        return label;
    };
    version_ = line(config::WithProgramVersion(ctx.LanguageValue("Version")), "Text1001");
    copyrights_ = line(ctx.LanguageValue("Copyrights"), "Text1002");
    owner_ = line(ctx.LanguageValue("Copyrights Owner"), "Text1003");

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setHorizontalSpacing(14);
    layout->addWidget(icon_, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(version_, 0, 1);
    layout->addWidget(copyrights_, 1, 1);
    layout->addWidget(owner_, 2, 1);
    layout->addWidget(ok, 0, 2, 3, 1, Qt::AlignVCenter);
    layout->setColumnStretch(1, 1);
    setMinimumSize(321, 104);
}

}  // namespace qm530::app
