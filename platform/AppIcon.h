#pragma once
#include <QIcon>
#include <QImage>

namespace platform {

// The program's icon, shared by all its windows: a product page on a blue tile.
QImage appIconImage(int size);
QIcon appIcon();

}  // namespace platform
