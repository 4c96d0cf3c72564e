#include "records/PhotoChange.h"

#include "common/BaseSetup.h"
#include "platform/forms/Form.h"
#include "records/EmpImg.h"
#include "records/EmployeeWindow.h"
#include "records/EmployeeControls.h"

namespace records {

using namespace employeeControls;

void changePhotoThroughStore(forms::Form& window) {
    usingPhotoStore([&window] {
        takeStorePhoto(window);
        forms::get<EmpImg>().press(Command3);
        takeStorePhoto(window);
    });
}

void changeEditorPhoto(EmployeeWindow& editor) {
    editor.hide(Label23);
    for (const forms::ControlName button : {CinSa, CinDel, CinEd, cinAd}) editor.disable(button);
    changePhotoThroughStore(editor);
    editor.relist(true, BaseSetup::CurrentEmpId);
}

}  // namespace records
