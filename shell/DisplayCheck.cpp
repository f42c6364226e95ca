#include "shell/DisplayCheck.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace shell {

std::string displayProblem(const EnvLookup& env, const SocketProbe& canConnect) {
    const std::string platform = env("QT_QPA_PLATFORM");
    // Platforms without a display server (offscreen, vnc...) need no check.
    if (!platform.empty() && platform.rfind("xcb", 0) != 0 && platform.rfind("wayland", 0) != 0) return {};
    if (!env("WAYLAND_DISPLAY").empty() && platform.rfind("xcb", 0) != 0) return {};

    const std::string display = env("DISPLAY");
    if (display.empty())
        return "no display: DISPLAY is not set. Start mockshot in a desktop session, or under Xvfb "
               "(xvfb-run build/mockshot).";
    // Only a local display ":N" or ":N.S" can be probed here; a remote one is left to the toolkit.
    if (display[0] != ':') return {};
    std::string number = display.substr(1, display.find('.') == std::string::npos ? std::string::npos
                                                                                  : display.find('.') - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return "no display: DISPLAY=" + display + " is not a display name.";
    const std::string path = "/tmp/.X11-unix/X" + number;
    if (canConnect(path, false) || canConnect(path, true)) return {};
    return "no display: cannot connect to the X server at DISPLAY=" + display + ".";
}

static bool connectUnix(const std::string& path, bool abstract) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;  // an abstract name starts with a NUL byte
    if (path.size() + offset >= sizeof addr.sun_path) return false;
    std::memcpy(addr.sun_path + offset, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const socklen_t len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0;
    ::close(fd);
    return ok;
}

std::string displayProblem() {
    return displayProblem(
        [](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value ? value : "");
        },
        connectUnix);
}

}  // namespace shell
