#include "app/navigation_bar.h"

#include <QCursor>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QTreeWidget>
#include <algorithm>

#include "app/language_pack.h"
#include "model/program_doc.h"
#include "ui/app_context.h"
#include "ui/command_ids.h"

namespace qm530::app {

namespace {

constexpr int kStripWidth = 6;
constexpr int kGuideMin = 80;
constexpr int kMinWidth = 11;

const char* const kItems[] = {
    QT_TRANSLATE_NOOP("qm530::app::CNavigationBar", "Product Information"),
    QT_TRANSLATE_NOOP("qm530::app::CNavigationBar", "Channel Information"),
    QT_TRANSLATE_NOOP("qm530::app::CNavigationBar", "Optional Features"),
    QT_TRANSLATE_NOOP("qm530::app::CNavigationBar", "Side Key"),
};

}  // namespace

QString NavigationItemText(int area) {
    if (area < 0 || area > 3) return {};
    return CNavigationBar::tr(kItems[area]);
}

CNavigationBar::CNavigationBar(ui::AppContext& ctx, QWidget* frame, QWidget* parent)
    : QWidget(parent), ctx_(ctx), frame_(frame) {
    cursorPos = [] { return QCursor::pos(); };
    setWindowTitle(QStringLiteral("IE Control Bar"));
    setMouseTracking(true);

    font_ = QFont(QStringLiteral("Times New Roman"));
    font_.setStyleHint(QFont::Serif);
    font_.setPixelSize(14);
    font_.setWeight(QFont::Normal);
    setFont(font_);

    captionText_ = QString::fromStdString(ctx_.LanguageValue("company"));

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("NavigationTree"));
    tree_->setProperty("helpId", ui::ctl::kNavigationTree);
    tree_->setAccessibleName(tr("Navigation"));
    tree_->setFrameShape(QFrame::NoFrame);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setFont(font_);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* root = new QTreeWidgetItem(
        tree_, QStringList(QString::fromStdString(ctx_.LanguageValue("Company"))));
    for (int area = 0; area < 4; ++area) {
        new QTreeWidgetItem(root, QStringList(NavigationItemText(area)));
    }
    root->setExpanded(true);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &CNavigationBar::OnSelectionChanged);

    guide_ = new QWidget(frame ? frame : this);
    guide_->setObjectName(QStringLiteral("NavigationGuide"));
    guide_->setAutoFillBackground(true);
    QPalette guidePalette = guide_->palette();
    guidePalette.setColor(QPalette::Window, QColor(64, 64, 64));
    guide_->setPalette(guidePalette);
    guide_->hide();

    setFixedWidth(barWidth_);
    setMinimumHeight(120);
    ComputeRects();
    LayoutTree();
}

CNavigationBar::~CNavigationBar() {
    if (guide_ && guide_->parent() != this) delete guide_;
}

QTreeWidgetItem* CNavigationBar::RootItem() const {
    return tree_->topLevelItem(0);
}

QSize CNavigationBar::sizeHint() const {
    return {barWidth_, 254};
}

QRect CNavigationBar::ResizeStrip() const {
    if (frameRect_.isEmpty()) return {};
    return QRect(frameRect_.right() + 1, frameRect_.top(), kStripWidth, frameRect_.height());
}

int CNavigationBar::HalfFrameWidth() const {
    return frame_ ? frame_->rect().width() / 2 : width() / 2;
}

// The frame rectangle is the etched border (client rectangle less 3 left,
// 6 top, 6 right, 49 bottom) moved in by one pixel at the left and top.
void CNavigationBar::ComputeRects() {
    const int left = 3;
    const int top = 6;
    const int right = width() - 6;     // exclusive
    const int bottom = height() - 49;  // exclusive
    if (right - left < 2 || bottom - top < 2) {
        frameRect_ = QRect();
        closeRect_ = QRect();
        return;
    }
    frameRect_ = QRect(left + 1, top + 1, right - left - 1, bottom - top - 1);
    closeRect_ = QRect(right - 20, frameRect_.top() + 4, 16, 15);
}

void CNavigationBar::LayoutTree() {
    const int left = 5;
    const int top = 8 + titleHeight_ + 1;
    const int right = barWidth_ - 8;
    const int bottom = height() - 51;
    tree_->setGeometry(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

void CNavigationBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ComputeRects();
    LayoutTree();
}

void CNavigationBar::paintEvent(QPaintEvent*) {
    ComputeRects();
    QPainter painter(this);
    const QColor grey = palette().color(QPalette::Disabled, QPalette::WindowText);
    const int left = 3;
    const int top = 6;
    const int right = width() - 6;
    const int bottom = height() - 49;
    if (frameRect_.isEmpty()) return;

    // Etched border.
    painter.setPen(grey);
    painter.drawRect(left, top, right - left - 1, bottom - top - 1);
    painter.setPen(Qt::white);
    painter.drawLine(left + 1, top + 1, left + 1, bottom - 2);
    painter.drawLine(left + 1, top + 1, right - 2, top + 1);
    painter.drawLine(right, top, right, bottom);
    painter.drawLine(left, bottom, right, bottom);

    // Caption band.
    painter.setFont(font_);
    painter.setPen(palette().color(QPalette::WindowText));
    // The caption ends before the close button.
    const QRect band(frameRect_.left() + 5, frameRect_.top(),
                     std::max(0, closeRect_.left() - 3 - (frameRect_.left() + 5)), titleHeight_);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(captionText_, Qt::ElideRight, band.width()));
    painter.setPen(grey);
    const int lineY = frameRect_.top() + titleHeight_;
    painter.drawLine(frameRect_.left() + 1, lineY, frameRect_.right(), lineY);

    // Close button.
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    if (hot_ || pressed_) {
        const QColor topLeft = hot_ ? light : shadow;
        const QColor bottomRight = hot_ ? shadow : light;
        painter.setPen(topLeft);
        painter.drawLine(closeRect_.topLeft(), closeRect_.topRight());
        painter.drawLine(closeRect_.topLeft(), closeRect_.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(closeRect_.bottomLeft(), closeRect_.bottomRight());
        painter.drawLine(closeRect_.topRight(), closeRect_.bottomRight());
    }
    const QIcon close = PackIcon(131);
    if (!close.isNull()) painter.drawPixmap(closeRect_.topLeft(), close.pixmap(16, 16));
}

void CNavigationBar::ShowGuide(int x) {
    guideX_ = x;
    guideShown_ = true;
    QWidget* host = guide_->parentWidget();
    const QPoint at = mapTo(host->window() == host ? host : window(), QPoint(x, 0));
    guide_->setGeometry(at.x(), at.y(), 2, height());
    guide_->show();
    guide_->raise();
}

void CNavigationBar::HideGuide() {
    guideShown_ = false;
    guide_->hide();
}

void CNavigationBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    if (!closeRect_.isEmpty()) {
        tracking_ = true;
        hot_ = false;
        pressed_ = closeRect_.contains(pos);
        update(closeRect_.adjusted(-1, -1, 1, 1));
    }
    if (ResizeStrip().contains(pos)) resizing_ = true;
}

void CNavigationBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    setCursor(ResizeStrip().contains(pos) || resizing_ ? PackCursor(132)
                                                       : QCursor(Qt::ArrowCursor));
    if (resizing_) {
        int x = pos.x();
        if (x < kGuideMin) x = kGuideMin;
        if (x > HalfFrameWidth()) x = HalfFrameWidth();
        ShowGuide(x);
    }
    if (closeRect_.contains(pos)) {
        if (!hot_ && !(tracking_ && pressed_)) {
            hot_ = !tracking_;
            pressed_ = tracking_;
            update(closeRect_.adjusted(-1, -1, 1, 1));
        }
    } else if (hot_ || pressed_) {
        hot_ = false;
        pressed_ = false;
        update(closeRect_.adjusted(-1, -1, 1, 1));
    }
}

void CNavigationBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    const QPoint pos = event->position().toPoint();
    const bool overClose = closeRect_.contains(pos) && tracking_;
    tracking_ = false;
    hot_ = false;
    pressed_ = false;
    HideGuide();
    update(closeRect_.adjusted(-1, -1, 1, 1));
    if (resizing_) {
        resizing_ = false;
        int width = pos.x();
        if (width <= 10) width = kMinWidth;
        if (width > HalfFrameWidth()) width = HalfFrameWidth();
        barWidth_ = width;
        setFixedWidth(barWidth_);
        LayoutTree();
    }
    if (overClose) emit CloseRequested();
}

void CNavigationBar::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CNavigationBar::leaveEvent(QEvent* event) {
    if (!tracking_ && (hot_ || pressed_)) {
        hot_ = false;
        pressed_ = false;
        update(closeRect_.adjusted(-1, -1, 1, 1));
    }
    QWidget::leaveEvent(event);
}

bool CNavigationBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (closeRect_.contains(help->pos())) {
            QToolTip::showText(help->globalPos(), tr("Close"), this, closeRect_);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

// The item under the mouse cursor decides, not the one the selection moved
// to; afterwards the root is selected again, so that a second click on the
// same item opens it again. That reselection changes the selection once
// more and must not open anything.
void CNavigationBar::OnSelectionChanged() {
    if (reselecting_) return;
    int area = -1;
    if (QTreeWidgetItem* item = tree_->itemAt(tree_->viewport()->mapFromGlobal(cursorPos()))) {
        for (int i = 0; i < 4; ++i) {
            if (item->text(0) == NavigationItemText(i)) area = i;
        }
    }
    QMetaObject::invokeMethod(
        this,
        [this, area] {
            if (area >= 0) emit AreaRequested(area);
            reselecting_ = true;
            tree_->setCurrentItem(RootItem());
            reselecting_ = false;
        },
        Qt::QueuedConnection);
}

}  // namespace qm530::app
