#pragma once

#include "records/EmployeeWindow.h"

namespace records {

// The print view: the editor's window configured for output. Its list never hides, its record
// buttons are hidden, and a double-click on an employee writes that employee's CV.
class PntPravel : public EmployeeWindow {
    Q_OBJECT
public:
    PntPravel();

    void CinDe_Click() override;

protected:
    void listRowActivated() override;
    void changePhoto() override;
    void unloadSelf() override;

private:
    void returnToList();
};

}  // namespace records
