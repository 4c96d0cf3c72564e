#include "platform/forms/DesignRows.h"
#include "records/DetailLists.h"
#include "records/EmployeeControls.h"

namespace records {

namespace {

using forms::Container;
using forms::Control;
using forms::ControlName;
using forms::Kind;
using namespace employeeControls;
namespace rows = forms::rows;

constexpr const char* kFont = "MS Sans Serif";
constexpr double kFontSize = 8.25;
constexpr forms::Colour kDarkBlue = forms::rgb(0, 0, 128);
constexpr forms::Colour kLinkRed = forms::rgb(255, 0, 0);
constexpr forms::Colour kButtonFace = forms::systemColour(15);     // a frame's own colour
constexpr forms::Colour kWindowBackground = forms::systemColour(5); // an input's own colour
constexpr int kLabelHeight = 255;
constexpr int kBoxHeight = 285;
constexpr int kButtonHeight = 375;

constexpr Container kFamilyTab{SSTab1, 0};
constexpr Container kAcademicTab{SSTab1, 1};
constexpr Container kSkillTab{SSTab1, 2};
constexpr Container kEmploymentTab{SSTab1, 3};

constexpr Control caption(ControlName name, Container in, const char* text, int left, int top, int width,
                          int height = kLabelHeight) {
    return rows::withFont(rows::label(name, in, text, left, top, width, height), kFont, kFontSize);
}

constexpr Control heading(ControlName name, Container page, const char* text, int left, int top, int width,
                          bool bold = true) {
    Control row = caption(name, page, text, left, top, width);
    row.foreColor = kDarkBlue;
    row.bold = bold;
    return row;
}

// The underlined red labels that act as links (add a row, save the spouse or hobbies).
constexpr Control link(ControlName name, Container page, const char* text, int left, int top, int width) {
    Control row = caption(name, page, text, left, top, width);
    row.foreColor = kLinkRed;
    row.underline = true;
    return row;
}

constexpr Control closeLabel(ControlName name, Container page) {
    return heading(name, page, "X", 11160, 6480, 255);
}

// Several lines when it is higher than one line.
constexpr Control textBox(ControlName name, Container in, int left, int top, int width, int maxLength,
                          int height = kBoxHeight) {
    const Control row = rows::withBackColour(rows::textBox(name, in, left, top, width, height, maxLength),
                                             kWindowBackground);
    return height > kBoxHeight ? rows::withLines(row) : row;
}

// Date fields are filled by their calendar only.
constexpr Control dateBox(ControlName name, Container in, int left, int top, int width) {
    return rows::withBackColour(rows::dateBox(name, in, left, top, width, kBoxHeight), kWindowBackground);
}

constexpr Control combo(ControlName name, Container in, const char* text, int left, int top, int width) {
    return rows::withBackColour(rows::comboBox(name, in, text, left, top, width, kBoxHeight), kWindowBackground);
}

constexpr Control button(ControlName name, Container in, const char* text, int left, int top, int width,
                         int height = kButtonHeight) {
    return rows::button(name, in, text, left, top, width, height);
}

constexpr Control panel(ControlName name, Container page, const char* text, int left, int top, int width,
                        int height) {
    return {.name = name, .kind = Kind::Frame, .container = page, .caption = text, .left = left, .top = top,
            .width = width, .height = height, .visible = false, .backColor = kButtonFace};
}

// Panels are opaque so that they hide the grid they lie on.
// Later rows lie above earlier ones: panels over their grids, calendars over everything.
constexpr Control kDesign[] = {
    {.name = SSTab1, .kind = Kind::TabControl,
     .caption = "Family, Hobbies and Curricular|Academic and Training|Skill and Language|Employment and Project",
     .left = 1080, .top = 2160, .width = 11565, .height = 6855, .visible = false},

    // Family, hobbies and curricular
    heading(Label45, kFamilyTab, "Spouse Information", 1560, 900, 2400),
    link(Label47, kFamilyTab, "Save", 4440, 1020, 495),
    caption(lblSpouse, kFamilyTab, "Spouse Name :", 360, 1290, 1200),
    textBox(Spouse, kFamilyTab, 1560, 1260, 3375, 30),
    caption(lblSOccupation, kFamilyTab, "Occupation :", 360, 1650, 1200),
    textBox(SOccupation, kFamilyTab, 1560, 1620, 3375, 25),
    caption(lblSCompany, kFamilyTab, "Company :", 360, 2010, 1200),
    textBox(SCompany, kFamilyTab, 1560, 1980, 3375, 30),
    caption(lblSAddress, kFamilyTab, "Address :", 360, 2370, 1200),
    textBox(SAddress, kFamilyTab, 1560, 2340, 3375, 200, 735),
    caption(lblSTel, kFamilyTab, "Tel :", 360, 3150, 1200),
    textBox(STel, kFamilyTab, 1560, 3120, 3375, 15),
    caption(lblShandPhone, kFamilyTab, "HandPhone :", 360, 3510, 1200),
    textBox(ShandPhone, kFamilyTab, 1560, 3480, 3375, 15),
    caption(lblSemail, kFamilyTab, "Email :", 360, 3870, 1200),
    textBox(Semail, kFamilyTab, 1560, 3840, 3375, 50),
    {.name = Line1, .kind = Kind::Line, .container = kFamilyTab, .left = 5640, .top = 900, .width = 15,
     .height = 3360},
    heading(Label46, kFamilyTab, "Hobbies and Curricular", 7080, 900, 2400),
    link(Label48, kFamilyTab, "Save", 10080, 1020, 495),
    caption(lblHobbies, kFamilyTab, "Hobbies :", 6000, 1290, 1050),
    textBox(Hobbies, kFamilyTab, 7080, 1260, 3495, 150),
    caption(lblUniform, kFamilyTab, "Uniform : ", 6000, 1650, 1050),
    textBox(Uniform, kFamilyTab, 7080, 1620, 3495, 150),
    caption(lblClub, kFamilyTab, "Club/Assoc :", 6000, 2010, 1050),
    textBox(Club, kFamilyTab, 7080, 1980, 3495, 150),
    caption(lblSports, kFamilyTab, "Sports :", 6000, 2370, 1050),
    textBox(Sports, kFamilyTab, 7080, 2340, 3495, 150),
    caption(lblOthers, kFamilyTab, "Others :", 6000, 2730, 1050),
    textBox(Others, kFamilyTab, 7080, 2700, 3495, 0),
    caption(lblProfMem, kFamilyTab, "Prof. Membership :", 6000, 3060, 1050, 495),
    textBox(ProfMem, kFamilyTab, 7080, 3060, 3495, 300, 495),
    caption(lblAwards, kFamilyTab, "Achiements Awards :", 6000, 3600, 1050, 495),
    textBox(Awards, kFamilyTab, 7080, 3600, 3495, 300, 495),
    link(Label24, kFamilyTab, "Add Family", 9360, 4500, 1400),
    rows::dataGrid(DataGrid1, kFamilyTab, 600, 4740, 9975, 1815),
    panel(Frame1, kFamilyTab, "Family", 600, 4740, 9975, 1815),
    caption(lblFname, Frame1, "Name :", 120, 270, 1150),
    textBox(Fname, Frame1, 1320, 240, 2880, 30),
    caption(lblFdob, Frame1, "DOB :", 120, 630, 1150),
    dateBox(Fdob, Frame1, 1320, 600, 2580),
    button(Command4, Frame1, ">", 3900, 600, 300, kBoxHeight),
    caption(lblFOccupy, Frame1, "Occupation :", 120, 990, 1150),
    textBox(FOccupy, Frame1, 1320, 960, 2880, 25),
    caption(lblFgender, Frame1, "Gender :", 5040, 270, 1150),
    combo(Fgender, Frame1, "Male", 6240, 240, 3000),
    caption(lblText19, Frame1, "Relation :", 5040, 630, 1150),
    combo(text19, Frame1, "Son ", 6240, 600, 3000),
    caption(lblContact, Frame1, "Contact :", 5040, 990, 1150),
    textBox(Contact, Frame1, 6240, 960, 3000, 15),
    button(Command5, Frame1, "X", 8280, 1320, 375),
    button(Command1, Frame1, "Save", 8760, 1320, 975),
    rows::calendar(Calendar3, kFamilyTab, 1920, 3480, 3855, 3015),
    closeLabel(Label84, kFamilyTab),

    // Academic and training
    heading(Label49, kAcademicTab, "Academic Qualification", 360, 1380, 2400),
    link(Label51, kAcademicTab, "Add Academic", 9960, 1500, 1400),
    rows::dataGrid(DataGrid2, kAcademicTab, 360, 1740, 10695, 2055),
    heading(Label50, kAcademicTab, "Training / Courses Attended", 360, 3900, 2760),
    link(Label52, kAcademicTab, "Add Training", 9960, 4020, 1400),
    rows::dataGrid(DataGrid3, kAcademicTab, 360, 4260, 10695, 2295),
    panel(Frame4, kAcademicTab, "", 360, 1740, 10695, 2055),
    caption(lblPeriod1, Frame4, "Period  :", 240, 270, 1440),
    textBox(Period1, Frame4, 1800, 240, 2400, 25),
    caption(lblInstitute1, Frame4, "Institution :", 240, 630, 1440),
    textBox(Institute1, Frame4, 1800, 600, 6000, 100),
    caption(lblLevel1, Frame4, "Level Obtained :", 240, 990, 1440),
    textBox(Level1, Frame4, 1800, 960, 4500, 50),
    caption(lblGrade1, Frame4, "Grade :", 240, 1350, 1440),
    textBox(Grade1, Frame4, 1800, 1320, 2400, 25),
    button(Command7, Frame4, "X", 9000, 1560, 375),
    button(Command6, Frame4, "Save", 9480, 1560, 975),
    panel(Frame5, kAcademicTab, "", 360, 4260, 10695, 2295),
    caption(lblPeriod2, Frame5, "Period :", 240, 270, 1440),
    textBox(Period2, Frame5, 1800, 240, 2400, 25),
    caption(lblInstitute2, Frame5, "Course Name :", 240, 630, 1440),
    textBox(Institute2, Frame5, 1800, 600, 6000, 100),
    caption(lblLevel2, Frame5, "Certificate Name :", 240, 990, 1440),
    textBox(Level2, Frame5, 1800, 960, 4500, 50),
    caption(lblGrade2, Frame5, "Result :", 240, 1350, 1440),
    textBox(Grade2, Frame5, 1800, 1320, 2400, 25),
    button(Command9, Frame5, "X", 9000, 1800, 375),
    button(Command8, Frame5, "Save", 9480, 1800, 975),
    closeLabel(Label85, kAcademicTab),

    // Skill and language
    heading(Label61, kSkillTab, "Top Skill", 360, 1200, 1500),
    heading(Label62, kSkillTab, "Technical and Non-Technical", 360, 1440, 2760, false),
    link(Label63, kSkillTab, "Add Skill", 10200, 1560, 1200),
    rows::dataGrid(DataGrid5, kSkillTab, 360, 1800, 10575, 1935),
    heading(Label64, kSkillTab, "Language / Dialect / Loghat ", 360, 3960, 2760),
    heading(Label65, kSkillTab, "(Proficiency Level : 1 - 10)", 360, 4200, 2760, false),
    link(Label66, kSkillTab, "Add Language", 9840, 4200, 1560),
    rows::dataGrid(DataGrid6, kSkillTab, 360, 4440, 10575, 2055),
    panel(Frame6, kSkillTab, "", 360, 1800, 10575, 1935),
    caption(lblSL11, Frame6, "Skill :", 240, 270, 1560),
    textBox(SL11, Frame6, 1920, 240, 3000, 25),
    caption(lblSL21, Frame6, "Years :", 240, 630, 1560),
    textBox(SL21, Frame6, 1920, 600, 900, 5),
    caption(lblSL31, Frame6, "Proficiency Level :", 240, 990, 1560),
    textBox(SL31, Frame6, 1920, 960, 2400, 20),
    button(Command11, Frame6, "X", 8880, 1440, 375),
    button(Command10, Frame6, "Save", 9360, 1440, 975),
    panel(Frame7, kSkillTab, "", 360, 4440, 10575, 2055),
    caption(lblSL12, Frame7, "Language :", 240, 270, 1560),
    textBox(SL12, Frame7, 1920, 240, 3000, 25),
    caption(lblSL22, Frame7, "Spoken :", 240, 630, 1560),
    textBox(SL22, Frame7, 1920, 600, 900, 5),
    caption(lblSL32, Frame7, "Written :", 240, 990, 1560),
    textBox(SL32, Frame7, 1920, 960, 900, 5),
    button(Command13, Frame7, "X", 8880, 1560, 375),
    button(Command12, Frame7, "Save", 9360, 1560, 975),
    closeLabel(Label86, kSkillTab),

    // Employment and project
    link(Label73, kEmploymentTab, "Add Employment", 9600, 1680, 1800),
    rows::dataGrid(DataGrid7, kEmploymentTab, 360, 1920, 10575, 1815),
    link(Label74, kEmploymentTab, "Add Project", 9960, 4320, 1400),
    rows::dataGrid(DataGrid8, kEmploymentTab, 360, 4560, 10575, 1815),
    panel(Frame10, kEmploymentTab, "", 360, 2160, 10575, 4095),
    caption(lblEP11, Frame10, "Company Name :", 120, 270, 1800),
    textBox(EP11, Frame10, 2040, 240, 3600, 30),
    caption(lblEp21, Frame10, "Position Title :", 120, 630, 1800),
    textBox(Ep21, Frame10, 2040, 600, 3600, 30),
    caption(lblEp31, Frame10, "Position Level :", 120, 990, 1800),
    textBox(Ep31, Frame10, 2040, 960, 3600, 30),
    caption(lblEp41, Frame10, "Specialisation :", 120, 1350, 1800),
    textBox(Ep41, Frame10, 2040, 1320, 3600, 30),
    caption(lblEp51, Frame10, "Industry :", 120, 1710, 1800),
    textBox(Ep51, Frame10, 2040, 1680, 3600, 30),
    caption(lblEp61, Frame10, "Date Joined : ", 120, 2070, 1800),
    dateBox(Ep61, Frame10, 2040, 2040, 1500),
    button(Command18, Frame10, ">", 3540, 2040, 300, kBoxHeight),
    caption(lblEp71, Frame10, "Date Left : ", 4200, 2070, 1080),
    dateBox(Ep71, Frame10, 5400, 2040, 1500),
    button(Command19, Frame10, ">", 6900, 2040, 300, kBoxHeight),
    caption(lblEp81, Frame10, "Work Descriptions :", 120, 2430, 1800),
    textBox(Ep81, Frame10, 2040, 2400, 8160, 1000, 855),
    caption(lblEp91, Frame10, "Reason of Leaving :", 120, 3390, 1800),
    textBox(Ep91, Frame10, 2040, 3360, 3600, 30),
    button(Command15, Frame10, "X", 9000, 3600, 375),
    button(Command14, Frame10, "Save", 9480, 3600, 975),
    rows::calendar(Calendar5, Frame10, 1560, 720, 3615, 2535),
    rows::calendar(Calendar4, Frame10, 5520, 960, 3615, 2655),
    panel(Frame11, kEmploymentTab, "", 360, 2280, 10575, 3975),
    caption(lblEp12, Frame11, "Project Name :", 120, 270, 2160),
    textBox(Ep12, Frame11, 2400, 240, 3600, 30),
    caption(lblEp22, Frame11, "Client :", 120, 630, 2160),
    textBox(Ep22, Frame11, 2400, 600, 3600, 30),
    caption(lblEp32, Frame11, "Duration", 120, 990, 2160),
    textBox(Ep32, Frame11, 2400, 960, 3600, 30),
    caption(lblEp42, Frame11, "Team Size :", 120, 1350, 2160),
    textBox(Ep42, Frame11, 2400, 1320, 3600, 30),
    caption(lblEp52, Frame11, "Role :", 120, 1710, 2160),
    textBox(Ep52, Frame11, 2400, 1680, 6300, 500, 615),
    caption(lblEp62, Frame11, "Software and Plateform :", 120, 2430, 2160),
    textBox(Ep62, Frame11, 2400, 2400, 6300, 500, 615),
    caption(lblEp72, Frame11, "Other Skill Used :", 120, 3150, 2160),
    textBox(Ep72, Frame11, 2400, 3120, 6300, 500, 615),
    button(Command17, Frame11, "X", 9000, 3480, 375),
    button(Command16, Frame11, "Save", 9480, 3480, 975),
    closeLabel(Label87, kEmploymentTab),
};

}  // namespace

std::span<const forms::Control> DetailLists::design() { return kDesign; }

}  // namespace records
