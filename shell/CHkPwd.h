#pragma once

#include "platform/db/Connection.h"
#include "platform/forms/Form.h"
#include "shell/PasswordPanel.h"

namespace shell {

namespace passwordControls {
FORMS_CONTROL(Frame1);
using namespace passwordPanel;   // Label3 to Text6
FORMS_CONTROL(Edsave);
}  // namespace passwordControls

// The password change: the signed-in user types a new password twice and saves it. The old
// password is not asked for.
class CHkPwd : public forms::Form {
    Q_OBJECT
public:
    CHkPwd();

    // The name box takes the user's name (it cannot be typed in), then the window shows or comes forward.
    void showForUser(const QString& userName);

protected:
    void load() override;
    void unload() override;

private:
    void Edsave_Click();

    db::Connection connection_;
};

}  // namespace shell
