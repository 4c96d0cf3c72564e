#pragma once

#include <QFrame>
#include <QString>

namespace forms {

// A bordered frame: an etched rectangle with its caption on the top edge, drawn in the frame's own
// background colour like the window around it (a group box would lighten its inside).
class FrameBox : public QFrame {
    Q_OBJECT
public:
    FrameBox(const QString& caption, QWidget* parent);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

}  // namespace forms
