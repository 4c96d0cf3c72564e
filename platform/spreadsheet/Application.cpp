#include "platform/spreadsheet/Application.h"

#include "platform/files/Paths.h"
#include "platform/spreadsheet/WorkbookError.h"

#include <QFileInfo>

#include <utility>

namespace spreadsheet {

namespace {
int newWorkbookSheets = 6;
ClosedWorkbookKeeper closedWorkbookKeeper;
}  // namespace

void setClosedWorkbookKeeper(ClosedWorkbookKeeper keeper) { closedWorkbookKeeper = std::move(keeper); }

int sheetsInNewWorkbook() { return newWorkbookSheets; }

void setSheetsInNewWorkbook(int count) {
    if (count < 1 || count > 255) throw WorkbookError(QStringLiteral("%1 is no number of worksheets.").arg(count));
    newWorkbookSheets = count;
}

Workbook& Workbooks::add() {
    application_->requireRunning();
    books_.push_back(std::make_unique<Workbook>(sheetsInNewWorkbook()));
    application_->active_ = books_.back().get();
    return *application_->active_;
}

void Workbooks::open(const QString& fileName, const FileOpener& openFile) {
    application_->requireRunning();
    if (!application_->visible()) {
        throw WorkbookError(QStringLiteral("Only a visible spreadsheet application opens \"%1\".").arg(fileName));
    }
    const QString path = files::nativePath(fileName);
    if (!QFileInfo(path).isFile()) throw WorkbookError(QStringLiteral("\"%1\" could not be found.").arg(fileName));
    if (!openFile(path)) {
        throw WorkbookError(
            QStringLiteral("No program on this computer opens \"%1\". The file is saved at \"%2\".").arg(fileName, path));
    }
}

void Application::requireRunning() const {
    if (quit_) throw WorkbookError(QStringLiteral("The spreadsheet application has been closed."));
}

Workbooks& Application::workbooks() {
    requireRunning();
    return workbooks_;
}

Range Application::range(const QString& address) {
    requireRunning();
    if (!active_) throw WorkbookError(QStringLiteral("No workbook is open."));
    return active_->activeSheet().range(address);
}

void Application::quit() {
    if (closedWorkbookKeeper) {
        for (auto& book : workbooks_.books_) closedWorkbookKeeper(std::move(book));
    }
    workbooks_.books_.clear();
    active_ = nullptr;
    quit_ = true;
}

}  // namespace spreadsheet
