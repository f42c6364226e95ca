#pragma once
// The product picture box: a one-pixel frame, white inside, and the picture
// stretched over the whole inner area. It keeps its own copy of the bytes, and
// plays a GIF of several frames until it is given another picture or closed.

#include <QByteArray>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>

class QBuffer;
class QImageReader;

namespace platform {

class PicBox : public QWidget {
    Q_OBJECT
public:
    static constexpr QRgb kFrameColour = 0xFFC8C8C8;

    explicit PicBox(QWidget* parent = nullptr);
    ~PicBox() override;

    // Copies the bytes and shows them; bytes that are no picture leave the box white.
    void setPicture(const QByteArray& bytes);

    QImage currentImage() const { return picture_; }  // the frame shown, unscaled
    bool isAnimated() const { return reader_ != nullptr; }
    QRect innerRect() const { return rect().adjusted(1, 1, -1, -1); }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void show(QImage frame);
    void startAnimation();
    void nextFrame();

    QByteArray bytes_;
    QImage picture_;
    QImage scaled_;  // picture_ at the inner size, made when first painted
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QImageReader> reader_;
    QTimer frameTimer_;
};

}  // namespace platform
