#include "platform/spreadsheet/Workbook.h"

#include "platform/files/Paths.h"
#include "platform/spreadsheet/FileReplacement.h"
#include "platform/spreadsheet/WorkbookError.h"
#include "platform/spreadsheet/XlsxFile.h"

#include <QFileInfo>

#include <utility>

namespace spreadsheet {

Workbook::Workbook(int sheetCount) {
    for (int i = 1; i <= sheetCount; ++i) {
        sheets_.push_back(std::make_unique<Worksheet>(*this, QStringLiteral("Sheet%1").arg(i)));
    }
}

Worksheet& Workbook::worksheets(int index) {
    return const_cast<Worksheet&>(std::as_const(*this).worksheets(index));
}

const Worksheet& Workbook::worksheets(int index) const {
    if (index < 1 || index > worksheetCount()) {
        throw WorkbookError(QStringLiteral("The workbook has no worksheet %1: it has %2.").arg(index).arg(worksheetCount()));
    }
    return *sheets_[index - 1];
}

void Workbook::saveAs(const QString& fileName, const ReplaceQuestion& mayReplace) {
    const QString path = files::nativePath(fileName);
    if (QFileInfo::exists(path)) {
        if (isReadOnlyFile(path)) {
            throw WorkbookError(
                QStringLiteral("\"%1\" is read-only, so it was not replaced. Make it writable, or remove it, and try again.")
                    .arg(path));
        }
        if (!mayReplace(fileName)) {
            throw WorkbookError(QStringLiteral("The workbook was not saved: \"%1\" was kept.").arg(path));
        }
    }
    replaceFile(path, xlsxBytes(*this, path));
}

}  // namespace spreadsheet
