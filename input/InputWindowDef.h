#pragma once
#include "platform/WindowDef.h"

namespace input {

// The start window: six product fields, the marketplace choice and the two commands.
const platform::WindowDef& inputWindowDef();

}  // namespace input
