#include "common/Password.h"
#include "common/Schema.h"
#include "platform/db/Recordset.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tests {

namespace {

TEST(CreateDatabase, NewFileHoldsTheTablesOneAdministratorAndOneCompanyRow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("MainDB.mdb");
    createDatabase(path);
    db::Connection connection;
    connection.open("Data Source=" + path);
    db::Recordset rs;
    rs.open("select name from sqlite_master where type='table' and name <> 'sqlite_sequence' order by name",
            &connection);
    QStringList tables;
    for (; !rs.eof(); rs.moveNext()) tables << rs.field("name").toString();
    EXPECT_EQ(tables.join(','), "academic,companyinfo,employee,employment,familytree,languagedialect,project,"
                                "training,usertable,workingskill");

    rs.open("select * from usertable", &connection);
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.field("username").toString(), "admin");
    EXPECT_EQ(rs.field("password2").toString(), Encrypt("admin"));
    EXPECT_EQ(rs.field("ulevel").toInt(), 9);
    EXPECT_EQ(rs.field("descriptions").toString(), "Admin");
    // The program's statements find texts without regard to case.
    rs.open("select count(*) as n from usertable where username='ADMIN'", &connection);
    EXPECT_EQ(rs.field("n").toInt(), 1);
    rs.open("select count(*) as n from companyinfo", &connection);
    EXPECT_EQ(rs.field("n").toInt(), 1);
}

TEST(CreateDatabase, ExistingFileIsRefusedAndLeftAsItIs) {
    QTemporaryDir dir;
    const QString path = dir.filePath("MainDB.mdb");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    EXPECT_THROW(createDatabase(path), db::DbError);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
}

}  // namespace

}  // namespace tests
