#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Fixtures.h"
#include "input/InputWindowDef.h"
#include "pages/PageDef.h"
#include "platform/CommonDlg.h"
#include "platform/FileIO.h"
#include "platform/LiveWindow.h"
#include "platform/PicBox.h"
#include "platform/Services.h"
#include "platform/picture/Picture.h"
#include "shell/ProductPicture.h"
#include "snapshot/Bitmap.h"
#include "snapshot/Capture.h"

using platform::LiveWindow;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage decodeFile(const QString& path) {
    const QByteArray b = fileBytes(path);
    return picture::decodePicture(reinterpret_cast<const std::uint8_t*>(b.constData()), std::size_t(b.size()));
}

class SaveSnapshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(platform::loadWindow(input::inputWindowDef(), platform::Modality::Modeless));
        for (auto [field, text] : {std::pair{"编辑框1", "Mug"}, {"编辑框2", "59"}, {"编辑框3", "356"}, {"编辑框4", "298"},
                                   {"编辑框5", "185"}, {"编辑框6", "120"}})
            platform::writeText("InputWindow", field, text);
        platform::setDialogHook([this](const platform::DialogRequest& r) -> std::optional<QString> {
            requests.push_back(r);
            if (answers.empty()) return std::nullopt;
            const QString a = answers.front();
            answers.erase(answers.begin());
            if (a.isEmpty()) return std::nullopt;  // Cancel
            return a;
        });
        platform::setMessageHook([this](const QString& m) { messages.push_back(m); });
        platform::setQuestionHook([this](const QString& q) {
            questions.push_back(q);
            return replace;
        });
    }
    void TearDown() override {
        platform::setDialogHook(nullptr);
        platform::setMessageHook(nullptr);
        platform::setQuestionHook(nullptr);
        if (auto* w = platform::liveWindow("InputWindow")) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shell::productPicture().release();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden); }

    // Opens the page, presses at `at` on `control` for every answer queued, then closes the page.
    void pressOn(const pages::PageDef& page, const char* control, QPoint at, int presses = 1,
                 std::function<void(LiveWindow*)> more = {}) {
        QTimer::singleShot(0, [&, control, at, presses, more] {
            LiveWindow* w = platform::liveWindow(page.window.name);
            ASSERT_NE(w, nullptr);
            for (int i = 0; i < presses; ++i) QTest::mouseClick(w->controlAs<QWidget>(control), Qt::LeftButton, {}, at);
            if (more) more(w);
            w->close();
        });
        ASSERT_TRUE(pages::loadPage(page));
    }

    QTemporaryDir dir;
    std::vector<platform::DialogRequest> requests;
    std::vector<QString> answers, messages, questions;
    bool replace = false;
};

}  // namespace

TEST_F(SaveSnapshotTest, WritesTheConfirmedFileInTheFormatItsNameSays) {
    struct Case {
        const pages::PageDef* page;
        const char* canvas;
        QString typed, written;
        bool bitmap;
        QSize size;
    };
    const Case cases[] = {
        {&pages::veloraPage(), "画板_velora", "a.jpg", "a.jpg", false, {982, 507}},
        {&pages::veloraPage(), "画板_velora", "b.bmp", "b.bmp", true, {982, 507}},
        {&pages::veloraPage(), "画板_velora", "c.png", "c.png.jpg", false, {982, 507}},
        {&pages::sundokPage(), "画板_sundok", "d.jpeg", "d.jpeg", false, {823, 366}},
        {&pages::sundokPage(), "画板_sundok", "e.BMP", "e.BMP", true, {823, 366}},
        {&pages::sundokPage(), "画板_sundok", "f", "f.jpg", false, {823, 366}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        answers = {path(c.typed)};
        QImage shown;
        pressOn(*c.page, c.canvas, {300, 20}, 1, [&](LiveWindow* w) { shown = snapshot::captureControl(w->controlAs<QWidget>(c.canvas)); });
        EXPECT_TRUE(messages.empty());
        const QByteArray bytes = fileBytes(path(c.written));
        ASSERT_FALSE(bytes.isEmpty());
        if (c.bitmap) {
            const auto expected = snapshot::encodeBitmap(shown);
            EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), expected) << "the bitmap, byte for byte";
        } else {
            EXPECT_EQ(std::uint8_t(bytes[0]), 0xFF);
            EXPECT_EQ(std::uint8_t(bytes[1]), 0xD8);
        }
        EXPECT_EQ(decodeFile(path(c.written)).size(), c.size);
    }
    EXPECT_EQ(files().size(), 6) << files().join(",").toStdString() << ": no temporary files, no doubled extensions";
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests[0].kind, platform::DialogKind::Save);
    EXPECT_EQ(requests[0].nameFilters, (QStringList{QString::fromUtf8("JPG图片(*.jpg)"), QString::fromUtf8("BMP图片(*.bmp)")}));
    EXPECT_EQ(requests[0].defaultSuffix, "jpg");
}

TEST_F(SaveSnapshotTest, TheCaptureHoldsTheFiguresWindowLevelOnesIncluded) {
    answers = {path("s.bmp")};
    pressOn(pages::sundokPage(), "画板_sundok", {300, 20});
    const QImage shot = decodeFile(path("s.bmp"));
    ASSERT_EQ(shot.size(), QSize(823, 366));
    auto orangeIn = [&](QRect r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qRed(shot.pixel(x, y)) > 220 && qGreen(shot.pixel(x, y)) > 90 && qGreen(shot.pixel(x, y)) < 170 &&
                    qBlue(shot.pixel(x, y)) < 80)
                    return true;
        return false;
    };
    auto darkIn = [&](QRect r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(shot.pixel(x, y)) < 80) return true;
        return false;
    };
    EXPECT_TRUE(orangeIn({756, 107, 48, 13})) << "transactions, a label of the window";
    EXPECT_TRUE(darkIn({614, 181, 36, 13})) << "stock, a label of the window";
    EXPECT_TRUE(orangeIn({616, 106, 48, 13})) << "monthly sales";
    EXPECT_TRUE(orangeIn({552, 40, 216, 40})) << "price";
}

TEST_F(SaveSnapshotTest, OnlyAPressOnTheBareCanvasSaves) {
    shell::productPicture().replace(fixtures::bmp(4, 4, [](int, int) { return 0xFF00FF00u; }));
    struct Press {
        const pages::PageDef* page;
        const char* control;
        QPoint at;
        bool saves;
    };
    const Press presses[] = {
        {&pages::veloraPage(), "画板_velora", {700, 450}, true},
        {&pages::veloraPage(), "标题", {5, 20}, false},
        {&pages::veloraPage(), "价格", {200, 20}, false},
        {&pages::veloraPage(), "图片", {100, 100}, false},
        {&pages::veloraPage(), "品牌", {30, 8}, false},
        {&pages::sundokPage(), "画板_sundok", {700, 340}, true},
        {&pages::sundokPage(), "库存", {10, 6}, false},
        {&pages::sundokPage(), "交易", {10, 6}, false},
        {&pages::sundokPage(), "图片", {100, 100}, false},
    };
    for (const Press& p : presses) {
        SCOPED_TRACE(p.control);
        requests.clear();
        answers = {QString()};  // Cancel, should a dialog be asked for
        pressOn(*p.page, p.control, p.at);
        EXPECT_EQ(requests.size(), p.saves ? 1u : 0u);
    }
    EXPECT_TRUE(files().isEmpty()) << "Cancel writes nothing";
    EXPECT_TRUE(messages.empty());
}

TEST_F(SaveSnapshotTest, ADoubleClickSavesOnce) {
    answers = {QString(), QString()};
    QTimer::singleShot(0, [] {
        LiveWindow* w = platform::liveWindow("PageWindowVelora");
        // A double click arrives as a press, a release, then a double-click press.
        QWidget* canvas = w->controlAs<QWidget>("画板_velora");
        QTest::mouseClick(canvas, Qt::LeftButton, {}, {700, 450});
        QTest::mouseDClick(canvas, Qt::LeftButton, {}, {700, 450});
        w->close();
    });
    ASSERT_TRUE(pages::loadPage(pages::veloraPage()));
    EXPECT_EQ(requests.size(), 1u);
}

TEST_F(SaveSnapshotTest, TheDialogKeepsTheLastPathWhileThePageLives) {
    answers = {path("one.jpg"), path("two.jpg")};
    pressOn(pages::veloraPage(), "画板_velora", {700, 450}, 2);
    answers = {QString()};
    pressOn(pages::veloraPage(), "画板_velora", {700, 450});
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].startPath, "");
    EXPECT_EQ(requests[1].startPath, path("one.jpg"));
    EXPECT_EQ(requests[2].startPath, "") << "a new page window starts with an empty dialog";
}

TEST_F(SaveSnapshotTest, AnAppendedNameIsAskedAboutBeforeItIsReplaced) {
    QFile old(path("x.png.jpg"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    replace = false;
    answers = {path("x.png")};
    pressOn(pages::sundokPage(), "画板_sundok", {700, 340});
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].contains(path("x.png.jpg")));
    EXPECT_EQ(fileBytes(path("x.png.jpg")), "old");

    replace = true;
    answers = {path("x.png")};
    pressOn(pages::sundokPage(), "画板_sundok", {700, 340});
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(decodeFile(path("x.png.jpg")).size(), QSize(823, 366));
    EXPECT_FALSE(QFile::exists(path("x.png")));
}

TEST_F(SaveSnapshotTest, AFailedSaveSaysSoAndLeavesNothingBehind) {
    // A folder where the file should go cannot be replaced, even by root.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.jpg"));
    QFile inside(path("taken.jpg/keep"));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.write("keep");
    inside.close();
    answers = {path("taken.jpg"), path("missing/folder/a.bmp")};
    pressOn(pages::veloraPage(), "画板_velora", {700, 450}, 2);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].contains(path("taken.jpg"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("directory")) << "the reason is given: " << messages[0].toStdString();
    EXPECT_TRUE(messages[1].contains(path("missing/folder/a.bmp")));
    EXPECT_EQ(fileBytes(path("taken.jpg/keep")), "keep");
    EXPECT_EQ(files(), QStringList{"taken.jpg"}) << "no temporary file left";
}
