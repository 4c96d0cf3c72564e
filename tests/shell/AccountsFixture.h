#pragma once

#include "common/Password.h"
#include "common/SqlText.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "shell/MDIMain.h"
#include "shell/frmLogin.h"
#include "tests/support/ProgramFolder.h"

#include <optional>

namespace tests {

// A usertable row as stored.
struct StoredUser {
    QString password2;
    qint64 level = 0;
    QString description;
};

// A fresh program folder with the administrator admin/admin, the main window, and the user rows
// read back as stored.
class AccountsTest : public ProgramTest {
protected:
    ~AccountsTest() override {
        if (shell::MDIMain::exists()) delete &shell::MDIMain::instance();
    }

    void addUser(const QString& name, const QString& password, int level, const QString& description) {
        folder.exec(QStringLiteral("INSERT INTO usertable (username, password2, ulevel, descriptions) "
                                   "VALUES ('%1', '%2', %3, '%4')")
                        .arg(sqlEscape(name), sqlEscape(Encrypt(password)))
                        .arg(level)
                        .arg(description));
    }

    std::optional<StoredUser> stored(const QString& name) const {
        db::Connection connection;
        connection.open(QStringLiteral("Data Source=") + folder.databasePath());
        db::Recordset row;
        row.open(QStringLiteral("SELECT * FROM usertable WHERE username = '%1' COLLATE BINARY").arg(sqlEscape(name)),
                 &connection);
        if (row.eof()) return std::nullopt;
        return StoredUser{row.field("password2").toString(), row.field("ulevel").toInt(),
                          row.field("descriptions").toString()};
    }

    // Signs in through the sign-in window as a user would; true when it let the user in.
    bool signsIn(const QString& name, const QString& password) {
        using namespace shell::loginControls;
        auto& login = forms::get<shell::frmLogin>();
        login.setText(txtUserName, name);
        login.setText(txtPassword, password);
        login.press(cmdOK);
        const bool in = !forms::isLoaded<shell::frmLogin>();
        forms::unload<shell::frmLogin>();
        return in;
    }

    const ScriptedMessageBoxes::Shown& lastBox() const {
        EXPECT_FALSE(services.boxes.shown.empty());
        return services.boxes.shown.back();
    }
    QString lastPrompt() const { return services.boxes.shown.empty() ? QString() : lastBox().prompt; }
};

}  // namespace tests
