#include "FrameBox.h"

#include <QPainter>

namespace forms {

FrameBox::FrameBox(const QString& caption, QWidget* parent) : QFrame(parent), caption_(caption) {
    setFrameShape(QFrame::NoFrame);
}

void FrameBox::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int lineHeight = fontMetrics().height();
    // The border runs through the middle of the caption's line.
    const QRect border = rect().adjusted(0, lineHeight / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (caption_.isEmpty()) return;
    const QRect text(8, 0, fontMetrics().horizontalAdvance(caption_) + 4, lineHeight);
    painter.fillRect(text, palette().window());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, caption_);
}

}  // namespace forms
