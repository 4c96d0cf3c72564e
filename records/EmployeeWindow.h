#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Form.h"
#include "records/DetailLists.h"
#include "records/EmployeeFields.h"

#include <QStringList>

#include <span>

namespace records {

// What sets the print view apart from the editor, beyond its design differences.
struct EmployeeWindowTraits {
    bool followsUserLevel;      // level 1 gets read-only records and lists
    bool listStaysShown;        // opening an employee leaves the list over the fields
    bool hidesListLnk;          // the load hides lnk in the employee list
    QStringList nationalities;  // the items of Nat
    DetailListsProfile details;
};

// The employee window: the list of employees over the personal fields, the record buttons and
// the four detail tabs. The record editor and the print view are this window configured twice.
class EmployeeWindow : public forms::Form {
    Q_OBJECT
public:
    EmployeeWindow(const forms::WindowDesign& window, std::span<const forms::ControlChange> changes,
                   EmployeeWindowTraits traits);
    ~EmployeeWindow() override;

    // The personal part of the design followed by the detail tabs.
    static std::span<const forms::Control> design();

    // The Details/Browse switch between the list and one employee.
    virtual void CinDe_Click();

    db::Connection& connection() { return connection_; }
    db::Recordset& employeeList() { return list_; }
    DetailLists& details() { return details_; }

    // Reopens the employee list and binds it again; aid is hidden, lnk on request. The current row
    // is the employee given, or the first row.
    void relist(bool hidesLnk = false, const QString& empid = {});

protected:
    void load() override;
    void unload() override;

    // A row of the list was double-clicked (there is a current row).
    virtual void listRowActivated();
    // Image1 was clicked: the photo change.
    virtual void changePhoto() {}
    // Close: every window unloads its own shared instance.
    virtual void unloadSelf() = 0;

    bool hasCurrentRow() const;
    void runAgeStatements();

private:
    // Ends every record action: level 1 is left with nothing usable that changes a record.
    struct KeepReadOnly {
        EmployeeWindow& window;
        ~KeepReadOnly() { window.lockForReadOnlyLevel(); }
    };

    bool readOnlyLevel() const;
    void lockForReadOnlyLevel();
    bool showsStoredEmployee() const;
    void moveListTo(const QString& empid);
    void fillCombos();
    void hideListColumns(bool withLnk);
    void wireHandlers();

    void cinAd_Click();
    void Cinsa2_Click();
    void CinEd_Click();
    void CinSa_Click();
    void CinCa_Click();
    void CinDel_Click();
    void Command20_Click();
    void Text11_Validate();
    void DataGrid4_HeadClick(int column);

    void openEmployee();
    void leaveAddingMode();
    void showIdAlreadyStored();
    void DeleteEmployeeDetails(const QString& empid);

    EmployeeWindowTraits traits_;
    db::Connection connection_;
    db::Recordset list_;      // closed and reopened, never replaced: the detail lists hold it
    db::Recordset idCount_;
    ShownTexts shown_;        // what the fields showed of the employee loaded last
    DetailLists details_;
};

}  // namespace records
