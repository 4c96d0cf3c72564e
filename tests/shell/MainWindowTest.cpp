#include "platform/forms/Form.h"
#include "records/CustEdit.h"
#include "records/PntPravel.h"
#include "shell/CHkPwd.h"
#include "shell/MUser.h"
#include "shell/MDIMain.h"
#include "tests/shell/Counted.h"
#include "tests/support/ProgramFolder.h"

#include <QAction>
#include <QMenu>
#include <QMdiArea>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace tests {

using shell::MDIMain;


namespace {

using namespace shell::mainMenus;

class MainWindow : public ProgramTest {
protected:
    ~MainWindow() override {
        if (MDIMain::exists()) delete &MDIMain::instance();
    }
};

TEST_F(MainWindow, MenusAsDesigned) {
    MDIMain& main = MDIMain::instance();
    EXPECT_EQ(main.windowTitle(), "Vardo Pravel Management");
    QStringList captions;
    for (QAction* action : main.menuBar()->actions()) captions << action->text();
    EXPECT_EQ(captions, (QStringList{"File", "Pravel", "Reporting", "Users", "About"}));

    QStringList reportItems;
    for (QAction* action : main.menu(StkM)->actions()) {
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
        if (action->isVisible()) reportItems << action->text();
    }
    EXPECT_EQ(reportItems, (QStringList{"Working skill", "Languages", "Academic", "Training", "Employment History",
                                        "Project Reference"}));
    EXPECT_FALSE(main.item(RptF)->isVisible());
}

TEST_F(MainWindow, QuitRunsNoUnloadStep) {
    MDIMain::instance().show();
    Counted::unloads = 0;
    forms::get<Counted>().showWindow();
    MDIMain::instance().item(Quit)->trigger();
    EXPECT_EQ(Counted::unloads, 0);
    EXPECT_FALSE(forms::isLoaded<Counted>());
}

TEST_F(MainWindow, ClosingUnloadsEachChildFirst) {
    MDIMain::instance().show();
    Counted::unloads = 0;
    forms::get<Counted>().showWindow();
    MDIMain::instance().close();
    EXPECT_EQ(Counted::unloads, 1);
    EXPECT_FALSE(forms::isLoaded<Counted>());
}

TEST_F(MainWindow, WindowItemsOpenOneWindowEach) {
    MDIMain& main = MDIMain::instance();
    main.show();
    for (int time = 0; time < 2; ++time) {
        for (const forms::ControlName item : {CusED, CusLst, Cpwd, AddU}) main.item(item)->trigger();
    }
    EXPECT_TRUE(forms::isLoaded<records::CustEdit>());
    EXPECT_TRUE(forms::isLoaded<records::PntPravel>());
    EXPECT_TRUE(forms::isLoaded<shell::CHkPwd>());
    EXPECT_TRUE(forms::isLoaded<shell::MUser>());
    EXPECT_EQ(main.area()->subWindowList().size(), 4);
    EXPECT_TRUE(services.boxes.shown.empty());
}

}  // namespace

}  // namespace tests
