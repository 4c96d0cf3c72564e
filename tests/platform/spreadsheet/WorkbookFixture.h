#pragma once

#include "platform/spreadsheet/Application.h"
#include "tests/platform/spreadsheet/ValuePrinting.h"
#include "tests/support/ProgramFolder.h"

#include <QDir>
#include <QStringList>

#include <gtest/gtest.h>

namespace tests {

// A new workbook in memory, and a program folder whose drive C: receives the saved file.
class WorkbookFixture : public ::testing::Test {
protected:
    QString savedPath() const { return folder.driveC() + "/Pravel.xls"; }
    QStringList filesOnDriveC() const { return QDir(folder.driveC()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot); }
    // Saves as "C:\Pravel.xls", replacing any earlier file without a question.
    void save() {
        book.saveAs("C:\\Pravel.xls", [](const QString&) { return true; });
    }

    ProgramFolder folder{ProgramFolder::Database::Empty};
    spreadsheet::Application xl;
    spreadsheet::Workbook& book = xl.workbooks().add();
    spreadsheet::Worksheet& sheet = book.worksheets(1);
};

}  // namespace tests
