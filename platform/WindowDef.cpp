#include "platform/WindowDef.h"

#include <set>

namespace platform {

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::EditBox: return "EditBox";
    case ControlKind::Label: return "Label";
    case ControlKind::Button: return "Button";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::GroupBox: return "GroupBox";
    case ControlKind::CommonDlg: return "CommonDlg";
    case ControlKind::DrawPanel: return "DrawPanel";
    case ControlKind::PicBox: return "PicBox";
    case ControlKind::TransLabel: return "TransLabel";
    }
    return "?";
}

Point centredOn(int screenWidth, int screenHeight, int outerWidth, int outerHeight) {
    return {(screenWidth - outerWidth) / 2, (screenHeight - outerHeight) / 2};
}

const ControlDef* findControl(const WindowDef& def, const std::string& name) {
    for (const auto& c : def.controls)
        if (c.name == name) return &c;
    return nullptr;
}

static bool canHoldChildren(ControlKind kind) {
    return kind == ControlKind::GroupBox || kind == ControlKind::DrawPanel;
}

static bool takesFocus(ControlKind kind) {
    return kind == ControlKind::EditBox || kind == ControlKind::Button || kind == ControlKind::CheckBox;
}

std::vector<std::string> checkDefinition(const WindowDef& def) {
    std::vector<std::string> problems;
    auto problem = [&](std::string text) { problems.push_back(def.name + ": " + std::move(text)); };

    if (def.name.empty()) problem("window has no name");
    if (clientWidth(def) <= 0 || clientHeight(def) <= 0) problem("window is smaller than its frame");

    std::set<std::string> names;
    for (const auto& c : def.controls) {
        if (c.name.empty()) problem("a control has no name");
        else if (!names.insert(c.name).second) problem("control " + c.name + " is defined twice");
        if (c.kind != ControlKind::CommonDlg && (c.width <= 0 || c.height <= 0))
            problem("control " + c.name + " has no size");
        if (c.maxLength < 0) problem("control " + c.name + " has a negative length limit");
    }
    for (const auto& c : def.controls) {
        if (c.parent.empty()) continue;
        const ControlDef* parent = findControl(def, c.parent);
        if (!parent) problem("control " + c.name + " names a missing parent " + c.parent);
        else if (!canHoldChildren(parent->kind))
            problem("control " + c.name + " has a parent of kind " + kindName(parent->kind));
        else if (parent == &c) problem("control " + c.name + " is its own parent");
    }
    // A cycle of parents would send the loader round for ever.
    for (const auto& c : def.controls) {
        const ControlDef* at = &c;
        for (std::size_t steps = 0; at && !at->parent.empty(); ++steps) {
            if (steps > def.controls.size()) {
                problem("control " + c.name + " lies in a cycle of parents");
                break;
            }
            at = findControl(def, at->parent);
        }
    }
    std::set<std::string> stops;
    for (const auto& name : def.tabOrder) {
        const ControlDef* c = findControl(def, name);
        if (!c) problem("tab stop " + name + " is not a control");
        else if (!takesFocus(c->kind)) problem("tab stop " + name + " cannot take the focus");
        if (!stops.insert(name).second) problem("tab stop " + name + " is listed twice");
    }
    if (!def.firstFocus.empty() && !stops.count(def.firstFocus))
        problem("first focus " + def.firstFocus + " is not a tab stop");
    for (const auto& e : def.events) {
        if (!e.handler) problem("an event binding has no handler");
        if (e.kind == EventKind::Created ? !e.control.empty() : !findControl(def, e.control))
            problem("event bound to unknown control " + e.control);
    }
    return problems;
}

}  // namespace platform
