#pragma once

#include "platform/forms/Form.h"

#include <functional>
#include <memory>

struct PictureWindowData;

namespace records {

namespace photoStoreControls {
FORMS_CONTROL(Image1);
FORMS_CONTROL(Text1);
FORMS_CONTROL(Text2);
FORMS_CONTROL(Command1);
FORMS_CONTROL(Command2);
FORMS_CONTROL(Command3);
}  // namespace photoStoreControls

// The employee photo store: a hidden window, never shown, driven by the employee windows.
// Touching it loads it, which writes the photo of CurrentEmpId out to the program folder, names
// that file in EmpPicturePath and shows it in Image1. "Command3" changes the photo.
class EmpImg : public forms::Form {
    Q_OBJECT
public:
    EmpImg();
    ~EmpImg() override;

protected:
    void load() override;
    void unload() override;

private:
    void saveImage();       // Command1 "Save Image"
    void retrieveImage();   // Command2 "Retrieve Image"
    void changeLogo();      // Command3 "Change Logo"
    bool storePhoto();
    void showOnEditor();
    void showDialogFile();

    std::unique_ptr<PictureWindowData> d_;
};

// The window's Image1 takes the photo that the store's Image1 shows; touching the store loads it.
void takeStorePhoto(forms::Form& window);

// Runs a use of the store and unloads the store after it, also when the use fails, so that the next
// use reads the photo of the then current employee instead of finding this one's still loaded.
void usingPhotoStore(const std::function<void()>& use);

}  // namespace records
