#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <cstdint>

namespace forms {

// Positions and sizes of the designs are twips: 15 twips are one pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return twips / kTwipsPerPixel; }
constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// The font size the designs are laid out for; a control may name another.
constexpr double kDesignFontPoints = 8.25;

// Colours as the designs give them: &H00BBGGRR, or &H80000000 + n for system colour n.
using Colour = std::uint32_t;
constexpr Colour kNoColour = 0xFFFFFFFFu;
constexpr Colour rgb(int red, int green, int blue) {
    return Colour(red) | (Colour(green) << 8) | (Colour(blue) << 16);
}
constexpr Colour systemColour(int index) { return 0x80000000u + Colour(index); }
constexpr Colour kInactiveTitleBar = systemColour(3);
QColor toQColor(Colour colour);

enum class Kind {
    Label,
    TextBox,        // one line (QLineEdit) or, with multiLine, several (QPlainTextEdit)
    ComboBox,       // editable: typed text or a list item
    Button,
    Frame,          // a container; border or none
    Line,           // a straight line, across its longer side
    Image,          // forms::Picture
    DataGrid,       // forms::DataGrid
    MonthCalendar,  // forms::MonthCalendar
    TabControl,     // QTabWidget; caption lists the tab captions separated by '|'
    OptionButton,
    CheckBox,
    FlexGrid,       // forms::FlexGrid
};

// A control's name as its window declares it. Made only from the window's declared constants
// (FORMS_CONTROL), never from a bare text, so that a misspelt name fails to compile.
class ControlName {
public:
    explicit constexpr ControlName(const char* text) : text_(text) {}
    constexpr const char* text() const { return text_; }
    QString toString() const { return QString::fromUtf8(text_); }
    constexpr bool isEmpty() const { return !text_ || !*text_; }
    // Names match without regard to case, as the controls are found.
    friend bool operator==(ControlName a, ControlName b) {
        return QString::fromUtf8(a.text_).compare(QString::fromUtf8(b.text_), Qt::CaseInsensitive) == 0;
    }

private:
    const char* text_;
};

// Declares a control name, once per window, in the window's names namespace.
#define FORMS_CONTROL(name) inline constexpr ::forms::ControlName name{#name}

// Where a control lies: the window itself, a frame, or one page of a tab control.
struct Container {
    constexpr Container() = default;
    constexpr Container(ControlName control, int page = -1) : control(control), page(page) {}
    ControlName control{""};
    int page = -1;
    constexpr bool isWindow() const { return control.isEmpty(); }
};

// One row of a window's design, as a form file holds it. A design is a constant array of these;
// the window's code holds only behaviour. Use designated initialisers and name only what differs
// from the defaults.
struct Control {
    ControlName name;
    Kind kind;
    Container container = {};         // the window, Frame3, or {SSTab1, 2} for page 2 of a tab control
    const char* caption = "";         // caption of labels, buttons, frames; text of boxes and combos
    int left = 0, top = 0, width = 0, height = 0;   // twips, inside the container
    bool visible = true;
    bool enabled = true;
    int maxLength = 0;                // 0: no limit
    bool multiLine = false;
    bool password = false;            // shows '*' for every character
    bool isDefault = false;           // Enter presses it
    bool isCancel = false;            // Esc presses it
    bool border = true;               // frames and labels
    bool graphical = false;           // buttons drawn in their back colour
    Colour backColor = kNoColour;     // kNoColour: the container's
    Colour foreColor = kNoColour;
    const char* fontName = nullptr;   // nullptr: the window's font
    double fontSize = 0;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    int tabIndex = -1;                // -1: table order
};

// A change of one control for a window that shares another's design (the print view).
// Only the members set in `set` replace the base row; a name not in the base adds a control.
struct ControlChange {
    enum Member : unsigned {
        Caption = 1, Geometry = 2, Visible = 4, Enabled = 8, Container = 16, Colours = 32, Font = 64
    };
    unsigned set;
    Control control;
};

// The window itself.
struct WindowDesign {
    const char* caption = "";
    int clientWidth = 0, clientHeight = 0;   // twips
    Colour backColor = kNoColour;
    bool mdiChild = true;                    // shown inside the main window's area
};

}  // namespace forms
