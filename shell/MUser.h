#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Form.h"
#include "shell/PasswordPanel.h"

namespace forms {
class FlexGrid;
}

namespace shell {

namespace userControls {
FORMS_CONTROL(DataGrid1);
FORMS_CONTROL(cmdadd);
FORMS_CONTROL(cmdchange);
FORMS_CONTROL(cmddelete);
FORMS_CONTROL(Cmdlst);
FORMS_CONTROL(Command1);
FORMS_CONTROL(Frame1);
FORMS_CONTROL(MSHFlexGrid1);
using namespace passwordPanel;   // Label3 to Text6
FORMS_CONTROL(Label6);
FORMS_CONTROL(Label10);
FORMS_CONTROL(Option1);
FORMS_CONTROL(Option2);
FORMS_CONTROL(Option3);
FORMS_CONTROL(Lel);
FORMS_CONTROL(lel2);
FORMS_CONTROL(Label1);
FORMS_CONTROL(Command3);
FORMS_CONTROL(Edsave);
}  // namespace userControls

// User maintenance: lists the accounts, adds one with a level and a password, changes a level
// and password, deletes one. The chosen level and the duplicate count live in hidden labels.
class MUser : public forms::Form {
    Q_OBJECT
public:
    MUser();

protected:
    void load() override;
    void unload() override;

private:
    void cmdadd_Click();
    void cmdchange_Click();
    void cmddelete_Click();
    void Cmdlst_Click();
    void Command3_Click();
    void Edsave_Click();
    void SelectUserRow();
    void ShowUserForEdit();
    void SortUsersByColumn(int column);
    void Form_Click();
    void MSHFlexGrid1_DblClick();
    void MSHFlexGrid1_MouseDown(const forms::MouseDown& press);

    bool hasCurrentUser() const;
    void showCurrentUser();
    void clearPasswords();
    void showPanel(const QString& caption, bool nameTyped);
    void showSaveButton(forms::ControlName save);
    void storeNewUser(const QString& name);
    bool storeLevelAndPassword(const QString& scrambled);
    void openUsers();
    void setUpUserColumns();
    void sortList(forms::FlexGrid& list);

    db::Connection connection_;
    db::Recordset user_;
    db::Recordset count_;
    db::Recordset list_;
    int listSortedColumn_ = 0;
    bool listDescending_ = false;
};

}  // namespace shell
