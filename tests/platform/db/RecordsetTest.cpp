#include "platform/db/Recordset.h"
#include "tests/platform/db/ErrorText.h"
#include "tests/platform/db/TestDatabase.h"
#include "tests/support/ReadValue.h"

#include <gtest/gtest.h>

using db::Value;

namespace tests {

namespace {

// A fresh database and one open connection to it.
class RecordsetTest : public ::testing::Test {
protected:
    RecordsetTest() { connection.open(database.connectionText()); }

    void addPerson(const QString& code, const QString& name, const QString& born) {
        connection.execute(QStringLiteral("insert into person (code, name, born) values ('%1', '%2', '%3')")
                               .arg(code, name, born));
    }

    TestDatabase database;
    db::Connection connection;
    db::Recordset rs;
};

TEST_F(RecordsetTest, ReadsRowsInQueryOrderAndMoves) {
    addPerson("E2", "Bea", "1980-03-05");
    addPerson("E1", "Al", "1990-12-31");
    rs.open("SELECT * from Person order by code", &connection);
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_FALSE(rs.bof());
    EXPECT_EQ(rs.field("CODE").toString(), "E1");
    EXPECT_EQ(rs.field("born").type(), Value::Type::Date);
    EXPECT_EQ(rs.field("born").toString(), "31/12/1990");
    EXPECT_TRUE(rs.field("phone").isNull());
    rs.moveNext();
    EXPECT_EQ(rs.field("name").toString(), "Bea");
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.field("code"), db::DbError);
    EXPECT_THROW(rs.moveNext(), db::DbError);
}

}  // namespace

namespace {

TEST_F(RecordsetTest, AddNewWritesADateThatStatementsThenRead) {
    rs.open("select * from person where code='X'", &connection);
    rs.addNew();
    rs.setField("code", "E9");
    rs.setField("born", "05/03/1980");
    rs.setField("children", "2");
    rs.setField("age", 28);
    rs.update();
    EXPECT_GT(rs.field("id").toInt(), 0);
    EXPECT_EQ(connection.execute("update person set age = Year(date()) - Year(born)"), 1);

    db::Recordset check;
    check.open("select * from person where code='e9'", &connection);
    ASSERT_EQ(check.recordCount(), 1);
    EXPECT_EQ(check.field("born").toString(), "05/03/1980");
    EXPECT_EQ(check.field("children").type(), Value::Type::Double);
    EXPECT_EQ(check.field("age").toInt(), QDate::currentDate().year() - 1980);
}

}  // namespace

namespace {

const char* const kRowNotLocated =
    "Row cannot be located for updating. Some values may have been changed since it was last read.";

// A second user of the same file.
class TwoUsersTest : public RecordsetTest {
protected:
    TwoUsersTest() {
        other.open(database.connectionText());
        addPerson("E1", "Al", "1990-12-31");
        addPerson("E2", "Bea", "1980-03-05");
        rs.open("SELECT * from Person order by code", &connection);
    }
    QString otherSees(const QString& sql) { return readValue(other, sql).toString(); }
    db::Connection other;
};

TEST_F(TwoUsersTest, ChangesAreWrittenAtOnceAndOnlyTheChangedFields) {
    rs.setField("name", "Alan");
    EXPECT_TRUE(rs.editing());
    EXPECT_EQ(otherSees("select name from person where code='E1'"), "Al");
    other.execute("update person set phone='555' where code='E1'");
    rs.moveNext();   // leaving the row writes it
    EXPECT_FALSE(rs.editing());
    EXPECT_EQ(otherSees("select name from person where code='E1'"), "Alan");
    EXPECT_EQ(otherSees("select phone from person where code='E1'"), "555");

    rs.addNew();
    rs.setField("code", "E3");
    rs.update();
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.currentRow(), 2);
    EXPECT_EQ(otherSees("select code from person where id=" + rs.field("id").toString()), "E3");

    rs.moveFirst();
    rs.remove();
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.field("code").toString(), "E2");
    EXPECT_EQ(otherSees("select count(*) from person where code='E1'"), "0");
    rs.moveLast();
    rs.remove();
    EXPECT_TRUE(rs.eof());
}

TEST_F(TwoUsersTest, ConflictingUpdateChangesNothing) {
    other.execute("update person set name='Alfred' where code='E1'");
    rs.setField("name", "Alan");
    EXPECT_EQ(errorOf([&] { rs.update(); }), kRowNotLocated);
    EXPECT_EQ(otherSees("select name from person where code='E1'"), "Alfred");
    EXPECT_FALSE(rs.editing());
    EXPECT_EQ(rs.field("name").toString(), "Al");

    // A field that nobody else changed is still written.
    rs.setField("phone", "123");
    rs.update();
    EXPECT_EQ(otherSees("select phone from person where code='E1'"), "123");

    other.execute("delete from person where code='E2'");
    rs.moveNext();
    EXPECT_EQ(errorOf([&] { rs.remove(); }), kRowNotLocated);
    EXPECT_EQ(rs.recordCount(), 2);
}

TEST_F(TwoUsersTest, WriteWhileAnotherUserHoldsTheFileFailsAndWritesNothing) {
    other.execute("BEGIN EXCLUSIVE");
    rs.setField("name", "Alan");
    EXPECT_TRUE(errorOf([&] { rs.update(); }).contains("in use by another user"));
    other.execute("ROLLBACK");
    EXPECT_EQ(otherSees("select name from person where code='E1'"), "Al");
}

TEST_F(TwoUsersTest, CancelledEditsWriteNothing) {
    rs.setField("name", "Alan");
    rs.cancelUpdate();
    EXPECT_EQ(rs.field("name").toString(), "Al");
    rs.moveNext();
    rs.addNew();
    rs.setField("code", "E3");
    rs.cancelUpdate();
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.field("code").toString(), "E2");
    EXPECT_EQ(otherSees("select count(*) from person"), "2");
}

TEST_F(TwoUsersTest, AssignmentsAreCheckedBeforeAnythingIsWritten) {
    EXPECT_TRUE(errorOf([&] { rs.setField("born", "31/02/1990"); }).contains("date"));
    EXPECT_FALSE(errorOf([&] { rs.setField("born", ""); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { rs.setField("age", "12abc"); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { rs.setField("id", 99); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { rs.setField("nosuchfield", 1); }).isEmpty());
    EXPECT_FALSE(rs.editing());
    EXPECT_EQ(otherSees("select born || '' from person where code='E1'"), "1990-12-31");

    rs.setField("born", "1/2/1991");
    rs.setField("age", " 33 ");
    rs.setField("children", 2);
    rs.setField("phone", 5551234);
    rs.update();
    EXPECT_EQ(otherSees("select born || '' from person where code='E1'"), "1991-02-01");
    EXPECT_EQ(otherSees("select typeof(age) || typeof(children) || typeof(phone) from person where code='E1'"),
              "integerrealtext");
    EXPECT_EQ(rs.field("born").toString(), "01/02/1991");
}

TEST_F(TwoUsersTest, RefusedAssignmentLeavesNoHalfWrittenRowForALaterMove) {
    EXPECT_THROW(rs.assignAndUpdate([&] {
        rs.setField("name", "Alan");
        rs.setField("born", "no date");
    }),
                 db::DbError);
    EXPECT_FALSE(rs.editing());
    rs.moveNext();
    EXPECT_EQ(otherSees("select name from person where code='E1'"), "Al");

    EXPECT_THROW(rs.assignAndUpdate([&] {
        rs.addNew();
        rs.setField("code", "E3");
        rs.setField("age", "abc");
    }),
                 db::DbError);
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(otherSees("select count(*) from person"), "2");
}

TEST_F(RecordsetTest, ResultsOfExpressionsAndJoinsAreReadOnly) {
    addPerson("E1", "Al", "1990-12-31");
    rs.open("SELECT count(*) as CodeT from person where code='e1'", &connection);
    EXPECT_EQ(rs.fieldName(0), "CodeT");
    EXPECT_EQ(rs.field("codeT").toInt(), 1);
    EXPECT_FALSE(errorOf([&] { rs.setField("codeT", 2); }).isEmpty());

    rs.open("select code, name from person", &connection);
    EXPECT_TRUE(errorOf([&] { rs.addNew(); }).contains("row id"));
    EXPECT_TRUE(errorOf([&] { rs.remove(); }).contains("row id"));
    EXPECT_EQ(rs.recordCount(), 1);
}

TEST_F(RecordsetTest, DetachedRowsStayReadableButCannotBeChanged) {
    addPerson("E1", "Al", "1990-12-31");
    rs.open("select * from person", &connection);
    rs.detach();
    EXPECT_EQ(rs.activeConnection(), nullptr);
    connection.close();
    EXPECT_EQ(rs.field("name").toString(), "Al");
    EXPECT_FALSE(errorOf([&] { rs.setField("name", "B"); }).isEmpty());

    // A recordset that outlives its connection object fails cleanly too.
    auto shortLived = std::make_unique<db::Connection>();
    shortLived->open(database.connectionText());
    rs.open("select * from person", shortLived.get());
    shortLived.reset();
    EXPECT_EQ(rs.activeConnection(), nullptr);
    EXPECT_FALSE(errorOf([&] { rs.remove(); }).isEmpty());
}

TEST_F(RecordsetTest, EmptyResultIsAtBothEnds) {
    rs.open("select * from person", &connection);
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.bof());
    EXPECT_EQ(rs.currentRow(), -1);
    rs.moveFirst();
    EXPECT_TRUE(rs.eof());
    EXPECT_FALSE(errorOf([&] { rs.setField("code", "x"); }).isEmpty());
    rs.addNew();
    rs.update();
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_TRUE(rs.field("code").isNull());
    EXPECT_GT(rs.field("id").toInt(), 0);
}

class SortTest : public RecordsetTest {
protected:
    SortTest() {
        connection.execute("insert into person (code, name, children, born) values "
                           "('1', 'carol', 10, '1985-01-01'), ('2', 'Bob', 2, '1970-06-30'), "
                           "('3', NULL, 2.5, NULL), ('4', 'alice', NULL, '2001-12-01'), ('5', 'bob', 1, '1970-06-30')");
        rs.open("select * from person order by code", &connection);
    }
    QString column(const QString& name) {
        QStringList values;
        for (int row = 0; row < rs.recordCount(); ++row) values << rs.valueAt(row, rs.fieldIndex(name)).toString();
        return values.join(',');
    }
};

TEST_F(SortTest, OrdersTextNumbersAndDatesStablyWithNullFirst) {
    rs.setSort("name asc");
    EXPECT_EQ(column("code"), "3,4,2,5,1");
    rs.setSort("Children asc");
    EXPECT_EQ(column("children"), ",1,2,2.5,10");
    rs.setSort("born ASC");
    EXPECT_EQ(column("code"), "3,2,5,1,4");
    rs.setSort("born desc");
    EXPECT_EQ(column("code"), "4,1,2,5,3");
    rs.setSort("");
    EXPECT_EQ(column("code"), "1,2,3,4,5");
    EXPECT_FALSE(errorOf([&] { rs.setSort("nosuch asc"); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { rs.setSort("name upward"); }).isEmpty());
}

TEST_F(SortTest, CurrentRowAndBookmarksFollowTheirRows) {
    rs.moveNext();   // code 2
    const db::Recordset::Bookmark bob = rs.bookmark();
    rs.moveFirst();
    const db::Recordset::Bookmark carol = rs.bookmark();
    int resets = 0;
    QObject::connect(&rs, &db::Recordset::reset, [&] { ++resets; });
    rs.setSort("name asc");
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(rs.field("code").toString(), "1");
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
    rs.setValueAt(1, rs.fieldIndex("name"), "Robert");
    rs.addNew();
    rs.cancelUpdate();
    rs.setCurrentRow(3);
    rs.remove();
    const std::vector<QString> expected{"change 1", "change 1", "insert 5", "remove 5", "remove 3"};
    EXPECT_EQ(seen, expected);
}

TEST_F(RecordsetTest, LongBinaryRoundTripsByteForByte) {
    QByteArray picture(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < picture.size(); ++i) picture[i] = static_cast<char>((unsigned(i) * 7919u) >> 3);
    picture[10] = '\0';
    rs.open("select * from person", &connection, db::adOpenKeyset, db::adLockOptimistic, db::adOptionUnspecified);
    rs.addNew();
    rs.setField("code", "P1");
    EXPECT_EQ(rs.actualSize("photo"), 0);
    EXPECT_FALSE(errorOf([&] { rs.getChunk("photo", 1); }).isEmpty());
    rs.appendChunk("photo", QByteArray("old value that is replaced"));
    rs.appendChunk("photo", picture);
    rs.update();

    db::Recordset read;
    read.open("select * from person where code='P1'", &connection);
    const long size = read.actualSize("photo");
    EXPECT_EQ(size, picture.size());
    EXPECT_EQ(read.getChunk("photo", size), picture);

    read.appendChunk("Photo", QByteArray(10, 'z'));
    read.update();
    read.open("select * from person where code='P1'", &connection);
    EXPECT_EQ(read.getChunk("photo", read.actualSize("photo")), QByteArray(10, 'z'));
}

}  // namespace

}  // namespace tests
