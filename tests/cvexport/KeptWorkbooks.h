#pragma once

#include "platform/spreadsheet/Application.h"

#include <memory>
#include <vector>

namespace tests {

// While it lives, the workbooks that a spreadsheet application closes are kept here for the test to
// read, instead of being dropped.
class KeptWorkbooks {
public:
    KeptWorkbooks() {
        spreadsheet::setClosedWorkbookKeeper(
            [this](std::unique_ptr<spreadsheet::Workbook> book) { books_.push_back(std::move(book)); });
    }
    ~KeptWorkbooks() { spreadsheet::setClosedWorkbookKeeper({}); }
    KeptWorkbooks(const KeptWorkbooks&) = delete;
    KeptWorkbooks& operator=(const KeptWorkbooks&) = delete;

    std::size_t size() const { return books_.size(); }
    spreadsheet::Workbook& last() { return *books_.back(); }

private:
    std::vector<std::unique_ptr<spreadsheet::Workbook>> books_;
};

}  // namespace tests
