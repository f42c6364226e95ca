#include "platform/TransLabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

TransLabel::TransLabel(QWidget* parent) : QWidget(parent) {
    // Nothing of its own behind the glyphs: what lies beneath shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TransLabel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    // The parent repaints beneath the old glyphs, so none stay behind.
    update();
}

void TransLabel::setColour(QColor colour) {
    colour_ = colour;
    update();
}

void TransLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

int TransLabel::drawFlags() const { return int(alignment_) | Qt::TextSingleLine | Qt::TextShowMnemonic; }

void TransLabel::paintEvent(QPaintEvent*) {
    if (text_.isEmpty()) return;
    QPainter p(this);
    p.setFont(font());
    p.setPen(colour_);
    // Qt centres a text wider than the rectangle about its middle and clips it
    // at the widget's edges: cut on both sides when centred, on the right when left-aligned.
    p.drawText(rect(), drawFlags(), text_);
}

// A press on a figure stays on the figure: it must not start a save on the canvas beneath.
void TransLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

}  // namespace platform
