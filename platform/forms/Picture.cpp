#include "Picture.h"

#include <QImageReader>
#include <QMouseEvent>

namespace forms {

Picture::Picture(QWidget* parent) : QLabel(parent) {
    // Drawn at its own size from the top-left; the control keeps its place and clips the rest.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
}

bool Picture::loadPicture(const QString& nativePath) {
    QImageReader reader(nativePath);
    // The file's content decides, not its name: a JPG saved as .bmp still shows.
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    setPicture(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    return hasPicture();
}

void Picture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    if (picture_.isNull()) {
        clear();
    } else {
        setPixmap(picture_);
    }
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void Picture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

}  // namespace forms
