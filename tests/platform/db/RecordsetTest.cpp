#include "platform/db/Recordset.h"
#include "tests/platform/db/ErrorText.h"
#include "tests/support/ProgramFolder.h"

#include <gtest/gtest.h>

namespace tests {

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

    ProgramFolder folder;
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

namespace {

const char* const kRowNotLocated =
    "Row cannot be located for updating. Some values may have been changed since it was last read.";

// A second user of the same file.
class TwoUsersTest : public RecordsetTest {
protected:
    TwoUsersTest() {
        other.open(QStringLiteral("Data Source=") + folder.databasePath());
        addEmployee("E1", "Al", "1990-12-31");
        addEmployee("E2", "Bea", "1980-03-05");
        rs.open("SELECT * from Employee order by empid", &connection);
    }
    QString otherSees(const QString& sql) {
        db::Recordset read;
        read.open(sql, &other);
        return read.eof() ? QStringLiteral("<none>") : read.field(0).toString();
    }
    db::Connection other;
};

TEST_F(TwoUsersTest, ChangesAreWrittenAtOnceAndOnlyTheChangedFields) {
    rs.setField("empname", "Alan");
    EXPECT_TRUE(rs.editing());
    EXPECT_EQ(otherSees("select empname from employee where empid='E1'"), "Al");
    other.execute("update employee set Tel='555' where empid='E1'");
    rs.moveNext();   // leaving the row writes it
    EXPECT_FALSE(rs.editing());
    EXPECT_EQ(otherSees("select empname from employee where empid='E1'"), "Alan");
    EXPECT_EQ(otherSees("select Tel from employee where empid='E1'"), "555");

    rs.addNew();
    rs.setField("empid", "E3");
    rs.update();
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.currentRow(), 2);
    EXPECT_EQ(otherSees("select empid from employee where aid=" + rs.field("aid").toString()), "E3");

    rs.moveFirst();
    rs.remove();
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.field("empid").toString(), "E2");
    EXPECT_EQ(otherSees("select count(*) from employee where empid='E1'"), "0");
    rs.moveLast();
    rs.remove();
    EXPECT_TRUE(rs.eof());
}

TEST_F(TwoUsersTest, ConflictingUpdateChangesNothing) {
    other.execute("update employee set empname='Alfred' where empid='E1'");
    rs.setField("empname", "Alan");
    EXPECT_EQ(errorOf([&] { rs.update(); }), kRowNotLocated);
    EXPECT_EQ(otherSees("select empname from employee where empid='E1'"), "Alfred");
    EXPECT_FALSE(rs.editing());
    EXPECT_EQ(rs.field("empname").toString(), "Al");

    // A field that nobody else changed is still written.
    rs.setField("Tel", "123");
    rs.update();
    EXPECT_EQ(otherSees("select Tel from employee where empid='E1'"), "123");

    other.execute("delete from employee where empid='E2'");
    rs.moveNext();
    EXPECT_EQ(errorOf([&] { rs.remove(); }), kRowNotLocated);
    EXPECT_EQ(rs.recordCount(), 2);
}

TEST_F(TwoUsersTest, WriteWhileAnotherUserHoldsTheFileFailsAndWritesNothing) {
    other.execute("BEGIN EXCLUSIVE");
    rs.setField("empname", "Alan");
    EXPECT_TRUE(errorOf([&] { rs.update(); }).contains("in use by another user"));
    other.execute("ROLLBACK");
    EXPECT_EQ(otherSees("select empname from employee where empid='E1'"), "Al");
}

TEST_F(TwoUsersTest, CancelledEditsWriteNothing) {
    rs.setField("empname", "Alan");
    rs.cancelUpdate();
    EXPECT_EQ(rs.field("empname").toString(), "Al");
    rs.moveNext();
    rs.addNew();
    rs.setField("empid", "E3");
    rs.cancelUpdate();
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.field("empid").toString(), "E2");
    EXPECT_EQ(otherSees("select count(*) from employee"), "2");
}

TEST_F(TwoUsersTest, AssignmentsAreCheckedBeforeAnythingIsWritten) {
    EXPECT_TRUE(errorOf([&] { rs.setField("DOB", "31/02/1990"); }).contains("date"));
    EXPECT_FALSE(errorOf([&] { rs.setField("DOB", ""); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { rs.setField("Age", "12abc"); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { rs.setField("aid", 99); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { rs.setField("nosuchfield", 1); }).isEmpty());
    EXPECT_FALSE(rs.editing());
    EXPECT_EQ(otherSees("select DOB || '' from employee where empid='E1'"), "1990-12-31");

    rs.setField("DOB", "1/2/1991");
    rs.setField("Age", " 33 ");
    rs.setField("Child", 2);
    rs.setField("Tel", 5551234);
    rs.update();
    EXPECT_EQ(otherSees("select DOB || '' from employee where empid='E1'"), "1991-02-01");
    EXPECT_EQ(otherSees("select typeof(Age) || typeof(Child) || typeof(Tel) from employee where empid='E1'"),
              "integerrealtext");
    EXPECT_EQ(rs.field("dob").toString(), "01/02/1991");
}

TEST_F(TwoUsersTest, RefusedAssignmentLeavesNoHalfWrittenRowForALaterMove) {
    EXPECT_THROW(rs.assignAndUpdate([&] {
        rs.setField("empname", "Alan");
        rs.setField("DOB", "no date");
    }),
                 db::DbError);
    EXPECT_FALSE(rs.editing());
    rs.moveNext();
    EXPECT_EQ(otherSees("select empname from employee where empid='E1'"), "Al");

    EXPECT_THROW(rs.assignAndUpdate([&] {
        rs.addNew();
        rs.setField("empid", "E3");
        rs.setField("Age", "abc");
    }),
                 db::DbError);
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(otherSees("select count(*) from employee"), "2");
}

TEST_F(RecordsetTest, ResultsOfExpressionsAndJoinsAreReadOnly) {
    addEmployee("E1", "Al", "1990-12-31");
    rs.open("SELECT count(*) as EmpidT from employee where empid='e1'", &connection);
    EXPECT_EQ(rs.fieldName(0), "EmpidT");
    EXPECT_EQ(rs.field("empidT").toInt(), 1);
    EXPECT_FALSE(errorOf([&] { rs.setField("empidT", 2); }).isEmpty());

    rs.open("select empid, empname from employee", &connection);
    EXPECT_TRUE(errorOf([&] { rs.addNew(); }).contains("row id"));
    EXPECT_TRUE(errorOf([&] { rs.remove(); }).contains("row id"));
    EXPECT_EQ(rs.recordCount(), 1);
}

TEST_F(RecordsetTest, DetachedRowsStayReadableButCannotBeChanged) {
    addEmployee("E1", "Al", "1990-12-31");
    rs.open("select * from employee", &connection);
    rs.detach();
    EXPECT_EQ(rs.activeConnection(), nullptr);
    connection.close();
    EXPECT_EQ(rs.field("empname").toString(), "Al");
    EXPECT_FALSE(errorOf([&] { rs.setField("empname", "B"); }).isEmpty());

    // A recordset that outlives its connection object fails cleanly too.
    auto shortLived = std::make_unique<db::Connection>();
    shortLived->open(QStringLiteral("Data Source=") + folder.databasePath());
    rs.open("select * from employee", shortLived.get());
    shortLived.reset();
    EXPECT_EQ(rs.activeConnection(), nullptr);
    EXPECT_FALSE(errorOf([&] { rs.remove(); }).isEmpty());
}

TEST_F(RecordsetTest, EmptyResultIsAtBothEnds) {
    rs.open("select * from employee", &connection);
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.bof());
    EXPECT_EQ(rs.currentRow(), -1);
    rs.moveFirst();
    EXPECT_TRUE(rs.eof());
    EXPECT_FALSE(errorOf([&] { rs.setField("empid", "x"); }).isEmpty());
    rs.addNew();
    rs.update();
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_TRUE(rs.field("empid").isNull());
    EXPECT_GT(rs.field("aid").toInt(), 0);
}

class SortTest : public RecordsetTest {
protected:
    SortTest() {
        connection.execute("insert into employee (empid, empname, Child, DOB) values "
                           "('1', 'carol', 10, '1985-01-01'), ('2', 'Bob', 2, '1970-06-30'), "
                           "('3', NULL, 2.5, NULL), ('4', 'alice', NULL, '2001-12-01'), ('5', 'bob', 1, '1970-06-30')");
        rs.open("select * from employee order by empid", &connection);
    }
    QString column(const QString& name) {
        QStringList values;
        for (int row = 0; row < rs.recordCount(); ++row) values << rs.valueAt(row, rs.fieldIndex(name)).toString();
        return values.join(',');
    }
};

TEST_F(SortTest, OrdersTextNumbersAndDatesStablyWithNullFirst) {
    rs.setSort("empname asc");
    EXPECT_EQ(column("empid"), "3,4,2,5,1");
    rs.setSort("Child asc");
    EXPECT_EQ(column("Child"), ",1,2,2.5,10");
    rs.setSort("dob ASC");
    EXPECT_EQ(column("empid"), "3,2,5,1,4");
    rs.setSort("dob desc");
    EXPECT_EQ(column("empid"), "4,1,2,5,3");
    rs.setSort("");
    EXPECT_EQ(column("empid"), "1,2,3,4,5");
    EXPECT_FALSE(errorOf([&] { rs.setSort("nosuch asc"); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { rs.setSort("empname upward"); }).isEmpty());
}

TEST_F(SortTest, CurrentRowAndBookmarksFollowTheirRows) {
    rs.moveNext();   // empid 2
    const db::Recordset::Bookmark bob = rs.bookmark();
    rs.moveFirst();
    const db::Recordset::Bookmark carol = rs.bookmark();
    int resets = 0;
    QObject::connect(&rs, &db::Recordset::reset, [&] { ++resets; });
    rs.setSort("empname asc");
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(rs.field("empid").toString(), "1");
    EXPECT_EQ(rs.currentRow(), 4);
    rs.setBookmark(bob);
    EXPECT_EQ(rs.currentRow(), 2);
    rs.setBookmark(carol);
    rs.remove();
    EXPECT_TRUE(rs.eof());
    EXPECT_FALSE(errorOf([&] { rs.setBookmark(carol); }).isEmpty());
}

TEST_F(SortTest, SignalsTellABoundGridWhatChanged) {
    std::vector<QString> seen;
    QObject::connect(&rs, &db::Recordset::rowInserted, [&](int row) { seen.push_back("insert " + QString::number(row)); });
    QObject::connect(&rs, &db::Recordset::rowRemoved, [&](int row) { seen.push_back("remove " + QString::number(row)); });
    QObject::connect(&rs, &db::Recordset::rowChanged, [&](int row) { seen.push_back("change " + QString::number(row)); });
    rs.setValueAt(1, rs.fieldIndex("empname"), "Robert");
    rs.addNew();
    rs.cancelUpdate();
    rs.setCurrentRow(3);
    rs.remove();
    const std::vector<QString> expected{"change 1", "change 1", "insert 5", "remove 5", "remove 3"};
    EXPECT_EQ(seen, expected);
}

TEST_F(RecordsetTest, LongBinaryRoundTripsByteForByte) {
    QByteArray picture(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < picture.size(); ++i) picture[i] = static_cast<char>((i * 7919) >> 3);
    picture[10] = '\0';
    rs.open("select * from employee", &connection, db::adOpenKeyset, db::adLockOptimistic, db::adOptionUnspecified);
    rs.addNew();
    rs.setField("empid", "P1");
    EXPECT_EQ(rs.actualSize("LImage"), 0);
    EXPECT_FALSE(errorOf([&] { rs.getChunk("LImage", 1); }).isEmpty());
    rs.appendChunk("LImage", QByteArray("old value that is replaced"));
    rs.appendChunk("LImage", picture);
    rs.update();

    db::Recordset read;
    read.open("select * from employee where empid='P1'", &connection);
    const long size = read.actualSize("LImage");
    EXPECT_EQ(size, picture.size());
    EXPECT_EQ(read.getChunk("LImage", size), picture);

    read.appendChunk("limage", QByteArray(10, 'z'));
    read.update();
    read.open("select * from employee where empid='P1'", &connection);
    EXPECT_EQ(read.getChunk("LImage", read.actualSize("LImage")), QByteArray(10, 'z'));
}

}  // namespace

}  // namespace tests
