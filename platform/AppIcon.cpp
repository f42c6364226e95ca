#include "platform/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace platform {

QImage appIconImage(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    // Tile.
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, QColor(74, 140, 206));
    tile.setColorAt(1, QColor(30, 79, 134));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.03 * s, 0.03 * s, 0.94 * s, 0.94 * s), 0.2 * s, 0.2 * s);

    // The page: picture on the left, a price band and two lines of text on the right.
    const QRectF page(0.16 * s, 0.22 * s, 0.68 * s, 0.56 * s);
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, 0.05 * s, 0.05 * s);
    p.setBrush(QColor(123, 158, 189));
    p.drawRect(QRectF(0.22 * s, 0.30 * s, 0.24 * s, 0.40 * s));
    p.setBrush(QColor(222, 64, 52));
    p.drawRect(QRectF(0.51 * s, 0.30 * s, 0.27 * s, 0.12 * s));
    p.setBrush(QColor(150, 160, 172));
    const qreal line = qMax<qreal>(1.0, 0.05 * s);
    p.drawRect(QRectF(0.51 * s, 0.50 * s, 0.27 * s, line));
    p.drawRect(QRectF(0.51 * s, 0.60 * s, 0.18 * s, line));
    return img;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
    return icon;
}

}  // namespace platform
