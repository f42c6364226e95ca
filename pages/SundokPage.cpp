#include "pages/PageDef.h"
#include "snapshot/SaveSnapshot.h"

namespace pages {

using platform::ControlKind;
using platform::HAlign;

static const platform::FontDef kXinSong14{"新宋体", 14, 400};

static PageDef makeSundok() {
    PageDef page;
    platform::WindowDef& w = page.window;
    w.name = "PageWindowSundok";
    w.caption = "Sundok同款商品生成页面(点击图片保存到本地,也可使用QQ截图 CTRL+A)";
    w.outerWidth = 843;
    w.outerHeight = 407;
    // Rows of one parent are in stacking order: the first lies on top. The stock
    // and transaction figures belong to the window and lie over the canvas.
    w.controls = {
        {.name = "库存", .kind = ControlKind::TransLabel, .x = 622, .y = 189, .width = 36, .height = 13, .text = "8888",
         .font = kXinSong14, .color = {0, 0, 0}, .align = HAlign::Centre},
        {.name = "交易", .kind = ControlKind::TransLabel, .x = 764, .y = 115, .width = 48, .height = 13, .text = "88888",
         .font = kXinSong14, .color = {255, 128, 0}, .align = HAlign::Centre},
        {.name = "画板_sundok", .kind = ControlKind::DrawPanel, .x = 8, .y = 8, .width = 823, .height = 366,
         .picture = ":/templates/sundok.jpg"},
        {.name = "通用对话框1", .kind = ControlKind::CommonDlg, .parent = "画板_sundok"},
        {.name = "评价", .kind = ControlKind::TransLabel, .parent = "画板_sundok", .x = 549, .y = 132, .width = 33,
         .height = 16, .text = "12345", .color = {255, 128, 0}},
        {.name = "售出", .kind = ControlKind::TransLabel, .parent = "画板_sundok", .x = 616, .y = 106, .width = 48,
         .height = 13, .text = "88888", .font = kXinSong14, .color = {255, 128, 0}, .align = HAlign::Centre},
        {.name = "价格", .kind = ControlKind::TransLabel, .parent = "画板_sundok", .x = 552, .y = 40, .width = 216,
         .height = 40, .text = "139.00", .font = {"微软雅黑", 32, 700}, .color = {255, 128, 0}},
        {.name = "标题a", .kind = ControlKind::TransLabel, .parent = "画板_sundok", .x = 8, .y = 8, .width = 800,
         .height = 32, .text = "我勒个去！！！！！！！", .font = {"宋体", 20, 700}, .color = {58, 58, 58}},
        {.name = "图片", .kind = ControlKind::PicBox, .parent = "画板_sundok", .x = 9, .y = 48, .width = 463, .height = 312},
    };
    w.events = {
        {.kind = platform::EventKind::Created, .handler = [](const platform::EventArgs&) { fillPage(sundokPage()); }},
        {"画板_sundok", platform::EventKind::LeftPressed,
         [](const platform::EventArgs&) { snapshot::saveSnapshot(sundokPage()); }},
    };
    page.fields = {{"标题a", "编辑框1"}, {"价格", "编辑框2"}, {"售出", "编辑框3"},
                   {"交易", "编辑框4"}, {"评价", "编辑框5"}, {"库存", "编辑框6"}};
    page.pictureBox = "图片";
    page.canvas = "画板_sundok";
    page.saveDialog = "通用对话框1";
    return page;
}

const PageDef& sundokPage() {
    static const PageDef page = makeSundok();
    return page;
}

}  // namespace pages
