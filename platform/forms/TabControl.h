#pragma once

#include <QTabWidget>

namespace forms {

// A tab control whose tabs share its whole width equally, one row, as the designs' tab controls
// draw them; no strip is left over beside the last tab.
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);
};

}  // namespace forms
