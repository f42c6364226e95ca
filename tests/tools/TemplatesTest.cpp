#include <gtest/gtest.h>

#include <QFile>

#include "TemplateArt.h"
#include "pages/PageDef.h"
#include "platform/picture/Picture.h"

namespace {

QImage committed(const char* resource) {
    QFile f(resource);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << resource;
    const QByteArray b = f.readAll();
    return picture::decodePicture(reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size()))
        .convertToFormat(QImage::Format_RGB32);
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

}  // namespace

TEST(Templates, TheToolRedrawsTheCommittedTemplates) {
    const struct {
        const char* resource;
        QImage drawn;
        QSize size;
    } pages[] = {{":/templates/velora.jpg", templates::drawVelora(), {982, 507}},
                 {":/templates/sundok.jpg", templates::drawSundok(), {823, 366}}};
    for (const auto& p : pages) {
        const QImage stored = committed(p.resource);
        ASSERT_EQ(stored.size(), p.size) << p.resource;
        ASSERT_EQ(p.drawn.size(), p.size);
        // Only the JPEG's own loss stands between them.
        EXPECT_LT(meanDifference(stored, p.drawn.convertToFormat(QImage::Format_RGB32)), 1.5) << p.resource;
    }
}

TEST(Templates, TheBlanksUnderTheLabelsAreThePlainBackground) {
    struct Blank {
        const pages::PageDef* page;
        const char* control;
        QColor plain;
        int tolerance;  // the price band has a fine grain
    };
    const QColor grey(248, 248, 248), white(Qt::white);
    const Blank blanks[] = {
        {&pages::veloraPage(), "标题", grey, 6},         {&pages::veloraPage(), "价格", QColor(222, 64, 52), 28},
        {&pages::veloraPage(), "售出", grey, 6},         {&pages::veloraPage(), "评价", grey, 6},
        {&pages::veloraPage(), "积分", grey, 6},         {&pages::veloraPage(), "品牌", white, 6},
        {&pages::veloraPage(), "透明标签1", QColor(255, 225, 163), 6},
        {&pages::veloraPage(), "图片", white, 6},
        {&pages::sundokPage(), "标题a", white, 6},       {&pages::sundokPage(), "价格", white, 6},
        {&pages::sundokPage(), "售出", white, 6},        {&pages::sundokPage(), "评价", white, 6},
        {&pages::sundokPage(), "交易", white, 6},        {&pages::sundokPage(), "库存", white, 6},
        {&pages::sundokPage(), "图片", white, 6},
    };
    for (const Blank& b : blanks) {
        SCOPED_TRACE(b.control);
        const bool velora = b.page == &pages::veloraPage();
        const QImage tpl = committed(velora ? ":/templates/velora.jpg" : ":/templates/sundok.jpg");
        const platform::WindowDef& def = b.page->window;
        const platform::ControlDef* c = platform::findControl(def, b.control);
        ASSERT_NE(c, nullptr);
        // In canvas coordinates: window-level labels sit 8,8 off.
        const int dx = c->parent.empty() ? -8 : 0;
        const QRect r(c->x + dx, c->y + dx, c->width, c->height);
        int plain = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb p = tpl.pixel(x, y);
                plain += std::abs(qRed(p) - b.plain.red()) <= b.tolerance && std::abs(qGreen(p) - b.plain.green()) <= b.tolerance &&
                         std::abs(qBlue(p) - b.plain.blue()) <= b.tolerance;
            }
        // Faint line drawings may reach into the price band's blank; nothing else may.
        EXPECT_GE(plain, r.width() * r.height() * (velora && std::string(b.control) == "价格" ? 97 : 100) / 100)
            << plain << " of " << r.width() * r.height();
    }
}
