#pragma once

#include "platform/forms/Design.h"

#include <QMainWindow>
#include <QString>

#include <functional>

class QAction;
class QMdiArea;
class QMenu;

namespace shell {

// The menus and items of the main window, by the names its design gives them.
namespace mainMenus {
FORMS_CONTROL(FileM);
FORMS_CONTROL(Cpwd);
FORMS_CONTROL(Quit);
FORMS_CONTROL(CusM);
FORMS_CONTROL(CusED);
FORMS_CONTROL(CusLst);
FORMS_CONTROL(StkM);
FORMS_CONTROL(RptF);
FORMS_CONTROL(RptS);
FORMS_CONTROL(RptL);
FORMS_CONTROL(RptA);
FORMS_CONTROL(RptT);
FORMS_CONTROL(RptE);
FORMS_CONTROL(RptP);
FORMS_CONTROL(Users);
FORMS_CONTROL(AddU);
FORMS_CONTROL(Abt);
FORMS_CONTROL(Cinfo);
FORMS_CONTROL(DevIn);
}  // namespace mainMenus

// The program's frame: the other windows open inside its area; its menus are the only way to them.
// One instance for the run, created on first touch.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    static MDIMain& instance();
    static bool exists();
    ~MDIMain() override;

    QMenu* menu(forms::ControlName name) const;
    QAction* item(forms::ControlName name) const;
    void setMenuEnabled(forms::ControlName name, bool enabled);
    bool isMenuEnabled(forms::ControlName name) const;
    QMdiArea* area() const { return area_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MDIMain();
    void buildMenus();
    void onItem(forms::ControlName name, std::function<void()> action);
    QMdiArea* area_;
};

// Ends the program at once: no window runs its unload step.
void quitProgram();

}  // namespace shell
