#include "app/mdi_client.h"

#include <QPaintEvent>
#include <QPainter>

#include "app/language_pack.h"

namespace qm530::app {

std::vector<QPoint> TilePositions(QSize client, QSize tile) {
    std::vector<QPoint> points;
    if (tile.width() <= 0 || tile.height() <= 0 || client.width() < 0 || client.height() < 0)
        return points;
    const int nx = client.width() / tile.width();
    const int ny = client.height() / tile.height();
    for (int i = 0; i <= nx; ++i) {
        for (int j = 0; j <= ny; ++j) points.emplace_back(i * tile.width(), j * tile.height());
    }
    return points;
}

CMdiClientWnd::CMdiClientWnd(const std::string& exeDir, QWidget* parent)
    : QMdiArea(parent), exeDir_(exeDir) {
    setObjectName(QStringLiteral("Workspace"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QPixmap CMdiClientWnd::BackgroundTile() const {
    QPixmap tile(QString::fromStdString(exeDir_ + "background.bmp"), "BMP");
    if (tile.isNull()) tile = PackBitmap(137);
    return tile;
}

void CMdiClientWnd::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPixmap tile = BackgroundTile();
    if (tile.isNull()) {
        painter.fillRect(event->rect(), palette().color(QPalette::Dark));
        return;
    }
    for (const QPoint& at : TilePositions(viewport()->size(), tile.size())) {
        const QRect target(at, tile.size());
        if (target.intersects(event->rect())) painter.drawPixmap(at, tile);
    }
}

}  // namespace qm530::app
