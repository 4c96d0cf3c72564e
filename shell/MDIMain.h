#pragma once

#include <QMainWindow>
#include <QString>

#include <functional>

class QAction;
class QMdiArea;
class QMenu;

namespace shell {

// The program's frame: the other windows open inside its area; its menus are the only way to them.
// One instance for the run, created on first touch.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    static MDIMain& instance();
    static bool exists();
    ~MDIMain() override;

    QMenu* menu(const QString& name) const;     // "FileM", "CusM", "StkM", "Users", "Abt"
    QAction* item(const QString& name) const;   // "Cpwd", "Quit", "CusED", ...
    void setMenuEnabled(const QString& name, bool enabled);
    bool isMenuEnabled(const QString& name) const;
    QMdiArea* area() const { return area_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MDIMain();
    void buildMenus();
    void onItem(const QString& name, std::function<void()> action);
    QMdiArea* area_;
};

// Ends the program at once: no window runs its unload step.
void quitProgram();

}  // namespace shell
