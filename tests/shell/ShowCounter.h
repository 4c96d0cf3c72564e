#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>

namespace tests {

// Counts how often a window of class T is shown while the counter lives, whatever shows it.
template <typename T>
class ShowCounter : public QObject {
public:
    ShowCounter() { qApp->installEventFilter(this); }
    ~ShowCounter() override { qApp->removeEventFilter(this); }
    int shows() const { return shows_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->inherits(T::staticMetaObject.className())) ++shows_;
        return false;
    }

private:
    int shows_ = 0;
};

}  // namespace tests
