#pragma once
// A canvas without a border: its background picture drawn from the top-left
// corner at its natural size over the button face.

#include <QImage>
#include <QWidget>

namespace platform {

class DrawPanel : public QWidget {
    Q_OBJECT
public:
    explicit DrawPanel(QWidget* parent = nullptr);

    void setBackgroundPicture(QImage picture);
    QImage backgroundPicture() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage background_;
};

}  // namespace platform
