#include "platform/spreadsheet/Range.h"

#include "platform/spreadsheet/Workbook.h"
#include "platform/spreadsheet/WorkbookError.h"

#include <initializer_list>

namespace spreadsheet {

namespace {

void require(bool ok, const QString& property, const Range& range, const QString& value) {
    if (!ok) {
        throw WorkbookError(QStringLiteral("Cannot set %1 of %2 to %3.").arg(property, range.address(), value));
    }
}

bool oneOf(int value, std::initializer_list<int> allowed) {
    for (int candidate : allowed) {
        if (value == candidate) return true;
    }
    return false;
}

void requireLine(int lineStyle, int weight, const Range& range) {
    require(oneOf(lineStyle, {xlContinuous, xlLineStyleNone}), QStringLiteral("the line style"), range,
            QString::number(lineStyle));
    require(oneOf(weight, {xlHairline, xlThin, xlMedium, xlThick}), QStringLiteral("the line weight"), range,
            QString::number(weight));
}

// The cells along one edge of a rectangle.
CellRect edgeOf(const CellRect& rect, int edge) {
    CellRect line = rect;
    switch (edge) {
    case xlEdgeLeft: line.lastColumn = rect.firstColumn; break;
    case xlEdgeTop: line.lastRow = rect.firstRow; break;
    case xlEdgeBottom: line.firstRow = rect.lastRow; break;
    case xlEdgeRight: line.firstColumn = rect.lastColumn; break;
    }
    return line;
}

void drawEdge(Worksheet& sheet, const CellRect& rect, int edge, const BorderLine& line) {
    sheet.applyStyle(edgeOf(rect, edge), [&](CellStyle& style) { style.edge(edge) = line; });
}

}  // namespace

void Range::setValue(const db::Value& value) { sheet_->setValue(rect_, value); }

RangeFont Range::font() const { return RangeFont(*this); }
RangeInterior Range::interior() const { return RangeInterior(*this); }
RangeBorder Range::borders(int edge) const { return RangeBorder(*this, edge); }

void Range::borderAround(int lineStyle, int weight, int colorIndex) {
    requireLine(lineStyle, weight, *this);
    require(colorIndex == xlColorIndexAutomatic, QStringLiteral("the border colour index"), *this,
            QString::number(colorIndex));
    for (int edge : {xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight}) {
        drawEdge(*sheet_, rect_, edge, BorderLine{lineStyle, weight});
    }
}

void Range::setHorizontalAlignment(int alignment) {
    require(oneOf(alignment, {xlGeneral, xlLeft, xlCenter, xlRight}), QStringLiteral("HorizontalAlignment"),
            *this, QString::number(alignment));
    sheet_->applyStyle(rect_, [=](CellStyle& style) { style.horizontalAlignment = alignment; });
}

void Range::setVerticalAlignment(int alignment) {
    require(oneOf(alignment, {xlTop, xlCenter, xlBottom}), QStringLiteral("VerticalAlignment"), *this,
            QString::number(alignment));
    sheet_->applyStyle(rect_, [=](CellStyle& style) { style.verticalAlignment = alignment; });
}

void Range::setNumberFormat(const QString& format) {
    require(!format.isEmpty(), QStringLiteral("NumberFormat"), *this, QStringLiteral("an empty text"));
    sheet_->applyStyle(rect_, [&](CellStyle& style) { style.numberFormat = format; });
}

void Range::setWrapText(bool wrap) {
    sheet_->applyStyle(rect_, [=](CellStyle& style) { style.wrapText = wrap; });
}

void Range::merge() { sheet_->merge(rect_); }
void Range::setRowHeight(double points) { sheet_->setRowHeight(rect_, points); }
void Range::setColumnWidth(double width) { sheet_->setColumnWidth(rect_, width); }
void Range::select() { sheet_->select(rect_); }

void RangeFont::setBold(bool bold) {
    range_.worksheet().applyStyle(range_.rect(), [=](CellStyle& style) { style.bold = bold; });
}

void RangeFont::setSize(double points) {
    require(points >= 1 && points <= 409, QStringLiteral("the font size"), range_, QString::number(points));
    range_.worksheet().applyStyle(range_.rect(), [=](CellStyle& style) { style.fontSize = points; });
}

void RangeInterior::setColor(std::int64_t color) {
    require(color >= 0 && color <= 0xFFFFFF, QStringLiteral("the interior colour"), range_, QString::number(color));
    range_.worksheet().applyStyle(range_.rect(),
                                  [=](CellStyle& style) { style.interiorColor = static_cast<std::uint32_t>(color); });
}

RangeBorder::RangeBorder(const Range& range, int edge) : range_(range), edge_(edge) {
    if (edge < xlEdgeLeft || edge > xlEdgeRight) {
        throw WorkbookError(QStringLiteral("%1 is not a border edge of %2.").arg(edge).arg(range.address()));
    }
}

void RangeBorder::setLineStyle(int lineStyle) {
    requireLine(lineStyle, xlThin, range_);
    range_.worksheet().applyStyle(edgeOf(range_.rect(), edge_),
                                  [&](CellStyle& style) { style.edge(edge_).lineStyle = lineStyle; });
}

}  // namespace spreadsheet
