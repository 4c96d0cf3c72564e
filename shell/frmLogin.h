#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Form.h"

#include <cstdint>
#include <optional>

namespace shell {

namespace loginControls {
inline constexpr forms::ControlName lblLabels0{"lblLabels(0)"};
FORMS_CONTROL(txtUserName);
inline constexpr forms::ControlName lblLabels1{"lblLabels(1)"};
FORMS_CONTROL(txtPassword);
FORMS_CONTROL(cmdOK);
FORMS_CONTROL(cmdCancel);
FORMS_CONTROL(Text1);
FORMS_CONTROL(Command1);
FORMS_CONTROL(LabelU);
}  // namespace loginControls

// The sign-in window: the program starts with it, over the main window whose menus it holds
// disabled until a user signs in.
class frmLogin : public forms::Form {
    Q_OBJECT
public:
    frmLogin();

protected:
    void load() override;
    void unload() override;

private:
    void cmdOK_Click();
    void refuse(const QString& message, forms::Icon icon);
    bool passwordMatches();
    std::optional<std::int16_t> storedLevel() const;
    void signIn();

    db::Connection connection_;
    db::Recordset nameCount_;
    db::Recordset user_;
};

}  // namespace shell
