#include <gtest/gtest.h>

#include <map>

#include "shell/DisplayCheck.h"

TEST(DisplayCheck, SaysWhyThereIsNoDisplay) {
    struct Case {
        std::map<std::string, std::string> env;
        bool serverListens;
        const char* expected;  // empty: a display is there
    };
    const Case cases[] = {
        {{}, false, "DISPLAY is not set"},
        {{{"DISPLAY", ":7"}}, true, ""},
        {{{"DISPLAY", ":7.0"}}, true, ""},
        {{{"DISPLAY", ":7"}}, false, "cannot connect to the X server at DISPLAY=:7"},
        {{{"DISPLAY", ":x"}}, false, "not a display name"},
        {{{"DISPLAY", "remote:0"}}, false, ""},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, false, ""},
        {{{"QT_QPA_PLATFORM", "xcb"}}, false, "DISPLAY is not set"},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, false, ""},
    };
    for (const auto& c : cases) {
        std::string probed;
        const std::string problem = shell::displayProblem(
            [&](const char* name) {
                const auto it = c.env.find(name);
                return it == c.env.end() ? std::string() : it->second;
            },
            [&](const std::string& path, bool) {
                probed = path;
                return c.serverListens;
            });
        if (std::string(c.expected).empty()) {
            EXPECT_EQ(problem, "");
        } else {
            EXPECT_NE(problem.find(c.expected), std::string::npos) << problem;
            EXPECT_EQ(problem.find('\n'), std::string::npos) << "one line";
        }
        if (c.env.count("DISPLAY") && c.env.at("DISPLAY").rfind(":7", 0) == 0) {
            EXPECT_EQ(probed, "/tmp/.X11-unix/X7");
        }
    }
}
