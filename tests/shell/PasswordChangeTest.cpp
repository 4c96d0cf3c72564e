#include "AccountsFixture.h"

#include "common/BaseSetup.h"
#include "shell/CHkPwd.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>

namespace tests {

namespace {

using namespace shell::passwordControls;
using shell::CHkPwd;

const QString kRefused = QStringLiteral(" Password Does Not Matched or Password is Blank ");

class PasswordChange : public AccountsTest {
protected:
    PasswordChange() { BaseSetup::CurrentUserName = QStringLiteral("admin"); }

    CHkPwd& chooseChangePassword() {
        shell::MDIMain::instance().item(shell::mainMenus::Cpwd)->trigger();
        return forms::get<CHkPwd>();
    }

    void save(const QString& password, const QString& verify) {
        CHkPwd& window = forms::get<CHkPwd>();
        window.setText(Text5, password);
        window.setText(Text6, verify);
        window.press(Edsave);
    }
};

TEST_F(PasswordChange, TheMenuItemGivesTheSignedInNameAndChosenAgainKeepsThePasswordsTyped) {
    CHkPwd& window = chooseChangePassword();
    EXPECT_EQ(window.text(Text4), "admin");
    EXPECT_FALSE(window.isControlEnabled(Text4));
    EXPECT_EQ(window.windowTitle(), "User");
    window.as<QLineEdit>(Text5)->insert("new1");

    BaseSetup::CurrentUserName = QStringLiteral("ADMIN");
    EXPECT_EQ(&chooseChangePassword(), &window);
    EXPECT_EQ(window.text(Text4), "ADMIN");
    EXPECT_EQ(window.text(Text5), "new1");
    EXPECT_EQ(shell::MDIMain::instance().area()->subWindowList().size(), 1);
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(PasswordChange, EmptyOrDifferingPasswordsAreRefusedAndNothingIsStored) {
    chooseChangePassword();
    const QString before = stored("admin")->password2;
    const std::pair<QString, QString> attempts[] = {{"", ""}, {"Secret", "secret"}, {"pw", ""}, {"", "pw"}};
    for (const auto& [password, verify] : attempts) {
        save(password, verify);
        EXPECT_EQ(lastBox().prompt, kRefused) << password.toStdString() << "/" << verify.toStdString();
        EXPECT_EQ(lastBox().icon, forms::Icon::Information);
        EXPECT_EQ(lastBox().title, "Pravel");
        EXPECT_TRUE(forms::isLoaded<CHkPwd>());
        EXPECT_EQ(forms::get<CHkPwd>().text(Text5), password);
    }
    EXPECT_EQ(stored("admin")->password2, before);
}

TEST_F(PasswordChange, TheNewPasswordIsStoredScrambledWithoutTheOldOneAndSignsIn) {
    chooseChangePassword();
    save("Zeta2024", "Zeta2024");
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(lastBox().prompt, "Password Changed");
    EXPECT_EQ(lastBox().icon, forms::Icon::None);
    EXPECT_FALSE(forms::isLoaded<CHkPwd>());
    EXPECT_EQ(stored("admin")->password2, Encrypt("Zeta2024"));
    EXPECT_EQ(stored("admin")->password2.size(), 8);
    EXPECT_FALSE(signsIn("admin", "admin"));
    EXPECT_TRUE(signsIn("admin", "Zeta2024"));
}

TEST_F(PasswordChange, ANinthCharacterCannotBeTypedAndTheNameTakesTen) {
    CHkPwd& window = chooseChangePassword();
    window.as<QLineEdit>(Text5)->insert("123456789");
    EXPECT_EQ(window.text(Text5), "12345678");
    EXPECT_EQ(window.as<QLineEdit>(Text5)->echoMode(), QLineEdit::Password);
    window.as<QLineEdit>(Text6)->insert("abcdefghij");
    EXPECT_EQ(window.text(Text6), "abcdefgh");
    window.as<QLineEdit>(Text4)->insert("_more_than_ten");
    EXPECT_EQ(window.text(Text4).size(), 10);
}

TEST_F(PasswordChange, QuotesAndTrailingBlanksAreStoredAsTyped) {
    chooseChangePassword();
    save("it's", "it's");
    EXPECT_EQ(lastBox().prompt, "Password Changed");
    EXPECT_EQ(stored("admin")->password2, Encrypt("it's"));
    EXPECT_TRUE(signsIn("admin", "it's"));

    addUser("o'neil", "x", 1, "User");
    BaseSetup::CurrentUserName = QStringLiteral("o'neil");
    chooseChangePassword();
    save("pw  ", "pw  ");
    EXPECT_EQ(lastBox().prompt, "Password Changed");
    EXPECT_EQ(stored("o'neil")->password2, Encrypt("pw  "));
    EXPECT_EQ(stored("admin")->password2, Encrypt("it's"));
}

TEST_F(PasswordChange, AnAccountDeletedMeanwhileIsNotReportedAsChanged) {
    chooseChangePassword();
    folder.exec("DELETE FROM usertable WHERE username = 'admin'");
    save("pw", "pw");
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_NE(lastBox().prompt, "Password Changed");
    EXPECT_TRUE(lastBox().prompt.contains("admin"));
    EXPECT_EQ(lastBox().icon, forms::Icon::Exclamation);
    EXPECT_TRUE(forms::isLoaded<CHkPwd>());
    EXPECT_FALSE(stored("admin"));
}

TEST_F(PasswordChange, AMissingDatabaseIsReportedAtLoadAndASaveThenChangesNothing) {
    QFile::rename(folder.databasePath(), folder.file("away.mdb"));
    CHkPwd& window = chooseChangePassword();
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(lastBox().title, "Error message. ");
    EXPECT_EQ(lastBox().icon, forms::Icon::Critical);
    EXPECT_EQ(window.text(Text4), "admin");   // the window comes up all the same

    QFile::rename(folder.file("away.mdb"), folder.databasePath());
    save("pw", "pw");
    ASSERT_EQ(services.boxes.shown.size(), 2u);
    EXPECT_EQ(lastBox().icon, forms::Icon::Critical);
    EXPECT_TRUE(lastBox().prompt.contains("not changed"));
    EXPECT_EQ(stored("admin")->password2, Encrypt("admin"));
}

}  // namespace

}  // namespace tests
