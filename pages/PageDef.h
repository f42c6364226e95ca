#pragma once
// A page window: its definition, and which field of the input window fills
// which of its labels, in the order they are filled.

#include <string>
#include <vector>

#include "platform/WindowDef.h"

namespace pages {

struct FieldSource {
    std::string label;  // a transparent label of the page
    std::string field;  // an edit box of InputWindow
};

struct PageDef {
    platform::WindowDef window;
    std::vector<FieldSource> fields;
    std::string pictureBox;
    std::string canvas;      // a press on its bare parts saves it
    std::string saveDialog;
};

const PageDef& veloraPage();
const PageDef& sundokPage();

// Copies the current texts of the input window's fields into the page's labels,
// as typed, then hands the product picture to the page's picture box.
void fillPage(const PageDef& page);

// Opens the page modally; returns when the user has closed it.
bool loadPage(const PageDef& page);

}  // namespace pages
