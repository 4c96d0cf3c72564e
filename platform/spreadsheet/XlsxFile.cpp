#include "platform/spreadsheet/XlsxFile.h"

#include "platform/spreadsheet/Workbook.h"
#include "platform/spreadsheet/WorkbookError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <xlsxwriter.h>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
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

// Why the library could not put the workbook together, in words a user can act on.
QString reasonFor(lxw_error error) {
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED: return QStringLiteral("there is not enough memory to put it together");
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
        return QStringLiteral("its working files could not be written in the folder \"%1\", which may be full")
            .arg(QDir::tempPath());
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED: return QStringLiteral("it is longer than the 32,767 characters a cell holds");
    case LXW_ERROR_255_STRING_LENGTH_EXCEEDED: return QStringLiteral("it is longer than 255 characters");
    case LXW_ERROR_IMAGE_DIMENSIONS: return QStringLiteral("the size of the picture cannot be read");
    case LXW_ERROR_PARAMETER_VALIDATION:
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE: return QStringLiteral("the workbook cannot hold it");
    default: return QStringLiteral("the workbook could not be put together");
    }
}

[[noreturn]] void refuse(const QString& nativePath, const QString& where, lxw_error error) {
    const QString place = where.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(where);
    throw WorkbookError(QStringLiteral("\"%1\" could not be saved%2: %3.").arg(nativePath, place, reasonFor(error)));
}

// An anonymous file in memory that the library writes the workbook into, through a path it can open.
class MemoryFile {
public:
    MemoryFile() : fd_(memfd_create("workbook", MFD_CLOEXEC)) {}
    ~MemoryFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    QByteArray path() const { return "/proc/self/fd/" + QByteArray::number(fd_); }
    // Empty when it cannot be read back.
    QByteArray bytes() const {
        struct stat status {};
        if (::fstat(fd_, &status) != 0) return {};
        QByteArray bytes(static_cast<qsizetype>(status.st_size), Qt::Uninitialized);
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t read = ::pread(fd_, bytes.data() + done, static_cast<std::size_t>(bytes.size() - done), done);
            if (read <= 0) return {};
            done += read;
        }
        return bytes;
    }

private:
    int fd_;
};

// The file format spells a character as _xHHHH_, and readers decode such a sequence wherever it
// stands: an underscore that starts one in the text itself is written as _x005F_, so that the
// text reads back as typed.
QByteArray fileText(const QString& text) {
    if (!text.contains(QLatin1String("_x"), Qt::CaseInsensitive)) return text.toUtf8();
    static const QRegularExpression sequenceStart(QStringLiteral("_(?=[xX][0-9A-Fa-f]{4}_)"));
    return QString(text).replace(sequenceStart, QStringLiteral("_x005F_")).toUtf8();
}

// The first day whose day number every spreadsheet program reads alike: before it, one of them
// counts a 29 February 1900 that never was.
const QDate kFirstSharedDay(1900, 3, 1);

// One workbook being put together by the library, with the formats made for the model's styles.
class XlsxBuilder {
public:
    XlsxBuilder(const QByteArray& outputPath, const QString& nativePath)
        : nativePath_(nativePath), temporaryFolder_(QFile::encodeName(QDir::tempPath())) {
        lxw_workbook_options options{};
        options.tmpdir = temporaryFolder_.data();
        file_ = workbook_new_opt(outputPath.constData(), &options);
        if (!file_) refuse(nativePath_, QString(), LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    ~XlsxBuilder() {
        if (file_) workbook_close(file_);
    }
    XlsxBuilder(const XlsxBuilder&) = delete;
    XlsxBuilder& operator=(const XlsxBuilder&) = delete;

    void addSheet(const Worksheet& sheet) {
        lxw_worksheet* out = workbook_add_worksheet(file_, sheet.name().toUtf8().constData());
        if (!out) refuse(nativePath_, sheet.name(), LXW_ERROR_PARAMETER_VALIDATION);
        writeColumns(sheet, out);
        for (const auto& [row, height] : sheet.rowHeights()) {
            check(worksheet_set_row(out, row - 1, height, nullptr), QStringLiteral("row %1 of %2").arg(row).arg(sheet.name()));
        }
        for (const CellRect& area : sheet.mergedAreas()) {
            check(worksheet_merge_range(out, area.firstRow - 1, area.firstColumn - 1, area.lastRow - 1,
                                        area.lastColumn - 1, "", nullptr),
                  QStringLiteral("cells %1 of %2").arg(rectName(area), sheet.name()));
        }
        for (const auto& [key, cell] : sheet.cells()) {
            check(writeCell(out, key.first - 1, key.second - 1, cell),
                  QStringLiteral("cell %1 of %2").arg(cellName(key.first, key.second), sheet.name()));
        }
        for (int i = 0; i < sheet.pictures().count(); ++i) {
            const PlacedPicture& picture = sheet.pictures().at(i);
            check(worksheet_insert_image_buffer(out, picture.row - 1, picture.column - 1,
                                                reinterpret_cast<const unsigned char*>(picture.bytes.constData()),
                                                static_cast<size_t>(picture.bytes.size())),
                  QStringLiteral("the picture %1").arg(picture.sourcePath));
        }
    }

    void close() { check(workbook_close(std::exchange(file_, nullptr)), QString()); }

private:
    void check(lxw_error error, const QString& where) const {
        if (error != LXW_NO_ERROR) refuse(nativePath_, where, error);
    }

    void writeColumns(const Worksheet& sheet, lxw_worksheet* out) {
        std::set<int> columns;
        for (const auto& entry : sheet.columnWidths()) columns.insert(entry.first);
        for (const auto& entry : sheet.columnStyles()) columns.insert(entry.first);
        for (int column : columns) {
            const auto styled = sheet.columnStyles().find(column);
            lxw_format* format = styled == sheet.columnStyles().end() ? nullptr : formatFor(styled->second);
            check(worksheet_set_column(out, column - 1, column - 1,
                                       sheet.columnWidth(column).value_or(LXW_DEF_COL_WIDTH), format),
                  QStringLiteral("column %1 of %2").arg(columnName(column), sheet.name()));
        }
    }

    // A value the file cannot hold as such (a date before the shared days, a number that is no
    // finite number) is written as the text the program shows for it.
    lxw_error writeCell(lxw_worksheet* out, lxw_row_t row, lxw_col_t column, const Cell& cell) {
        lxw_format* format = formatFor(cell.style);
        const db::Value& value = cell.value;
        switch (value.type()) {
        case db::Value::Type::Null:
        case db::Value::Type::Bytes: return worksheet_write_blank(out, row, column, format);
        case db::Value::Type::Integer:
        case db::Value::Type::Double:
            if (!std::isfinite(value.toDouble())) break;
            return worksheet_write_number(out, row, column, value.toDouble(), format);
        case db::Value::Type::Text: return worksheet_write_string(out, row, column, fileText(value.toString()).constData(), format);
        case db::Value::Type::Date: {
            const QDate date = value.toDate();
            if (date < kFirstSharedDay) break;
            lxw_datetime day{date.year(), date.month(), date.day(), 0, 0, 0};
            return worksheet_write_datetime(out, row, column, &day, format);
        }
        }
        return worksheet_write_string(out, row, column, value.toString().toUtf8().constData(), format);
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

    QString nativePath_;
    QByteArray temporaryFolder_;   // where the library keeps the parts of the file until it is complete
    lxw_workbook* file_ = nullptr;
    std::vector<std::pair<CellStyle, lxw_format*>> formats_;
};

}  // namespace

QByteArray xlsxBytes(const Workbook& book, const QString& nativePath) {
    MemoryFile memory;
    if (!memory.isOpen()) refuse(nativePath, QString(), LXW_ERROR_MEMORY_MALLOC_FAILED);
    XlsxBuilder builder(memory.path(), nativePath);
    for (int i = 1; i <= book.worksheetCount(); ++i) builder.addSheet(book.worksheets(i));
    builder.close();
    QByteArray bytes = memory.bytes();
    if (bytes.isEmpty()) refuse(nativePath, QString(), LXW_ERROR_MEMORY_MALLOC_FAILED);
    return bytes;
}

}  // namespace spreadsheet
