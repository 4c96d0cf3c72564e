#include "platform/db/Sqlite.h"

#include "platform/db/DateText.h"

#include <sqlite3.h>

namespace db::sqlite {

namespace {

// Why, as a user can read it; an unusual failure keeps the engine's own words.
QString reason(sqlite3* handle, int rc) {
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return QStringLiteral("the database is in use by another user");
    case SQLITE_NOTADB: return QStringLiteral("the file is not a database");
    case SQLITE_CORRUPT: return QStringLiteral("the database file is damaged");
    case SQLITE_READONLY: return QStringLiteral("the database file is read-only");
    case SQLITE_FULL: return QStringLiteral("the disk that holds the database is full");
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR: return QStringLiteral("the database file could not be read or written");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("the database refused it (%1)").arg(QString::fromUtf8(sqlite3_errmsg(handle)));
    default:
        return handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString::fromUtf8(sqlite3_errstr(rc));
    }
}

// What a failed statement left undone, from its first word.
QString nothingDone(const QString& sql) {
    const QString verb = sql.trimmed().section(QLatin1Char(' '), 0, 0).toLower();
    if (verb == QLatin1String("delete")) return QStringLiteral("nothing was deleted");
    if (verb == QLatin1String("insert")) return QStringLiteral("nothing was added");
    if (verb == QLatin1String("select")) return QStringLiteral("nothing could be read");
    return QStringLiteral("nothing was changed");
}

QString capitalised(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

}  // namespace

QString openFailure(sqlite3* handle, int rc, const QString& path) {
    return QStringLiteral("Could not open the database file %1: %2.").arg(path, reason(handle, rc));
}

QString statementFailure(sqlite3* handle, int rc, const QString& sql) {
    const int code = rc & 0xff;
    const bool passing = code == SQLITE_BUSY || code == SQLITE_LOCKED;
    return QStringLiteral("%1; %2.%3")
        .arg(capitalised(reason(handle, rc)), nothingDone(sql),
             passing ? QStringLiteral(" Try again in a moment.") : QString());
}

void failStatement(sqlite3* handle, int rc, const QString& sql) { throw DbError(statementFailure(handle, rc, sql)); }

Statement::Statement(sqlite3* handle, const QString& sql) : handle_(handle), sql_(sql) {
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(handle, text.constData(), static_cast<int>(text.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) failStatement(handle, rc, sql);
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
    if (rc != SQLITE_OK) failStatement(handle_, rc, sql_);
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    failStatement(handle_, rc, sql_);
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
