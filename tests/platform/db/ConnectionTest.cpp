#include "platform/db/Recordset.h"
#include "tests/platform/db/ErrorText.h"
#include "tests/platform/db/TestDatabase.h"
#include "tests/support/ReadValue.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

namespace tests {

namespace {

TEST(ConnectionText, OpensTheFileNamedByDataSourceInEveryShapeOfText) {
    TestDatabase database;
    const QString texts[] = {
        "Data Source=" + database.path(),
        "OLEDB;Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + database.folder() + "\\People.DB;Jet OLEDB:Engine Type=4",
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + database.folder() + "\\people.db;Persist Security Info=False",
        " data SOURCE = " + database.path() + " ;Mode=Share Deny None",
    };
    for (const QString& text : texts) {
        db::Connection connection;
        connection.open(text, "", "", db::adOptionUnspecified);
        EXPECT_EQ(connection.filePath(), database.path()) << text.toStdString();
        EXPECT_EQ(readValue(connection, "select count(*) from sqlite_master where name='person'").toInt(), 1);
    }
}

TEST(ConnectionOpen, MissingFileIsNamedAndNotCreated) {
    QTemporaryDir dir;
    db::Connection connection;
    const QString error = errorOf([&] { connection.open("Data Source=" + dir.path() + "\\missing.db"); });
    EXPECT_TRUE(error.contains(dir.path() + "/missing.db")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("missing.db")));
    EXPECT_FALSE(connection.isOpen());
    EXPECT_TRUE(errorOf([&] { connection.open(""); }).contains("names no database"));
}

TEST(ConnectionCreate, MakesANewEmptyDatabaseButNeverReplacesAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("new.db");
    db::Connection connection;
    connection.create(path);
    connection.execute("create table t (x); insert into t values (1)");
    connection.close();
    EXPECT_EQ(readValue(path, "select x from t").toInt(), 1);

    const QString error = errorOf([&] { connection.create(path); });
    EXPECT_TRUE(error.contains("exists already")) << error.toStdString();
    EXPECT_FALSE(connection.isOpen());
    EXPECT_EQ(readValue(path, "select count(*) from t").toInt(), 1);

    const QString nowhere = dir.filePath("no folder/new.db");
    EXPECT_TRUE(errorOf([&] { connection.create(nowhere); }).startsWith("Could not create the database file"));
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST(ConnectionOpen, FileThatIsNoDatabaseIsRefused) {
    QTemporaryDir dir;
    QFile file(dir.filePath("people.db"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    db::Connection connection;
    const QString error = errorOf([&] { connection.open("Data Source=" + file.fileName()); });
    EXPECT_TRUE(error.contains("not a database")) << error.toStdString();
    EXPECT_FALSE(connection.isOpen());
}

TEST(ConnectionOpen, ReadOnlyFileIsRefused) {
    TestDatabase database;
    QFile::setPermissions(database.path(), QFile::ReadOwner);
    if (access(database.path().toUtf8().constData(), W_OK) == 0) GTEST_SKIP() << "runs with rights to write anyway";
    db::Connection connection;
    const QString error = errorOf([&] { connection.open(database.connectionText()); });
    EXPECT_TRUE(error.contains("read-only")) << error.toStdString();
}

TEST(ConnectionOpen, FileLockedByAnotherUserIsRefusedAfterWaiting) {
    TestDatabase database;
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(database.path().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    db::Connection connection;
    const QString error = errorOf([&] { connection.open(database.connectionText()); });
    EXPECT_TRUE(error.contains("in use by another user")) << error.toStdString();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_NO_THROW(connection.open(database.connectionText()));
}

class ConnectionTest : public ::testing::Test {
protected:
    ConnectionTest() { connection.open(database.connectionText()); }
    TestDatabase database;
    db::Connection connection;
};

TEST_F(ConnectionTest, ExecuteCountsChangedRowsAndExplainsFailures) {
    EXPECT_EQ(connection.execute("insert into note (code) values ('A'); insert into note (code) values ('a')"), 2);
    EXPECT_EQ(connection.execute("update Note set body='B' where code='A'"), 2);
    EXPECT_EQ(connection.execute("delete from note where code='none'"), 0);
    EXPECT_EQ(connection.execute("delete from Note"), 2);
    const QString error = errorOf([&] { connection.execute("delete from nowhere"); });
    EXPECT_TRUE(error.endsWith("nothing was deleted.")) << error.toStdString();
    EXPECT_FALSE(error.contains("delete from")) << "the statement is no message: " << error.toStdString();
    connection.close();
    EXPECT_FALSE(errorOf([&] { connection.execute("delete from note"); }).isEmpty());
}

TEST_F(ConnectionTest, QuotedValuesStayValues) {
    const QString name = "O'Brien'; delete from note; --";
    connection.execute("insert into note (body) values ('O''Brien''; delete from note; --')");
    EXPECT_EQ(readValue(connection, "select body from note where body='O''BRIEN''; DELETE FROM NOTE; --'").toString(),
              name);
    EXPECT_EQ(readValue(connection, "select count(*) from note").toInt(), 1);
}

TEST_F(ConnectionTest, YearReadsBothDateFormsAndGivesNullOtherwise) {
    db::Recordset rs;
    rs.open("select Year('05/03/1980') as a, Year('1980-03-05') as b, Year(NULL) as c, Year('soon') as d, "
            "Year(date()) as e, date() as f, date('2000-01-02') as g",
            &connection);
    EXPECT_EQ(rs.field("a").toInt(), 1980);
    EXPECT_EQ(rs.field("b").toInt(), 1980);
    EXPECT_TRUE(rs.field("c").isNull());
    EXPECT_TRUE(rs.field("d").isNull());
    EXPECT_EQ(rs.field("e").toInt(), QDate::currentDate().year());
    // Today as the user's calendar has it; date() with an argument is SQLite's own.
    EXPECT_EQ(rs.field("f").toString(), QDate::currentDate().toString(Qt::ISODate));
    EXPECT_EQ(rs.field("g").toString(), "2000-01-02");
}

TEST_F(ConnectionTest, AgesFromTheYearOfBirthAloneSetEveryRow) {
    const int year = QDate::currentDate().year();
    connection.execute("insert into person (code, born, age) values ('1', '1990-01-01', 28), "
                       "('2', '1990-12-31', 28), ('3', '1900-01-01', 28), ('4', NULL, 28)");
    EXPECT_EQ(connection.execute("update person set age = Year(date()) - Year(born)"), 4);
    db::Recordset rs;
    rs.open("select age from person order by code", &connection);
    for (int expected : {year - 1990, year - 1990, year - 1900}) {
        EXPECT_EQ(rs.field("age").toInt(), expected);
        rs.moveNext();
    }
    EXPECT_TRUE(rs.field("age").isNull());
}

TEST_F(ConnectionTest, TransactionWritesAllOrNothing) {
    EXPECT_THROW(connection.transaction([&] {
        connection.execute("insert into note (code) values ('P')");
        connection.execute("insert into nowhere values (1)");
    }),
                 db::DbError);
    EXPECT_EQ(readValue(connection, "select count(*) from note").toInt(), 0);
}

TEST_F(ConnectionTest, TransactionWhoseCommitIsRefusedWritesNothingAndEnds) {
    // A reader in another program keeps the commit from taking the file.
    sqlite3* reader = nullptr;
    ASSERT_EQ(sqlite3_open(database.path().toUtf8().constData(), &reader), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM note;", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_THROW(connection.transaction([&] { connection.execute("insert into note (code) values ('P')"); }),
                 db::DbError);
    sqlite3_exec(reader, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(reader);
    EXPECT_EQ(readValue(connection, "select count(*) from note").toInt(), 0);
    EXPECT_NO_THROW(connection.transaction([&] { connection.execute("insert into note (code) values ('Q')"); }));
    EXPECT_EQ(readValue(connection, "select count(*) from note").toInt(), 1);
}

// The user is told what happened to the file and what was left undone, never the statement.
TEST_F(ConnectionTest, AFileHeldByAnotherUserIsToldInWordsAboutTheFile) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(database.path().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(errorOf([&] { connection.execute("delete from note where code='x'"); }),
              "The database is in use by another user; nothing was deleted. Try again in a moment.");
    EXPECT_EQ(errorOf([&] { connection.execute("update note set body='A'"); }),
              "The database is in use by another user; nothing was changed. Try again in a moment.");
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

TEST_F(ConnectionTest, AFullDatabaseIsToldInWordsAboutTheDisk) {
    const auto pages = readValue(connection, "PRAGMA page_count").toInt();
    connection.execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
    EXPECT_EQ(errorOf([&] { connection.execute("insert into note (body) values (zeroblob(100000))"); }),
              "The disk that holds the database is full; nothing was added.");
}

}  // namespace

}  // namespace tests
