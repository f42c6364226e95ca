#include "snapshot/SaveName.h"

#include <algorithm>
#include <cctype>

namespace snapshot {

static std::string extensionOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1) return {};
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

SaveTarget saveTargetFor(const std::string& confirmed) {
    const std::string ext = extensionOf(confirmed);
    if (ext == "jpg" || ext == "jpeg") return {confirmed, SaveFormat::Jpeg, false};
    if (ext == "bmp") return {confirmed, SaveFormat::Bmp, false};
    return {confirmed + ".jpg", SaveFormat::Jpeg, true};
}

}  // namespace snapshot
