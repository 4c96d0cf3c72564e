#include "records/PntPravel.h"

#include "records/PhotoChange.h"
#include "records/EmployeeControls.h"

namespace records {

using namespace employeeControls;

namespace {

using forms::Control;
using forms::ControlChange;
using forms::Kind;

const forms::WindowDesign kWindow{.caption = "Printing Pravel - Double Click to Generate Pravel.xls",
                                  .clientWidth = 12735, .clientHeight = 9300,
                                  .backColor = forms::rgb(192, 192, 255)};

// What the print view's design changes in the editor's.
const ControlChange kDesignChanges[] = {
    {ControlChange::Visible, {.name = cinAd, .kind = Kind::Button, .visible = false}},
    {ControlChange::Visible, {.name = Cinsa2, .kind = Kind::Button, .visible = false}},
    {ControlChange::Visible, {.name = CinSa, .kind = Kind::Button, .visible = false}},
    {ControlChange::Visible, {.name = CinEd, .kind = Kind::Button, .visible = false}},
    {ControlChange::Visible, {.name = CinCa, .kind = Kind::Button, .visible = false}},
    {ControlChange::Visible, {.name = CinDel, .kind = Kind::Button, .visible = false}},
    {ControlChange::Visible, {.name = CinDe, .kind = Kind::Button, .visible = false}},
    {ControlChange::Geometry,
     {.name = CinCls, .kind = Kind::Button, .left = 13440, .top = 8640, .width = 1215, .height = 375}},
    {ControlChange::Caption, {.name = Label4, .kind = Kind::Label, .caption = "Work Address :"}},
    {ControlChange::Geometry,
     {.name = SSTab1, .kind = Kind::TabControl, .left = 1560, .top = 2040, .width = 11565, .height = 6855}},
    {ControlChange::Geometry,
     {.name = Calendar2, .kind = Kind::MonthCalendar, .left = 5880, .top = 600, .width = 4575, .height = 3255}},
    {ControlChange::Geometry,
     {.name = Calendar3, .kind = Kind::MonthCalendar, .left = 2400, .top = 2760, .width = 3855, .height = 3015}},
    {ControlChange::Geometry,
     {.name = Frame10, .kind = Kind::Frame, .left = 360, .top = 1920, .width = 10575, .height = 4095}},
    {ControlChange::Geometry,
     {.name = Frame11, .kind = Kind::Frame, .left = 360, .top = 2400, .width = 10575, .height = 3975}},
};

EmployeeWindowTraits printTraits() {
    return {.followsUserLevel = false,
            .listStaysShown = true,
            .hidesListLnk = false,
            .nationalities = {"Malaysian"},
            .details = {.writesLnk = false, .hidesLnk = false, .formatsEmploymentDates = false}};
}

}  // namespace

PntPravel::PntPravel() : EmployeeWindow(kWindow, kDesignChanges, printTraits()) {}

void PntPravel::CinDe_Click() {
    runAgeStatements();
    EmployeeWindow::CinDe_Click();
}

// Open the employee, write the CV, back to the list.
void PntPravel::listRowActivated() {
    try {
        CinDe_Click();
        press(Command20);
    } catch (...) {
        // A failed run still ends on the list, so that the next double-click opens its own row.
        returnToList();
        throw;
    }
    CinDe_Click();
}

void PntPravel::returnToList() {
    if (text(CinDe) != QLatin1String("Details")) CinDe_Click();
}

void PntPravel::changePhoto() { changePhotoThroughStore(*this); }

void PntPravel::unloadSelf() { forms::unload<PntPravel>(); }

}  // namespace records
