#pragma once

#include "platform/db/Value.h"
#include "platform/spreadsheet/Address.h"

#include <QString>

#include <cstdint>

namespace spreadsheet {

class Worksheet;
class RangeFont;
class RangeInterior;
class RangeBorder;

// Cells of one worksheet addressed together, as the automation interface's Range: a cell, a block,
// whole rows or whole columns. Every setter changes the worksheet at once.
class Range {
public:
    Range(Worksheet& sheet, const CellRect& rect) : sheet_(&sheet), rect_(rect) {}

    Worksheet& worksheet() const { return *sheet_; }
    const CellRect& rect() const { return rect_; }
    QString address() const { return rectName(rect_); }

    // Every cell of the range takes the value; Null empties them. Bytes are refused.
    void setValue(const db::Value& value);

    RangeFont font() const;
    RangeInterior interior() const;
    RangeBorder borders(int edge) const;   // xlEdgeLeft .. xlEdgeRight
    void borderAround(int lineStyle, int weight, int colorIndex);

    void setHorizontalAlignment(int alignment);   // xlGeneral, xlLeft, xlCenter, xlRight
    void setVerticalAlignment(int alignment);     // xlTop, xlCenter, xlBottom
    void setNumberFormat(const QString& format);
    void setWrapText(bool wrap);
    void merge();
    void setRowHeight(double points);     // of every row the range touches
    void setColumnWidth(double width);    // of every column the range touches
    void select();                        // only on the active sheet

private:
    Worksheet* sheet_;
    CellRect rect_;
};

class RangeFont {
public:
    explicit RangeFont(const Range& range) : range_(range) {}
    void setBold(bool bold);
    void setSize(double points);

private:
    Range range_;
};

class RangeInterior {
public:
    explicit RangeInterior(const Range& range) : range_(range) {}
    void setColor(std::int64_t color);   // red in the low byte

private:
    Range range_;
};

// One edge of a range: the edge of its outer cells on that side.
class RangeBorder {
public:
    RangeBorder(const Range& range, int edge);
    void setLineStyle(int lineStyle);

private:
    Range range_;
    int edge_;
};

}  // namespace spreadsheet
