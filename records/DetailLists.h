#pragma once

#include "platform/forms/Design.h"

#include <QString>

#include <memory>
#include <span>

namespace db {
class Connection;
class Recordset;
}
namespace forms {
class Form;
}

namespace records {

class ShownTexts;

// What an employee window writes and shows of its detail lists; the print view differs from the editor.
struct DetailListsProfile {
    bool writesLnk = true;               // add-panel saves write lnk 1 (and the family save Age 0)
    bool hidesLnk = true;                // reloads hide lnk in every grid and the family N
    bool formatsEmploymentDates = true;  // reloads show the employment dates as dd/mmm/yyyy
};

// The four detail tabs of an employee window: the seven detail recordsets bound to their grids,
// the add panels with their saves, the spouse and hobby saves, the three calendars, and the labels
// that show and close the tabs. It works on the controls of its window, which holds design().
class DetailLists {
public:
    // The spouse and hobby saves write only what changed since the fields showed the employee.
    DetailLists(forms::Form& window, db::Connection& connection, db::Recordset& employeeList,
                ShownTexts& shown, DetailListsProfile profile);
    ~DetailLists();
    DetailLists(const DetailLists&) = delete;
    DetailLists& operator=(const DetailLists&) = delete;

    // SSTab1 with everything on it, to be added to the window's own design.
    static std::span<const forms::Control> design();

    // Opens the seven recordsets for the id in Text1 (the window's load, one step).
    void openRecordsets();
    // Binds DataGrid1-3 and DataGrid5-8 to them (the window's load, the next step); read-only lists
    // take no edit, add or save until an editable reload.
    void bindGrids(bool readOnly);

    // Reload of every list for the id in Text1, editable or (level 1) read-only.
    void LoadDetailGrids();
    void LoadDetailGridsReadOnly();

    // The detail recordset bound to a grid (DataGrid1 ... DataGrid8).
    db::Recordset& recordset(forms::ControlName grid);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace records
