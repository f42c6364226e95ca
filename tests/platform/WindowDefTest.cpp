#include <gtest/gtest.h>

#include "input/InputWindowDef.h"
#include "platform/WindowDef.h"

using namespace platform;

namespace {

WindowDef soundWindow() {
    WindowDef w;
    w.name = "W";
    w.outerWidth = 200;
    w.outerHeight = 100;
    w.controls = {
        {.name = "e", .kind = ControlKind::EditBox, .parent = "g", .x = 5, .y = 7, .width = 10, .height = 10},
        {.name = "g", .kind = ControlKind::GroupBox, .x = 6, .y = 3, .width = 100, .height = 50},
        {.name = "dlg", .kind = ControlKind::CommonDlg, .parent = "g"},
    };
    w.tabOrder = {"e"};
    w.firstFocus = "e";
    return w;
}

}  // namespace

TEST(WindowDefinition, TheProgramsTablesAreSound) {
    EXPECT_EQ(checkDefinition(input::inputWindowDef()), std::vector<std::string>{});
    EXPECT_EQ(checkDefinition(soundWindow()), std::vector<std::string>{});
}

TEST(WindowDefinition, FaultyTablesAreReported) {
    struct Case {
        const char* what;
        std::function<void(WindowDef&)> breakIt;
        const char* expected;  // a part of the one problem reported
    };
    const Case cases[] = {
        {"duplicate name", [](WindowDef& w) { w.controls.push_back(w.controls[0]); }, "defined twice"},
        {"missing parent", [](WindowDef& w) { w.controls[0].parent = "nowhere"; }, "missing parent nowhere"},
        {"parent that holds nothing", [](WindowDef& w) { w.controls[2].parent = "e"; }, "parent of kind EditBox"},
        {"own parent", [](WindowDef& w) { w.controls[1].parent = "g"; }, "its own parent"},
        {"no size", [](WindowDef& w) { w.controls[0].width = 0; }, "has no size"},
        {"tab stop unknown", [](WindowDef& w) { w.tabOrder.push_back("x"); }, "tab stop x is not a control"},
        {"tab stop on a group", [](WindowDef& w) { w.tabOrder.push_back("g"); }, "cannot take the focus"},
        {"first focus not a stop", [](WindowDef& w) { w.tabOrder.clear(); }, "first focus e"},
        {"window smaller than its frame", [](WindowDef& w) { w.outerHeight = 20; }, "smaller than its frame"},
        {"event for unknown control",
         [](WindowDef& w) { w.events.push_back({"x", EventKind::Clicked, [](const EventArgs&) {}}); }, "unknown control x"},
    };
    for (const auto& c : cases) {
        WindowDef w = soundWindow();
        c.breakIt(w);
        const auto problems = checkDefinition(w);
        ASSERT_FALSE(problems.empty()) << c.what;
        EXPECT_NE(problems.front().find(c.expected), std::string::npos) << c.what << ": " << problems.front();
    }
}

TEST(WindowDefinition, ACycleOfParentsIsReportedNotFollowed) {
    WindowDef w = soundWindow();
    w.controls.push_back({.name = "h", .kind = ControlKind::GroupBox, .parent = "g", .width = 5, .height = 5});
    w.controls[1].parent = "h";
    const auto problems = checkDefinition(w);
    ASSERT_FALSE(problems.empty());
    EXPECT_NE(problems.front().find("cycle"), std::string::npos);
}

TEST(WindowDefinition, ClientSizeAndCentring) {
    WindowDef w;
    w.outerWidth = 475;
    w.outerHeight = 221;
    EXPECT_EQ(clientWidth(w), 469);
    EXPECT_EQ(clientHeight(w), 196);
    // Integer division, rounding towards zero, as the placement rule says.
    const Point p = centredOn(1366, 768, 475, 221);
    EXPECT_EQ(p.x, 445);
    EXPECT_EQ(p.y, 273);
    const Point odd = centredOn(1001, 601, 1000, 600);
    EXPECT_EQ(odd.x, 0);
    EXPECT_EQ(odd.y, 0);
}
