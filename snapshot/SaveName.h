#pragma once
// Which file a save writes, and in which format, for the name the user confirmed.

#include <string>

namespace snapshot {

enum class SaveFormat { Jpeg, Bmp };

struct SaveTarget {
    std::string path;
    SaveFormat format = SaveFormat::Jpeg;
    bool appended = false;  // ".jpg" was added to the confirmed name
    bool operator==(const SaveTarget&) const = default;
};

// A name ending in .jpg or .jpeg (any case) is written as a JPEG, one ending
// in .bmp as a bitmap, both under that very name; any other name gets ".jpg"
// appended and is written as a JPEG.
SaveTarget saveTargetFor(const std::string& confirmed);

}  // namespace snapshot
