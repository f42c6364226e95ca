#include "snapshot/Capture.h"

#include <QPainter>
#include <QWidget>

namespace snapshot {

QImage captureControl(QWidget* control) {
    if (!control) return {};
    QWidget* window = control->window();
    const QRect area(control->mapTo(window, QPoint(0, 0)), control->size());
    // Device pixel ratio 1: the picture has the control's size on any screen.
    QImage picture(area.size(), QImage::Format_RGB32);
    if (picture.isNull()) return {};
    picture.fill(window->palette().color(QPalette::Window));
    window->render(&picture, QPoint(0, 0), QRegion(area), QWidget::DrawChildren);
    return picture;
}

}  // namespace snapshot
