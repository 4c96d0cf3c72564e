#include "shell/CHkPwd.h"

#include "common/Password.h"
#include "common/ProgramDatabase.h"
#include "common/SqlText.h"
#include "platform/forms/ButtonPicture.h"
#include "platform/forms/DesignRows.h"

#include <QPushButton>

namespace shell {

using namespace passwordControls;

namespace {

using forms::Kind;

constexpr forms::Colour kBack = forms::rgb(192, 192, 255);

const forms::WindowDesign kWindow{.caption = "User", .clientWidth = 13425, .clientHeight = 4950, .backColor = kBack};

const forms::Control kFrame[] = {
    {.name = Frame1, .kind = Kind::Frame, .caption = "Change Password", .left = 840, .top = 960, .width = 11655,
     .height = 2655},
};
const auto kPanel = passwordPanel::rows(Frame1, 2520, 360, false, kBack);
const forms::Control kSave[] = {
    {.name = Edsave, .kind = Kind::Button, .container = Frame1, .left = 2520, .top = 1680, .width = 855,
     .height = 375, .graphical = true, .backColor = forms::rgb(128, 128, 255)},
};
const std::vector<forms::Control> kDesign = forms::rows::joined({kFrame, kPanel, kSave});

}  // namespace

CHkPwd::CHkPwd() : forms::Form(kWindow, kDesign) {
    forms::showSavePicture(button(Edsave));
    onClick(Edsave, [this] { Edsave_Click(); });
}

void CHkPwd::showForUser(const QString& userName) {
    setText(Text4, userName);
    showWindow();
}

void CHkPwd::load() {
    trapped([this] { openProgramDatabase(connection_); });
}

void CHkPwd::Edsave_Click() {
    const QString password = text(Text5);
    const QString scrambled = Encrypt(password);
    if (text(Text6) != password || password.isEmpty()) {
        forms::msgBox(QStringLiteral(" Password Does Not Matched or Password is Blank "), forms::Buttons::OK,
                      forms::Icon::Information);
        return;
    }
    if (!connection_.isOpen()) {
        forms::msgBox(QStringLiteral("The database could not be opened when this window was loaded, so the password "
                                     "was not changed. Close the window and choose Change Password again."),
                      forms::Buttons::OK, forms::Icon::Critical);
        return;
    }
    const long changed = connection_.execute(QStringLiteral("update usertable set password2 = '") +
                                             sqlEscape(scrambled) + QStringLiteral("' where username='") +
                                             sqlEscape(text(Text4)) + QStringLiteral("'"));
    if (changed == 0) {
        // The account went while the window was open (deleted in User Maintenance).
        forms::msgBox(QStringLiteral("There is no user %1 in the database any more, so no password was changed.")
                          .arg(text(Text4)),
                      forms::Buttons::OK, forms::Icon::Exclamation);
        return;
    }
    forms::msgBox(QStringLiteral("Password Changed"));
    forms::unload<CHkPwd>();
}

void CHkPwd::unload() { connection_.close(); }

}  // namespace shell
