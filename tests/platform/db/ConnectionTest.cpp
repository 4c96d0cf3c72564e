#include "common/BaseSetup.h"
#include "common/MainModule.h"
#include "common/SqlText.h"
#include "platform/db/Recordset.h"
#include "tests/platform/db/ErrorText.h"
#include "platform/files/Paths.h"
#include "tests/support/ProgramFolder.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

namespace tests {

namespace {

db::Value single(db::Connection& connection, const QString& sql) {
    db::Recordset rs;
    rs.open(sql, &connection);
    return rs.field(0);
}

TEST(ConnectionText, OpensTheFileOfEveryTextTheProgramBuilds) {
    ProgramFolder folder;
    const QString texts[] = {
        BaseSetup::DataSourceString(),
        MainModule::ExcelConnectString(),
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + files::programFolder() +
            "\\MainDB.mdb;Persist Security Info=False",
        " data SOURCE = " + folder.databasePath() + " ;Mode=Share Deny None",
    };
    for (const QString& text : texts) {
        db::Connection connection;
        connection.open(text, "", "", db::adOptionUnspecified);
        EXPECT_EQ(connection.filePath(), folder.databasePath()) << text.toStdString();
        EXPECT_EQ(single(connection, "select count(*) from usertable").toInt(), 1);
    }
}

TEST(ConnectionOpen, MissingFileIsNamedAndNotCreated) {
    ProgramFolder folder(false);
    db::Connection connection;
    const QString error = errorOf([&] { connection.open(BaseSetup::DataSourceString()); });
    EXPECT_TRUE(error.contains(folder.path() + "/MainDB.mdb")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(folder.databasePath()));
    EXPECT_FALSE(connection.isOpen());
    EXPECT_TRUE(errorOf([&] { connection.open(BaseSetup::BlankConnectString()); }).contains("names no database"));
}

TEST(ConnectionOpen, FileThatIsNoDatabaseIsRefused) {
    ProgramFolder folder(false);
    QFile file(folder.databasePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    db::Connection connection;
    const QString error = errorOf([&] { connection.open(BaseSetup::DataSourceString()); });
    EXPECT_TRUE(error.contains("not a database")) << error.toStdString();
    EXPECT_FALSE(connection.isOpen());
}

TEST(ConnectionOpen, ReadOnlyFileIsRefused) {
    ProgramFolder folder;
    QFile::setPermissions(folder.databasePath(), QFile::ReadOwner);
    if (access(folder.databasePath().toUtf8().constData(), W_OK) == 0) GTEST_SKIP() << "runs with rights to write anyway";
    db::Connection connection;
    const QString error = errorOf([&] { connection.open(BaseSetup::DataSourceString()); });
    EXPECT_TRUE(error.contains("read-only")) << error.toStdString();
}

TEST(ConnectionOpen, FileLockedByAnotherUserIsRefusedAfterWaiting) {
    ProgramFolder folder;
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(folder.databasePath().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    db::Connection connection;
    const QString error = errorOf([&] { connection.open(BaseSetup::DataSourceString()); });
    EXPECT_TRUE(error.contains("in use by another user")) << error.toStdString();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_NO_THROW(connection.open(BaseSetup::DataSourceString()));
}

class ConnectionTest : public ::testing::Test {
protected:
    ConnectionTest() { connection.open(BaseSetup::DataSourceString()); }
    ProgramFolder folder;
    db::Connection connection;
};

TEST_F(ConnectionTest, ExecuteCountsChangedRowsAndExplainsFailures) {
    EXPECT_EQ(connection.execute("insert into academic (empid) values ('A'); insert into academic (empid) values ('a')"), 2);
    EXPECT_EQ(connection.execute("update Academic set grade='B' where empid='A'"), 2);
    EXPECT_EQ(connection.execute("delete from academic where empid='none'"), 0);
    EXPECT_EQ(connection.execute("delete from Academic"), 2);
    const QString error = errorOf([&] { connection.execute("delete from nowhere"); });
    EXPECT_TRUE(error.endsWith("nothing was deleted.")) << error.toStdString();
    EXPECT_FALSE(error.contains("delete from")) << "the statement is no message: " << error.toStdString();
    connection.close();
    EXPECT_FALSE(errorOf([&] { connection.execute("delete from academic"); }).isEmpty());
}

TEST_F(ConnectionTest, TextComparesWithoutRegardToCaseAndQuotedValuesStayValues) {
    EXPECT_EQ(single(connection, "select count(*) from usertable where username='ADMIN'").toInt(), 1);
    const QString name = "O'Brien'; delete from usertable; --";
    connection.execute("insert into usertable (username) values ('" + sqlEscape(name) + "')");
    EXPECT_EQ(single(connection, "select username from usertable where username='" + sqlEscape(name.toUpper()) + "'")
                  .toString(),
              name);
    EXPECT_EQ(single(connection, "select count(*) from usertable").toInt(), 2);
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

TEST_F(ConnectionTest, AgeStatementsUseOnlyTheYearOfBirth) {
    const int year = QDate::currentDate().year();
    connection.execute("insert into employee (empid, DOB, Age) values ('1', '1990-01-01', 28), "
                       "('2', '1990-12-31', 28), ('3', '1900-01-01', 28), ('4', NULL, 28)");
    connection.execute("insert into familytree (empid, DOB, Age) values ('1', '2001-06-15', 0), ('1', '1965-02-28', 0)");
    EXPECT_EQ(connection.execute("Update Employee Set Age = Year(date()) - Year(DOB)"), 4);
    EXPECT_EQ(connection.execute("Update FamilyTree Set Age = Year(date()) - Year(DOB)"), 2);
    db::Recordset rs;
    rs.open("select Age from employee order by empid", &connection);
    for (int expected : {year - 1990, year - 1990, year - 1900}) {
        EXPECT_EQ(rs.field("age").toInt(), expected);
        rs.moveNext();
    }
    EXPECT_TRUE(rs.field("age").isNull());
    rs.open("select age from familytree order by bid", &connection);
    EXPECT_EQ(rs.field(0).toInt(), year - 2001);
    rs.moveNext();
    EXPECT_EQ(rs.field(0).toInt(), year - 1965);
}

TEST_F(ConnectionTest, TransactionWritesAllOrNothing) {
    EXPECT_THROW(connection.transaction([&] {
        connection.execute("insert into project (empid) values ('P')");
        connection.execute("insert into nowhere values (1)");
    }),
                 db::DbError);
    EXPECT_EQ(single(connection, "select count(*) from project").toInt(), 0);
}

TEST_F(ConnectionTest, TransactionWhoseCommitIsRefusedWritesNothingAndEnds) {
    // A reader in another program keeps the commit from taking the file.
    sqlite3* reader = nullptr;
    ASSERT_EQ(sqlite3_open(folder.databasePath().toUtf8().constData(), &reader), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM project;", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_THROW(connection.transaction([&] { connection.execute("insert into project (empid) values ('P')"); }),
                 db::DbError);
    sqlite3_exec(reader, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(reader);
    EXPECT_EQ(single(connection, "select count(*) from project").toInt(), 0);
    EXPECT_NO_THROW(connection.transaction([&] { connection.execute("insert into project (empid) values ('Q')"); }));
    EXPECT_EQ(single(connection, "select count(*) from project").toInt(), 1);
}

}  // namespace

// The user is told what happened to the file and what was left undone, never the statement.
TEST_F(ConnectionTest, AFileHeldByAnotherUserIsToldInWordsAboutTheFile) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(folder.databasePath().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(errorOf([&] { connection.execute("delete from academic where empid='x'"); }),
              "The database is in use by another user; nothing was deleted. Try again in a moment.");
    EXPECT_EQ(errorOf([&] { connection.execute("update academic set grade='A'"); }),
              "The database is in use by another user; nothing was changed. Try again in a moment.");
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

TEST_F(ConnectionTest, AFullDatabaseIsToldInWordsAboutTheDisk) {
    const auto pages = single(connection, "PRAGMA page_count").toInt();
    connection.execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
    EXPECT_EQ(errorOf([&] { connection.execute("insert into academic (grade) values (zeroblob(100000))"); }),
              "The disk that holds the database is full; nothing was added.");
}

}  // namespace tests
