#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "Fixtures.h"
#include "input/InputWindowDef.h"
#include "pages/PageDef.h"
#include "platform/CommonDlg.h"
#include "platform/DrawPanel.h"
#include "platform/LiveWindow.h"
#include "platform/PicBox.h"
#include "platform/Services.h"
#include "platform/TransLabel.h"
#include "platform/picture/Picture.h"
#include "shell/ProductPicture.h"

using platform::LiveWindow;
using platform::TransLabel;

namespace {

QImage templateOf(const char* resource) {
    QFile f(resource);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    return picture::decodePicture(reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size()))
        .convertToFormat(QImage::Format_RGB32);
}

// The input window with typed fields, for the pages to read.
class PagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::loadWindow(input::inputWindowDef(), platform::Modality::Modeless));
        input = platform::liveWindow("InputWindow");
        shell::productPicture().release();
    }
    void TearDown() override {
        if (input) input->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shell::productPicture().release();
    }
    void type(std::map<std::string, QString> fields) {
        for (const auto& [name, text] : fields) platform::writeText("InputWindow", name, text);
    }
    // Opens the page, hands it to `check` while it is up, then closes it with Esc.
    void withPage(const pages::PageDef& page, std::function<void(LiveWindow*)> check) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            LiveWindow* w = platform::liveWindow(page.window.name);
            ASSERT_NE(w, nullptr);
            ran = true;
            check(w);
            QTest::keyClick(w, Qt::Key_Escape);
        });
        ASSERT_TRUE(pages::loadPage(page));
        EXPECT_TRUE(ran);
        EXPECT_EQ(platform::liveWindow(page.window.name), nullptr) << "closed and destroyed";
    }
    // What the page shows, as a picture of its canvas (labels that lie over it included).
    static QImage canvasShot(LiveWindow* w, const char* canvas) {
        auto* c = w->controlAs<QWidget>(canvas);
        return w->grab(QRect(c->pos(), c->size())).toImage().convertToFormat(QImage::Format_RGB32);
    }

    QPointer<LiveWindow> input;
};

QString labelText(LiveWindow* w, const char* name) {
    auto* l = w->controlAs<TransLabel>(name);
    return l ? l->text() : QString("(missing)");
}

// Where a control stands on the canvas, whether it lies in it or over it.
QPoint inCanvas(LiveWindow* w, QWidget* canvas, QWidget* control) { return control->mapTo(w, QPoint(0, 0)) - canvas->pos(); }

// Pixels of rect that differ from the reference anywhere.
int differingPixels(const QImage& a, const QImage& b, QRect r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// Whether some pixel of rect is within `tolerance` of the colour.
bool hasColour(const QImage& img, QRect r, QColor c, int tolerance = 40) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (std::abs(qRed(p) - c.red()) + std::abs(qGreen(p) - c.green()) + std::abs(qBlue(p) - c.blue()) <= tolerance)
                return true;
        }
    return false;
}

}  // namespace

TEST(PageDefinitions, BothPagesMatchTheirTables) {
    struct Row {
        const char* page;
        const char* name;
        const char* kind;
        const char* parent;  // "" for the window
        QRect place;         // in the parent's client coordinates
        const char* text;
        const char* face;    // "" for the default GUI font
        int pixels, weight;
        QColor colour;
        bool centred;
    };
    const QColor none;
    const Row rows[] = {
        {"PageWindowVelora", "画板_velora", "DrawPanel", "", {8, 8, 982, 507}, "", "", 0, 0, none, false},
        {"PageWindowVelora", "透明标签1", "TransLabel", "画板_velora", {400, 128, 352, 16},
         "温馨说明：Dovrek独家提供,酷炫狂拽叼炸天，低调奢华有内涵", "", 12, 400, {255, 128, 0}, false},
        {"PageWindowVelora", "品牌", "TransLabel", "画板_velora", {150, 35, 72, 16}, "Velora", "微软雅黑", 14, 700, {0, 0, 0}, true},
        {"PageWindowVelora", "图片", "PicBox", "画板_velora", {9, 68, 357, 377}, "", "", 0, 0, none, false},
        {"PageWindowVelora", "积分", "TransLabel", "画板_velora", {822, 157, 96, 24}, "6666", "微软雅黑", 16, 700, {0, 128, 0}, true},
        {"PageWindowVelora", "评价", "TransLabel", "画板_velora", {633, 160, 96, 16}, "023", "微软雅黑", 16, 700, {0, 96, 192}, true},
        {"PageWindowVelora", "售出", "TransLabel", "画板_velora", {456, 157, 72, 24}, "88888", "微软雅黑", 16, 700, {255, 128, 64}, true},
        {"PageWindowVelora", "价格", "TransLabel", "画板_velora", {498, 72, 462, 43}, "136.00", "微软雅黑", 45, 700, {255, 255, 255}, false},
        {"PageWindowVelora", "标题", "TransLabel", "画板_velora", {390, 21, 584, 40}, "我只是想测试一下这个标签而已！", "微软雅黑", 24, 700, {0, 0, 0}, false},
        {"PageWindowSundok", "库存", "TransLabel", "", {622, 189, 36, 13}, "8888", "新宋体", 14, 400, {0, 0, 0}, true},
        {"PageWindowSundok", "交易", "TransLabel", "", {764, 115, 48, 13}, "88888", "新宋体", 14, 400, {255, 128, 0}, true},
        {"PageWindowSundok", "画板_sundok", "DrawPanel", "", {8, 8, 823, 366}, "", "", 0, 0, none, false},
        {"PageWindowSundok", "评价", "TransLabel", "画板_sundok", {549, 132, 33, 16}, "12345", "", 12, 400, {255, 128, 0}, false},
        {"PageWindowSundok", "售出", "TransLabel", "画板_sundok", {616, 106, 48, 13}, "88888", "新宋体", 14, 400, {255, 128, 0}, true},
        {"PageWindowSundok", "价格", "TransLabel", "画板_sundok", {552, 40, 216, 40}, "139.00", "微软雅黑", 32, 700, {255, 128, 0}, false},
        {"PageWindowSundok", "标题a", "TransLabel", "画板_sundok", {8, 8, 800, 32}, "我勒个去！！！！！！！", "宋体", 20, 700, {58, 58, 58}, false},
        {"PageWindowSundok", "图片", "PicBox", "画板_sundok", {9, 48, 463, 312}, "", "", 0, 0, none, false},
    };
    // Built but not loaded: no created event, so the stored texts show.
    std::map<std::string, std::unique_ptr<LiveWindow>> built;
    for (const pages::PageDef* page : {&pages::veloraPage(), &pages::sundokPage()}) {
        QString why;
        built[page->window.name] = LiveWindow::build(page->window, &why);
        ASSERT_TRUE(built[page->window.name]) << why.toStdString();
    }
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.page) + " " + r.name);
        LiveWindow* w = built.at(r.page).get();
        auto* c = w->controlAs<QWidget>(r.name);
        ASSERT_NE(c, nullptr);
        EXPECT_STREQ(c->metaObject()->className() + std::string("platform::").size(), r.kind);
        EXPECT_EQ(c->parentWidget()->objectName(), QString::fromUtf8(r.parent));
        EXPECT_EQ(c->geometry(), r.place);
        if (auto* l = qobject_cast<TransLabel*>(c)) {
            EXPECT_EQ(l->text(), QString::fromUtf8(r.text));
            EXPECT_EQ(l->font().family(), *r.face ? QString::fromUtf8(r.face) : QString("Noto Sans CJK SC"));
            EXPECT_EQ(l->font().pixelSize(), r.pixels);
            EXPECT_EQ(l->font().weight(), r.weight);
            EXPECT_EQ(l->colour(), r.colour);
            EXPECT_EQ(l->alignment(), (r.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        }
    }
    EXPECT_EQ(built["PageWindowVelora"]->size(), QSize(994, 575));
    EXPECT_EQ(built["PageWindowSundok"]->size(), QSize(837, 382));
    EXPECT_EQ(built["PageWindowVelora"]->windowTitle(),
              QString::fromUtf8("Velora商品生成页面(点击图片保存到本地,也可使用QQ截图 CTRL+A)"));
    EXPECT_EQ(built["PageWindowSundok"]->windowTitle(),
              QString::fromUtf8("Sundok同款商品生成页面(点击图片保存到本地,也可使用QQ截图 CTRL+A)"));
    for (const char* page : {"PageWindowVelora", "PageWindowSundok"}) {
        auto* dlg = built[page]->controlAs<platform::CommonDlg>("通用对话框1");
        EXPECT_NE(dlg, nullptr) << page;
    }
    // Stacking: Sundok's window-level figures lie over its canvas.
    LiveWindow* sundok = built["PageWindowSundok"].get();
    EXPECT_EQ(sundok->childAt(640, 195), sundok->controlAs<QWidget>("库存"));
    EXPECT_EQ(sundok->childAt(788, 121), sundok->controlAs<QWidget>("交易"));
}

TEST_F(PagesTest, EveryPageShowsTheFieldsAsTyped) {
    type({{"编辑框1", " 陶瓷马克杯 & 杯垫 "}, {"编辑框2", "59.00"}, {"编辑框3", "3562"}, {"编辑框4", "2987"},
          {"编辑框5", "1856"}, {"编辑框6", "1200"}});
    withPage(pages::sundokPage(), [](LiveWindow* w) {
        EXPECT_EQ(labelText(w, "标题a"), QString::fromUtf8(" 陶瓷马克杯 & 杯垫 ")) << "not trimmed";
        EXPECT_EQ(labelText(w, "价格"), "59.00");
        EXPECT_EQ(labelText(w, "售出"), "3562");
        EXPECT_EQ(labelText(w, "交易"), "2987");
        EXPECT_EQ(labelText(w, "评价"), "1856");
        EXPECT_EQ(labelText(w, "库存"), "1200");
    });
    withPage(pages::veloraPage(), [](LiveWindow* w) {
        EXPECT_EQ(labelText(w, "标题"), QString::fromUtf8(" 陶瓷马克杯 & 杯垫 "));
        EXPECT_EQ(labelText(w, "价格"), "59.00");
        EXPECT_EQ(labelText(w, "售出"), "3562");
        EXPECT_EQ(labelText(w, "评价"), "1856");
        EXPECT_EQ(labelText(w, "积分"), "2987") << "the bonus points are the transactions";
        EXPECT_EQ(labelText(w, "品牌"), "Velora");
        EXPECT_EQ(labelText(w, "透明标签1"), QString::fromUtf8("温馨说明：Dovrek独家提供,酷炫狂拽叼炸天，低调奢华有内涵"));
        for (QObject* child : w->findChildren<TransLabel*>())
            EXPECT_NE(static_cast<TransLabel*>(child)->text(), "1200") << "stock is shown nowhere on Velora";
    });
}

TEST_F(PagesTest, EachLoadShowsTheCurrentFieldsAndPicture) {
    const fixtures::PixelFn red = [](int, int) { return 0xFFFF0000u; };
    const fixtures::PixelFn blue = [](int, int) { return 0xFF0000FFu; };
    for (auto [price, colour, fill] : {std::tuple{"10", QColor(Qt::red), red}, std::tuple{"20", QColor(Qt::blue), blue}}) {
        type({{"编辑框2", price}});
        shell::productPicture().replace(fixtures::bmp(4, 4, fill));
        withPage(pages::veloraPage(), [&](LiveWindow* w) {
            EXPECT_EQ(labelText(w, "价格"), price);
            EXPECT_EQ(canvasShot(w, "画板_velora").pixelColor(180, 250), colour);
        });
    }
}

TEST_F(PagesTest, EmptyFieldsShowTheBareTemplateWithBrandAndNotice) {
    struct Page {
        const pages::PageDef* page;
        const char* canvas;
        const char* resource;
        std::vector<const char*> kept;  // labels that keep their stored texts
    };
    const Page all[] = {{&pages::veloraPage(), "画板_velora", ":/templates/velora.jpg", {"品牌", "透明标签1"}},
                        {&pages::sundokPage(), "画板_sundok", ":/templates/sundok.jpg", {}}};
    for (const Page& p : all) {
        SCOPED_TRACE(p.canvas);
        const QImage bare = templateOf(p.resource);
        withPage(*p.page, [&](LiveWindow* w) {
            const QImage shot = canvasShot(w, p.canvas);
            ASSERT_EQ(shot.size(), bare.size());
            auto* canvas = w->controlAs<QWidget>(p.canvas);
            for (TransLabel* l : w->findChildren<TransLabel*>()) {
                const QRect r(inCanvas(w, canvas, l), l->size());
                const bool kept = std::any_of(p.kept.begin(), p.kept.end(), [&](const char* n) { return l->objectName() == n; });
                if (kept) {
                    EXPECT_GT(differingPixels(shot, bare, r), 0) << l->objectName().toStdString() << " shows its text";
                } else {
                    EXPECT_EQ(l->text(), "");
                    EXPECT_EQ(differingPixels(shot, bare, r), 0) << l->objectName().toStdString() << " draws nothing";
                }
            }
            // No picture: white inside the frame.
            auto* box = w->controlAs<platform::PicBox>("图片");
            const QRect inner(box->mapTo(canvas, QPoint(1, 1)), box->size() - QSize(2, 2));
            EXPECT_EQ(shot.pixelColor(inner.topLeft()), QColor(Qt::white));
            EXPECT_EQ(shot.pixelColor(inner.center()), QColor(Qt::white));
            EXPECT_EQ(shot.pixelColor(inner.bottomRight()), QColor(Qt::white));
        });
    }
}

TEST_F(PagesTest, APriceIsDrawnAsTypedRightOfTheYenSign) {
    type({{"编辑框2", "99"}});
    withPage(pages::veloraPage(), [](LiveWindow* w) {
        EXPECT_EQ(labelText(w, "价格"), "99");
        const QImage shot = canvasShot(w, "画板_velora");
        const QImage bare = templateOf(":/templates/velora.jpg");
        // White ink appears only inside the label, right of the yen sign, and no wider than two digits.
        int first = -1, last = -1;
        for (int x = 492; x < 982; ++x)
            for (int y = 72; y < 115; ++y)
                if (shot.pixel(x, y) != bare.pixel(x, y) && qGreen(shot.pixel(x, y)) > 200) {
                    if (first < 0) first = x;
                    last = x;
                }
        EXPECT_GE(first, 498);
        EXPECT_LT(first, 510);
        EXPECT_LT(last - first, 60) << "two digits, no decimals or currency added";
    });
}

TEST_F(PagesTest, LongTextsAreCutAtTheLabelsEdges) {
    type({{"编辑框1", QString::fromUtf8("超长的商品标题").repeated(12)}, {"编辑框3", "12345678901234567890"}});
    withPage(pages::veloraPage(), [](LiveWindow* w) {
        const QImage shot = canvasShot(w, "画板_velora");
        const QImage bare = templateOf(":/templates/velora.jpg");
        // The title runs to its label's right edge (390 + 584) and stops there.
        EXPECT_GT(differingPixels(shot, bare, QRect(960, 21, 14, 40)), 0);
        EXPECT_EQ(differingPixels(shot, bare, QRect(974, 21, 8, 40)), 0);
        // A centred figure wider than its label is cut on both sides.
        EXPECT_GT(differingPixels(shot, bare, QRect(456, 157, 5, 24)), 0);
        EXPECT_GT(differingPixels(shot, bare, QRect(523, 157, 5, 24)), 0);
        EXPECT_EQ(differingPixels(shot, bare, QRect(440, 157, 16, 24)), 0);
        EXPECT_EQ(differingPixels(shot, bare, QRect(528, 157, 16, 24)), 0);
    });
}

TEST_F(PagesTest, APngPictureLeavesTheBoxWhiteAndA100SquareIsStretched) {
    shell::productPicture().replace(fixtures::png(100, 100, [](int x, int y) { return fixtures::halves(x, y, 100); }));
    withPage(pages::sundokPage(), [](LiveWindow* w) {
        const QImage shot = canvasShot(w, "画板_sundok");
        EXPECT_EQ(shot.pixelColor(240, 200), QColor(Qt::white));
    });
    shell::productPicture().replace(fixtures::bmp(100, 100, [](int x, int y) { return fixtures::halves(x, y, 100); }));
    withPage(pages::sundokPage(), [](LiveWindow* w) {
        const QImage shot = canvasShot(w, "画板_sundok");
        // Inner area of the box: 10,49 to 470,358 on the canvas.
        EXPECT_EQ(shot.pixelColor(10, 49), QColor(Qt::red));
        EXPECT_EQ(shot.pixelColor(10, 358), QColor(Qt::red));
        EXPECT_EQ(shot.pixelColor(470, 49), QColor(Qt::blue));
        EXPECT_EQ(shot.pixelColor(470, 358), QColor(Qt::blue));
        EXPECT_EQ(shot.pixelColor(9, 48), QColor::fromRgb(platform::PicBox::kFrameColour));
    });
}

TEST_F(PagesTest, LabelColoursStandAtTheLabelPlacesWindowLevelFiguresIncluded) {
    type({{"编辑框1", "Title"}, {"编辑框2", "8"}, {"编辑框3", "88"}, {"编辑框4", "888"}, {"编辑框5", "88"}, {"编辑框6", "88"}});
    for (const pages::PageDef* page : {&pages::veloraPage(), &pages::sundokPage()}) {
        const char* canvasName = page == &pages::veloraPage() ? "画板_velora" : "画板_sundok";
        withPage(*page, [&](LiveWindow* w) {
            const QImage shot = canvasShot(w, canvasName);
            auto* canvas = w->controlAs<QWidget>(canvasName);
            for (TransLabel* l : w->findChildren<TransLabel*>()) {
                const QRect r(inCanvas(w, canvas, l), l->size());
                EXPECT_TRUE(hasColour(shot, r, l->colour()))
                    << w->objectName().toStdString() << " " << l->objectName().toStdString();
            }
        });
    }
}
