#pragma once

#include <QByteArray>
#include <QString>

namespace spreadsheet {

class Workbook;

// The workbook as the bytes of an Office Open XML spreadsheet, built in memory. Throws
// WorkbookError; its description speaks of the file to be saved under the native path.
QByteArray xlsxBytes(const Workbook& book, const QString& nativePath);

}  // namespace spreadsheet
