#pragma once

#include "platform/forms/Form.h"
#include "platform/report/ReportControl.h"

namespace shell {

namespace reportTestControls {
FORMS_CONTROL(Command1);
}  // namespace reportTestControls

// Form1, the report test window: one button runs one report over the blank connection text.
// Nothing in the program opens it.
class Form1 : public forms::Form {
    Q_OBJECT
public:
    Form1();

private:
    void Command1_Click();

    report::ReportControl CR1{QStringLiteral("C:\\Quorvel\\test.rpt")};
};

}  // namespace shell
