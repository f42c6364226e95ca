#include "platform/Skin.h"

#include <cstdio>

namespace platform {

const ColorScheme& colorScheme(SkinScheme scheme) {
    static const ColorScheme blue{{123, 158, 189}, {61, 126, 190}, {255, 255, 255}, {216, 230, 243},
                                  {196, 214, 233}, {226, 236, 246}, {30, 63, 102}, ":/skin/tick-blue.xpm"};
    static const ColorScheme olive{{148, 166, 108}, {110, 138, 52}, {255, 255, 255}, {229, 236, 208},
                                   {210, 222, 178}, {236, 241, 222}, {72, 92, 28}, ":/skin/tick-olive.xpm"};
    static const ColorScheme silver{{150, 150, 168}, {104, 104, 130}, {255, 255, 255}, {228, 228, 236},
                                    {206, 206, 218}, {236, 236, 242}, {64, 64, 82}, ":/skin/tick-silver.xpm"};
    switch (scheme) {
    case SkinScheme::OliveGreen: return olive;
    case SkinScheme::Silver: return silver;
    case SkinScheme::Blue: break;
    }
    return blue;
}

std::string cssColor(Rgb c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

static std::string gradient(Rgb top, Rgb bottom) {
    return "qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 " + cssColor(top) + ", stop:1 " + cssColor(bottom) + ")";
}

std::string skinStyleSheet(SkinScheme scheme) {
    const ColorScheme& s = colorScheme(scheme);
    const std::string frame = cssColor(s.frame), hover = cssColor(s.hoverFrame), mark = cssColor(s.mark);
    const std::string face = gradient(s.faceTop, s.faceBottom), pressed = gradient(s.pressedTop, s.pressedBottom);
    const std::string box = gradient({255, 255, 255}, s.faceBottom);

    std::string css;
    css += "QPushButton { border: 1px solid " + frame + "; border-radius: 3px; background: " + face +
           "; color: black; padding: 2px 10px; min-height: 16px; }\n";
    css += "QPushButton:hover, QPushButton:focus { border-color: " + hover + "; }\n";
    css += "QPushButton:pressed, QPushButton:checked { background: " + pressed + "; }\n";
    css += "QPushButton:disabled { color: #8c8c8c; border-color: #c0c8d0; }\n";

    css += "QCheckBox, QRadioButton { spacing: 2px; color: black; background: transparent; }\n";
    css += "QCheckBox::indicator, QRadioButton::indicator { width: 9px; height: 9px; border: 1px solid " +
           frame + "; background: " + box + "; }\n";
    css += "QRadioButton::indicator { border-radius: 5px; }\n";
    css += "QCheckBox::indicator:hover, QRadioButton::indicator:hover { border-color: " + hover + "; }\n";
    css += "QCheckBox::indicator:checked { image: url(" + std::string(s.tickImage) + "); }\n";
    css += "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, "
           "fy:0.5, stop:0 " + mark + ", stop:0.45 " + mark + ", stop:0.55 white, stop:1 white); }\n";
    css += "QCheckBox:disabled, QRadioButton:disabled { color: #8c8c8c; }\n";

    css += "QGroupBox { border: 1px solid " + frame + "; margin: 0px; padding: 0px; }\n";

    const std::string field = "border: 1px solid " + frame + "; background: white; color: black; ";
    css += "QLineEdit { " + field + "padding: 0px 2px; selection-background-color: " + hover + "; }\n";
    css += "QLineEdit:focus { border-color: " + hover + "; }\n";
    css += "QLineEdit:disabled { background: #f0f0f0; color: #8c8c8c; }\n";
    css += "QComboBox { " + field + "padding: 1px 4px; }\n";
    css += "QComboBox:hover, QComboBox:focus { border-color: " + hover + "; }\n";
    css += "QComboBox QAbstractItemView { border: 1px solid " + frame + "; background: white; "
           "selection-background-color: " + hover + "; selection-color: white; }\n";
    css += "QAbstractSpinBox { " + field + "padding: 0px 2px; }\n";
    css += "QAbstractSpinBox:focus { border-color: " + hover + "; }\n";
    return css;
}

}  // namespace platform
