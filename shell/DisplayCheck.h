#pragma once
// Whether a graphical display can be reached, asked before the toolkit starts,
// so that a missing display gives one clear line instead of a toolkit abort.

#include <functional>
#include <string>

namespace shell {

using EnvLookup = std::function<std::string(const char* name)>;
using SocketProbe = std::function<bool(const std::string& path, bool abstract)>;

// Empty when a display looks reachable, else the reason, in one line.
std::string displayProblem(const EnvLookup& env, const SocketProbe& canConnect);
std::string displayProblem();

}  // namespace shell
