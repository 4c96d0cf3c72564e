#include "common/BaseSetup.h"
#include "common/MainModule.h"
#include "common/SqlText.h"
#include "platform/files/Paths.h"

#include <gtest/gtest.h>

namespace tests {

namespace {

class ConnectionTextTest : public ::testing::Test {
protected:
    ConnectionTextTest() { files::setProgramFolder("/opt/pravel dir"); }
    ~ConnectionTextTest() override { files::setProgramFolder(QString()); }
};

TEST_F(ConnectionTextTest, JoinTheProgramFolderUnchanged) {
    EXPECT_EQ(BaseSetup::DataSourceString(), "Data Source=/opt/pravel dir\\MainDB.mdb");
    EXPECT_EQ(MainModule::ExcelConnectString(),
              "OLEDB;Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/pravel dir\\maindb.mdb;Jet OLEDB:Engine Type=4");
    EXPECT_EQ(BaseSetup::BlankConnectString().size(), 0);
    files::setProgramFolder("/elsewhere/");
    EXPECT_EQ(BaseSetup::DataSourceString(), "Data Source=/elsewhere/\\MainDB.mdb");
}

TEST(SqlText, DoublesEverySingleQuote) {
    EXPECT_EQ(sqlEscape("O'Brien"), "O''Brien");
    EXPECT_EQ(sqlEscape("''"), "''''");
    EXPECT_EQ(sqlEscape("x' or '1'='1"), "x'' or ''1''=''1");
    EXPECT_EQ(sqlEscape("plain"), "plain");
}

}  // namespace

}  // namespace tests
