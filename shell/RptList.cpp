#include "shell/RptList.h"

#include "common/BaseSetup.h"
#include "platform/forms/DesignRows.h"

#include <initializer_list>

namespace shell {

using namespace reportListControls;

namespace {

using forms::rows::button;

const forms::WindowDesign kWindow{.caption = "Form2", .clientWidth = 11805, .clientHeight = 7740, .mdiChild = false};

const forms::Control kDesign[] = {
    button(CmdF, {}, "Family", 240, 480, 1935, 495),
    button(CmdS, {}, "Skill", 240, 1080, 1935, 495),
    button(CmdL, {}, "Language", 240, 1680, 1935, 495),
    button(CmdA, {}, "Academic", 240, 2280, 1935, 495),
    button(CmdT, {}, "Training", 240, 2880, 1935, 495),
    button(CmdE, {}, "Employment", 240, 3480, 1935, 495),
    button(CmdP, {}, "Project", 240, 4080, 1935, 495),
};

// Each report gets the connection text anew, then runs and goes to the preview, in the order given.
void run(std::initializer_list<report::ReportControl*> reports) {
    for (report::ReportControl* report : reports) {
        report->setConnect(BaseSetup::DataSourceString());
        report->retrieveData();
        report->printReport();
    }
}

}  // namespace

RptList::RptList() : forms::Form(kWindow, kDesign) {
    onClick(CmdF, [this] { run({&RF1, &Rf2}); });
    onClick(CmdS, [this] { run({&Rs1, &Rs2}); });
    onClick(CmdL, [this] { run({&Rl1, &Rl2}); });
    onClick(CmdA, [this] { run({&Ra1}); });
    onClick(CmdT, [this] { run({&Rt1, &Rt2}); });
    onClick(CmdE, [this] { run({&Re1}); });
    onClick(CmdP, [this] { run({&Rp1}); });
}

}  // namespace shell
