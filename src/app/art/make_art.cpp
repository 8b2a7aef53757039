// Draws the program's pictures at build time: title.ico and background.bmp
// beside the program, and the pictures of the language packs.
// Usage: qm530_make_art <output directory>
//        qm530_make_art --icons <directory>   (desktop icons, 16 to 256 pixels)
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <cstring>

namespace {

QImage Canvas(int w, int h, QColor fill = Qt::transparent) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

bool Write(const QImage& image, const QString& path, const char* format) {
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

// A handheld radio: body, antenna, display, keypad.
QImage Radio(int size) {
    QImage image = Canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(20, 30, 60), 1));
    p.setBrush(QColor(40, 40, 48));
    p.drawRoundedRect(QRectF(11, 1, 3, 9), 1, 1);  // antenna
    QLinearGradient body(8, 0, 25, 0);
    body.setColorAt(0, QColor(30, 70, 150));
    body.setColorAt(1, QColor(15, 35, 90));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(8, 8, 17, 23), 3, 3);
    p.setBrush(QColor(170, 230, 170));
    p.setPen(QPen(QColor(10, 40, 10), 0.8));
    p.drawRect(QRectF(10.5, 11, 12, 6));  // display
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 225, 235));
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            p.drawRoundedRect(QRectF(11 + c * 4, 19 + r * 3.6, 3, 2.4), 0.6, 0.6);
    }
    p.setBrush(QColor(230, 60, 40));
    p.drawEllipse(QRectF(19.5, 4, 4, 4));  // channel knob
    return image;
}

QImage CloseButton() {
    QImage image = Canvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
    return image;
}

// A splitter cursor: a double bar with arrows to both sides.
QImage ResizeCursor() {
    QImage image = Canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRect(14, 6, 1.5, 20);
    path.addRect(16.5, 6, 1.5, 20);
    path.moveTo(4, 16);
    path.lineTo(10, 11);
    path.lineTo(10, 14.5);
    path.lineTo(13, 14.5);
    path.lineTo(13, 17.5);
    path.lineTo(10, 17.5);
    path.lineTo(10, 21);
    path.closeSubpath();
    path.moveTo(28, 16);
    path.lineTo(22, 11);
    path.lineTo(22, 14.5);
    path.lineTo(19, 14.5);
    path.lineTo(19, 17.5);
    path.lineTo(22, 17.5);
    path.lineTo(22, 21);
    path.closeSubpath();
    p.setPen(QPen(Qt::white, 2));
    p.drawPath(path);
    p.fillPath(path, Qt::black);
    return image;
}

// Soft tiles for the workspace: waves on a blue-grey ground.
QImage Tile(int size, QColor top, QColor bottom, QColor wave) {
    QImage image = Canvas(size, size, top);
    QPainter p(&image);
    QLinearGradient ground(0, 0, 0, size);
    ground.setColorAt(0, top);
    ground.setColorAt(0.5, bottom);
    ground.setColorAt(1, top);
    p.fillRect(image.rect(), ground);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(wave, 1.2));
    p.setBrush(Qt::NoBrush);
    const QPointF centre(size / 2.0, size / 2.0);
    for (int r = size / 8; r < size / 2; r += size / 8) {
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2.0 * r, 2.0 * r), 30 * 16, 120 * 16);
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2.0 * r, 2.0 * r), 210 * 16, 120 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(wave);
    p.drawEllipse(centre, 2.0, 2.0);
    return image.convertToFormat(QImage::Format_RGB32);
}

QPainter* Begin(QImage& image) {
    auto* p = new QPainter(&image);
    p->setRenderHint(QPainter::Antialiasing);
    return p;
}

QImage NewIcon() {
    QImage image = Canvas(16, 16);
    QPainter* p = Begin(image);
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p->setPen(QPen(QColor(70, 70, 70), 1));
    p->setBrush(Qt::white);
    p->drawPath(page);
    p->drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    p->drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
    delete p;
    return image;
}

QImage OpenIcon() {
    QImage image = Canvas(16, 16);
    QPainter* p = Begin(image);
    p->setPen(QPen(QColor(120, 90, 10), 1));
    p->setBrush(QColor(240, 200, 80));
    p->drawRect(QRectF(1.5, 4.5, 11, 9));
    p->drawRect(QRectF(1.5, 3, 5, 2));
    p->setBrush(QColor(250, 225, 120));
    QPolygonF flap(
        {QPointF(3.5, 7.5), QPointF(14.5, 7.5), QPointF(12.5, 13.5), QPointF(1.5, 13.5)});
    p->drawPolygon(flap);
    delete p;
    return image;
}

QImage SaveIcon() {
    QImage image = Canvas(16, 16);
    QPainter* p = Begin(image);
    p->setPen(QPen(QColor(20, 40, 90), 1));
    p->setBrush(QColor(50, 90, 170));
    p->drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p->setBrush(Qt::white);
    p->drawRect(QRectF(4, 1.5, 8, 5));
    p->setBrush(QColor(200, 200, 210));
    p->drawRect(QRectF(4.5, 9.5, 7, 5));
    delete p;
    return image;
}

// Read: an arrow from the radio down into the computer; write: the other way.
QImage TransferIcon(bool read) {
    QImage image = Canvas(16, 16);
    QPainter* p = Begin(image);
    p->setPen(QPen(QColor(20, 30, 60), 0.8));
    p->setBrush(QColor(30, 70, 150));
    p->drawRoundedRect(QRectF(1.5, 3.5, 6, 11), 1.2, 1.2);
    p->drawLine(QPointF(3, 3.5), QPointF(3, 0.5));
    const QColor colour = read ? QColor(30, 150, 50) : QColor(200, 50, 40);
    p->setPen(Qt::NoPen);
    p->setBrush(colour);
    QPolygonF arrow;
    if (read) {
        arrow << QPointF(8.5, 6.5) << QPointF(12, 6.5) << QPointF(12, 3.5) << QPointF(15.5, 8.5)
              << QPointF(12, 13.5) << QPointF(12, 10.5) << QPointF(8.5, 10.5);
    } else {
        arrow << QPointF(15.5, 6.5) << QPointF(12, 6.5) << QPointF(12, 3.5) << QPointF(8.5, 8.5)
              << QPointF(12, 13.5) << QPointF(12, 10.5) << QPointF(15.5, 10.5);
    }
    p->drawPolygon(arrow);
    delete p;
    return image;
}

QImage PrintIcon() {
    QImage image = Canvas(16, 16);
    QPainter* p = Begin(image);
    p->setPen(QPen(QColor(60, 60, 60), 1));
    p->setBrush(Qt::white);
    p->drawRect(QRectF(4.5, 1.5, 7, 5));
    p->setBrush(QColor(150, 150, 160));
    p->drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p->setBrush(Qt::white);
    p->drawRect(QRectF(4.5, 10.5, 7, 4));
    p->setPen(Qt::NoPen);
    p->setBrush(QColor(40, 180, 60));
    p->drawEllipse(QPointF(12.5, 8.5), 0.9, 0.9);
    delete p;
    return image;
}

QImage AboutIcon() {
    QImage image = Canvas(16, 16);
    QPainter* p = Begin(image);
    p->setPen(QPen(QColor(20, 50, 120), 1));
    p->setBrush(QColor(60, 110, 200));
    p->drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p->setPen(Qt::NoPen);
    p->setBrush(Qt::white);
    p->drawEllipse(QPointF(8, 4.8), 1.2, 1.2);
    p->drawRoundedRect(QRectF(7, 7, 2, 5.5), 0.6, 0.6);
    delete p;
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) {
        // The desktop icon at the sizes of the icon theme:
        // <dir>/<n>x<n>/apps/qm530-cps.png.
        const QDir out(QString::fromLocal8Bit(argv[2]));
        bool ok = true;
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            const QString sub = QStringLiteral("%1x%1/apps").arg(size);
            ok &= out.mkpath(sub) &&
                  Write(Radio(size), out.filePath(sub + QStringLiteral("/qm530-cps.png")), "png");
        }
        return ok ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory> | --icons <directory>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("toolbar"))) return 1;
    auto path = [&out](const char* name) { return out.filePath(QString::fromLatin1(name)); };
    bool ok = true;
    ok &= Write(Radio(32), path("title.ico"), "ico");
    ok &= Write(Tile(128, QColor(214, 222, 232), QColor(190, 204, 220), QColor(160, 178, 200)),
                path("background.bmp"), "bmp");
    ok &= Write(Radio(32), path("icon128.png"), "png");
    ok &= Write(CloseButton(), path("icon131.png"), "png");
    ok &= Write(ResizeCursor(), path("cursor132.png"), "png");
    ok &= Write(Tile(64, QColor(200, 206, 214), QColor(184, 192, 204), QColor(168, 178, 192)),
                path("bitmap137.bmp"), "bmp");
    ok &= Write(NewIcon(), path("toolbar/new.png"), "png");
    ok &= Write(OpenIcon(), path("toolbar/open.png"), "png");
    ok &= Write(SaveIcon(), path("toolbar/save.png"), "png");
    ok &= Write(TransferIcon(true), path("toolbar/read.png"), "png");
    ok &= Write(TransferIcon(false), path("toolbar/write.png"), "png");
    ok &= Write(PrintIcon(), path("toolbar/print.png"), "png");
    ok &= Write(AboutIcon(), path("toolbar/about.png"), "png");
    return ok ? 0 : 1;
}
