#include "platform/dsn/Installer.h"

#include "UserIniFixture.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tests {

namespace {


const QString kAccess = QStringLiteral("Microsoft Access Driver (*.mdb)");

QString attributes(const QString& dataSource, const QString& file) {
    return "DSN=" + dataSource + QChar(0) + "DBQ=" + file + QChar(0);
}

// A user file that someone else wrote, comments and all: a refused request must leave it byte for byte.
const QByteArray kOtherSources = "; kept by hand\n[Stock]\nDriver = SQLite3\nDatabase = /data/stock.db\n";

// The lines of one section of the file, from its header to the next blank line.
QList<QByteArray> sectionLines(const QByteArray& text, const QByteArray& section) {
    const QList<QByteArray> lines = text.split('\n');
    const qsizetype start = lines.indexOf("[" + section + "]");
    if (start < 0) return {};
    QList<QByteArray> result;
    for (qsizetype i = start; i < lines.size() && !lines[i].isEmpty(); ++i) result.append(lines[i]);
    return result;
}

TEST_F(UserIniTest, AnAccessDataSourceIsRegisteredOnTheSqliteDriverBesideTheOthers) {
    writeIni(kOtherSources);
    ASSERT_TRUE(dsn::sqlConfigDataSource(dsn::kOdbcAddDsn, kAccess, attributes("Sales", "/data/M\u00fcller/sales.db")));
    EXPECT_EQ(sectionLines(iniText(), "Sales"),
              QList<QByteArray>({"[Sales]", "Driver=SQLite3", "DBQ=/data/M\xc3\xbcller/sales.db",
                                 "Database=/data/M\xc3\xbcller/sales.db"}));
    EXPECT_EQ(sectionLines(iniText(), "Stock"),
              QList<QByteArray>({"[Stock]", "Driver=SQLite3", "Database=/data/stock.db"}));
    EXPECT_EQ(dbq("Sales"), "/data/M\u00fcller/sales.db");
}

TEST_F(UserIniTest, AddingReplacesASectionOfTheSameName) {
    writeIni("[Sales]\nDriver=Old Driver\nServer=far\n");
    ASSERT_TRUE(dsn::sqlConfigDataSource(dsn::kOdbcAddDsn, kAccess, attributes("SALES", "/data/sales.db")));
    EXPECT_FALSE(iniText().contains("[Sales]"));
    EXPECT_EQ(sectionLines(iniText(), "SALES"),
              QList<QByteArray>({"[SALES]", "Driver=SQLite3", "DBQ=/data/sales.db", "Database=/data/sales.db"}));
}

TEST_F(UserIniTest, RemovingTakesOutOnlyThatSection) {
    writeIni(kOtherSources);
    ASSERT_TRUE(dsn::sqlConfigDataSource(dsn::kOdbcAddDsn, kAccess, attributes("Sales", "/data/sales.db")));
    EXPECT_TRUE(dsn::sqlConfigDataSource(dsn::kOdbcRemoveDsn, kAccess, attributes("sales", "/data/sales.db")));
    EXPECT_EQ(dbq("Sales"), std::nullopt);
    EXPECT_TRUE(sectionLines(iniText(), "Sales").isEmpty());
    EXPECT_EQ(sectionLines(iniText(), "Stock").size(), 3);
    EXPECT_FALSE(dsn::sqlConfigDataSource(dsn::kOdbcRemoveDsn, kAccess, attributes("Sales", "/data/sales.db")));
}

// Everything that cannot be registered as asked is refused before the file is written.
TEST_F(UserIniTest, RequestsThatCannotBeCarriedOutLeaveTheFileAsItWas) {
    writeIni(kOtherSources);
    const QString nul(QChar(0));
    const QString longest(990, QLatin1Char('p'));   // "Database=" and this fill a line of the file
    struct Request {
        int code;
        QString driver;
        QString attributes;
    };
    const Request requests[] = {
        {dsn::kOdbcAddDsn, "No Such Driver", attributes("Sales", "/data/sales.db")},
        {dsn::kOdbcAddDsn, "", attributes("Sales", "/data/sales.db")},
        {2, kAccess, attributes("Stock", "/data/sales.db")},
        {4, kAccess, attributes("Sales", "/data/sales.db")},
        {dsn::kOdbcAddDsn, kAccess, "DBQ=/data/sales.db" + nul},
        {dsn::kOdbcAddDsn, kAccess, "DSN=Sales" + nul + "/data/sales.db" + nul},
        {dsn::kOdbcAddDsn, kAccess, "DSN=Sales" + nul + "=/data/sales.db" + nul},
        {dsn::kOdbcAddDsn, kAccess, attributes("Sales", "/data/a\n[Evil]\nDriver=x")},
        {dsn::kOdbcAddDsn, kAccess, attributes("Sales", "/data/sales.db ")},
        {dsn::kOdbcAddDsn, kAccess, attributes("Sales", '/' + longest)},
        {dsn::kOdbcAddDsn, kAccess, attributes("Sa]les", "/data/sales.db")},
        {dsn::kOdbcAddDsn, kAccess, attributes(" Sales", "/data/sales.db")},
        {dsn::kOdbcAddDsn, kAccess, attributes("", "/data/sales.db")},
        {dsn::kOdbcAddDsn, kAccess, attributes(QString(33, QLatin1Char('S')), "/data/sales.db")},
        {dsn::kOdbcAddDsn, kAccess, "DSN=Sales" + nul + "#DBQ=/data/sales.db" + nul},
        {dsn::kOdbcRemoveDsn, "No Such Driver", attributes("Stock", "/data/stock.db")},
    };
    for (const Request& request : requests) {
        EXPECT_FALSE(dsn::sqlConfigDataSource(request.code, request.driver, request.attributes))
            << request.code << " " << request.driver.toStdString() << " " << request.attributes.toStdString();
        EXPECT_EQ(iniText(), kOtherSources) << request.attributes.toStdString();
    }
    ASSERT_TRUE(dsn::sqlConfigDataSource(dsn::kOdbcAddDsn, kAccess, attributes("Sales", longest)));
    EXPECT_EQ(dbq("Sales"), longest);
}

// Makes a file unwritable for this process: by its permissions, and for root, who passes those,
// by the file system's immutable flag. holds() is false where neither works.
class UnwritableFile {
public:
    explicit UnwritableFile(const QString& path) : path_(QFile::encodeName(path)) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (!holds()) setImmutable(true);
    }
    ~UnwritableFile() {
        setImmutable(false);
        QFile::setPermissions(QFile::decodeName(path_), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    bool holds() const {
        const int fd = ::open(path_.constData(), O_WRONLY | O_APPEND);
        if (fd >= 0) ::close(fd);
        return fd < 0;
    }

private:
    void setImmutable(bool on) const {
        const int fd = ::open(path_.constData(), O_RDONLY);
        if (fd < 0) return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }

    QByteArray path_;
};

TEST_F(UserIniTest, AFileThatCannotBeWrittenIsRefusedAndKept) {
    writeIni(kOtherSources);
    const UnwritableFile unwritable(iniPath());
    if (!unwritable.holds()) GTEST_SKIP() << "no way to make a file read-only here";
    EXPECT_FALSE(dsn::sqlConfigDataSource(dsn::kOdbcAddDsn, kAccess, attributes("Sales", "/data/sales.db")));
    EXPECT_FALSE(dsn::sqlConfigDataSource(dsn::kOdbcRemoveDsn, kAccess, attributes("Stock", "/data/stock.db")));
    EXPECT_EQ(iniText(), kOtherSources);
    EXPECT_EQ(machine::dataSources(), "");
}

TEST_F(UserIniTest, TheMachinesDataSourcesAreNeitherSeenNorChanged) {
    const QByteArray machineSources = "[Sales]\nDriver=SQLite3\nDBQ=/data/machine.db\n";
    machine::setDataSources(machineSources);
    writeIni(kOtherSources);

    EXPECT_EQ(dbq("Sales"), std::nullopt);
    EXPECT_FALSE(dsn::sqlConfigDataSource(dsn::kOdbcRemoveDsn, kAccess, attributes("Sales", "/data/machine.db")));
    EXPECT_TRUE(dsn::sqlConfigDataSource(dsn::kOdbcAddDsn, kAccess, attributes("Sales", "/data/user.db")));
    EXPECT_EQ(dbq("Sales"), "/data/user.db");
    EXPECT_EQ(machine::dataSources(), machineSources);
}

}  // namespace

}  // namespace tests
