#include "platform/DrawPanel.h"

#include <QPaintEvent>
#include <QPainter>

namespace platform {

DrawPanel::DrawPanel(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void DrawPanel::setBackgroundPicture(QImage picture) {
    // An opaque 32-bit picture draws without a conversion on every paint; the
    // conversion happens in place where it can.
    picture.convertTo(QImage::Format_RGB32);
    background_ = std::move(picture);
    update();
}

void DrawPanel::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), palette().color(QPalette::Button));
    if (!background_.isNull()) p.drawImage(event->rect().topLeft(), background_, event->rect());
}

}  // namespace platform
