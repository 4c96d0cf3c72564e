#pragma once

#include "platform/db/DbError.h"

namespace spreadsheet {

// A call the workbook refuses or cannot carry out; description() is a sentence a user can read.
class WorkbookError : public db::DbError {
public:
    using db::DbError::DbError;
};

}  // namespace spreadsheet
