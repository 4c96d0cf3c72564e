// Every label of every administration window shows its whole caption at its designed size.
#include "common/BaseSetup.h"
#include "shell/CHkPwd.h"
#include "shell/CompanyInfo.h"
#include "shell/DevInfo.h"
#include "shell/MDIMain.h"
#include "shell/MUser.h"
#include "shell/frmLogin.h"
#include "tests/support/LabelFit.h"
#include "tests/support/ProgramFolder.h"

#include <gtest/gtest.h>

namespace tests {

namespace {

class LabelsFit : public ProgramTest {
protected:
    ~LabelsFit() override {
        if (shell::MDIMain::exists()) delete &shell::MDIMain::instance();
    }
};

TEST_F(LabelsFit, InEveryAdministrationWindow) {
    BaseSetup::UserLevel = 9;
    EXPECT_EQ(labelsThatDoNotFit(forms::get<shell::frmLogin>()), QStringList());
    EXPECT_EQ(labelsThatDoNotFit(forms::get<shell::CHkPwd>()), QStringList());
    EXPECT_EQ(labelsThatDoNotFit(forms::get<shell::MUser>()), QStringList());
    EXPECT_EQ(labelsThatDoNotFit(forms::get<shell::CompanyInfo>()), QStringList());
    EXPECT_EQ(labelsThatDoNotFit(forms::get<shell::DevInfo>()), QStringList());
}

}  // namespace

}  // namespace tests
