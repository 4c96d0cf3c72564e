#pragma once

#include "platform/spreadsheet/Worksheet.h"

#include <QString>

#include <memory>
#include <vector>

namespace spreadsheet {

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
    // An existing file is replaced only when the user agrees; the file is written beside it and
    // renamed over it, so a refused or failed save leaves any earlier file as it was.
    void saveAs(const QString& fileName);
    QString fullName() const { return fullName_; }   // native path of the last save

private:
    std::vector<std::unique_ptr<Worksheet>> sheets_;
    QString fullName_;
};

}  // namespace spreadsheet
