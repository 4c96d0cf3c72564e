#include "platform/forms/DesignRows.h"
#include "records/EmployeeControls.h"
#include "records/EmployeeWindow.h"

#include <vector>

namespace records {

namespace {

using forms::Control;
using forms::Kind;
using namespace employeeControls;
namespace rows = forms::rows;

constexpr forms::Colour kTint = forms::rgb(192, 192, 255);
constexpr forms::Colour kDarkRed = forms::rgb(128, 0, 0);
constexpr int kLineHeight = 285;

// The caption beside an input, on the tinted background.
constexpr Control caption(forms::ControlName name, forms::Container in, const char* text, int left, int top,
                          int width) {
    return rows::withBackColour(rows::label(name, in, text, left, top, width, 255), kTint);
}
constexpr Control leftCaption(forms::ControlName name, forms::Container in, const char* text, int top) {
    return caption(name, in, text, 240, top, 1425);
}
// The address captions take two lines beside the first address line.
constexpr Control twoLineCaption(Control c) {
    c.height = 450;
    return c;
}
constexpr Control rightCaption(forms::ControlName name, const char* text, int top) {
    return caption(name, Frame3, text, 5880, top, 795);
}
constexpr Control textBox(forms::ControlName name, forms::Container in, int left, int top, int width, int maxLength) {
    return rows::textBox(name, in, left, top, width, kLineHeight, maxLength);
}
// Filled by a date picker; its ">" button lies over the box's right end.
constexpr Control dateBox(forms::ControlName name, int left, int top) {
    return rows::dateBox(name, Frame3, left, top, 3855, kLineHeight);
}
constexpr Control comboBox(forms::ControlName name, forms::Container in, const char* text, int left, int top) {
    return rows::comboBox(name, in, text, left, top, 3855, 315);
}
constexpr Control recordButton(forms::ControlName name, const char* text, int top) {
    return rows::button(name, {}, text, 13440, top, 1215, 375);
}

// Rows are in tab order: the list first, then the fields, the record buttons, Age last.
const Control kPersonalDesign[] = {
    {.name = DataGrid4, .kind = Kind::DataGrid, .left = 0, .top = 0, .width = 13245, .height = 9255},

    {.name = Frame8, .kind = Kind::Frame, .left = 840, .top = 240, .width = 12375, .height = 1575,
     .backColor = kTint},
    {.name = Image1, .kind = Kind::Image, .container = Frame8, .left = 9360, .top = 120,
     .width = 1695, .height = 1455},
    {.name = Frame2, .kind = Kind::Frame, .left = 1560, .top = 600, .width = 7455, .height = 1095,
     .border = false, .backColor = kTint},
    {.name = Frame9, .kind = Kind::Frame, .left = 840, .top = 1800, .width = 12375, .height = 6855,
     .backColor = kTint},
    {.name = Frame3, .kind = Kind::Frame, .left = 1560, .top = 2040, .width = 11535, .height = 6255,
     .border = false, .backColor = kTint},

    leftCaption(Label1, Frame2, "Emp ID  :", 0),
    {.name = Text1, .kind = Kind::TextBox, .container = Frame2, .left = 1680, .top = 0, .width = 1215,
     .height = 285, .enabled = false, .maxLength = 10},
    leftCaption(Label2, Frame2, "Employee Name  :", 360),
    // The name typed for a new employee, in the place of the name shown.
    {.name = Text12, .kind = Kind::TextBox, .container = Frame2, .left = 1680, .top = 360,
     .width = 3855, .height = 285, .visible = false, .maxLength = 30},
    textBox(Text2, Frame2, 1680, 360, 3855, 50),
    leftCaption(Label3, Frame2, "Gender :", 720),
    comboBox(Text9, Frame2, "Male", 1680, 720),

    leftCaption(Label5, Frame3, "IC New :", 240),
    textBox(IcNew, Frame3, 1680, 240, 3855, 15),
    rightCaption(Label6, "IC Old :", 240),
    textBox(IcOld, Frame3, 6720, 240, 3855, 10),
    leftCaption(Label7, Frame3, "Passport No. :", 525),
    textBox(Passport, Frame3, 1680, 525, 3855, 0),
    rightCaption(Label8, "Expiry :", 525),
    dateBox(Pdate, 6720, 525),
    leftCaption(Label9, Frame3, "Date Of Birth :", 1080),
    dateBox(DOB, 1680, 1080),
    leftCaption(Label11, Frame3, "Race :", 1440),
    comboBox(Race, Frame3, "Chinese", 1680, 1440),
    rightCaption(Label12, "Nationality", 1440),
    comboBox(Nat, Frame3, "Malaysian", 6720, 1440),
    leftCaption(Label13, Frame3, "Marital Status :", 1800),
    comboBox(Marital, Frame3, "Single", 1680, 1800),
    rightCaption(Label14, "Religion :", 1800),
    comboBox(Religion, Frame3, "Buddist", 6720, 1800),
    leftCaption(Label15, Frame3, "No. of child :", 2160),
    {.name = Text11, .kind = Kind::TextBox, .container = Frame3, .caption = "0", .left = 1680,
     .top = 2160, .width = 3855, .height = 285, .maxLength = 2},
    rightCaption(Label16, "Dialect :", 2160),
    comboBox(Dialect, Frame3, "Hokkian", 6720, 2160),
    twoLineCaption(leftCaption(Label17, Frame3, "Permanent Address :", 2760)),
    textBox(Text13, Frame3, 1680, 2760, 3855, 50),
    textBox(Text14, Frame3, 1680, 3120, 3855, 50),
    textBox(Text15, Frame3, 1680, 3465, 3855, 50),
    leftCaption(Label18, Frame3, "Tel :", 3855),
    textBox(Text7, Frame3, 1680, 3855, 3855, 15),
    twoLineCaption(caption(Label4, Frame3, "Current Address :", 5835, 2745, 840)),
    textBox(Text3, Frame3, 6720, 2745, 3855, 50),
    textBox(Text4, Frame3, 6720, 3105, 3855, 50),
    textBox(Text5, Frame3, 6720, 3465, 3855, 50),
    rightCaption(Label19, "Tel :", 3870),
    textBox(Text8, Frame3, 6720, 3870, 3855, 15),
    leftCaption(Label20, Frame3, "H/P :", 4395),
    textBox(Text16, Frame3, 1680, 4395, 3855, 15),
    leftCaption(Label21, Frame3, "Email :", 4680),
    textBox(Text17, Frame3, 1680, 4680, 8895, 50),
    leftCaption(Label22, Frame3, "Remarks :", 5040),
    {.name = Text10, .kind = Kind::TextBox, .container = Frame3, .left = 1680, .top = 5040,
     .width = 8895, .height = 615, .maxLength = 100, .multiLine = true},
    {.name = Label23, .kind = Kind::Label, .container = Frame3, .caption = "List All Informations",
     .left = 1680, .top = 5760, .width = 1815, .height = 255, .border = false, .backColor = kTint,
     .foreColor = kDarkRed, .fontName = "MS Sans Serif", .fontSize = 8.25, .underline = true},

    recordButton(CinEd, "Edit", 1800),
    recordButton(CinDel, "Delete", 2280),
    recordButton(CinSa, "Save", 2760),
    recordButton(CinCa, "Cancel", 3240),
    recordButton(CinDe, "Details", 3720),
    recordButton(CinCls, "Close", 4200),
    recordButton(cinAd, "New", 1320),
    recordButton(Cinsa2, "Save", 2760),
    {.name = Command20, .kind = Kind::Button, .caption = "Print Pravel", .left = 11040, .top = 7740,
     .width = 1095, .height = 375, .graphical = true, .backColor = kTint},

    rightCaption(Label10, "Age :", 1080),
    {.name = Age, .kind = Kind::TextBox, .container = Frame3, .left = 6720, .top = 1080, .width = 3855,
     .height = 285, .enabled = false, .maxLength = 3},

    // The date pickers lie over the fields while shown.
    {.name = Command2, .kind = Kind::Button, .container = Frame3, .caption = ">", .left = 5280,
     .top = 1080, .width = 255, .height = 285},
    {.name = Command3, .kind = Kind::Button, .container = Frame3, .caption = ">", .left = 10260,
     .top = 525, .width = 300, .height = 285},
    {.name = Calendar1, .kind = Kind::MonthCalendar, .container = Frame3, .left = 960, .top = 1080,
     .width = 4575, .height = 2895, .visible = false},
    {.name = Calendar2, .kind = Kind::MonthCalendar, .container = Frame3, .left = 5640, .top = 480,
     .width = 4575, .height = 3255, .visible = false},
};

}  // namespace

std::span<const forms::Control> EmployeeWindow::design() {
    static const std::vector<Control> all = [] {
        std::vector<Control> rows(std::begin(kPersonalDesign), std::end(kPersonalDesign));
        const auto tabs = DetailLists::design();
        rows.insert(rows.end(), tabs.begin(), tabs.end());
        return rows;
    }();
    return all;
}

}  // namespace records
