#pragma once
// Windows are data: a window definition is a table of control records that the
// loader turns into live widgets on every load. Nothing here depends on Qt, so
// the tables can be checked without a display.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

enum class ControlKind { EditBox, Label, Button, CheckBox, GroupBox, CommonDlg, DrawPanel, PicBox, TransLabel };

const char* kindName(ControlKind kind);

enum class HAlign { Left, Centre, Right };

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// A face name and a character height in pixels; an empty face means the
// platform's default GUI font.
struct FontDef {
    std::string face;
    int pixelHeight = 0;
    int weight = 400;
    bool isDefault() const { return face.empty(); }
};

// One row of a window's control table. Place is relative to the parent's client
// area; among siblings the first listed lies on top.
struct ControlDef {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string parent;  // empty: the window itself
    int x = 0, y = 0, width = 0, height = 0;
    std::string text;
    int maxLength = 0;  // edit boxes: 0 means no limit of our own
    bool checked = false;
    FontDef font;
    Rgb color;
    HAlign align = HAlign::Left;
    bool paintsBackground = false;  // labels that cover what lies beneath
    std::string picture;  // canvases: the resource path of the background picture
};

enum class EventKind { Created, Clicked, LeftPressed };

struct EventArgs {
    int x = 0, y = 0;          // LeftPressed: position in the control's coordinates
    bool ctrl = false, shift = false, alt = false;
};

using Handler = std::function<void(const EventArgs&)>;

struct EventBinding {
    std::string control;  // empty for the window's own Created event
    EventKind kind = EventKind::Created;
    Handler handler;
};

struct WindowDef {
    std::string name;
    std::string caption;
    int outerWidth = 0, outerHeight = 0;
    std::vector<ControlDef> controls;
    std::vector<std::string> tabOrder;  // focus walk for Tab; wraps
    std::string firstFocus;
    bool escapeCloses = true;
    std::vector<EventBinding> events;
};

// The nominal frame the outer sizes of the tables assume: 3 pixels each side
// and a 19-pixel caption bar.
constexpr int kFrameSide = 3;
constexpr int kCaptionHeight = 19;

inline int clientWidth(const WindowDef& w) { return w.outerWidth - 2 * kFrameSide; }
inline int clientHeight(const WindowDef& w) { return w.outerHeight - 2 * kFrameSide - kCaptionHeight; }

// Outer top-left of a window centred on a screen, by integer division.
struct Point { int x = 0, y = 0; };
Point centredOn(int screenWidth, int screenHeight, int outerWidth, int outerHeight);

// Problems with a table (duplicate names, missing parents, parents that cannot
// hold children, tab stops that do not exist...). Empty when the table is sound.
std::vector<std::string> checkDefinition(const WindowDef& def);

const ControlDef* findControl(const WindowDef& def, const std::string& name);

}  // namespace platform
