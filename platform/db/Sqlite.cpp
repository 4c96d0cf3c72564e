#include "platform/db/Sqlite.h"

#include "platform/db/DateText.h"

#include <sqlite3.h>

namespace db::sqlite {

QString failure(sqlite3* handle, int rc, const QString& what) {
    QString why;
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: why = QStringLiteral("the database file is locked by another user"); break;
    case SQLITE_NOTADB: why = QStringLiteral("the file is not a database"); break;
    case SQLITE_CORRUPT: why = QStringLiteral("the database file is damaged"); break;
    case SQLITE_READONLY: why = QStringLiteral("the database file is read-only"); break;
    case SQLITE_FULL: why = QStringLiteral("the disk is full"); break;
    case SQLITE_CANTOPEN: why = QStringLiteral("the database file cannot be opened"); break;
    default:
        why = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString::fromUtf8(sqlite3_errstr(rc));
    }
    return QStringLiteral("Could not %1: %2.").arg(what, why);
}

void fail(sqlite3* handle, int rc, const QString& what) { throw DbError(failure(handle, rc, what)); }

Statement::Statement(sqlite3* handle, const QString& sql) : handle_(handle), sql_(sql) {
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(handle, text.constData(), static_cast<int>(text.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) fail(handle, rc, QStringLiteral("run \"%1\"").arg(sql));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::bind(int index, const Value& value) {
    int rc = SQLITE_OK;
    switch (value.type()) {
    case Value::Type::Null: rc = sqlite3_bind_null(stmt_, index); break;
    case Value::Type::Integer: rc = sqlite3_bind_int64(stmt_, index, value.toInt()); break;
    case Value::Type::Double: rc = sqlite3_bind_double(stmt_, index, value.toDouble()); break;
    case Value::Type::Date:
    case Value::Type::Text: {
        const QString stored = value.type() == Value::Type::Date ? storedDateText(value.toDate()) : value.toString();
        const QByteArray text = stored.toUtf8();
        rc = sqlite3_bind_text(stmt_, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    case Value::Type::Bytes: {
        const QByteArray bytes = value.toBytes();
        rc = sqlite3_bind_blob64(stmt_, index, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                                 SQLITE_TRANSIENT);
        break;
    }
    }
    if (rc != SQLITE_OK) fail(handle_, rc, QStringLiteral("run \"%1\"").arg(sql_));
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    fail(handle_, rc, QStringLiteral("run \"%1\"").arg(sql_));
}

void Statement::addColumn(int index, bool dateColumn, PackedRow::Builder& row) const {
    switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER: row.addInteger(sqlite3_column_int64(stmt_, index)); break;
    case SQLITE_FLOAT: row.addDouble(sqlite3_column_double(stmt_, index)); break;
    case SQLITE_TEXT: {
        const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
        const int size = sqlite3_column_bytes(stmt_, index);
        const QString text = dateColumn ? QString::fromUtf8(chars, size) : QString();
        if (dateColumn && isStoredDateText(text)) {
            row.addDate(parseDateText(text));
        } else {
            row.addText(chars, size);
        }
        break;
    }
    case SQLITE_BLOB:
        row.addBytes(static_cast<const char*>(sqlite3_column_blob(stmt_, index)), sqlite3_column_bytes(stmt_, index));
        break;
    default: row.addNull();
    }
}

Value Statement::column(int index, bool dateColumn) const {
    PackedRow::Builder row;
    addColumn(index, dateColumn, row);
    RowArena arena;
    return row.finish(arena).at(0);
}

}  // namespace db::sqlite
