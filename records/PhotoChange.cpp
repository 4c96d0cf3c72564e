#include "records/PhotoChange.h"

#include "common/BaseSetup.h"
#include "platform/forms/Form.h"
#include "records/EmpImg.h"
#include "records/EmployeeWindow.h"

namespace records {

void changePhotoThroughStore(forms::Form& window) {
    usingPhotoStore([&window] {
        takeStorePhoto(window);
        forms::get<EmpImg>().press(QStringLiteral("Command3"));
        takeStorePhoto(window);
    });
}

void changeEditorPhoto(EmployeeWindow& editor) {
    editor.hide(QStringLiteral("Label23"));
    for (const char* button : {"CinSa", "CinDel", "CinEd", "cinAd"}) editor.disable(QLatin1String(button));
    changePhotoThroughStore(editor);
    editor.relist(true, BaseSetup::CurrentEmpId);
}

}  // namespace records
