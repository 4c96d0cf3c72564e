#include "records/EmpImg.h"

#include "common/BaseSetup.h"
#include "common/PictureFiles.h"
#include "common/PictureWindow.h"
#include "common/SqlText.h"
#include "platform/files/Paths.h"
#include "platform/forms/Picture.h"
#include "records/CustEdit.h"
#include "records/DesignPictures.h"
#include "records/EmployeeControls.h"

#include <array>

namespace records {

using namespace photoStoreControls;

namespace {

using forms::Kind;

constexpr forms::WindowDesign kWindow{
    .caption = "Employee Image", .clientWidth = 5760, .clientHeight = 2040, .mdiChild = false};

constexpr std::array kDesign{
    forms::Control{.name = Image1, .kind = Kind::Image, .left = 120, .top = 120, .width = 1695, .height = 1455},
    forms::Control{.name = Text1, .kind = Kind::TextBox, .left = 2040, .top = 120, .width = 3495, .height = 285},
    forms::Control{.name = Text2, .kind = Kind::TextBox, .left = 2040, .top = 480, .width = 3495, .height = 285},
    forms::Control{.name = Command1, .kind = Kind::Button, .caption = "Save Image",
                   .left = 2040, .top = 960, .width = 1695, .height = 375},
    forms::Control{.name = Command2, .kind = Kind::Button, .caption = "Retrieve Image",
                   .left = 3840, .top = 960, .width = 1695, .height = 375},
    forms::Control{.name = Command3, .kind = Kind::Button, .caption = "Change Logo",
                   .left = 2040, .top = 1440, .width = 1695, .height = 375},
};

const QString kPictureField = QStringLiteral("LImage");

QString employeeQuery(const char* select) {
    return QString::fromLatin1(select) + sqlEscape(BaseSetup::CurrentEmpId) + QLatin1Char('\'');
}

// The photo copy that could not be written last: told once, not at every employee opened.
QString& unwritablePhoto() {
    static QString path;
    return path;
}

void reportUnwritable(const QString& path) {
    if (unwritablePhoto() == path) return;
    unwritablePhoto() = path;
    forms::msgBox(QStringLiteral("The photo could not be written to %1: the program folder is read-only or the "
                                 "disk is full. The employee is shown without a photo.")
                      .arg(files::nativePath(path)),
                  forms::Buttons::OK, forms::Icon::Exclamation);
}

}  // namespace

EmpImg::EmpImg() : forms::Form(kWindow, kDesign), d_(std::make_unique<PictureWindowData>()) {
    picture(Image1)->setPicture(designPhoto());
    onClick(Command1, [this] { saveImage(); });
    onClick(Command2, [this] { retrieveImage(); });
    onClick(Command3, [this] { changeLogo(); });
}

EmpImg::~EmpImg() = default;

void EmpImg::load() {
    d_->openConnection();
    press(Command2);
    showDialogFile();
}

void EmpImg::unload() { d_->release(); }

// Writes the photo of CurrentEmpId to the program folder and names that file. Only a file
// written from this employee's row is named: without a row or a stored photo the name is empty,
// so no picture another employee left under the same name is shown or given to the CV.
void EmpImg::retrieveImage() {
    d_->openRecordset(employeeQuery("SELECT * FROM employee where empid='"), db::adOpenKeyset,
                     db::adOptionUnspecified);
    const PictureCopy copy = writePictureCopy(&d_->recordset);
    d_->recordset.close();
    if (copy.written()) unwritablePhoto().clear();
    if (copy.outcome == PictureCopy::Outcome::WriteFailed) reportUnwritable(copy.path);
    const QString written = copy.written() ? copy.path : QString();
    BaseSetup::EmpPicturePath = written;
    d_->dialog.fileName = written;
}

void EmpImg::saveImage() {
    if (text(Text2).isEmpty()) setText(Text2, QStringLiteral("logo.bmp"));
    if (storePhoto()) showOnEditor();
    press(Command2);
}

// The editor shows the store's picture, still the photo from before the change, whichever employee
// window started it. A closed editor is opened for it.
void EmpImg::showOnEditor() {
    const bool wasOpen = forms::isLoaded<CustEdit>();
    auto& editor = forms::get<CustEdit>();
    takeStorePhoto(editor);
    if (!wasOpen) editor.showWindow();
}

// Stores the chosen file and its name on the employee's row; false when there is no such row.
bool EmpImg::storePhoto() {
    d_->openRecordset(employeeQuery("SELECT * from employee where empid='"), db::adOpenForwardOnly, db::adCmdText);
    const bool found = !d_->recordset.eof();
    if (found) {
        SaveFileToDB(text(Text1), &d_->recordset, kPictureField);
        d_->recordset.setField(QStringLiteral("FileName"), text(Text2));
        d_->recordset.update();
    }
    d_->recordset.close();
    return found;
}

// A cancelled dialog ends the change: nothing is stored and no file is written. Nor is anything
// stored from a file that is no picture.
void EmpImg::changeLogo() {
    if (d_->changePicture(*this, QStringLiteral("photo"), Text1, Text2, Command1)) showDialogFile();
}

// Shows the file that the dialog names, which after a retrieval is the photo as the database gave it.
void EmpImg::showDialogFile() { d_->dialog.showIn(*picture(Image1)); }

void takeStorePhoto(forms::Form& window) {
    window.picture(employeeControls::Image1)->setPicture(forms::get<EmpImg>().picture(Image1)->picture());
}

void usingPhotoStore(const std::function<void()>& use) {
    try {
        use();
    } catch (...) {
        // The use's own error is the one to report.
        try {
            forms::unload<EmpImg>();
        } catch (...) {
        }
        throw;
    }
    forms::unload<EmpImg>();
}

}  // namespace records
