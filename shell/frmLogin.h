#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Form.h"

namespace shell {

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
    bool passwordMatches();
    void signIn();

    db::Connection connection_;
    db::Recordset nameCount_;
    db::Recordset user_;
};

}  // namespace shell
