#pragma once

#include "platform/forms/Form.h"

namespace shell {

namespace developerControls {
FORMS_CONTROL(Label1);
FORMS_CONTROL(Label4);
FORMS_CONTROL(Label7);
FORMS_CONTROL(Label6);
FORMS_CONTROL(Label3);
}  // namespace developerControls

// Who developed the program: labels only, nothing read or written.
class DevInfo : public forms::Form {
    Q_OBJECT
public:
    DevInfo();

protected:
    void load() override;
};

}  // namespace shell
