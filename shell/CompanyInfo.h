#pragma once

#include "platform/forms/Form.h"

#include <QPixmap>

#include <memory>

struct PictureWindowData;

namespace shell {

namespace companyControls {
FORMS_CONTROL(Image1);
FORMS_CONTROL(Image2);
FORMS_CONTROL(Label1);
FORMS_CONTROL(Text3);
FORMS_CONTROL(Label2);
FORMS_CONTROL(Text4);
FORMS_CONTROL(Label3);
FORMS_CONTROL(Text5);
FORMS_CONTROL(Label4);
FORMS_CONTROL(Text6);
FORMS_CONTROL(Label5);
FORMS_CONTROL(Text7);
FORMS_CONTROL(Label6);
FORMS_CONTROL(Text8);
FORMS_CONTROL(Label9);
FORMS_CONTROL(Text2);
FORMS_CONTROL(Label7);
FORMS_CONTROL(Label10);
FORMS_CONTROL(Text9);
FORMS_CONTROL(Command3);
FORMS_CONTROL(Command1);
FORMS_CONTROL(Command2);
FORMS_CONTROL(Text1);
FORMS_CONTROL(Label8);
FORMS_CONTROL(Command4);
}  // namespace companyControls

// The company profile: the one companyinfo row with its logo. Everybody reads it and can have the
// logo written out to the program folder; only an administrator (level 9) gets "Save Changes" and
// the logo that changes on a double-click. Command1 to Command3 are the window's own operations,
// run from its code, never shown.
class CompanyInfo : public forms::Form {
    Q_OBJECT
public:
    CompanyInfo();
    ~CompanyInfo() override;

protected:
    void load() override;
    void unload() override;
    // Label9 reads "Change Logo" while a mouse button is held on it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void saveImage();      // Command1 "Save Image"
    void retrieveImage();  // Command2 "Retrieve Image"
    void changeLogo();     // Command3 "Change Logo"
    void saveChanges();    // Command4 "Save Changes"
    void replaceRow();
    void writeTexts();
    void showLogo();

    std::unique_ptr<PictureWindowData> d_;
};

// The picture the logo image holds at design: a neutral grey placeholder.
QPixmap designLogo();

}  // namespace shell
