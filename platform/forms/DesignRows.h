#pragma once

#include "Design.h"

#include <initializer_list>
#include <span>
#include <vector>

// Rows of a design table by kind, holding what every row of that kind has; a table adds its own
// look (colours, fonts) with the modifiers below.
namespace forms::rows {

constexpr Control label(ControlName name, Container in, const char* caption, int left, int top, int width,
                        int height) {
    return {.name = name, .kind = Kind::Label, .container = in, .caption = caption, .left = left, .top = top,
            .width = width, .height = height, .border = false};
}

constexpr Control textBox(ControlName name, Container in, int left, int top, int width, int height,
                          int maxLength = 0) {
    return {.name = name, .kind = Kind::TextBox, .container = in, .left = left, .top = top, .width = width,
            .height = height, .maxLength = maxLength};
}

// Filled by a date picker, never typed.
constexpr Control dateBox(ControlName name, Container in, int left, int top, int width, int height) {
    return {.name = name, .kind = Kind::TextBox, .container = in, .left = left, .top = top, .width = width,
            .height = height, .enabled = false};
}

constexpr Control comboBox(ControlName name, Container in, const char* text, int left, int top, int width,
                           int height) {
    return {.name = name, .kind = Kind::ComboBox, .container = in, .caption = text, .left = left, .top = top,
            .width = width, .height = height};
}

constexpr Control button(ControlName name, Container in, const char* caption, int left, int top, int width,
                         int height) {
    return {.name = name, .kind = Kind::Button, .container = in, .caption = caption, .left = left, .top = top,
            .width = width, .height = height};
}

constexpr Control dataGrid(ControlName name, Container in, int left, int top, int width, int height) {
    return {.name = name, .kind = Kind::DataGrid, .container = in, .left = left, .top = top, .width = width,
            .height = height};
}

// Hidden until its button shows it.
constexpr Control calendar(ControlName name, Container in, int left, int top, int width, int height) {
    return {.name = name, .kind = Kind::MonthCalendar, .container = in, .left = left, .top = top, .width = width,
            .height = height, .visible = false};
}

constexpr Control withBackColour(Control row, Colour colour) {
    row.backColor = colour;
    return row;
}

constexpr Control withLines(Control row) {
    row.multiLine = true;
    return row;
}

constexpr Control withFont(Control row, const char* fontName, double fontSize) {
    row.fontName = fontName;
    row.fontSize = fontSize;
    return row;
}

// One table of several parts in order, such as a group of rows that two windows share.
inline std::vector<Control> joined(std::initializer_list<std::span<const Control>> parts) {
    std::vector<Control> all;
    for (const std::span<const Control> part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace forms::rows
