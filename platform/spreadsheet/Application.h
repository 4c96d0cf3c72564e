#pragma once

#include "platform/spreadsheet/Workbook.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace spreadsheet {

// The number of worksheets of a new workbook, as the user's settings give it (6 unless changed).
int sheetsInNewWorkbook();
void setSheetsInNewWorkbook(int count);

// When set, the workbooks that quit() closes are handed here instead of being dropped, so that a
// test can read what a run built. Pass an empty function to drop them again.
using ClosedWorkbookKeeper = std::function<void(std::unique_ptr<Workbook>)>;
void setClosedWorkbookKeeper(ClosedWorkbookKeeper keeper);

// Opens a file, given by its native path, in the program the desktop has for it; false when none does.
using FileOpener = std::function<bool(const QString& nativePath)>;

class Application;

class Workbooks {
public:
    explicit Workbooks(Application& application) : application_(&application) {}
    Workbook& add();   // a new workbook with sheetsInNewWorkbook() worksheets, made the active one
    // Shows the file to the user: a visible application hands its native path to the opener, the
    // desktop's way of opening a file in its program. WorkbookError, naming where the file is, when
    // the opener finds no program for it.
    void open(const QString& fileName, const FileOpener& openFile);

private:
    friend class Application;
    Application* application_;
    std::vector<std::unique_ptr<Workbook>> books_;
};

// The automation-shaped spreadsheet application: an invisible instance builds workbooks in memory;
// a visible one shows files through the desktop. References into it are invalid after quit().
class Application {
public:
    Application() : workbooks_(*this) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    Workbooks& workbooks();
    // A range of the active workbook's active sheet.
    Range range(const QString& address);
    void quit();   // closes every workbook without saving

private:
    friend class Workbooks;
    void requireRunning() const;

    Workbooks workbooks_;
    Workbook* active_ = nullptr;
    bool visible_ = false;
    bool quit_ = false;
};

}  // namespace spreadsheet
