#include "app/language_pack.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QResource>
#include <QTranslator>

namespace qm530::app {

LanguagePack::LanguagePack() = default;

LanguagePack::~LanguagePack() {
    Unload();
}

QString LanguagePackPath(const QString& dir, const QString& language) {
    const QString wanted = language + QStringLiteral(".rcc");
    const QString exact = QDir(dir).filePath(wanted);
    if (QFileInfo::exists(exact)) return exact;
    // The pack names are those of the files the program came with; the
    // setting may spell them in any letter case.
    const QStringList files = QDir(dir).entryList(QDir::Files);
    for (const QString& name : files) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return QDir(dir).filePath(name);
    }
    return exact;
}

bool LanguagePack::Load(const QString& rccPath) {
    Unload();
    if (!QFileInfo(rccPath).isFile() || !QResource::registerResource(rccPath)) return false;
    path_ = rccPath;
    program_ = std::make_unique<QTranslator>();
    if (program_->load(PackPath(QStringLiteral("qm530.qm")))) {
        QCoreApplication::installTranslator(program_.get());
    } else {
        program_.reset();
    }
    qt_ = std::make_unique<QTranslator>();
    if (qt_->load(PackPath(QStringLiteral("qtbase.qm")))) {
        QCoreApplication::installTranslator(qt_.get());
    } else {
        qt_.reset();
    }
    return true;
}

void LanguagePack::Unload() {
    if (program_) QCoreApplication::removeTranslator(program_.get());
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
    program_.reset();
    qt_.reset();
    if (!path_.isEmpty()) QResource::unregisterResource(path_);
    path_.clear();
}

QString PackPath(const QString& name) {
    return QStringLiteral(":/pack/") + name;
}

QIcon PackIcon(int id) {
    const QString path = PackPath(QStringLiteral("icon%1.png").arg(id));
    return QFileInfo::exists(path) ? QIcon(path) : QIcon();
}

QPixmap PackBitmap(int id) {
    return QPixmap(PackPath(QStringLiteral("bitmap%1.bmp").arg(id)));
}

QCursor PackCursor(int id) {
    const QPixmap picture(PackPath(QStringLiteral("cursor%1.png").arg(id)));
    if (picture.isNull()) return QCursor(Qt::SizeHorCursor);
    return QCursor(picture, picture.width() / 2, picture.height() / 2);
}

QIcon PackToolIcon(const char* name) {
    return QIcon(PackPath(QStringLiteral("toolbar/%1.png").arg(QLatin1String(name))));
}

}  // namespace qm530::app
