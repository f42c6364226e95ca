#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/LiveWindow.h"
#include "platform/Services.h"

using namespace platform;

namespace {

// Three overlapping siblings inside a group, a check box and a button.
WindowDef testWindow(std::vector<EventBinding> events = {}) {
    WindowDef w;
    w.name = "TestWindow";
    w.caption = "Test";
    w.outerWidth = 306;
    w.outerHeight = 225;
    w.controls = {
        {.name = "top", .kind = ControlKind::Label, .parent = "g", .x = 10, .y = 10, .width = 50, .height = 20, .text = "top"},
        {.name = "middle", .kind = ControlKind::Label, .parent = "g", .x = 20, .y = 15, .width = 50, .height = 20, .text = "mid"},
        {.name = "bottom", .kind = ControlKind::EditBox, .parent = "g", .x = 30, .y = 20, .width = 50, .height = 20},
        {.name = "box", .kind = ControlKind::CheckBox, .x = 10, .y = 150, .width = 80, .height = 20, .text = "box"},
        {.name = "button", .kind = ControlKind::Button, .x = 100, .y = 150, .width = 80, .height = 24, .text = "go"},
        {.name = "g", .kind = ControlKind::GroupBox, .x = 6, .y = 3, .width = 200, .height = 120},
    };
    w.tabOrder = {"bottom", "box", "button"};
    w.firstFocus = "bottom";
    w.events = std::move(events);
    return w;
}

// Runs `check` once the modal window is up, then closes it with Esc.
void whileModal(const std::string& name, std::function<void(LiveWindow*)> check) {
    QTimer::singleShot(0, [=] {
        LiveWindow* w = liveWindow(name);
        ASSERT_NE(w, nullptr);
        check(w);
        QTest::keyClick(w, Qt::Key_Escape);
    });
}

}  // namespace

TEST(LiveWindow, FirstListedSiblingLiesOnTop) {
    QString why;
    auto w = LiveWindow::build(testWindow(), &why);
    ASSERT_TRUE(w) << why.toStdString();
    auto* group = w->controlAs<QGroupBox>("g");
    ASSERT_NE(group, nullptr);
    // Where all three overlap, the one listed first is the one hit.
    EXPECT_EQ(group->childAt(35, 25), w->controlAs<QLabel>("top"));
    EXPECT_EQ(group->childAt(65, 30), w->controlAs<QLabel>("middle"));
    QStringList bottomToTop;
    for (QObject* child : group->children())
        if (child->isWidgetType()) bottomToTop << child->objectName();
    EXPECT_EQ(bottomToTop, (QStringList{"bottom", "middle", "top"}));
}

TEST(LiveWindow, AnUnsoundDefinitionOrAMissingPictureIsRefused) {
    WindowDef broken = testWindow();
    broken.controls[0].parent = "nowhere";
    QString why;
    EXPECT_FALSE(LiveWindow::build(broken, &why));
    EXPECT_TRUE(why.contains("nowhere"));

    WindowDef later = testWindow();
    later.controls.push_back({.name = "canvas", .kind = ControlKind::DrawPanel, .width = 5, .height = 5, .picture = ":/no/such.jpg"});
    EXPECT_FALSE(LiveWindow::build(later, &why));
    EXPECT_TRUE(why.contains("DrawPanel"));
    EXPECT_FALSE(loadWindow(later, Modality::Modeless));
}

TEST(LiveWindow, CreatedRunsBeforeTheWindowIsVisibleAndCanFillIt) {
    bool wasVisible = true;
    WindowDef def = testWindow({{.kind = EventKind::Created, .handler = [&](const EventArgs&) {
                                     wasVisible = liveWindow("TestWindow")->isVisible();
                                     writeText("TestWindow", "bottom", "filled");
                                 }}});
    whileModal("TestWindow", [](LiveWindow* w) { EXPECT_EQ(w->controlAs<QLineEdit>("bottom")->text(), "filled"); });
    ASSERT_TRUE(loadWindow(def, Modality::Modal));
    EXPECT_FALSE(wasVisible);
}

TEST(LiveWindow, ModalLoadReturnsAfterTheWindowIsDestroyed) {
    QWidget other;
    other.show();
    QPointer<LiveWindow> seen;
    whileModal("TestWindow", [&](LiveWindow* w) {
        seen = w;
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), w);
        EXPECT_EQ(w->size(), QSize(300, 200));
        EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "not resizable";
    });
    ASSERT_TRUE(loadWindow(testWindow(), Modality::Modal));
    EXPECT_TRUE(seen.isNull()) << "destroyed before the load returned";
    EXPECT_EQ(liveWindow("TestWindow"), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(LiveWindow, EachLoadStartsFromTheDefinition) {
    for (int round = 0; round < 2; ++round) {
        whileModal("TestWindow", [](LiveWindow* w) {
            EXPECT_EQ(readText("TestWindow", "bottom"), "");
            EXPECT_FALSE(readChecked("TestWindow", "box"));
            writeText("TestWindow", "bottom", "typed");
            writeChecked("TestWindow", "box", true);
            EXPECT_EQ(w->controlAs<QLineEdit>("bottom")->text(), "typed");
        });
        ASSERT_TRUE(loadWindow(testWindow(), Modality::Modal));
    }
}

TEST(LiveWindow, ClicksReachHandlersButWrittenStatesDoNot) {
    std::vector<std::string> calls;
    auto record = [&](const char* what) { return [&calls, what](const EventArgs&) { calls.push_back(what); }; };
    WindowDef def = testWindow({{"box", EventKind::Clicked, record("box")}, {"button", EventKind::Clicked, record("button")}});
    whileModal("TestWindow", [&](LiveWindow* w) {
        writeChecked("TestWindow", "box", true);
        EXPECT_TRUE(readChecked("TestWindow", "box"));
        EXPECT_TRUE(calls.empty()) << "writing a state raises no click";
        QTest::mouseClick(w->controlAs<QCheckBox>("box"), Qt::LeftButton, {}, QPoint(6, 10));
        EXPECT_FALSE(readChecked("TestWindow", "box")) << "toggled before the handler ran";
        QTest::mouseClick(w->controlAs<QPushButton>("button"), Qt::LeftButton);
    });
    ASSERT_TRUE(loadWindow(def, Modality::Modal));
    EXPECT_EQ(calls, (std::vector<std::string>{"box", "button"}));
}

TEST(LiveWindow, LeftPressIsRaisedOncePerPressNotForTheSecondOfADoubleClick) {
    std::vector<EventArgs> presses;
    WindowDef def = testWindow({{"top", EventKind::LeftPressed, [&](const EventArgs& a) { presses.push_back(a); }}});
    whileModal("TestWindow", [&](LiveWindow* w) {
        auto* label = w->controlAs<QLabel>("top");
        QTest::mousePress(label, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 5));
        QTest::mouseRelease(label, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 5));
        QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(4, 5));
        QTest::mousePress(label, Qt::RightButton, {}, QPoint(4, 5));
    });
    ASSERT_TRUE(loadWindow(def, Modality::Modal));
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].x, 4);
    EXPECT_EQ(presses[0].y, 5);
    EXPECT_TRUE(presses[0].shift);
    EXPECT_FALSE(presses[0].ctrl);
}
