#pragma once

namespace forms {
class Form;
}

namespace records {

class EmployeeWindow;

// The photo change of an employee window, through the photo store: the window's Image1 takes the
// store's photo (loading the store reads the photo of CurrentEmpId), the store's "Change Logo"
// runs, Image1 takes the photo again, now the new one, and the store is unloaded.
void changePhotoThroughStore(forms::Form& window);

// The editor's photo change: the tabs' link and the record buttons are put away first (the next
// mode change brings them back), and the list of all employees is reopened afterwards.
void changeEditorPhoto(EmployeeWindow& editor);

}  // namespace records
