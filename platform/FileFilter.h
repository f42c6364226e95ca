#pragma once
// File dialog filters written the classic way, "description|pattern|...":
// split into entries and turned into the name filters a Qt dialog takes.

#include <string>
#include <vector>

namespace platform {

struct FilterEntry {
    std::string description;
    std::string pattern;  // one or more patterns separated by ';'
    bool operator==(const FilterEntry&) const = default;
};

// Pairs of description and pattern; an unpaired trailing part or white space adds nothing.
std::vector<FilterEntry> parseFilter(const std::string& filter);

// "JPG图片(*.jpg)" stays as it is when it already names its pattern in brackets;
// otherwise the patterns are added: "Pictures (*.jpg *.bmp)".
std::string qtNameFilter(const FilterEntry& entry);

}  // namespace platform
