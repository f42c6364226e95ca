#include "input/InputWindowDef.h"

#include "input/InputCommands.h"
#include "platform/Services.h"

namespace input {

using platform::ControlDef;
using platform::ControlKind;
using platform::HAlign;

static platform::WindowDef makeDefinition() {
    platform::WindowDef w;
    w.name = "InputWindow";
    w.caption = "Sundok/Velora - Velora/Sundok Quorrel截图生成工具 - Dovrek";
    w.outerWidth = 475;
    w.outerHeight = 221;

    // Rows of one parent are in stacking order: the first lies on top.
    w.controls = {
        // Children of the window.
        {.name = "标签5", .kind = ControlKind::Label, .x = 191, .y = 181, .width = 86, .height = 15,
         .text = "Dovrek 出品", .align = HAlign::Centre, .paintsBackground = true},
        {.name = "编辑框2", .kind = ControlKind::EditBox, .x = 55, .y = 77, .width = 73, .height = 22},
        {.name = "编辑框1", .kind = ControlKind::EditBox, .x = 56, .y = 44, .width = 375, .height = 22},
        {.name = "编辑框5", .kind = ControlKind::EditBox, .x = 376, .y = 81, .width = 56, .height = 22},
        {.name = "编辑框4", .kind = ControlKind::EditBox, .x = 280, .y = 80, .width = 48, .height = 22, .maxLength = 5},
        {.name = "编辑框3", .kind = ControlKind::EditBox, .x = 176, .y = 79, .width = 56, .height = 22},
        {.name = "标签4", .kind = ControlKind::Label, .x = 138, .y = 78, .width = 32, .height = 24, .text = "销量："},
        {.name = "标签3", .kind = ControlKind::Label, .x = 242, .y = 80, .width = 32, .height = 24, .text = "交易："},
        {.name = "标签2", .kind = ControlKind::Label, .x = 20, .y = 78, .width = 32, .height = 24, .text = "价格："},
        {.name = "分组框1", .kind = ControlKind::GroupBox, .x = 6, .y = 3, .width = 456, .height = 189},

        // Children of the group box.
        {.name = "通用对话框1", .kind = ControlKind::CommonDlg, .parent = "分组框1"},
        {.name = "按钮2", .kind = ControlKind::Button, .parent = "分组框1", .x = 2, .y = 141, .width = 448, .height = 32,
         .text = "马上生成！"},
        {.name = "按钮1", .kind = ControlKind::Button, .parent = "分组框1", .x = 176, .y = 111, .width = 120,
         .height = 24, .text = "加载图片"},
        {.name = "标签8", .kind = ControlKind::Label, .parent = "分组框1", .x = 138, .y = 115, .width = 32, .height = 16,
         .text = "图片："},
        {.name = "编辑框6", .kind = ControlKind::EditBox, .parent = "分组框1", .x = 50, .y = 108, .width = 72,
         .height = 24, .maxLength = 5},
        {.name = "标签7", .kind = ControlKind::Label, .parent = "分组框1", .x = 15, .y = 110, .width = 32, .height = 24,
         .text = "库存："},
        {.name = "标签6", .kind = ControlKind::Label, .parent = "分组框1", .x = 331, .y = 82, .width = 34, .height = 16,
         .text = "评价："},
        {.name = "选择框2", .kind = ControlKind::CheckBox, .parent = "分组框1", .x = 74, .y = 14, .width = 56,
         .height = 24, .text = "Velora"},
        {.name = "选择框1", .kind = ControlKind::CheckBox, .parent = "分组框1", .x = 18, .y = 13, .width = 56,
         .height = 24, .text = "Sundok", .checked = true},
        {.name = "标签1", .kind = ControlKind::Label, .parent = "分组框1", .x = 15, .y = 44, .width = 32, .height = 16,
         .text = "标题："},
    };
    w.tabOrder = {"编辑框3", "编辑框4", "编辑框5", "选择框1", "选择框2", "编辑框1", "编辑框2", "编辑框6", "按钮1", "按钮2"};
    w.firstFocus = "编辑框3";
    w.events = {
        // The skin goes on before the window is first shown, and stays for every
        // standard control made later, the file dialogs' among them.
        {.control = "", .kind = platform::EventKind::Created,
         .handler = [](const platform::EventArgs&) { platform::applySkin(platform::SkinScheme::Blue); }},
        {"选择框1", platform::EventKind::Clicked, [](const platform::EventArgs&) { sundokClicked(); }},
        {"选择框2", platform::EventKind::Clicked, [](const platform::EventArgs&) { veloraClicked(); }},
        {"按钮1", platform::EventKind::Clicked, [](const platform::EventArgs&) { loadPictureClicked(); }},
        {"按钮2", platform::EventKind::Clicked, [](const platform::EventArgs&) { generateClicked(); }},
    };
    return w;
}

const platform::WindowDef& inputWindowDef() {
    static const platform::WindowDef def = makeDefinition();
    return def;
}

}  // namespace input
