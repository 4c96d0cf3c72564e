#pragma once

#include "platform/db/Value.h"
#include "platform/spreadsheet/Constants.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace spreadsheet {

constexpr double kDefaultFontSize = 11;
constexpr double kDefaultRowHeight = 15;      // points
constexpr double kDefaultColumnWidth = 8.43;  // characters
inline const QString kGeneralFormat = QStringLiteral("General");
inline const QString kShortDateFormat = QStringLiteral("dd/mm/yyyy");
constexpr double kShortDateWidth = 10;        // characters: what a date in that format needs

// One edge of a cell's frame.
struct BorderLine {
    int lineStyle = xlLineStyleNone;
    int weight = xlThin;
    bool operator==(const BorderLine&) const = default;
};

// Everything about a cell that is not its value.
struct CellStyle {
    bool bold = false;
    double fontSize = kDefaultFontSize;
    std::optional<std::uint32_t> interiorColor;   // an automation colour number: red in the low byte
    int horizontalAlignment = xlGeneral;
    int verticalAlignment = xlBottom;
    QString numberFormat = kGeneralFormat;
    bool wrapText = false;
    std::array<BorderLine, 4> edges;   // indexed by edge - xlEdgeLeft: left, top, bottom, right

    const BorderLine& edge(int index) const { return edges.at(index - xlEdgeLeft); }
    BorderLine& edge(int index) { return edges.at(index - xlEdgeLeft); }
    bool operator==(const CellStyle&) const = default;
};

struct Cell {
    db::Value value;   // Null: the cell is empty
    CellStyle style;
};

}  // namespace spreadsheet
