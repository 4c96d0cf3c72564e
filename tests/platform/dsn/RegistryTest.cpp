#include "platform/dsn/Registry.h"

#include "UserIniFixture.h"

#include <QFileInfo>

namespace tests {

namespace {


const QString kSalesKey = QStringLiteral("Software\\ODBC\\ODBC.INI\\Sales");

class RegistryTest : public UserIniTest {
protected:
    RegistryTest() {
        writeIni("[Sales]\nDriver=SQLite3\nDBQ=/data/M\xc3\xbcller & Co/sales.db\nServer=\n");
    }
};

TEST_F(UserIniTest, NoUserFileMeansNoKeyAndReadingCreatesNone) {
    dsn::KeyHandle key = 0;
    EXPECT_EQ(dsn::regOpenKeyEx(dsn::RootKey::CurrentUser, kSalesKey, 0, 0x2003F, key), dsn::kErrorFileNotFound);
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
}

TEST_F(RegistryTest, OnlyTheKeysOfExistingDataSourcesOpen) {
    dsn::KeyHandle key = 0;
    for (const char* other : {"Software\\ODBC\\ODBC.INI\\Payroll", "Software\\ODBC\\ODBC.INI\\Sales\\DBQ",
                              "Software\\ODBC\\ODBCINST.INI\\SQLite3"}) {
        EXPECT_EQ(dsn::regOpenKeyEx(dsn::RootKey::CurrentUser, other, 0, 0x2003F, key), dsn::kErrorFileNotFound)
            << other;
    }
    ASSERT_EQ(dsn::regOpenKeyEx(dsn::RootKey::CurrentUser, "SOFTWARE\\odbc\\Odbc.Ini\\sales", 0, 0x2003F, key),
              dsn::kErrorSuccess);
    EXPECT_EQ(dsn::regCloseKey(key), dsn::kErrorSuccess);
}

TEST_F(RegistryTest, ValuesAreTheSectionsTextsWithTheirNulWhenTheyFit) {
    dsn::KeyHandle key = 0;
    ASSERT_EQ(dsn::regOpenKeyEx(dsn::RootKey::CurrentUser, kSalesKey, 0, 0x2003F, key), dsn::kErrorSuccess);
    const QByteArray expected("/data/M\xc3\xbcller & Co/sales.db\0", 28);

    QByteArray buffer(1024, 'x');
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    EXPECT_EQ(dsn::regQueryValueEx(key, "dbq", type, buffer, size), dsn::kErrorSuccess);
    EXPECT_EQ(type, dsn::kRegSz);
    EXPECT_EQ(size, expected.size());
    EXPECT_EQ(buffer.left(size), expected);
    EXPECT_EQ(buffer.at(size), 'x');

    QByteArray small(1024, 'x');
    size = expected.size() - 1;
    EXPECT_EQ(dsn::regQueryValueEx(key, "DBQ", type, small, size), dsn::kErrorMoreData);
    EXPECT_EQ(size, expected.size());
    EXPECT_EQ(small, QByteArray(1024, 'x'));

    size = buffer.size();
    EXPECT_EQ(dsn::regQueryValueEx(key, "Server", type, buffer, size), dsn::kErrorSuccess);
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(buffer.at(0), '\0');

    EXPECT_EQ(dsn::regQueryValueEx(key, "Database", type, buffer, size), dsn::kErrorFileNotFound);
    EXPECT_EQ(dsn::regCloseKey(key), dsn::kErrorSuccess);
    EXPECT_EQ(dsn::regQueryValueEx(key, "DBQ", type, buffer, size), dsn::kErrorInvalidHandle);
    EXPECT_EQ(dsn::regCloseKey(key), dsn::kErrorInvalidHandle);
}

}  // namespace

}  // namespace tests
