#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include "input/InputWindowDef.h"
#include "platform/LiveWindow.h"
#include "platform/Services.h"
#include "shell/ProductPicture.h"
#include "shell/Start.h"

namespace {

// Once the input window is up, closes it the way a user would.
void closeInputWindowWith(std::function<void(platform::LiveWindow*)> close) {
    QTimer::singleShot(0, [close] {
        platform::LiveWindow* w = platform::liveWindow("InputWindow");
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->isVisible());
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        close(w);
    });
}

}  // namespace

TEST(Start, EscEndsTheProgramWithCodeZeroAndFreesThePicture) {
    QDir::setCurrent(QDir::rootPath());
    shell::productPicture().replace(std::vector<std::uint8_t>(1000, 7));
    closeInputWindowWith([](platform::LiveWindow*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
    EXPECT_EQ(shell::start(), 0);
    EXPECT_TRUE(shell::productPicture().empty()) << "the exit routine ran";
    EXPECT_EQ(QDir::currentPath(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(platform::liveWindow("InputWindow"), nullptr);
}

TEST(Start, TheCloseBoxEndsItTooAndTheExitRoutineRunsOncePerRun) {
    int runs = 0;
    closeInputWindowWith([&](platform::LiveWindow* w) {
        // The exit routine is the shell's; wrap it to count its runs.
        platform::setExitRoutine([&] {
            ++runs;
            shell::productPicture().release();
        });
        w->close();
    });
    EXPECT_EQ(shell::start(), 0);
    EXPECT_EQ(runs, 1);
}

TEST(Start, AStartWindowThatCannotBeCreatedGivesAMessageAndMinusOne) {
    std::vector<QString> messages;
    platform::setMessageHook([&](const QString& text) { messages.push_back(text); });
    platform::WindowDef broken = input::inputWindowDef();
    broken.controls.back().parent = "missing";
    shell::productPicture().replace(std::vector<std::uint8_t>(10, 1));

    EXPECT_EQ(shell::startWith(broken), -1);
    platform::setMessageHook(nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains("could not be created"));
    EXPECT_FALSE(shell::productPicture().empty()) << "the exit routine does not run";
    shell::productPicture().release();
}
