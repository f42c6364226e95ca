#include "platform/FileFilter.h"

namespace platform {

static std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

std::vector<FilterEntry> parseFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (from <= filter.size()) {
        const auto bar = filter.find('|', from);
        parts.push_back(trimmed(filter.substr(from, bar == std::string::npos ? std::string::npos : bar - from)));
        if (bar == std::string::npos) break;
        from = bar + 1;
    }
    std::vector<FilterEntry> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty()) continue;
        entries.push_back({parts[i], parts[i + 1]});
    }
    return entries;
}

std::string qtNameFilter(const FilterEntry& entry) {
    std::string patterns;
    std::size_t from = 0;
    while (from <= entry.pattern.size()) {
        const auto semi = entry.pattern.find(';', from);
        std::string one = trimmed(entry.pattern.substr(from, semi == std::string::npos ? std::string::npos : semi - from));
        if (!one.empty()) {
            if (!patterns.empty()) patterns += ' ';
            patterns += one;
        }
        if (semi == std::string::npos) break;
        from = semi + 1;
    }
    if (patterns.empty()) patterns = "*";
    const std::string bracketed = "(" + patterns + ")";
    const std::string& d = entry.description;
    if (d.size() >= bracketed.size() && d.compare(d.size() - bracketed.size(), bracketed.size(), bracketed) == 0)
        return d;
    return d.empty() ? bracketed : d + " " + bracketed;
}

}  // namespace platform
