#pragma once

#include <QString>

namespace spreadsheet {

class Workbook;

// Writes the workbook as an Office Open XML spreadsheet at the native path. The file is built beside
// the target and renamed over it at the end, so a failure leaves no partial file and any earlier file
// as it was. Throws WorkbookError.
void writeXlsxFile(const Workbook& book, const QString& nativePath);

}  // namespace spreadsheet
