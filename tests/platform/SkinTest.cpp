#include <gtest/gtest.h>

#include "platform/Skin.h"

using namespace platform;

TEST(Skin, BlueSchemeFramesStandardControlsInItsFrameColour) {
    EXPECT_EQ(colorScheme(SkinScheme::Blue).frame, (Rgb{123, 158, 189}));
    const std::string css = skinStyleSheet(SkinScheme::Blue);
    for (const char* selector : {"QPushButton {", "QCheckBox::indicator", "QRadioButton::indicator", "QGroupBox {",
                                 "QLineEdit {", "QComboBox {", "QComboBox QAbstractItemView", "QAbstractSpinBox {"})
        EXPECT_NE(css.find(selector), std::string::npos) << selector;
    EXPECT_NE(css.find("border: 1px solid #7b9ebd"), std::string::npos);
}

TEST(Skin, LeavesLabelsAndCanvasesAlone) {
    for (SkinScheme s : {SkinScheme::Blue, SkinScheme::OliveGreen, SkinScheme::Silver}) {
        const std::string css = skinStyleSheet(s);
        for (const char* untouched : {"QLabel", "QWidget", "QFrame", "*"})
            EXPECT_EQ(css.find(untouched), std::string::npos) << untouched;
    }
}

TEST(Skin, TheThreeSchemesDiffer) {
    EXPECT_NE(skinStyleSheet(SkinScheme::Blue), skinStyleSheet(SkinScheme::OliveGreen));
    EXPECT_NE(skinStyleSheet(SkinScheme::Blue), skinStyleSheet(SkinScheme::Silver));
    EXPECT_NE(skinStyleSheet(SkinScheme::OliveGreen), skinStyleSheet(SkinScheme::Silver));
}
