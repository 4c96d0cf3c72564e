#pragma once

#include "platform/db/DbError.h"
#include "platform/db/PackedRow.h"
#include "platform/db/Value.h"

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace db::sqlite {

// Sentences a user can read, about the file and what was left undone; never the statement itself.
QString openFailure(sqlite3* handle, int rc, const QString& path);
QString statementFailure(sqlite3* handle, int rc, const QString& sql);
[[noreturn]] void failStatement(sqlite3* handle, int rc, const QString& sql);

// One prepared statement, finalized when it goes. Its failures are DbErrors.
class Statement {
public:
    Statement(sqlite3* handle, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const Value& value);   // 1-based, as SQLite counts
    bool step();                                 // true while a row is ready
    sqlite3_stmt* get() const { return stmt_; }

    // The column of the current row; in a date column the stored date text is a Date.
    void addColumn(int index, bool dateColumn, PackedRow::Builder& row) const;
    Value column(int index, bool dateColumn) const;

private:
    sqlite3* handle_;
    sqlite3_stmt* stmt_ = nullptr;
    QString sql_;
};

}  // namespace db::sqlite
