#include "TemplateArt.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace templates {

namespace {

const char* const kSans = "Noto Sans CJK SC";

QFont sans(int pixels, bool bold = false) {
    QFont f(kSans);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QColor rgb(int r, int g, int b, int a = 255) { return QColor(r, g, b, a); }

// Text with its baseline at y, starting at x (or centred on x, or ending at x).
enum class Anchor { Start, Centre, End };
void text(QPainter& p, const QString& s, qreal x, qreal baseline, const QFont& font, QColor colour,
          Anchor anchor = Anchor::Start) {
    const qreal width = QFontMetricsF(font).horizontalAdvance(s);
    if (anchor == Anchor::Centre) x -= width / 2;
    if (anchor == Anchor::End) x -= width;
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(x, baseline), s);
}

qreal advance(const QString& s, const QFont& font) { return QFontMetricsF(font).horizontalAdvance(s); }

// The baseline a label of the page puts its text on: the font's height centred in the label.
qreal labelBaseline(const QFont& font, int top, int height) {
    const QFontMetricsF m(font);
    return top + (height - m.height()) / 2 + m.ascent();
}

void dottedLine(QPainter& p, int x1, int x2, int y, QColor colour, int step = 3) {
    for (int x = x1; x <= x2; x += step) p.fillRect(x, y, 1, 1, colour);
}

void hLine(QPainter& p, int x1, int x2, int y, QColor colour) { p.fillRect(x1, y, x2 - x1 + 1, 1, colour); }
void vLine(QPainter& p, int x, int y1, int y2, QColor colour) { p.fillRect(x, y1, 1, y2 - y1 + 1, colour); }

QPainterPath star(QPointF centre, qreal outer) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? outer * 0.42 : outer;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        i ? path.lineTo(pt) : path.moveTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heart(QPointF c, qreal s) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.45);
    path.cubicTo(c.x() - s * 1.1, c.y() - s * 0.2, c.x() - s * 0.45, c.y() - s * 0.95, c.x(), c.y() - s * 0.35);
    path.cubicTo(c.x() + s * 0.45, c.y() - s * 0.95, c.x() + s * 1.1, c.y() - s * 0.2, c.x(), c.y() + s * 0.45);
    return path;
}

// Three dots joined by two lines: the usual "share" mark.
void shareIcon(QPainter& p, QPointF c, QColor colour) {
    p.save();
    p.setPen(QPen(colour, 1.1));
    const QPointF a(c.x() + 4, c.y() - 4), b(c.x() - 4, c.y()), d(c.x() + 4, c.y() + 4);
    p.drawLine(a, b);
    p.drawLine(b, d);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    for (QPointF pt : {a, b, d}) p.drawEllipse(pt, 1.8, 1.8);
    p.restore();
}

void chevron(QPainter& p, QPointF c, qreal size, QColor colour, bool down) {
    p.save();
    p.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    if (down) {
        path.moveTo(c.x() - size, c.y() - size / 2);
        path.lineTo(c.x(), c.y() + size / 2);
        path.lineTo(c.x() + size, c.y() - size / 2);
    } else {
        path.moveTo(c.x() - size / 2, c.y() - size);
        path.lineTo(c.x() + size / 2, c.y());
        path.lineTo(c.x() - size / 2, c.y() + size);
    }
    p.drawPath(path);
    p.restore();
}

void cartIcon(QPainter& p, QPointF o, QColor colour) {
    p.save();
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath basket;
    basket.moveTo(o.x(), o.y());
    basket.lineTo(o.x() + 3, o.y());
    basket.lineTo(o.x() + 6, o.y() + 10);
    basket.lineTo(o.x() + 15, o.y() + 10);
    basket.lineTo(o.x() + 17, o.y() + 3);
    basket.lineTo(o.x() + 4.2, o.y() + 3);
    p.drawPath(basket);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(o.x() + 7, o.y() + 13.5), 1.6, 1.6);
    p.drawEllipse(QPointF(o.x() + 14, o.y() + 13.5), 1.6, 1.6);
    p.restore();
}

void button(QPainter& p, QRectF r, QColor top, QColor bottom, QColor border, const QString& caption, QColor ink,
            const QFont& font, qreal textShift = 0) {
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    p.restore();
    const QFontMetricsF m(font);
    const qreal baseline = r.center().y() + (m.ascent() - m.descent()) / 2;
    text(p, caption, r.center().x() + textShift, baseline, font, ink, Anchor::Centre);
}

}  // namespace

QImage drawVelora() {
    QImage img(982, 507, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QColor grey999 = rgb(153, 153, 153), grey666 = rgb(102, 102, 102), ink = rgb(60, 60, 60);
    const QFont small = sans(12);

    // Left column: brand line, picture, links.
    dottedLine(p, 30, 147, 43, rgb(190, 190, 190));
    dottedLine(p, 225, 342, 43, rgb(190, 190, 190));
    {
        // A magnifier and a hint under the picture.
        p.save();
        p.setPen(QPen(grey999, 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(160.5, 462.5), 4.5, 4.5);
        p.drawLine(QPointF(163.8, 465.8), QPointF(167.5, 469.5));
        p.restore();
        text(p, QStringLiteral("查看大图"), 173, 467, small, grey999);
    }
    hLine(p, 9, 365, 481, rgb(238, 238, 238));
    shareIcon(p, {18, 494}, grey666);
    text(p, QStringLiteral("分享"), 27, 498, small, grey666);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(255, 102, 0));
    p.drawPath(star({70, 493.5}, 5.5));
    p.restore();
    text(p, QStringLiteral("收藏商品"), 79, 498, small, grey666);
    text(p, QStringLiteral("(2318人气)"), 79 + advance(QStringLiteral("收藏商品"), small) + 2, 498, small, grey999);
    text(p, QStringLiteral("举报"), 333, 498, small, grey999);

    // Right column.
    p.fillRect(377, 0, 605, 507, rgb(248, 248, 248));
    vLine(p, 376, 0, 506, rgb(236, 236, 236));

    // Price band with a fine dotted grain and faint line drawings at its right end.
    const QRect band(377, 69, 605, 49);
    p.fillRect(band, rgb(222, 64, 52));
    for (int y = band.top() + 1; y < band.bottom(); y += 4)
        for (int x = band.left() + ((y / 4) % 2 ? 2 : 0); x < band.right(); x += 4) p.fillRect(x, y, 1, 1, rgb(230, 86, 74));
    {
        p.save();
        p.setPen(QPen(rgb(255, 255, 255, 46), 1.4));
        p.setBrush(Qt::NoBrush);
        // A price tag and a gift box.
        QPainterPath tag;
        tag.moveTo(902, 80);
        tag.lineTo(920, 80);
        tag.lineTo(930, 93);
        tag.lineTo(920, 106);
        tag.lineTo(902, 106);
        tag.closeSubpath();
        p.drawPath(tag);
        p.drawEllipse(QPointF(918, 93), 2.5, 2.5);
        p.drawRect(QRectF(941.5, 86.5, 24, 20));
        p.drawRect(QRectF(939.5, 80.5, 28, 6));
        p.drawLine(QPointF(953.5, 80.5), QPointF(953.5, 106.5));
        p.restore();
    }
    text(p, QStringLiteral("价格"), 397, 99, small, Qt::white);
    {
        // The yen sign shares its baseline with the price the label draws.
        QFont priceFont = sans(45, true);
        const qreal baseline = labelBaseline(priceFont, 72, 43);
        text(p, QStringLiteral("¥"), 480, baseline, sans(26, true), Qt::white, Anchor::Centre);
    }

    // Notice band.
    p.fillRect(377, 118, 605, 29, rgb(255, 225, 163));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(255, 128, 0));
    p.drawEllipse(QPointF(390, 136), 6, 6);
    p.restore();
    text(p, QStringLiteral("!"), 390, 140, sans(10, true), Qt::white, Anchor::Centre);

    // Figures row: three columns with captions under the figures.
    vLine(p, 586, 163, 206, rgb(224, 224, 224));
    vLine(p, 776, 163, 206, rgb(224, 224, 224));
    text(p, QStringLiteral("月销量"), 492, 193, small, grey999, Anchor::Centre);
    text(p, QStringLiteral("累计评价"), 681, 193, small, grey999, Anchor::Centre);
    text(p, QStringLiteral("送Velora积分"), 872, 193, small, grey999, Anchor::Centre);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(255, 153, 0));
    for (int i = 0; i < 5; ++i) p.drawPath(star({657.0 + i * 12, 203.5}, 5));
    p.restore();

    dottedLine(p, 397, 967, 223, rgb(204, 204, 204));

    // Options: colour, quantity, service promises.
    text(p, QStringLiteral("颜色分类"), 397, 257, small, grey999);
    p.save();
    p.setPen(rgb(204, 204, 204));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(470.5, 239.5, 64, 26));
    p.setPen(QPen(rgb(222, 222, 222), 1, Qt::DashLine));
    p.drawLine(QPointF(474.5, 261.5), QPointF(530.5, 243.5));
    p.restore();

    text(p, QStringLiteral("数量"), 397, 293, small, grey999);
    p.save();
    p.setPen(rgb(204, 204, 204));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(470.5, 276.5, 44, 24));
    p.drawRect(QRectF(514.5, 276.5, 14, 12));
    p.drawRect(QRectF(514.5, 288.5, 14, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(grey666);
    QPolygonF up({QPointF(518, 285), QPointF(525, 285), QPointF(521.5, 280.5)});
    QPolygonF down({QPointF(518, 292.5), QPointF(525, 292.5), QPointF(521.5, 297)});
    p.drawPolygon(up);
    p.drawPolygon(down);
    p.restore();
    text(p, QStringLiteral("1"), 492.5, 293, sans(13), ink, Anchor::Centre);
    text(p, QStringLiteral("件"), 536, 293, small, ink);

    text(p, QStringLiteral("服务承诺"), 397, 329, small, grey999);
    const QColor blue = rgb(35, 110, 200);
    for (auto [x, caption] : {std::pair{470.0, QStringLiteral("无忧退换货")}, std::pair{582.0, QStringLiteral("全国联保")}}) {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawEllipse(QPointF(x + 8, 324.5), 8, 8);
        p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(x + 4.2, 324.8), QPointF(x + 7, 327.6), QPointF(x + 12, 321.4)}));
        p.restore();
        text(p, caption, x + 21, 329, sans(12, true), blue);
    }

    dottedLine(p, 397, 967, 351, rgb(204, 204, 204));

    // Buttons.
    const QFont buttonFont = sans(16, true);
    button(p, QRectF(464, 383, 164, 30), rgb(168, 98, 46), rgb(140, 72, 26), rgb(118, 58, 18),
           QStringLiteral("立刻购买"), Qt::white, buttonFont);
    button(p, QRectF(641, 383, 164, 30), rgb(236, 74, 58), rgb(212, 46, 32), rgb(188, 36, 24),
           QStringLiteral("加入购物车"), Qt::white, buttonFont, 10);
    cartIcon(p, {660, 390}, Qt::white);

    // Payment link.
    text(p, QStringLiteral("支付方式"), 900, 475, small, grey666);
    chevron(p, {958, 470.5}, 3.5, grey666, false);
    return img;
}

QImage drawSundok() {
    QImage img(823, 366, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QColor caption = rgb(153, 153, 153), ink = rgb(102, 102, 102), dark = rgb(60, 60, 60);
    const QColor orange = rgb(255, 102, 0), rule = rgb(232, 232, 232);
    const QFont small = sans(12);
    const int cx = 484;  // the captions of the right column

    // Price row: caption and a small yen sign on the price's baseline.
    const qreal priceBaseline = labelBaseline(sans(32, true), 40, 40);
    text(p, QStringLiteral("价格"), cx, priceBaseline - 2, small, caption);
    text(p, QStringLiteral("¥"), 547, priceBaseline, sans(15, true), orange, Anchor::Centre);

    // Delivery row.
    text(p, QStringLiteral("配送"), cx, 92, small, caption);
    text(p, QStringLiteral("北京 至 重庆"), 549, 92, small, dark);
    chevron(p, {549 + advance(QStringLiteral("北京 至 重庆"), small) + 8, 87.5}, 3, ink, true);
    text(p, QStringLiteral("快递: 免运费"), 549 + advance(QStringLiteral("北京 至 重庆"), small) + 20, 92, small, ink);

    // Sales row, with blanks for the month's sales and the completed transactions.
    const qreal salesBaseline = 117.5;
    text(p, QStringLiteral("销量"), cx, salesBaseline, small, caption);
    text(p, QStringLiteral("30天内已售出"), 614, salesBaseline, small, ink, Anchor::End);
    text(p, QStringLiteral("件,其中交易成功"), 710, salesBaseline, small, ink, Anchor::Centre);
    text(p, QStringLiteral("件"), 806, salesBaseline, small, ink);

    // Reviews row: the blank, then the count's unit and the condition.
    text(p, QStringLiteral("评价"), cx, 144.5, small, caption);
    text(p, QStringLiteral("条评价"), 584, 144.5, small, ink);
    vLine(p, 628, 134, 145, rgb(210, 210, 210));
    text(p, QStringLiteral("全新"), 635, 144.5, small, ink);

    hLine(p, 476, 814, 161, rule);

    // Quantity row: a small drop-down, then the stock in brackets.
    text(p, QStringLiteral("数量"), cx, 192, small, caption);
    p.save();
    p.setPen(rgb(190, 190, 190));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(549.5, 178.5, 30, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(567, 186), QPointF(575, 186), QPointF(571, 191)}));
    p.restore();
    text(p, QStringLiteral("1"), 557, 192, small, dark, Anchor::Centre);
    text(p, QStringLiteral("(库存"), 613, 192, small, ink, Anchor::End);
    text(p, QStringLiteral("件)"), 652, 192, small, ink);

    // Buy button.
    button(p, QRectF(545, 217, 170, 38), rgb(255, 238, 224), rgb(255, 214, 184), rgb(246, 160, 104),
           QStringLiteral("立即购买"), rgb(229, 81, 29), sans(17, true));

    // Links row.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(255, 80, 80));
    p.drawPath(heart({556, 287}, 6));
    p.setBrush(rgb(255, 170, 0));
    p.drawPath(star({645, 286}, 6));
    p.restore();
    text(p, QStringLiteral("喜欢宝贝"), 565, 291, small, ink);
    text(p, QStringLiteral("收藏宝贝(9999)"), 654, 291, small, ink);
    shareIcon(p, {760, 286.5}, ink);
    text(p, QStringLiteral("分享"), 769, 291, small, ink);

    hLine(p, 476, 814, 306, rule);

    // Payment row: two badges of generic payment methods.
    text(p, QStringLiteral("支付"), cx, 337, small, caption);
    const QFont badgeFont = sans(11, true);
    qreal x = 549;
    for (auto [label, colour] : {std::pair{QStringLiteral("快捷支付"), rgb(24, 144, 255)},
                                 std::pair{QStringLiteral("信用卡分期"), rgb(46, 170, 98)}}) {
        const qreal w = advance(label, badgeFont) + 14;
        p.save();
        p.setPen(QPen(colour, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(x + 0.5, 323.5, w, 18), 3, 3);
        p.restore();
        text(p, label, x + 7.5, 337, badgeFont, colour);
        x += w + 8;
    }
    return img;
}

}  // namespace templates
