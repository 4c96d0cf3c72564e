#include "TabControl.h"

#include <QTabBar>

namespace forms {

namespace {

class EvenTabs : public QTabBar {
public:
    explicit EvenTabs(QTabWidget* control) : control_(control) {}

protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        if (count() > 0) {
            const int width = control_->width();
            // The last tab takes what the division leaves, so that the row ends at the edge.
            const int each = width / count();
            size.setWidth(index == count() - 1 ? width - each * (count() - 1) : each);
        }
        return size;
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    QTabWidget* control_;
};

}  // namespace

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new EvenTabs(this));
    setUsesScrollButtons(false);
}

}  // namespace forms
