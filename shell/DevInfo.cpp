#include "shell/DevInfo.h"

#include "platform/forms/DesignRows.h"

namespace shell {

using namespace developerControls;

namespace {

using forms::Control;
namespace rows = forms::rows;

const forms::WindowDesign kWindow{.caption = "Developer Information", .clientWidth = 7380, .clientHeight = 3705};

constexpr Control credit(forms::ControlName name, const char* caption, const char* font, int left, int top,
                         int width, int height) {
    return rows::withFont(rows::label(name, {}, caption, left, top, width, height), font, forms::kDesignFontPoints);
}

const Control kDesign[] = {
    credit(Label1, "Software Developed By", "Arial", 1080, 840, 2055, 255),
    credit(Label4, ":", "Arial", 3240, 840, 135, 375),
    credit(Label7, "Pravel developers", "Arial", 3480, 840, 1455, 255),
    credit(Label6, "E-mail : developers@pravel.example", "MS Sans Serif", 1080, 1200, 3975, 255),
    credit(Label3, "Thank you for using Pravel.", "Arial", 1080, 1680, 4215, 255),
};

}  // namespace

DevInfo::DevInfo() : forms::Form(kWindow, kDesign) {}

void DevInfo::load() {
    setTwipsWidth(7500);
    setTwipsHeight(4200);
}

}  // namespace shell
