#pragma once
#include <QFont>
#include <QStringList>

#include "platform/WindowDef.h"

namespace platform {

// Maps the face names of the tables to the CJK faces this desktop has and sets
// the default GUI font. Returns the faces that are missing, for a warning.
QStringList installFonts();

// The font a control of the tables asks for: its face, character height and weight.
QFont fontFor(const FontDef& def);

QFont defaultGuiFont();

}  // namespace platform
