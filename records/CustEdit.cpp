#include "records/CustEdit.h"

#include "records/PhotoChange.h"
#include "records/EmployeeControls.h"

namespace records {

using namespace employeeControls;

namespace {

const forms::WindowDesign kWindow{.caption = "", .clientWidth = 12735, .clientHeight = 9300,
                                  .backColor = forms::rgb(192, 192, 255)};

EmployeeWindowTraits editorTraits() {
    return {.followsUserLevel = true,
            .listStaysShown = false,
            .hidesListLnk = true,
            .nationalities = {"Malaysia", "Singapore", "Indonesia", "Thailand", "Korea", "Japan", "America",
                              "Philipine", "China", "Hong Kong", "Taiwan", "India", "Sri Langka", "Australia"},
            .details = {}};
}

}  // namespace

CustEdit::CustEdit() : EmployeeWindow(kWindow, {}, editorTraits()) {}

void CustEdit::changePhoto() { changeEditorPhoto(*this); }

void CustEdit::unloadSelf() { forms::unload<CustEdit>(); }

}  // namespace records
