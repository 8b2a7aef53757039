#pragma once

#include <QMdiArea>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <string>
#include <vector>

namespace qm530::app {

// Top-left corners of the tiles that cover a client area: columns 0 to
// width / tile width and rows 0 to height / tile height, both inclusive.
// Empty for a tile without size.
std::vector<QPoint> TilePositions(QSize client, QSize tile);

// The workspace behind the document windows, tiled with background.bmp
// from the program's directory (read afresh at every repaint) or, when
// that is missing, with bitmap 137 of the language pack.
class CMdiClientWnd : public QMdiArea {
    Q_OBJECT
  public:
    explicit CMdiClientWnd(const std::string& exeDir, QWidget* parent = nullptr);

    // The picture the next repaint tiles.
    QPixmap BackgroundTile() const;
    // How many times the background was painted (tests).

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::string exeDir_;
};

}  // namespace qm530::app
