#include "platform/dsn/Installer.h"

#include "UserIniFixture.h"

#include <sql.h>
#include <sqlext.h>
#include <sqlite3.h>

namespace tests {

namespace {


// The first column of the first row a query gives on a connection to "DSN=<dataSource>" through
// the ODBC driver manager; a text starting with "failed:" when it gives none.
QString firstValue(const QString& dataSource, const QString& query) {
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    QString result = "failed: connect";
    QByteArray connection = ("DSN=" + dataSource).toLocal8Bit();
    if (SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(connection.data()), SQL_NTS,
                                       nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT))) {
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
        QByteArray sql = query.toLocal8Bit();
        char value[256] = {};
        SQLLEN length = 0;
        result = SQL_SUCCEEDED(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS)) &&
                         SQL_SUCCEEDED(SQLFetch(stmt)) &&
                         SQL_SUCCEEDED(SQLGetData(stmt, 1, SQL_C_CHAR, value, sizeof value, &length))
                     ? QString::fromUtf8(value)
                     : "failed: query";
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        SQLDisconnect(dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return result;
}

TEST_F(UserIniTest, ARegisteredDataSourceOpensItsFileThroughTheDriverManager) {
    const QString file = dir.filePath("Sales Data.mdb");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE item (name TEXT); INSERT INTO item VALUES ('bolt');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    const QString attributes = "DSN=Sales Test" + QString(QChar(0)) + "DBQ=" + file + QChar(0);
    ASSERT_TRUE(dsn::sqlConfigDataSource(dsn::kOdbcAddDsn, "Microsoft Access Driver (*.mdb)", attributes));
    EXPECT_EQ(firstValue("Sales Test", "SELECT name FROM item"), "bolt");
}

}  // namespace

}  // namespace tests
