#include "shell/CompanyInfo.h"

#include "common/BaseSetup.h"
#include "common/Blanks.h"
#include "common/PictureFiles.h"
#include "common/PictureWindow.h"
#include "platform/error/PlatformError.h"
#include "platform/files/Paths.h"
#include "platform/forms/DesignRows.h"
#include "platform/forms/Picture.h"

#include <QEvent>

// The shell library is static: its resources are registered by hand before the first use.
static void registerShellResources() { Q_INIT_RESOURCE(shell); }

namespace shell {

using namespace companyControls;

namespace {

using forms::Control;
namespace rows = forms::rows;

constexpr forms::Colour kBack = forms::rgb(192, 192, 255);
constexpr forms::Colour kDarkBlue = forms::rgb(0, 0, 192);

const forms::WindowDesign kWindow{
    .caption = "Company Information", .clientWidth = 11880, .clientHeight = 7590, .backColor = kBack};

constexpr Control label(forms::ControlName name, const char* caption, int left, int top, int width, int height) {
    return rows::withBackColour(rows::label(name, {}, caption, left, top, width, height), kBack);
}
constexpr Control box(forms::ControlName name, int left, int top, int width, int maxLength) {
    return rows::textBox(name, {}, left, top, width, 285, maxLength);
}
constexpr Control logo(forms::ControlName name, bool visible) {
    return {.name = name, .kind = forms::Kind::Image, .left = 600, .top = 720, .width = 1815, .height = 1335,
            .visible = visible};
}
constexpr Control hidden(Control row) {
    row.visible = false;
    return row;
}
constexpr Control disabled(Control row) {
    row.enabled = false;
    return row;
}
constexpr Control inDarkBlue(Control row) {
    row.foreColor = kDarkBlue;
    return row;
}

// Image2 lies beneath Image1: a later row is drawn over an earlier one. The boxes are in tab order.
const Control kDesign[] = {
    logo(Image2, true),
    logo(Image1, false),
    label(Label1, "Company Name :", 2760, 840, 1335, 255),
    box(Text3, 4080, 840, 4815, 50),
    label(Label2, "Company No. :", 2760, 1200, 975, 255),
    box(Text4, 4080, 1200, 4815, 12),
    label(Label3, "Address :", 2760, 1680, 855, 255),
    rows::withLines(rows::textBox(Text5, {}, 4080, 1680, 4815, 765, 300)),
    label(Label4, "Tel :", 2760, 2760, 975, 255),
    box(Text6, 4080, 2760, 4815, 15),
    label(Label5, "Fax :", 2760, 3120, 855, 255),
    box(Text7, 4080, 3120, 4815, 15),
    label(Label6, "Email :", 2760, 3480, 855, 255),
    box(Text8, 4080, 3480, 4815, 50),
    label(Label9, "Logo FileName :", 2760, 4080, 1335, 255),
    disabled(box(Text2, 4080, 4080, 4815, 0)),
    inDarkBlue(label(Label7, "Retrieve Image", 2760, 4320, 1335, 255)),
    label(Label10, "Default Report Footer :", 2760, 4770, 2775, 375),
    box(Text9, 2760, 5040, 7335, 135),
    hidden(rows::button(Command3, {}, "Change Logo", 120, 3480, 1215, 375)),
    hidden(rows::button(Command1, {}, "Save Image", 120, 3840, 1215, 615)),
    hidden(rows::button(Command2, {}, "Retrieve Image", 120, 4440, 1215, 615)),
    hidden({.name = Text1, .kind = forms::Kind::TextBox, .caption = "Text1",
            .left = 120, .top = 5160, .width = 2535, .height = 285}),
    hidden(label(Label8, "0", 9480, 4200, 255, 255)),
    hidden(rows::button(Command4, {}, "Save Changes", 7680, 6360, 1215, 375)),
};

// The profile texts and their columns, as both saves write them.
struct TextColumn {
    forms::ControlName box;
    const char* column;
};
constexpr TextColumn kProfileTexts[] = {
    {Text3, "softwareowner"}, {Text4, "companyno"}, {Text5, "Address"},      {Text6, "otel"},
    {Text7, "ofax"},          {Text8, "oemail"},    {Text9, "defaultheader"},
};

const QString kPictureField = QStringLiteral("LImage");

// What a retrieval that the user asked for did: where the logo was written, or why it was not.
void tellRetrieval(const PictureCopy& copy) {
    switch (copy.outcome) {
    case PictureCopy::Outcome::Written:
        forms::msgBox(QStringLiteral(" File saved to ") + files::nativePath(copy.path));
        return;
    case PictureCopy::Outcome::NothingStored:
        forms::msgBox(QStringLiteral("No logo is stored yet, so no file was written."), forms::Buttons::OK,
                      forms::Icon::Exclamation);
        return;
    case PictureCopy::Outcome::NameRefused:
        forms::msgBox(QStringLiteral("The logo's file name cannot be used for a picture file in the program folder, "
                                     "so no file was written."),
                      forms::Buttons::OK, forms::Icon::Exclamation);
        return;
    case PictureCopy::Outcome::WriteFailed:
        forms::msgBox(QStringLiteral("The logo could not be written to %1: the program folder is read-only or the "
                                     "disk is full.")
                          .arg(files::nativePath(copy.path)),
                      forms::Buttons::OK, forms::Icon::Exclamation);
        return;
    }
}

}  // namespace

QPixmap designLogo() {
    static const bool registered = (registerShellResources(), true);
    (void)registered;
    return QPixmap(QStringLiteral(":/shell/placeholder-logo.png"));
}

CompanyInfo::CompanyInfo() : forms::Form(kWindow, kDesign), d_(std::make_unique<PictureWindowData>()) {
    picture(Image1)->setPicture(designLogo());
    onClick(Command1, [this] { saveImage(); });
    onClick(Command2, [this] { retrieveImage(); });
    onClick(Command3, [this] { changeLogo(); });
    onClick(Command4, [this] { saveChanges(); });
    onDblClick(Image1, [this] { press(Command3); });
    onClick(Label7, [this] {
        setText(Label8, QStringLiteral("1"));
        press(Command2);
        setText(Label8, QStringLiteral("0"));
    });
}

CompanyInfo::~CompanyInfo() = default;

void CompanyInfo::load() {
    if (BaseSetup::UserLevel == 9) {
        show(Command4);
        show(Image1);
    }
    setTwipsTop(1200);
    setTwipsLeft(2500);
    setTwipsHeight(8000);
    setTwipsWidth(12000);
    d_->openConnection();

    // The table holds one row; without it, or with a Null column, the boxes stay empty.
    d_->openRecordset(QStringLiteral("SELECT * from companyinfo"), db::adOpenForwardOnly, db::adCmdText);
    const bool hasRow = !d_->recordset.eof();
    const auto shown = [&](const QString& column) {
        return hasRow ? trimBlanks(d_->recordset.field(column).toString()) : QString();
    };
    for (const TextColumn& profile : kProfileTexts) setText(profile.box, shown(QString::fromLatin1(profile.column)));
    setText(Text2, shown(QStringLiteral("FileName")));
    d_->recordset.close();

    press(Command2);
    showLogo();
}

void CompanyInfo::unload() { d_->release(); }

// Writes the stored logo to the program folder and names that file in the dialog. Only a file
// written from the row is named: without a stored logo nothing is, and no older file of that name
// is shown. Asked for by the user (Label8 "1"), it tells where the file went.
void CompanyInfo::retrieveImage() {
    d_->openRecordset(QStringLiteral("SELECT * FROM CompanyInfo"), db::adOpenKeyset, db::adOptionUnspecified);
    const PictureCopy copy = writePictureCopy(&d_->recordset);
    d_->recordset.close();
    d_->dialog.fileName = copy.written() ? copy.path : QString();
    if (text(Label8).toInt() == 1) tellRetrieval(copy);
}

// Replaces the row whole with the chosen picture and the texts as they stand. One transaction: a
// picture that cannot be read or a row that cannot be written leaves the earlier row as it was.
void CompanyInfo::saveImage() {
    if (text(Text2).isEmpty()) setText(Text2, QStringLiteral("logo.bmp"));
    try {
        d_->connection.transaction([this] { replaceRow(); });
    } catch (...) {
        d_->recordset.close();
        throw platform::PlatformError(
            QStringLiteral("The logo was not stored; the company profile is as it was. %1")
                .arg(forms::describeCurrentException()));
    }
}

void CompanyInfo::replaceRow() {
    d_->connection.execute(QStringLiteral("delete from companyinfo"));
    d_->openRecordset(QStringLiteral("SELECT * from CompanyInfo"), db::adOpenForwardOnly, db::adCmdText);
    d_->recordset.addNew();
    if (!SaveFileToDB(text(Text1), &d_->recordset, kPictureField)) {
        throw platform::PlatformError(
            QStringLiteral("The picture %1 could not be read.").arg(files::nativePath(text(Text1))));
    }
    d_->recordset.setField(QStringLiteral("FileName"), text(Text2));
    writeTexts();
    d_->recordset.update();
    d_->recordset.close();
}

// A cancelled dialog, or a file that is no picture, ends the change with nothing stored. Afterwards
// the window shows the chosen file itself; its copy in the program folder waits for a retrieval.
void CompanyInfo::changeLogo() {
    if (d_->changePicture(*this, QStringLiteral("logo"), Text1, Text2, Command1)) showLogo();
}

// Updates the texts of the row and leaves the logo alone; an empty table gets its one row.
void CompanyInfo::saveChanges() {
    d_->openRecordset(QStringLiteral("SELECT * from companyinfo"), db::adOpenForwardOnly, db::adCmdText);
    if (d_->recordset.eof()) d_->recordset.addNew();
    d_->recordset.assignAndUpdate([this] { writeTexts(); });
    d_->recordset.close();
    forms::msgBox(QStringLiteral(" Changes Saved"));
}

// The texts as they stand in the boxes, untrimmed, and lnk 1.
void CompanyInfo::writeTexts() {
    for (const TextColumn& profile : kProfileTexts) {
        d_->recordset.setField(QString::fromLatin1(profile.column), text(profile.box));
    }
    d_->recordset.setField(QStringLiteral("lnk"), 1);
}

// Image1 shows the file the dialog names; Image2 beneath it takes the same picture.
void CompanyInfo::showLogo() {
    d_->dialog.showIn(*picture(Image1));
    picture(Image2)->setPicture(picture(Image1)->picture());
}

bool CompanyInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control(Label9)) {
        if (event->type() == QEvent::MouseButtonPress) setText(Label9, QStringLiteral("Change Logo"));
        if (event->type() == QEvent::MouseButtonRelease) setText(Label9, QStringLiteral("Logo FileName :"));
    }
    return forms::Form::eventFilter(watched, event);
}

}  // namespace shell
