#include "shell/frmLogin.h"

#include "common/BaseSetup.h"
#include "common/Blanks.h"
#include "common/Password.h"
#include "common/ProgramDatabase.h"
#include "common/SqlText.h"
#include "common/UserNames.h"
#include "shell/MDIMain.h"

#include <cmath>
#include <limits>

namespace shell {

using namespace loginControls;

namespace {

using forms::Control;
using forms::Kind;

constexpr forms::Colour kBack = forms::rgb(192, 192, 255);

const forms::WindowDesign kWindow{.caption = "Login", .clientWidth = 9510, .clientHeight = 4005, .backColor = kBack};

const Control kDesign[] = {
    {.name = lblLabels0, .kind = Kind::Label, .caption = "&User Name:",
     .left = 2265, .top = 2310, .width = 1080, .height = 270, .border = false, .backColor = kBack},
    {.name = txtUserName, .kind = Kind::TextBox, .left = 3450, .top = 2295, .width = 2325, .height = 345},
    {.name = lblLabels1, .kind = Kind::Label, .caption = "&Password:",
     .left = 2265, .top = 2700, .width = 1080, .height = 270, .border = false, .backColor = kBack},
    {.name = txtPassword, .kind = Kind::TextBox, .left = 3450, .top = 2685, .width = 2325, .height = 345,
     .password = true},
    {.name = cmdOK, .kind = Kind::Button, .caption = "OK", .left = 2280, .top = 3360, .width = 1140, .height = 390,
     .isDefault = true, .graphical = true, .backColor = kBack},
    {.name = cmdCancel, .kind = Kind::Button, .caption = "Cancel", .left = 0, .top = 3480, .width = 1140,
     .height = 390, .visible = false, .isCancel = true},
    {.name = Text1, .kind = Kind::TextBox, .caption = "Text1", .left = 6480, .top = 1800, .width = 1815,
     .height = 495, .visible = false},
    {.name = Command1, .kind = Kind::Button, .caption = "Command1", .left = 7080, .top = 3360, .width = 975,
     .height = 375, .visible = false},
    {.name = LabelU, .kind = Kind::Label, .caption = "LU", .left = 4920, .top = 3480, .width = 735, .height = 255,
     .visible = false},
};

// Disabled while the sign-in window is up, in this order.
constexpr forms::ControlName kTopMenus[] = {mainMenus::CusM, mainMenus::StkM, mainMenus::Users, mainMenus::FileM,
                                           mainMenus::Abt};

}  // namespace

frmLogin::frmLogin() : forms::Form(kWindow, kDesign) {
    onClick(cmdOK, [this] { cmdOK_Click(); });
    onClick(cmdCancel, [this] { hideWindow(); });
    onClick(Command1, [this] { setText(Text1, Encrypt(text(txtUserName))); });
    onChange(txtUserName, [this] { BaseSetup::CurrentUserName = text(txtUserName); });
}

void frmLogin::load() {
    setTwipsTop(1200);
    setTwipsLeft(2500);
    setTwipsHeight(5000);
    for (const forms::ControlName menu : kTopMenus) MDIMain::instance().setMenuEnabled(menu, false);
    // A failure here ends the load; the window still comes up.
    trapped([this] { openProgramDatabase(connection_); });
}

void frmLogin::cmdOK_Click() {
    if (!connection_.isOpen()) {
        forms::msgBox(QStringLiteral("The database could not be opened, so nobody can sign in. "
                                     "Close the program and check the file MainDB.mdb."),
                      forms::Buttons::OK, forms::Icon::Critical);
        return;
    }
    const QString name = text(txtUserName);
    if (!isUsableUserName(name)) {
        // No account may hold such a name: it is not in the database.
        setText(LabelU, QStringLiteral("0"));
    } else {
        nameCount_.open(QStringLiteral("SELECT count(*) as NameT from usertable where username='") + sqlEscape(name) +
                            QStringLiteral("'"),
                        &connection_, db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText);
        user_.open(QStringLiteral("SELECT * from usertable where username='") + sqlEscape(name) + QStringLiteral("'"),
                   &connection_, db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText);
        setText(LabelU, nameCount_.field(QStringLiteral("NameT")).toString());
    }

    if (text(LabelU).toInt() == 0 || text(txtPassword).isEmpty()) {
        refuse(QStringLiteral("Username Not in Database or Blank Password Specified"), forms::Icon::Information);
        return;
    }
    if (!passwordMatches()) {
        refuse(QStringLiteral("Username Found with Incorrect Password Given"), forms::Icon::None);
        return;
    }
    signIn();
}

// The attempt ends with its message; the next one opens both recordsets anew.
void frmLogin::refuse(const QString& message, forms::Icon icon) {
    forms::msgBox(message, forms::Buttons::OK, icon);
    nameCount_.close();
    user_.close();
}

bool frmLogin::passwordMatches() {
    return trimTrailingBlanks(Decrypt(user_.field(QStringLiteral("Password2")).toString())) ==
           text(txtPassword);
}

// A level must be a whole number of the shared 16-bit state: a Null or a text read as 0, or 65537
// wrapped to 1, would hand an account menus nobody gave it.
std::optional<std::int16_t> frmLogin::storedLevel() const {
    const db::Value value = user_.field(QStringLiteral("ulevel"));
    bool whole = false;
    qlonglong level = 0;
    switch (value.type()) {
    case db::Value::Type::Integer: level = value.toInt(); whole = true; break;
    case db::Value::Type::Double: {
        const double number = value.toDouble();
        whole = std::isfinite(number) && std::trunc(number) == number && std::abs(number) < 1e9;
        level = whole ? qlonglong(number) : 0;
        break;
    }
    case db::Value::Type::Text: level = value.toString().trimmed().toLongLong(&whole); break;
    default: break;
    }
    if (!whole || level < std::numeric_limits<std::int16_t>::min() || level > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(level);
}

void frmLogin::signIn() {
    const std::optional<std::int16_t> level = storedLevel();
    if (!level) {
        refuse(QStringLiteral("The account %1 has no valid user level, so it cannot sign in. "
                              "An administrator can set its level in User Maintenance.")
                   .arg(text(txtUserName)),
               forms::Icon::Critical);
        return;
    }
    BaseSetup::CurrentUserName = text(txtUserName);
    BaseSetup::UserLevel = *level;
    MDIMain& main = MDIMain::instance();
    const bool limited = BaseSetup::UserLevel == 1 || BaseSetup::UserLevel == 5;
    main.setMenuEnabled(mainMenus::CusM, true);
    main.setMenuEnabled(mainMenus::StkM, true);
    if (!limited) main.setMenuEnabled(mainMenus::Users, true);
    main.setMenuEnabled(mainMenus::FileM, true);
    main.setMenuEnabled(mainMenus::Abt, true);
    forms::msgBox(QStringLiteral("Login Sucessfull!Welcome to Pravel System"));
    forms::unload<frmLogin>();
}

void frmLogin::unload() {
    user_.detach();
    connection_.close();
}

}  // namespace shell
