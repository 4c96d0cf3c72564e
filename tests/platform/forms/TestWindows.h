#pragma once

#include "platform/forms/Form.h"
#include "tests/support/Printing.h"

#include <QStringList>

#include <array>
#include <ostream>
#include <stdexcept>


namespace tests {

using forms::Control;
using forms::Kind;

FORMS_CONTROL(lblName);
FORMS_CONTROL(txtName);
FORMS_CONTROL(txtSecret);
FORMS_CONTROL(txtNotes);
FORMS_CONTROL(cboKind);
FORMS_CONTROL(cmdOK);
FORMS_CONTROL(cmdCancel);
FORMS_CONTROL(lblState);
FORMS_CONTROL(Frame3);
FORMS_CONTROL(txtInFrame);
FORMS_CONTROL(SSTab1);
FORMS_CONTROL(lblOnTab);
FORMS_CONTROL(Image1);

// A small sign-in-like window with a frame, a tab control and most control kinds.
inline constexpr std::array kDesign = {
    Control{.name = lblName, .kind = Kind::Label, .caption = "&Name:", .left = 150, .top = 300, .width = 1200, .height = 300},
    Control{.name = txtName, .kind = Kind::TextBox, .left = 1500, .top = 300, .width = 2400, .height = 345, .maxLength = 5},
    Control{.name = txtSecret, .kind = Kind::TextBox, .left = 1500, .top = 750, .width = 2400, .height = 345,
            .password = true},
    Control{.name = txtNotes, .kind = Kind::TextBox, .caption = "abc", .left = 150, .top = 1200, .width = 3000,
            .height = 900, .maxLength = 4, .multiLine = true},
    Control{.name = cboKind, .kind = Kind::ComboBox, .caption = "Single", .left = 150, .top = 2200, .width = 1500,
            .height = 300},
    Control{.name = cmdOK, .kind = Kind::Button, .caption = "OK", .left = 150, .top = 2700, .width = 1200,
            .height = 390, .isDefault = true},
    Control{.name = cmdCancel, .kind = Kind::Button, .caption = "Cancel", .visible = false, .isCancel = true},
    Control{.name = lblState, .kind = Kind::Label, .caption = "0", .visible = false},
    Control{.name = Frame3, .kind = Kind::Frame, .caption = "Personal", .left = 4500, .top = 150, .width = 3000,
            .height = 1500},
    Control{.name = txtInFrame, .kind = Kind::TextBox, .container = Frame3, .left = 300, .top = 450, .width = 900,
            .height = 300, .enabled = false},
    Control{.name = SSTab1, .kind = Kind::TabControl, .caption = "One|Two", .left = 4500, .top = 1800,
            .width = 3000, .height = 1500},
    Control{.name = lblOnTab, .kind = Kind::Label, .container = {SSTab1, 1}, .caption = "X", .left = 300,
            .top = 900, .width = 255, .height = 255},
    Control{.name = Image1, .kind = Kind::Image, .left = 8000, .top = 150, .width = 1500, .height = 1500},
};

inline constexpr forms::WindowDesign kWindow{.caption = "Test window", .clientWidth = 9600, .clientHeight = 4500};

// Counts its load and unload steps, which can be told to fail.
class CountingWindow : public forms::Form {
public:
    CountingWindow() : Form(kWindow, kDesign) {}
    int loads = 0;
    int unloads = 0;
    bool failUnload = false;
    static inline bool failLoad = false;
    using Form::trapped;

protected:
    void load() override {
        ++loads;
        if (failLoad) throw std::runtime_error("load failed");
    }
    void unload() override {
        ++unloads;
        if (failUnload) throw std::runtime_error("unload failed");
    }
};

class OtherWindow : public forms::Form {
public:
    OtherWindow() : Form(kWindow, kDesign) {}
};

// A window that is not shown in the main window's area.
inline constexpr forms::WindowDesign kHiddenServiceWindow{.caption = "Service", .mdiChild = false};
class ServiceWindow : public forms::Form {
public:
    ServiceWindow() : Form(kHiddenServiceWindow, kDesign) {}
    static inline int unloads = 0;   // outlives the window, so that a test can read it after destroyAll()

protected:
    void unload() override { ++unloads; }
};

}  // namespace tests
