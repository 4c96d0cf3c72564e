#pragma once

#include "records/EmployeeWindow.h"

namespace records {

// The record editor: list, open, add, edit and delete employees; level 1 only reads.
class CustEdit : public EmployeeWindow {
    Q_OBJECT
public:
    CustEdit();

protected:
    void changePhoto() override;
    void unloadSelf() override;
};

}  // namespace records
