#include "platform/PicBox.h"

#include <QBuffer>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include "platform/picture/Decoders.h"
#include "platform/picture/Picture.h"

namespace platform {

// Browsers treat delays this short as a mistake of the encoder; so do we, or
// the box would spin the processor.
static constexpr int kMinFrameDelayMs = 20;
static constexpr int kShortDelayStandIn = 100;

PicBox::PicBox(QWidget* parent) : QWidget(parent) {
    frameTimer_.setSingleShot(true);
    connect(&frameTimer_, &QTimer::timeout, this, &PicBox::nextFrame);
}

PicBox::~PicBox() = default;

void PicBox::setPicture(const QByteArray& bytes) {
    frameTimer_.stop();
    reader_.reset();
    buffer_.reset();
    bytes_ = bytes;  // our own copy: the caller may free or replace its buffer
    bytes_.detach();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes_.constData());
    const auto size = static_cast<std::size_t>(bytes_.size());
    show(picture::decodePicture(data, size, innerRect().size()));
    if (!picture_.isNull() && picture::recognise(data, size) == picture::PictureFormat::Gif) startAnimation();
}

void PicBox::show(QImage frame) {
    picture_ = std::move(frame);
    scaled_ = QImage();
    update();
}

void PicBox::startAnimation() {
    buffer_ = std::make_unique<QBuffer>(&bytes_);
    buffer_->open(QIODevice::ReadOnly);
    reader_ = std::make_unique<QImageReader>(buffer_.get(), "gif");
    if (reader_->imageCount() < 2) {
        reader_.reset();
        buffer_.reset();
        return;
    }
    // The first frame is already shown; read it again so the reader stands at the second.
    reader_->read();
    const int delay = reader_->nextImageDelay();
    frameTimer_.start(delay < kMinFrameDelayMs ? kShortDelayStandIn : delay);
}

void PicBox::nextFrame() {
    if (!reader_) return;
    QImage frame = reader_->read();
    if (frame.isNull()) {
        // The end, or a frame that cannot be read: start again from the first.
        buffer_->seek(0);
        reader_ = std::make_unique<QImageReader>(buffer_.get(), "gif");
        frame = reader_->read();
        if (frame.isNull()) {
            reader_.reset();
            return;
        }
    }
    show(frame.convertToFormat(QImage::Format_ARGB32));
    const int delay = reader_->nextImageDelay();
    frameTimer_.start(delay < kMinFrameDelayMs ? kShortDelayStandIn : delay);
}

void PicBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor::fromRgb(kFrameColour));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect inner = innerRect();
    if (picture_.isNull() || inner.isEmpty()) return;
    if (scaled_.size() != inner.size())
        scaled_ = picture_.scaled(inner.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(inner.topLeft(), scaled_);
}

void PicBox::resizeEvent(QResizeEvent*) { scaled_ = QImage(); }

// A press on the picture stays here: it must not reach the canvas beneath.
void PicBox::mousePressEvent(QMouseEvent* event) { event->accept(); }

}  // namespace platform
