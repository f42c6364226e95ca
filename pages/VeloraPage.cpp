#include "pages/PageDef.h"
#include "snapshot/SaveSnapshot.h"

namespace pages {

using platform::ControlKind;
using platform::HAlign;

static const platform::FontDef kYaHei14Bold{"微软雅黑", 14, 700};
static const platform::FontDef kYaHei16Bold{"微软雅黑", 16, 700};

static PageDef makeVelora() {
    PageDef page;
    platform::WindowDef& w = page.window;
    w.name = "PageWindowVelora";
    w.caption = "Velora商品生成页面(点击图片保存到本地,也可使用QQ截图 CTRL+A)";
    w.outerWidth = 1000;
    w.outerHeight = 600;
    // Rows of one parent are in stacking order: the first lies on top.
    w.controls = {
        {.name = "画板_velora", .kind = ControlKind::DrawPanel, .x = 8, .y = 8, .width = 982, .height = 507,
         .picture = ":/templates/velora.jpg"},
        {.name = "通用对话框1", .kind = ControlKind::CommonDlg, .parent = "画板_velora"},
        {.name = "透明标签1", .kind = ControlKind::TransLabel, .parent = "画板_velora", .x = 400, .y = 128, .width = 352,
         .height = 16, .text = "温馨说明：Dovrek独家提供,酷炫狂拽叼炸天，低调奢华有内涵", .color = {255, 128, 0}},
        {.name = "品牌", .kind = ControlKind::TransLabel, .parent = "画板_velora", .x = 150, .y = 35, .width = 72,
         .height = 16, .text = "Velora", .font = kYaHei14Bold, .color = {0, 0, 0}, .align = HAlign::Centre},
        {.name = "图片", .kind = ControlKind::PicBox, .parent = "画板_velora", .x = 9, .y = 68, .width = 357, .height = 377},
        {.name = "积分", .kind = ControlKind::TransLabel, .parent = "画板_velora", .x = 822, .y = 157, .width = 96,
         .height = 24, .text = "6666", .font = kYaHei16Bold, .color = {0, 128, 0}, .align = HAlign::Centre},
        {.name = "评价", .kind = ControlKind::TransLabel, .parent = "画板_velora", .x = 633, .y = 160, .width = 96,
         .height = 16, .text = "023", .font = kYaHei16Bold, .color = {0, 96, 192}, .align = HAlign::Centre},
        {.name = "售出", .kind = ControlKind::TransLabel, .parent = "画板_velora", .x = 456, .y = 157, .width = 72,
         .height = 24, .text = "88888", .font = kYaHei16Bold, .color = {255, 128, 64}, .align = HAlign::Centre},
        {.name = "价格", .kind = ControlKind::TransLabel, .parent = "画板_velora", .x = 498, .y = 72, .width = 462,
         .height = 43, .text = "136.00", .font = {"微软雅黑", 45, 700}, .color = {255, 255, 255}},
        {.name = "标题", .kind = ControlKind::TransLabel, .parent = "画板_velora", .x = 390, .y = 21, .width = 584,
         .height = 40, .text = "我只是想测试一下这个标签而已！", .font = {"微软雅黑", 24, 700}, .color = {0, 0, 0}},
    };
    w.events = {
        {.kind = platform::EventKind::Created, .handler = [](const platform::EventArgs&) { fillPage(veloraPage()); }},
        {"画板_velora", platform::EventKind::LeftPressed,
         [](const platform::EventArgs&) { snapshot::saveSnapshot(veloraPage()); }},
    };
    // The stock field is not shown on this page; the bonus points are the transactions.
    page.fields = {{"标题", "编辑框1"}, {"价格", "编辑框2"}, {"售出", "编辑框3"}, {"评价", "编辑框5"}, {"积分", "编辑框4"}};
    page.pictureBox = "图片";
    page.canvas = "画板_velora";
    page.saveDialog = "通用对话框1";
    return page;
}

const PageDef& veloraPage() {
    static const PageDef page = makeVelora();
    return page;
}

}  // namespace pages
