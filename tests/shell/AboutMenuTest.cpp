// The About menu's two windows: the company profile and the developer information.
#include "common/BaseSetup.h"
#include "shell/CompanyInfo.h"
#include "shell/DevInfo.h"
#include "shell/MDIMain.h"
#include "tests/support/ProgramFolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace tests {

using namespace shell::developerControls;

namespace {

using shell::CompanyInfo;
using shell::DevInfo;
using shell::MDIMain;

class AboutMenu : public ProgramTest {
protected:
    AboutMenu() { BaseSetup::UserLevel = 9; }
    ~AboutMenu() override { delete &MDIMain::instance(); }

    static void choose(forms::ControlName item) { MDIMain::instance().item(item)->trigger(); }

    template <typename Window> static int openCount() {
        int count = 0;
        for (QMdiSubWindow* sub : MDIMain::instance().area()->subWindowList()) {
            count += qobject_cast<Window*>(sub->widget()) != nullptr && sub->isVisible();
        }
        return count;
    }
};

TEST_F(AboutMenu, EachItemOpensItsOneWindowInsideTheMainWindow) {
    MDIMain::instance().show();
    for (int time = 0; time < 2; ++time) {
        choose(shell::mainMenus::Cinfo);
        choose(shell::mainMenus::DevIn);
    }
    EXPECT_EQ(openCount<CompanyInfo>(), 1);
    EXPECT_EQ(openCount<DevInfo>(), 1);
    EXPECT_TRUE(services.boxes.shown.empty());

    // Closed by its close box, the next choice loads it afresh.
    forms::get<DevInfo>().parentWidget()->close();
    EXPECT_FALSE(forms::isLoaded<DevInfo>());
    choose(shell::mainMenus::DevIn);
    EXPECT_TRUE(forms::isLoaded<DevInfo>());
}

TEST_F(AboutMenu, DeveloperInformationShowsItsCreditsWhole) {
    MDIMain::instance().show();
    choose(shell::mainMenus::DevIn);
    DevInfo& window = forms::get<DevInfo>();
    EXPECT_EQ(window.windowTitle(), "Developer Information");
    EXPECT_EQ(window.text(Label1), "Software Developed By");
    EXPECT_EQ(window.text(Label4), ":");
    for (const forms::ControlName credit : {Label7, Label6, Label3}) {
        EXPECT_FALSE(window.text(credit).trimmed().isEmpty()) << credit.text();
    }
    // Every label lies inside the window, and fits its text on one line.
    for (const forms::ControlName name : {Label1, Label4, Label7, Label6, Label3}) {
        QLabel* label = window.label(name);
        EXPECT_TRUE(window.rect().contains(label->geometry())) << name.text();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name.text();
    }
    EXPECT_TRUE(window.findChildren<QAbstractButton*>().isEmpty());
    EXPECT_TRUE(window.findChildren<QLineEdit*>().isEmpty());
}

}  // namespace

}  // namespace tests
