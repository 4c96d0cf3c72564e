#include "common/BaseSetup.h"
#include "common/Password.h"
#include "shell/MDIMain.h"
#include "shell/frmLogin.h"
#include "tests/support/LabelFit.h"
#include "tests/support/ProgramFolder.h"

#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tests {

using forms::Icon;
using shell::MDIMain;
using shell::frmLogin;

namespace {

using namespace shell::mainMenus;

using namespace shell::loginControls;

constexpr forms::ControlName kAllMenus[] = {FileM, CusM, StkM, Users, Abt};

class SignIn : public ProgramTest {
protected:
    ~SignIn() override { delete &MDIMain::instance(); }

    frmLogin& login() { return forms::get<frmLogin>(); }

    void attempt(const QString& name, const QString& password) {
        login().setText(txtUserName, name);
        login().setText(txtPassword, password);
        login().press(cmdOK);
    }

    void addUser(const QString& name, const QString& password, int level) {
        folder.exec(QString("INSERT INTO usertable (username, password2, ulevel, descriptions) VALUES ('%1', '%2', %3, 'x')")
                        .arg(name, Encrypt(password))
                        .arg(level));
    }

    std::vector<bool> menusEnabled() {
        std::vector<bool> enabled;
        for (const forms::ControlName menu : kAllMenus) enabled.push_back(MDIMain::instance().isMenuEnabled(menu));
        return enabled;
    }

    const ScriptedMessageBoxes::Shown& lastBox() { return services.boxes.shown.back(); }
};

TEST_F(SignIn, LoadDisablesEveryMenuAndHidesTheAids) {
    login();
    EXPECT_EQ(menusEnabled(), std::vector<bool>(5, false));
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_FALSE(login().isShown(cmdCancel));
    EXPECT_FALSE(login().isShown(LabelU));
    EXPECT_FALSE(login().isShown(Text1));
    EXPECT_EQ(labelsThatDoNotFit(login()), QStringList());
}

TEST_F(SignIn, RefusedAttemptsKeepTheWindowAndTheMenusShut) {
    struct Case {
        QString name, password, message;
        Icon icon;
    };
    const Case cases[] = {
        {"", "admin", "Username Not in Database or Blank Password Specified", Icon::Information},
        {"admin", "", "Username Not in Database or Blank Password Specified", Icon::Information},
        {"nobody", "admin", "Username Not in Database or Blank Password Specified", Icon::Information},
        {"o'neil", "x", "Username Not in Database or Blank Password Specified", Icon::Information},
        {"admin' or '1'='1", "x", "Username Not in Database or Blank Password Specified", Icon::Information},
        {"admin", "ADMIN", "Username Found with Incorrect Password Given", Icon::None},
        {"admin", "wrong", "Username Found with Incorrect Password Given", Icon::None},
    };
    for (const Case& c : cases) {
        attempt(c.name, c.password);
        ASSERT_FALSE(services.boxes.shown.empty());
        EXPECT_EQ(lastBox().prompt, c.message) << c.name.toStdString() << "/" << c.password.toStdString();
        EXPECT_EQ(lastBox().icon, c.icon);
        EXPECT_EQ(lastBox().title, "Pravel");
        EXPECT_TRUE(forms::isLoaded<frmLogin>());
        EXPECT_EQ(login().text(txtUserName), c.name);
        EXPECT_EQ(BaseSetup::UserLevel, 0);
        // The typed name is kept although nobody signed in.
        EXPECT_EQ(BaseSetup::CurrentUserName, c.name);
        EXPECT_EQ(menusEnabled(), std::vector<bool>(5, false));
    }
}

TEST_F(SignIn, SuccessStoresTheUserGreetsAndCloses) {
    attempt("ADMIN", "admin");
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(lastBox().prompt, "Login Sucessfull!Welcome to Pravel System");
    EXPECT_EQ(lastBox().icon, Icon::None);
    EXPECT_EQ(BaseSetup::CurrentUserName, "ADMIN");
    EXPECT_EQ(BaseSetup::UserLevel, 9);
    EXPECT_FALSE(forms::isLoaded<frmLogin>());
}

TEST_F(SignIn, MenusFollowTheLevel) {
    const std::pair<int, bool> levels[] = {{1, false}, {5, false}, {9, true}, {3, true}, {10, true}, {255, true}};
    for (auto [level, users] : levels) addUser(QString("u%1").arg(level), "pw1", level);
    for (auto [level, users] : levels) {
        attempt(QString("u%1").arg(level), "pw1");
        EXPECT_EQ(BaseSetup::UserLevel, level);
        EXPECT_EQ(menusEnabled(), (std::vector<bool>{true, true, true, users, true})) << "level " << level;
        for (const forms::ControlName menu : kAllMenus) MDIMain::instance().setMenuEnabled(menu, false);
    }
}

TEST_F(SignIn, StoredPasswordIsRightTrimmedButTheTypedOneIsNot) {
    addUser("blank", "pw  ", 1);
    attempt("blank", "pw  ");
    EXPECT_EQ(lastBox().prompt, "Username Found with Incorrect Password Given");
    attempt("blank", "pw");
    EXPECT_EQ(lastBox().prompt, "Login Sucessfull!Welcome to Pravel System");
}

TEST_F(SignIn, HiddenAidShowsTheScrambledName) {
    login().setText(txtUserName, "A1 b");
    login().press(Command1);
    EXPECT_EQ(login().text(Text1), Encrypt("A1 b"));
}

TEST_F(SignIn, CancelHidesWithoutUnloading) {
    login().press(cmdCancel);
    EXPECT_TRUE(forms::isLoaded<frmLogin>());
    EXPECT_EQ(menusEnabled(), std::vector<bool>(5, false));
}

TEST_F(SignIn, MissingDatabaseIsReportedAndNobodySignsIn) {
    QFile::remove(folder.databasePath());
    login();
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(lastBox().title, "Error message. ");
    EXPECT_EQ(lastBox().icon, Icon::Critical);
    EXPECT_TRUE(forms::isLoaded<frmLogin>());
    EXPECT_EQ(menusEnabled(), std::vector<bool>(5, false));

    attempt("admin", "admin");
    EXPECT_EQ(services.boxes.shown.size(), 2u);
    EXPECT_EQ(lastBox().icon, Icon::Critical);
    EXPECT_EQ(BaseSetup::UserLevel, 0);
    EXPECT_TRUE(forms::isLoaded<frmLogin>());
    EXPECT_FALSE(QFile::exists(folder.databasePath()));
}

TEST_F(SignIn, DatabaseFailureDuringAClickIsShownAndTheProgramGoesOn) {
    login();
    folder.exec("DROP TABLE usertable");
    login().setText(txtUserName, "admin");
    login().setText(txtPassword, "admin");
    login().button(cmdOK)->click();
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(lastBox().icon, Icon::Critical);
    EXPECT_TRUE(forms::isLoaded<frmLogin>());
    EXPECT_EQ(BaseSetup::UserLevel, 0);
}

}  // namespace

namespace {

// A level nobody could have given: refused, not read as 0 (every menu) or wrapped to 1.
TEST_F(SignIn, AnAccountWithoutAValidLevelIsRefused) {
    for (const char* level : {"NULL", "'clerk'", "65537", "-40000", "2.5", "''"}) {
        folder.exec(QString("DELETE FROM usertable WHERE username='odd';"
                            "INSERT INTO usertable (username, password2, ulevel) VALUES ('odd', '%1', %2)")
                        .arg(Encrypt("pw"), level));
        attempt("odd", "pw");
        EXPECT_EQ(lastBox().icon, Icon::Critical) << level;
        EXPECT_TRUE(lastBox().prompt.contains("odd")) << level;
        EXPECT_TRUE(forms::isLoaded<frmLogin>()) << level;
        EXPECT_EQ(BaseSetup::UserLevel, 0) << level;
        EXPECT_EQ(menusEnabled(), std::vector<bool>(5, false)) << level;
    }
    folder.exec("UPDATE usertable SET ulevel = '5' WHERE username='odd'");
    attempt("odd", "pw");
    EXPECT_EQ(BaseSetup::UserLevel, 5);
}

TEST_F(SignIn, ANameWithAQuoteNeverSignsInEvenWhenStored) {
    addUser("o''neil", "pw", 9);
    addUser("", "pw", 9);
    attempt("o'neil", "pw");
    EXPECT_EQ(lastBox().prompt, "Username Not in Database or Blank Password Specified");
    EXPECT_EQ(menusEnabled(), std::vector<bool>(5, false));
}

// Every letter and digit goes through the scrambling and back.
TEST_F(SignIn, APasswordOfEveryLetterAndDigitSignsIn) {
    const QString every = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .-_";
    addUser("all", every, 5);
    attempt("all", every);
    EXPECT_EQ(lastBox().prompt, "Login Sucessfull!Welcome to Pravel System");
    EXPECT_EQ(BaseSetup::UserLevel, 5);
}

}  // namespace

}  // namespace tests
