#include "platform/spreadsheet/Address.h"

#include "platform/spreadsheet/WorkbookError.h"

#include <QRegularExpression>

#include <utility>

namespace spreadsheet {

namespace {

[[noreturn]] void refuse(const QString& kind, const QString& address) {
    throw WorkbookError(QStringLiteral("\"%1\" is not a %2 address.").arg(address, kind));
}

int columnNumber(const QString& letters) {
    int number = 0;
    for (QChar letter : letters) number = number * 26 + (letter.toUpper().unicode() - 'A' + 1);
    return number;
}

// Orders the two ends of a range and checks that both lie on the sheet.
CellRect spanning(int row1, int column1, int row2, int column2, const QString& kind, const QString& address) {
    if (row1 < 1 || row2 < 1 || row1 > kMaxRows || row2 > kMaxRows || column1 < 1 || column2 < 1 ||
        column1 > kMaxColumns || column2 > kMaxColumns) {
        refuse(kind, address);
    }
    return CellRect{std::min(row1, row2), std::min(column1, column2), std::max(row1, row2),
                    std::max(column1, column2)};
}

}  // namespace

CellRect parseCellRange(const QString& address) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\$?([A-Za-z]{1,3})\$?(\d{1,7})(?::\$?([A-Za-z]{1,3})\$?(\d{1,7}))?$)"));
    const auto match = pattern.match(address.trimmed());
    if (!match.hasMatch()) refuse(QStringLiteral("cell"), address);
    const int column1 = columnNumber(match.captured(1));
    const int row1 = match.captured(2).toInt();
    if (!match.hasCaptured(3)) return spanning(row1, column1, row1, column1, QStringLiteral("cell"), address);
    return spanning(row1, column1, match.captured(4).toInt(), columnNumber(match.captured(3)),
                    QStringLiteral("cell"), address);
}

CellRect parseRows(const QString& address) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\$?(\d{1,7})(?::\$?(\d{1,7}))?$)"));
    const auto match = pattern.match(address.trimmed());
    if (!match.hasMatch()) refuse(QStringLiteral("row"), address);
    const int first = match.captured(1).toInt();
    const int last = match.hasCaptured(2) ? match.captured(2).toInt() : first;
    return spanning(first, 1, last, kMaxColumns, QStringLiteral("row"), address);
}

CellRect parseColumns(const QString& address) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\$?([A-Za-z]{1,3})(?::\$?([A-Za-z]{1,3}))?$)"));
    const auto match = pattern.match(address.trimmed());
    if (!match.hasMatch()) refuse(QStringLiteral("column"), address);
    const int first = columnNumber(match.captured(1));
    const int last = match.hasCaptured(2) ? columnNumber(match.captured(2)) : first;
    return spanning(1, first, kMaxRows, last, QStringLiteral("column"), address);
}

QString columnName(int column) {
    QString name;
    for (; column > 0; column = (column - 1) / 26) name.prepend(QChar('A' + (column - 1) % 26));
    return name;
}

QString cellName(int row, int column) { return columnName(column) + QString::number(row); }

QString rectName(const CellRect& rect) {
    const QString first = cellName(rect.firstRow, rect.firstColumn);
    return rect.isSingleCell() ? first : first + QLatin1Char(':') + cellName(rect.lastRow, rect.lastColumn);
}

}  // namespace spreadsheet
