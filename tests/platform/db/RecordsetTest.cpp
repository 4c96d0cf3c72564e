#include "platform/db/Recordset.h"
#include "tests/support/ProgramFolder.h"

#include <gtest/gtest.h>

using db::Value;

namespace {

// A fresh database and one open connection to it.
class RecordsetTest : public ::testing::Test {
protected:
    RecordsetTest() { connection.open(QStringLiteral("Data Source=") + folder.databasePath()); }

    void addEmployee(const QString& empid, const QString& name, const QString& dob) {
        connection.execute(QStringLiteral("insert into employee (empid, empname, DOB) values ('%1', '%2', '%3')")
                               .arg(empid, name, dob));
    }

    testsupport::ProgramFolder folder;
    db::Connection connection;
    db::Recordset rs;
};

TEST_F(RecordsetTest, ReadsRowsInQueryOrderAndMoves) {
    addEmployee("E2", "Bea", "1980-03-05");
    addEmployee("E1", "Al", "1990-12-31");
    rs.open("SELECT * from Employee order by empid", &connection);
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_FALSE(rs.bof());
    EXPECT_EQ(rs.field("EMPID").toString(), "E1");
    EXPECT_EQ(rs.field("dob").type(), Value::Type::Date);
    EXPECT_EQ(rs.field("dob").toString(), "31/12/1990");
    EXPECT_TRUE(rs.field("Address1").isNull());
    rs.moveNext();
    EXPECT_EQ(rs.field("empname").toString(), "Bea");
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.field("empid"), db::DbError);
    EXPECT_THROW(rs.moveNext(), db::DbError);
}

}  // namespace

namespace {

TEST_F(RecordsetTest, AddNewWritesDateAndAgeStatementUsesIt) {
    rs.open("select * from employee where empid='X'", &connection);
    rs.addNew();
    rs.setField("empid", "E9");
    rs.setField("DOB", "05/03/1980");
    rs.setField("Child", "2");
    rs.setField("Age", 28);
    rs.update();
    EXPECT_GT(rs.field("aid").toInt(), 0);
    EXPECT_EQ(connection.execute("Update Employee Set Age = Year(date()) - Year(DOB)"), 1);

    db::Recordset check;
    check.open("select * from employee where empid='e9'", &connection);
    ASSERT_EQ(check.recordCount(), 1);
    EXPECT_EQ(check.field("DOB").toString(), "05/03/1980");
    EXPECT_EQ(check.field("Child").type(), Value::Type::Double);
    EXPECT_EQ(check.field("Age").toInt(), QDate::currentDate().year() - 1980);
}

}  // namespace
