#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Fixtures.h"
#include "input/InputWindowDef.h"
#include "platform/CommonDlg.h"
#include "platform/LiveWindow.h"
#include "platform/PicBox.h"
#include "platform/Services.h"
#include "platform/TransLabel.h"
#include "shell/ProductPicture.h"

using platform::LiveWindow;

namespace {

class InputCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::loadWindow(input::inputWindowDef(), platform::Modality::Modeless));
        window = platform::liveWindow("InputWindow");
        shell::productPicture().release();
    }
    void TearDown() override {
        platform::setDialogHook(nullptr);
        if (window) window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shell::productPicture().release();
    }
    void click(const char* name) {
        auto* w = window->controlAs<QAbstractButton>(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, qobject_cast<QCheckBox*>(w) ? QPoint(6, 12) : w->rect().center());
    }
    // Presses generate; every page that opens is noted and closed at once.
    std::vector<std::string> generate(std::function<void(LiveWindow*)> whileOpen = {}) {
        std::vector<std::string> opened;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* page = qobject_cast<LiveWindow*>(QApplication::activeModalWidget())) {
                opened.push_back(page->definition().name);
                if (whileOpen) whileOpen(page);
                page->close();
            }
        });
        closer.start(0);
        click("按钮2");
        closer.stop();
        return opened;
    }

    LiveWindow* window = nullptr;
};

}  // namespace

TEST_F(InputCommandsTest, TheMarketplaceBoxesExcludeEachOther) {
    struct Case {
        std::vector<const char*> clicks;
        bool sundok, velora;
        std::vector<std::string> opens;
    };
    const Case cases[] = {
        {{}, true, false, {"PageWindowSundok"}},
        {{"选择框2"}, false, true, {"PageWindowVelora"}},
        {{"选择框2", "选择框2"}, false, false, {}},
        {{"选择框1"}, false, false, {}},
        {{"选择框1", "选择框1"}, true, false, {"PageWindowSundok"}},
        {{"选择框2", "选择框1"}, true, false, {"PageWindowSundok"}},
        {{"选择框1", "选择框2"}, false, true, {"PageWindowVelora"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::vector<std::string>(c.clicks.begin(), c.clicks.end())));
        platform::writeChecked("InputWindow", "选择框1", true);
        platform::writeChecked("InputWindow", "选择框2", false);
        for (const char* box : c.clicks) click(box);
        EXPECT_EQ(platform::readChecked("InputWindow", "选择框1"), c.sundok);
        EXPECT_EQ(platform::readChecked("InputWindow", "选择框2"), c.velora);
        EXPECT_EQ(generate(), c.opens) << "at most one page per press";
    }
}

TEST_F(InputCommandsTest, LoadingReplacesThePictureWithWhatTheFileHolds) {
    QTemporaryDir dir;
    const QString good = dir.filePath("mug.bmp"), empty = dir.filePath("empty.jpg"), sparse = dir.filePath("huge.jpg");
    const fixtures::Bytes picture = fixtures::bmp(4, 4, [](int, int) { return 0xFF112233u; });
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(picture.data()), qint64(picture.size()));
    f.close();
    QFile(empty).open(QIODevice::WriteOnly);
    {
        const int fd = ::open(sparse.toLocal8Bit().constData(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t(257) * 1024 * 1024), 0);
        ::close(fd);
    }
    std::vector<platform::DialogRequest> requests;
    std::optional<QString> answer;
    platform::setDialogHook([&](const platform::DialogRequest& r) {
        requests.push_back(r);
        return answer;
    });
    struct Step {
        std::optional<QString> chosen;  // nullopt: Cancel
        std::size_t held;               // bytes of the picture afterwards
    };
    const Step steps[] = {
        {good, picture.size()},
        {std::nullopt, picture.size()},  // Cancel keeps it
        {dir.filePath("gone.bmp"), 0},   // deleted meanwhile
        {good, picture.size()},
        {empty, 0},
        {good, picture.size()},
        {dir.path(), 0},                 // a folder
        {good, picture.size()},
        {sparse, 0},                     // over the cap: refused at once
    };
    for (const Step& s : steps) {
        answer = s.chosen;
        click("按钮1");
        EXPECT_EQ(shell::productPicture().bytes().size(), s.held) << (s.chosen ? s.chosen->toStdString() : "Cancel");
    }
    ASSERT_EQ(requests.size(), std::size(steps));
    EXPECT_EQ(requests[0].kind, platform::DialogKind::Open);
    EXPECT_TRUE(requests[0].nameFilters.isEmpty()) << "every file is listed";
    EXPECT_EQ(requests[0].startPath, "");
    EXPECT_EQ(requests[1].startPath, good) << "starts at the path chosen last";
    EXPECT_EQ(requests[2].startPath, good) << "Cancel does not change it";
}

TEST_F(InputCommandsTest, GenerateTwiceShowsTheCurrentTextsAndPicture) {
    const std::pair<const char*, std::uint32_t> rounds[] = {{"first", 0xFFFF0000u}, {"second", 0xFF0000FFu}};
    for (auto [title, colour] : rounds) {
        platform::writeText("InputWindow", "编辑框1", title);
        shell::productPicture().replace(fixtures::bmp(4, 4, [c = colour](int, int) { return c; }));
        QString shownTitle;
        QRgb shownPixel = 0;
        generate([&](LiveWindow* page) {
            shownTitle = page->controlAs<platform::TransLabel>("标题a")->text();
            shownPixel = page->controlAs<platform::PicBox>("图片")->currentImage().pixel(1, 1);
        });
        EXPECT_EQ(shownTitle, title);
        EXPECT_EQ(shownPixel, colour);
    }
}
