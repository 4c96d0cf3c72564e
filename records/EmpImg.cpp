#include "records/EmpImg.h"

#include "common/BaseSetup.h"
#include "common/PictureFiles.h"
#include "common/ProgramVariant.h"
#include "common/SqlText.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/files/Paths.h"
#include "platform/forms/Picture.h"
#include "records/CustEdit.h"
#include "records/DesignPictures.h"

#include <QFileInfo>

#include <array>

namespace records {

namespace {

using forms::Kind;

constexpr forms::WindowDesign kWindow{
    .caption = "Employee Image", .clientWidth = 5760, .clientHeight = 2040, .mdiChild = false};

constexpr std::array kDesign{
    forms::Control{.name = "Image1", .kind = Kind::Image, .left = 120, .top = 120, .width = 1695, .height = 1455},
    forms::Control{.name = "Text1", .kind = Kind::TextBox, .left = 2040, .top = 120, .width = 3495, .height = 285},
    forms::Control{.name = "Text2", .kind = Kind::TextBox, .left = 2040, .top = 480, .width = 3495, .height = 285},
    forms::Control{.name = "Command1", .kind = Kind::Button, .caption = "Save Image",
                   .left = 2040, .top = 960, .width = 1695, .height = 375},
    forms::Control{.name = "Command2", .kind = Kind::Button, .caption = "Retrieve Image",
                   .left = 3840, .top = 960, .width = 1695, .height = 375},
    forms::Control{.name = "Command3", .kind = Kind::Button, .caption = "Change Logo",
                   .left = 2040, .top = 1440, .width = 1695, .height = 375},
};

const QString kFilter = QStringLiteral("Images|*.BMP;*.GIF;*.JPG");
const QString kPictureField = QStringLiteral("LImage");

QString employeeQuery(const char* select) {
    return QString::fromLatin1(select) + sqlEscape(BaseSetup::CurrentEmpId) + QLatin1Char('\'');
}

// The open-file dialog keeps its filter and the last file name given to it or chosen in it.
struct OpenFileDialog {
    QString filter;
    QString fileName;
    QString fileTitle;

    bool show() {
        const QString initial = fileName.isEmpty() ? QString() : files::nativePath(fileName);
        const QString chosen = forms::fileDialogs().openFile(filter, initial);
        if (chosen.isEmpty()) return false;
        fileName = chosen;
        fileTitle = QFileInfo(chosen).fileName();
        return true;
    }
};

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

struct EmpImg::Impl {
    db::Connection connection;
    db::Recordset recordset;
    OpenFileDialog dialog;

    void openEmployee(const QString& sql, int cursorType, int options) {
        recordset.open(sql, &connection, cursorType, db::adLockOptimistic, options);
    }
};

EmpImg::EmpImg() : forms::Form(kWindow, kDesign), d_(std::make_unique<Impl>()) {
    picture("Image1")->setPicture(designPhoto());
    onClick("Command1", [this] { saveImage(); });
    onClick("Command2", [this] { retrieveImage(); });
    onClick("Command3", [this] { changeLogo(); });
}

EmpImg::~EmpImg() = default;

void EmpImg::load() {
    d_->dialog.filter = kFilter;
    d_->connection.open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;") + BaseSetup::DataSourceString() +
                        QStringLiteral(";Persist Security Info=False"));
    press("Command2");
    showDialogFile();
}

void EmpImg::unload() {
    if (d_->recordset.isOpen()) d_->recordset.detach();
    d_->connection.close();
}

// Writes the photo of CurrentEmpId to the program folder and names that file. Only a file
// written from this employee's row is named: without a row or a stored photo the name is empty,
// so no picture another employee left under the same name is shown or given to the CV.
void EmpImg::retrieveImage() {
    d_->openEmployee(employeeQuery("SELECT * FROM employee where empid='"), db::adOpenKeyset,
                     db::adOptionUnspecified);
    QString written;
    if (!d_->recordset.eof() && !d_->recordset.field(kPictureField).isNull()) {
        const QString path = pictureCopyPath(d_->recordset.field(QStringLiteral("FileName")).toString());
        if (!path.isEmpty()) {
            if (LoadFileFromDB(path, &d_->recordset, kPictureField)) {
                written = path;
                unwritablePhoto().clear();
            } else {
                reportUnwritable(path);
            }
        }
    }
    d_->recordset.close();
    BaseSetup::EmpPicturePath = written;
    d_->dialog.fileName = written;
}

void EmpImg::saveImage() {
    if (text("Text2").isEmpty()) setText("Text2", QStringLiteral("logo.bmp"));
    if (storePhoto()) showOnEditor();
    press("Command2");
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
    d_->openEmployee(employeeQuery("SELECT * from employee where empid='"), db::adOpenForwardOnly, db::adCmdText);
    const bool found = !d_->recordset.eof();
    if (found) {
        SaveFileToDB(text("Text1"), &d_->recordset, kPictureField);
        d_->recordset.setField(QStringLiteral("FileName"), text("Text2"));
        d_->recordset.update();
    }
    d_->recordset.close();
    return found;
}

// A cancelled dialog ends the change: nothing is stored and no file is written. Nor is anything
// stored from a file that is no picture.
void EmpImg::changeLogo() {
    if (!d_->dialog.show()) return;
    if (!isStorablePicture(files::nativePath(d_->dialog.fileName))) {
        forms::msgBox(QStringLiteral("%1 is not a BMP, GIF or JPG picture, so the photo was not changed.")
                          .arg(files::nativePath(d_->dialog.fileName)),
                      forms::Buttons::OK, forms::Icon::Exclamation);
        return;
    }
    setText("Text1", d_->dialog.fileName);
    setText("Text2", d_->dialog.fileTitle);
    press("Command1");
    showDialogFile();
}

// Shows the file that the dialog names, which after a retrieval is the photo as the database gave it.
void EmpImg::showDialogFile() {
    if (keepsDesignPictures()) return;
    auto* image = picture("Image1");
    if (d_->dialog.fileName.isEmpty()) {
        image->clearPicture();
    } else {
        image->loadPicture(files::nativePath(d_->dialog.fileName));
    }
}

void takeStorePhoto(forms::Form& window) {
    window.picture(QStringLiteral("Image1"))->setPicture(forms::get<EmpImg>().picture(QStringLiteral("Image1"))->picture());
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
