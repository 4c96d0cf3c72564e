#include "Design.h"

#include <QGuiApplication>
#include <QPalette>

namespace forms {

namespace {

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colours by index, taken from the desktop's palette.
constexpr SystemColour kSystemColours[] = {
    {QPalette::Active, QPalette::Button},            // 0 scroll bars
    {QPalette::Active, QPalette::Dark},              // 1 desktop
    {QPalette::Active, QPalette::Highlight},         // 2 active title bar
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive title bar (fixed below)
    {QPalette::Active, QPalette::Window},            // 4 menu bar
    {QPalette::Active, QPalette::Base},              // 5 window background
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 active title bar text
    {QPalette::Active, QPalette::Button},            // 10 active border
    {QPalette::Inactive, QPalette::Button},          // 11 inactive border
    {QPalette::Active, QPalette::Mid},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlighted text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Disabled, QPalette::WindowText},      // 19 inactive title bar text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 tool tip text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 tool tip background
};

// Many desktop palettes give the inactive highlight the active one's blue; the area behind child
// windows wants the quiet grey that inactive title bars have on classic desktops.
const QColor kInactiveTitleBarGrey(191, 191, 191);

}  // namespace

QColor toQColor(Colour colour) {
    if (colour == kNoColour) return {};
    if (colour & 0x80000000u) {
        const Colour index = colour & 0xFFu;
        if (colour == kInactiveTitleBar) return kInactiveTitleBarGrey;
        if (index >= std::size(kSystemColours)) return {};
        const SystemColour system = kSystemColours[index];
        const QPalette palette = qGuiApp ? QGuiApplication::palette() : QPalette();
        return palette.color(system.group, system.role);
    }
    return QColor(int(colour & 0xFFu), int((colour >> 8) & 0xFFu), int((colour >> 16) & 0xFFu));
}

}  // namespace forms
