#pragma once
// What a control shows on screen, as a picture of exactly its size: everything
// that lies over it in its window (labels of the window included) is in it.

#include <QImage>

class QWidget;

namespace snapshot {

// A null picture when there is no such control.
QImage captureControl(QWidget* control);

}  // namespace snapshot
