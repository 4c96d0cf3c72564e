#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

namespace forms {

// An image control: shows a BMP, GIF or JPG file at the picture's own size. A file that is
// missing, empty or not a picture leaves it without a picture; it never fails.
class Picture : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);
    bool loadPicture(const QString& nativePath);   // false: no picture shown
    void setPicture(const QPixmap& picture);       // copy another image's picture; null clears
    QPixmap picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }
    void clearPicture() { setPicture(QPixmap()); }

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace forms
