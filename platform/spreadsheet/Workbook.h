#pragma once

#include "platform/spreadsheet/Worksheet.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace spreadsheet {

// Asked before an existing file is replaced, with the name given to saveAs: true replaces it.
using ReplaceQuestion = std::function<bool(const QString& fileName)>;

// A workbook of the model: its worksheets in order; the first is the active one.
class Workbook {
public:
    explicit Workbook(int sheetCount);
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    int worksheetCount() const { return static_cast<int>(sheets_.size()); }
    // By position from 1; a position the workbook does not have is a WorkbookError.
    Worksheet& worksheets(int index);
    const Worksheet& worksheets(int index) const;
    Worksheet& activeSheet() { return *sheets_.front(); }

    // Writes the workbook as an Office Open XML file under the name (a name in Windows form is mapped).
    // An existing file is replaced only when the question says so, and never when it is read-only; the
    // file is written beside it and renamed over it, so a refused or failed save leaves any earlier
    // file as it was. Throws WorkbookError.
    void saveAs(const QString& fileName, const ReplaceQuestion& mayReplace);

private:
    std::vector<std::unique_ptr<Worksheet>> sheets_;
};

}  // namespace spreadsheet
