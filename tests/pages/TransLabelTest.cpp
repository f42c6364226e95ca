#include <gtest/gtest.h>

#include <QPainter>

#include "platform/Fonts.h"
#include "platform/TransLabel.h"

using platform::TransLabel;

namespace {

// A label on a plain grey parent, rendered.
QImage render(const QString& text, QSize size = {60, 24}, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    QWidget parent;
    parent.resize(size);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(200, 200, 200));
    parent.setPalette(pal);
    TransLabel label(&parent);
    label.setGeometry(0, 0, size.width(), size.height());
    label.setFont(platform::fontFor({"微软雅黑", 16, 400}));
    label.setColour(Qt::black);
    label.setAlignment(align);
    label.setText(text);
    return parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The rows that hold ink.
std::pair<int, int> inkRows(const QImage& img) {
    int top = -1, bottom = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(200, 200, 200)) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return {top, bottom};
}

}  // namespace

TEST(TransLabel, DrawsOnlyItsGlyphs) {
    const QImage empty = render("");
    EXPECT_EQ(inkRows(empty).first, -1) << "an empty text draws nothing, not even a background";
    const QImage text = render("Hi");
    EXPECT_GE(inkRows(text).first, 0);
    EXPECT_EQ(text.pixel(59, 0), qRgb(200, 200, 200)) << "the parent shows around the glyphs";
}

TEST(TransLabel, AnAmpersandUnderlinesTheNextCharacterAndTwoDrawOne) {
    const QImage plain = render("a"), marked = render("&a");
    EXPECT_NE(plain, marked);
    // The only difference is an underline below the glyph.
    const auto [plainTop, plainBottom] = inkRows(plain);
    const auto [markedTop, markedBottom] = inkRows(marked);
    EXPECT_EQ(markedTop, plainTop);
    EXPECT_GT(markedBottom, plainBottom);
    for (int y = 0; y <= plainBottom; ++y)
        for (int x = 0; x < plain.width(); ++x) ASSERT_EQ(plain.pixel(x, y), marked.pixel(x, y)) << x << "," << y;

    // "&&" is a literal ampersand: the same ink as one drawn without mnemonics.
    QImage reference(60, 24, QImage::Format_RGB32);
    reference.fill(qRgb(200, 200, 200));
    QPainter p(&reference);
    p.setFont(platform::fontFor({"微软雅黑", 16, 400}));
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 60, 24), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, "&");
    p.end();
    EXPECT_EQ(render("&&"), reference);
}

TEST(TransLabel, LineBreaksDoNotStartANewLine) {
    const QImage img = render("a\nb", {60, 60});
    const auto [top, bottom] = inkRows(img);
    EXPECT_LT(bottom - top, 20) << "one line only";
}

TEST(TransLabel, ANewTextLeavesNoGhostOfTheOld) {
    QWidget parent;
    parent.resize(80, 24);
    TransLabel label(&parent);
    label.setGeometry(0, 0, 80, 24);
    label.setText("8888888");
    parent.grab();
    label.setText("1");
    const QImage after = parent.grab().toImage();

    QWidget fresh;
    fresh.resize(80, 24);
    TransLabel clean(&fresh);
    clean.setGeometry(0, 0, 80, 24);
    clean.setText("1");
    EXPECT_EQ(after, fresh.grab().toImage());
}
