#pragma once
// A label that draws only its glyphs, over whatever lies beneath it: one line,
// clipped to its rectangle, an ampersand underlining the character after it.

#include <QColor>
#include <QString>
#include <QWidget>

namespace platform {

class TransLabel : public QWidget {
    Q_OBJECT
public:
    explicit TransLabel(QWidget* parent = nullptr);

    void setText(const QString& text);  // repaints at once
    QString text() const { return text_; }
    void setColour(QColor colour);
    QColor colour() const { return colour_; }
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return alignment_; }

    // The flags the text is drawn with: one line, mnemonics, no tab expansion.
    int drawFlags() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString text_;
    QColor colour_ = Qt::black;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};

}  // namespace platform
