#include "platform/spreadsheet/XlsxFile.h"

#include "platform/spreadsheet/Workbook.h"
#include "platform/spreadsheet/WorkbookError.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

namespace spreadsheet {

namespace {

std::uint8_t lineType(const BorderLine& line) {
    if (line.lineStyle != xlContinuous) return LXW_BORDER_NONE;
    switch (line.weight) {
    case xlHairline: return LXW_BORDER_HAIR;
    case xlMedium: return LXW_BORDER_MEDIUM;
    case xlThick: return LXW_BORDER_THICK;
    default: return LXW_BORDER_THIN;
    }
}

std::uint8_t horizontalAlignment(int alignment) {
    switch (alignment) {
    case xlLeft: return LXW_ALIGN_LEFT;
    case xlCenter: return LXW_ALIGN_CENTER;
    case xlRight: return LXW_ALIGN_RIGHT;
    default: return LXW_ALIGN_NONE;
    }
}

std::uint8_t verticalAlignment(int alignment) {
    switch (alignment) {
    case xlTop: return LXW_ALIGN_VERTICAL_TOP;
    case xlCenter: return LXW_ALIGN_VERTICAL_CENTER;
    default: return LXW_ALIGN_NONE;   // bottom, the file's default
    }
}

// The model's colour numbers hold red in the low byte; the file wants 0xRRGGBB.
lxw_color_t fileColour(std::uint32_t colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

void check(lxw_error error, const QString& what) {
    if (error != LXW_NO_ERROR) {
        throw WorkbookError(QStringLiteral("The workbook could not be written (%1): %2.")
                                .arg(what, QString::fromUtf8(lxw_strerror(error))));
    }
}

// One file being written: the library's workbook and the formats made for the model's styles.
class XlsxBuilder {
public:
    explicit XlsxBuilder(const QString& path) : file_(workbook_new(path.toUtf8().constData())) {
        if (!file_) throw WorkbookError(QStringLiteral("The workbook \"%1\" could not be created.").arg(path));
    }
    ~XlsxBuilder() {
        if (file_) workbook_close(file_);
    }
    XlsxBuilder(const XlsxBuilder&) = delete;
    XlsxBuilder& operator=(const XlsxBuilder&) = delete;

    void addSheet(const Worksheet& sheet) {
        lxw_worksheet* out = workbook_add_worksheet(file_, sheet.name().toUtf8().constData());
        if (!out) throw WorkbookError(QStringLiteral("The worksheet \"%1\" could not be added.").arg(sheet.name()));
        writeColumns(sheet, out);
        for (const auto& [row, height] : sheet.rowHeights()) {
            check(worksheet_set_row(out, row - 1, height, nullptr), QStringLiteral("row height"));
        }
        for (const CellRect& area : sheet.mergedAreas()) {
            check(worksheet_merge_range(out, area.firstRow - 1, area.firstColumn - 1, area.lastRow - 1,
                                        area.lastColumn - 1, "", nullptr),
                  QStringLiteral("merged cells %1").arg(rectName(area)));
        }
        for (const auto& [key, cell] : sheet.cells()) writeCell(out, key.first - 1, key.second - 1, cell);
        for (int i = 0; i < sheet.pictures().count(); ++i) {
            const PlacedPicture& picture = sheet.pictures().at(i);
            check(worksheet_insert_image_buffer(out, picture.row - 1, picture.column - 1,
                                                reinterpret_cast<const unsigned char*>(picture.bytes.constData()),
                                                static_cast<size_t>(picture.bytes.size())),
                  QStringLiteral("picture %1").arg(picture.sourcePath));
        }
    }

    void close() {
        const lxw_error error = workbook_close(std::exchange(file_, nullptr));
        check(error, QStringLiteral("saving"));
    }

private:
    void writeColumns(const Worksheet& sheet, lxw_worksheet* out) {
        std::set<int> columns;
        for (const auto& entry : sheet.columnWidths()) columns.insert(entry.first);
        for (const auto& entry : sheet.columnStyles()) columns.insert(entry.first);
        for (int column : columns) {
            const auto styled = sheet.columnStyles().find(column);
            lxw_format* format = styled == sheet.columnStyles().end() ? nullptr : formatFor(styled->second);
            check(worksheet_set_column(out, column - 1, column - 1,
                                       sheet.columnWidth(column).value_or(LXW_DEF_COL_WIDTH), format),
                  QStringLiteral("column %1").arg(columnName(column)));
        }
    }

    void writeCell(lxw_worksheet* out, lxw_row_t row, lxw_col_t column, const Cell& cell) {
        lxw_format* format = formatFor(cell.style);
        const db::Value& value = cell.value;
        lxw_error error = LXW_NO_ERROR;
        switch (value.type()) {
        case db::Value::Type::Null:
        case db::Value::Type::Bytes:
            error = worksheet_write_blank(out, row, column, format);
            break;
        case db::Value::Type::Integer:
        case db::Value::Type::Double:
            error = worksheet_write_number(out, row, column, value.toDouble(), format);
            break;
        case db::Value::Type::Text:
            error = worksheet_write_string(out, row, column, value.toString().toUtf8().constData(), format);
            break;
        case db::Value::Type::Date: {
            const QDate date = value.toDate();
            lxw_datetime when{date.year(), date.month(), date.day(), 0, 0, 0};
            error = date.year() < 1900   // before the file's first day: kept as text
                        ? worksheet_write_string(out, row, column, value.toString().toUtf8().constData(), format)
                        : worksheet_write_datetime(out, row, column, &when, format);
            break;
        }
        }
        check(error, QStringLiteral("cell %1").arg(cellName(int(row) + 1, int(column) + 1)));
    }

    lxw_format* formatFor(const CellStyle& style) {
        if (style == CellStyle{}) return nullptr;
        for (const auto& [known, format] : formats_) {
            if (known == style) return format;
        }
        lxw_format* format = workbook_add_format(file_);
        if (style.bold) format_set_bold(format);
        if (style.fontSize != kDefaultFontSize) format_set_font_size(format, style.fontSize);
        if (style.interiorColor) format_set_bg_color(format, fileColour(*style.interiorColor));
        if (style.horizontalAlignment != xlGeneral) format_set_align(format, horizontalAlignment(style.horizontalAlignment));
        if (style.verticalAlignment != xlBottom) format_set_align(format, verticalAlignment(style.verticalAlignment));
        if (style.numberFormat != kGeneralFormat) format_set_num_format(format, style.numberFormat.toUtf8().constData());
        if (style.wrapText) format_set_text_wrap(format);
        format_set_left(format, lineType(style.edge(xlEdgeLeft)));
        format_set_top(format, lineType(style.edge(xlEdgeTop)));
        format_set_bottom(format, lineType(style.edge(xlEdgeBottom)));
        format_set_right(format, lineType(style.edge(xlEdgeRight)));
        formats_.emplace_back(style, format);
        return format;
    }

    lxw_workbook* file_;
    std::vector<std::pair<CellStyle, lxw_format*>> formats_;
};

}  // namespace

void writeXlsxFile(const Workbook& book, const QString& nativePath) {
    const QFileInfo target(nativePath);
    if (!target.dir().exists()) {
        throw WorkbookError(QStringLiteral("\"%1\" cannot be saved: its folder does not exist.").arg(nativePath));
    }
    QTemporaryFile temporary(target.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!temporary.open()) {
        throw WorkbookError(QStringLiteral("\"%1\" cannot be saved: %2.").arg(nativePath, temporary.errorString()));
    }
    temporary.close();

    XlsxBuilder builder(temporary.fileName());
    for (int i = 1; i <= book.worksheetCount(); ++i) builder.addSheet(book.worksheets(i));
    builder.close();

    QFile::setPermissions(temporary.fileName(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(nativePath).constData()) != 0) {
        throw WorkbookError(QStringLiteral("\"%1\" cannot be saved: %2.")
                                .arg(nativePath, QString::fromLocal8Bit(std::strerror(errno))));
    }
    temporary.setAutoRemove(false);
}

}  // namespace spreadsheet
