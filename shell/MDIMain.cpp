#include "shell/MDIMain.h"

#include "common/BaseSetup.h"
#include "platform/forms/Design.h"
#include "platform/forms/Form.h"
#include "records/CustEdit.h"
#include "records/PntPravel.h"
#include "shell/CHkPwd.h"
#include "shell/CompanyInfo.h"
#include "shell/DevInfo.h"
#include "shell/MUser.h"
#include "shell/RptList.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <stdexcept>
#include <utility>

namespace shell {

using namespace mainMenus;

namespace {

MDIMain* theInstance = nullptr;

struct MenuItem {
    forms::ControlName name;
    const char* caption;
    bool enabled = true;
    bool visible = true;
};

struct Menu {
    forms::ControlName name;
    const char* caption;
    std::initializer_list<MenuItem> items;
};

// The menu bar as designed. The report items are unavailable from the start and nothing makes
// them available; "Employee' Family" is not even shown.
const Menu kMenus[] = {
    {FileM, "File", {{Cpwd, "Change Password"}, {Quit, "Quit"}}},
    {CusM, "Pravel", {{CusED, "Pravel Maintenance"}, {CusLst, "Print Pravel"}}},
    {StkM,
     "Reporting",
     {{RptF, "Employee' Family", false, false},
      {RptS, "Working skill", false},
      {RptL, "Languages", false},
      {RptA, "Academic", false},
      {RptT, "Training", false},
      {RptE, "Employment History", false},
      {RptP, "Project Reference", false}}},
    {Users, "Users", {{AddU, "User Maintenance"}}},
    {Abt, "About", {{Cinfo, "Company Information"}, {DevIn, "Developer Information"}}},
};

}  // namespace

MDIMain& MDIMain::instance() {
    if (!theInstance) theInstance = new MDIMain();
    return *theInstance;
}

bool MDIMain::exists() { return theInstance != nullptr; }

MDIMain::MDIMain() : area_(new QMdiArea) {
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(QStringLiteral("Vardo Pravel Management"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(forms::px(11400), forms::px(9810));

    auto* toolbar = addToolBar(QString());
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFixedHeight(forms::px(630));

    // Picture1: as wide as the window and no height, above the area.
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* picture = new QWidget;
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFixedHeight(0);
    layout->addWidget(picture);
    area_->setObjectName(QStringLiteral("MDIArea"));
    area_->setBackground(forms::toQColor(forms::kInactiveTitleBar));
    layout->addWidget(area_);
    setCentralWidget(central);
    forms::setMdiArea(area_);

    buildMenus();
}

MDIMain::~MDIMain() {
    forms::setMdiArea(nullptr);
    if (theInstance == this) theInstance = nullptr;
}

void MDIMain::buildMenus() {
    for (const Menu& spec : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(spec.caption));
        menu->setObjectName(spec.name.toString());
        menu->menuAction()->setObjectName(spec.name.toString());
        for (const MenuItem& itemSpec : spec.items) {
            QAction* action = menu->addAction(QString::fromUtf8(itemSpec.caption));
            action->setObjectName(itemSpec.name.toString());
            action->setEnabled(itemSpec.enabled);
            action->setVisible(itemSpec.visible);
        }
    }
    onItem(Quit, quitProgram);
    onItem(CusED, [] { forms::get<records::CustEdit>().showWindow(); });
    onItem(CusLst, [] { forms::get<records::PntPravel>().showWindow(); });
    // Each report item presses its button of the hidden report launcher.
    const std::pair<forms::ControlName, forms::ControlName> reportItems[] = {
        {RptF, reportListControls::CmdF}, {RptS, reportListControls::CmdS}, {RptL, reportListControls::CmdL},
        {RptA, reportListControls::CmdA}, {RptT, reportListControls::CmdT}, {RptE, reportListControls::CmdE},
        {RptP, reportListControls::CmdP}};
    for (const auto& [item, button] : reportItems) {
        onItem(item, [button] { forms::get<RptList>().press(button); });
    }
    onItem(Cinfo, [] { forms::get<CompanyInfo>().showWindow(); });
    onItem(DevIn, [] { forms::get<DevInfo>().showWindow(); });
    onItem(Cpwd, [] { forms::get<CHkPwd>().showForUser(BaseSetup::CurrentUserName); });
    onItem(AddU, [] { forms::get<MUser>().showWindow(); });
}

QMenu* MDIMain::menu(forms::ControlName name) const {
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (menu->objectName() == name.toString()) return menu;
    }
    throw std::logic_error("no menu " + name.toString().toStdString());
}

QAction* MDIMain::item(forms::ControlName name) const {
    for (QMenu* menu : menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name.toString()) return action;
        }
    }
    throw std::logic_error("no menu item " + name.toString().toStdString());
}

void MDIMain::setMenuEnabled(forms::ControlName name, bool enabled) { menu(name)->menuAction()->setEnabled(enabled); }

bool MDIMain::isMenuEnabled(forms::ControlName name) const { return menu(name)->menuAction()->isEnabled(); }

void MDIMain::onItem(forms::ControlName name, std::function<void()> action) {
    connect(item(name), &QAction::triggered, this, [action] { forms::guarded(action); });
}

void MDIMain::closeEvent(QCloseEvent* event) {
    // Each open child window runs its unload step first; then the program ends as "Quit" does.
    forms::unloadAllChildren();
    event->accept();
    quitProgram();
}

void quitProgram() {
    forms::destroyAll();
    QApplication::exit(0);
}

}  // namespace shell
