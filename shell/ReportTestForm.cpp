#include "shell/ReportTestForm.h"

#include "common/BaseSetup.h"
#include "platform/forms/DesignRows.h"

namespace shell {

using namespace reportTestControls;

namespace {

const forms::WindowDesign kWindow{.caption = "Form1", .clientWidth = 5580, .clientHeight = 3090, .mdiChild = false};

const forms::Control kDesign[] = {
    forms::rows::button(Command1, {}, "Command1", 360, 1320, 735, 375),
};

}  // namespace

Form1::Form1() : forms::Form(kWindow, kDesign) { onClick(Command1, [this] { Command1_Click(); }); }

void Form1::Command1_Click() {
    CR1.setConnect(BaseSetup::BlankConnectString());
    CR1.retrieveData();
    CR1.printReport();
}

}  // namespace shell
