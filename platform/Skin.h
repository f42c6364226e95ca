#pragma once
// The flat skin of the standard controls: three colour schemes, turned into an
// application style sheet. Labels, canvases, picture boxes and transparent
// labels are left alone: the sheet names only the standard control classes.

#include <string>

#include "platform/WindowDef.h"

namespace platform {

enum class SkinScheme { Blue, OliveGreen, Silver };

struct ColorScheme {
    Rgb frame;        // control frames
    Rgb hoverFrame;   // frame under the pointer and of the focused control
    Rgb faceTop, faceBottom;        // button face gradient
    Rgb pressedTop, pressedBottom;  // face while pressed
    Rgb mark;         // tick and radio dot
    const char* tickImage;  // resource path of the tick in this scheme's colour
};

const ColorScheme& colorScheme(SkinScheme scheme);

// The style sheet that draws the standard controls in a scheme.
std::string skinStyleSheet(SkinScheme scheme);

std::string cssColor(Rgb c);

}  // namespace platform
