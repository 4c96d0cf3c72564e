#pragma once

#include "platform/forms/DesignRows.h"

#include <array>

// The user name and the new password typed twice, laid out alike in the password change and in
// user maintenance, each at its own place.
namespace shell::passwordPanel {

FORMS_CONTROL(Label3);
FORMS_CONTROL(Label7);
FORMS_CONTROL(Text4);
FORMS_CONTROL(Label4);
FORMS_CONTROL(Label8);
FORMS_CONTROL(Text5);
FORMS_CONTROL(Label5);
FORMS_CONTROL(Label9);
FORMS_CONTROL(Text6);

// The rows inside `in`, the "User Name" label's top-left corner at left, top. The name takes at
// most 10 characters, each password at most 8, shown as '*'.
constexpr std::array<forms::Control, 9> rows(forms::ControlName in, int left, int top, bool nameTyped,
                                            forms::Colour labelBack) {
    using forms::rows::label;
    using forms::rows::withBackColour;
    const int colon = left + 1320;
    const int box = left + 1680;
    auto lineLabel = [&](forms::ControlName name, const char* caption, int x, int y, int width) {
        return withBackColour(label(name, in, caption, x, y, width, 255), labelBack);
    };
    auto textBox = [&](forms::ControlName name, int y, int maxLength, bool password) {
        forms::Control row = forms::rows::textBox(name, in, box, y, 1335, 285, maxLength);
        row.password = password;
        return row;
    };
    forms::Control name = textBox(Text4, top, 10, false);
    name.enabled = nameTyped;
    return {
        lineLabel(Label3, "User Name", left, top, 1215),
        lineLabel(Label7, ":", colon, top, 255),
        name,
        lineLabel(Label4, "Password", left, top + 360, 1215),
        lineLabel(Label8, ":", colon, top + 360, 255),
        textBox(Text5, top + 360, 8, true),
        lineLabel(Label5, "Verify Password", left, top + 720, 1215),
        lineLabel(Label9, ":", colon, top + 720, 135),
        textBox(Text6, top + 720, 8, true),
    };
}

}  // namespace shell::passwordPanel
