#include "ui/help_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace qm530::ui {

HelpSystem::HelpSystem() = default;

HelpSystem::~HelpSystem() {
    delete window_.data();
}

void HelpSystem::SelectHelpFile(bool chinese) {
    helpFileName_ = config::HelpDirName(chinese);
}

QTextBrowser* HelpSystem::Window() const {
    return window_.data();
}

// Finds the pages and the topic map once. Missing help marks the binding as
// failed for the rest of the run.
bool HelpSystem::Bind() {
    if (bound_) return true;
    if (bindingFailed_) return false;
    ++bindAttempts_;
    const QDir dir(QString::fromStdString(root_ + helpFileName_));
    QFile map(dir.filePath(QString::fromLatin1(config::kHelpTopicMapFile)));
    if (!QFileInfo(dir.filePath(QString::fromLatin1(config::kHelpIndexPage))).isFile() ||
        !map.open(QIODevice::ReadOnly)) {
        bindingFailed_ = true;
        return false;
    }
    topics_ = config::ParseHelpTopicMap(map.readAll().toStdString());
    bound_ = true;
    return true;
}

void HelpSystem::ShowHelpTopic(int contextNumber) {
    if (!Bind()) return;
    const QString target = QString::fromStdString(config::HelpTarget(topics_, contextNumber));
    const QString dir = QString::fromStdString(root_ + helpFileName_) + QLatin1Char('/');
    const int hash = target.indexOf(QLatin1Char('#'));
    QString page = hash < 0 ? target : target.left(hash);
    QUrl url = QUrl::fromLocalFile(dir + page);
    if (!QFileInfo(dir + page).isFile())
        url = QUrl::fromLocalFile(dir + QString::fromLatin1(config::kHelpIndexPage));
    else if (hash >= 0)
        url.setFragment(target.mid(hash + 1));
    lastTarget_ =
        url.fileName() + (url.hasFragment() ? QLatin1Char('#') + url.fragment() : QString());

    if (!window_) {
        // A window without a parent: a dialog blocks its parent, the main
        // window, and would block the help window too if it were a child.
        // It goes with the main window and does not keep the program running.
        window_ = new QTextBrowser;
        window_->setAttribute(Qt::WA_QuitOnClose, false);
        if (owner_) QObject::connect(owner_, &QObject::destroyed, window_, &QObject::deleteLater);
        window_->setOpenLinks(true);
        window_->setOpenExternalLinks(true);
        window_->resize(640, 480);
    }
    window_->setWindowTitle(QCoreApplication::translate("qm530::ui::HelpSystem", "Help"));
    window_->setSource(url);
    if (url.hasFragment()) window_->scrollToAnchor(url.fragment());
    window_->show();
    window_->raise();
}

}  // namespace qm530::ui
