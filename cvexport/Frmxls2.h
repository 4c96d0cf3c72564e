#pragma once

#include "platform/forms/Form.h"

#include <memory>

namespace cvexport {

namespace generatorControls {
FORMS_CONTROL(RunXl);
}  // namespace generatorControls

// The CV generator: a hidden window. Pressing "RunXl" writes the CV of CurrentEmpId to
// "C:\Pravel.xls" and offers to open it; the window unloads itself at the end of the run.
class Frmxls2 : public forms::Form {
    Q_OBJECT
public:
    Frmxls2();
    ~Frmxls2() override;

protected:
    void unload() override;

private:
    void RunXl_Click();
    void WriteEmploymentHistory();
    void WriteProjectReference();

    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace cvexport
