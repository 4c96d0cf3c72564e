#include "platform/db/Connection.h"

#include "platform/db/DateText.h"
#include "platform/db/Sqlite.h"
#include "platform/files/Paths.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace db {

namespace {

constexpr int kBusyTimeoutMs = 2000;

// Year(date text): the year of an ISO or dd/mm/yyyy date; Null for Null or a text that is no date.
void yearFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) != SQLITE_TEXT) {
        sqlite3_result_null(context);
        return;
    }
    const auto* chars = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    const QDate date = parseDateText(QString::fromUtf8(chars, sqlite3_value_bytes(args[0])));
    if (date.isValid()) {
        sqlite3_result_int(context, date.year());
    } else {
        sqlite3_result_null(context);
    }
}

// date(): today's date in the user's time zone; SQLite's own gives the date in UTC, which makes
// the age statements a year off around New Year.
void todayFunction(sqlite3_context* context, int, sqlite3_value**) {
    const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toUtf8();
    sqlite3_result_text(context, today.constData(), int(today.size()), SQLITE_TRANSIENT);
}

// Reads the schema once, so that a file that is no database, is damaged or is locked shows now.
int probeSchema(sqlite3* handle) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(handle, "SELECT count(*) FROM sqlite_master", -1, &stmt, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_step(stmt) == SQLITE_ROW ? SQLITE_OK : sqlite3_errcode(handle);
    sqlite3_finalize(stmt);
    return rc;
}

}  // namespace

Connection::Connection() = default;

Connection::~Connection() { close(); }

QString Connection::dataSource(const QString& connectionText) {
    for (const QString& part : connectionText.split(QLatin1Char(';'))) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        if (equals < 0) continue;
        if (part.left(equals).trimmed().compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0) {
            return part.mid(equals + 1).trimmed();
        }
    }
    return QString();
}

void Connection::open(const QString& connectionText, const QString&, const QString&, int) {
    close();
    const QString source = dataSource(connectionText);
    if (source.isEmpty()) throw DbError(QStringLiteral("The connection text names no database file."));
    const QString path = files::nativePath(source);
    const QFileInfo info(path);
    if (!info.exists()) throw DbError(QStringLiteral("The database file %1 could not be found.").arg(path));
    if (info.isDir()) throw DbError(QStringLiteral("%1 is a folder, not a database file.").arg(path));

    const auto fail = [&](sqlite3* handle, int rc) { throw DbError(sqlite::openFailure(handle, rc, path)); };
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    try {
        if (rc != SQLITE_OK) fail(handle, rc);
        if (sqlite3_db_readonly(handle, "main") == 1) fail(handle, SQLITE_READONLY);
        sqlite3_busy_timeout(handle, kBusyTimeoutMs);
        sqlite3_extended_result_codes(handle, 1);
        const int probeRc = probeSchema(handle);
        if (probeRc != SQLITE_OK) fail(handle, probeRc);
        int fnRc = sqlite3_create_function_v2(handle, "Year", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                              yearFunction, nullptr, nullptr, nullptr);
        if (fnRc == SQLITE_OK) {
            // Marked deterministic so that a statement reads the clock once, not once per row.
            fnRc = sqlite3_create_function_v2(handle, "date", 0, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                              todayFunction, nullptr, nullptr, nullptr);
        }
        if (fnRc != SQLITE_OK) fail(handle, fnRc);
    } catch (...) {
        sqlite3_close_v2(handle);
        throw;
    }
    handle_ = handle;
    filePath_ = path;
    execute(QStringLiteral("PRAGMA foreign_keys = OFF"));
}

void Connection::rollbackIfOpen() {
    if (handle_ && !sqlite3_get_autocommit(handle_)) execute(QStringLiteral("ROLLBACK"));
}

long Connection::execute(const QString& sql, int) {
    sqlite3* db = handle();
    const sqlite3_int64 before = sqlite3_total_changes64(db);
    const QByteArray text = sql.toUtf8();
    const char* next = text.constData();
    const char* end = next + text.size();
    while (next < end) {
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        int rc = sqlite3_prepare_v2(db, next, static_cast<int>(end - next), &stmt, &tail);
        if (rc == SQLITE_OK && stmt) {
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            }
            if (rc == SQLITE_DONE) rc = SQLITE_OK;
        }
        if (rc != SQLITE_OK) {
            const DbError error(sqlite::statementFailure(db, rc, sql));
            sqlite3_finalize(stmt);
            throw error;
        }
        sqlite3_finalize(stmt);
        next = tail;
    }
    return static_cast<long>(sqlite3_total_changes64(db) - before);
}

void Connection::close() {
    if (!handle_) return;
    sqlite3_close_v2(handle_);
    handle_ = nullptr;
    filePath_.clear();
}

sqlite3* Connection::handle() const {
    if (!handle_) throw DbError(QStringLiteral("The connection to the database is closed."));
    return handle_;
}

}  // namespace db
