#include "common/ProgramTitle.h"
#include "platform/dsn/Installer.h"
#include "platform/dsn/UserIni.h"
#include "platform/forms/Form.h"
#include "shell/ODBCReg.h"
#include "tests/shell/Counted.h"
#include "tests/shell/ShowCounter.h"
#include "tests/support/ProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace tests {

using shell::ODBCReg;


namespace {

const QString kDataSource = QStringLiteral("QuorvelKvo");
const QString kAccess = QStringLiteral("Microsoft Access Driver (*.mdb)");

// The user's odbc.ini is a file of the test's own (the machine's ODBC files are redirected for
// the whole run, see the data-source tests). unixODBC remembers what it read of a file for a while,
// so each test has its own file name.
class DataSourceRegistration : public ProgramTest {
protected:
    DataSourceRegistration() : previousIni_(qgetenv("ODBCINI")), hadIni_(qEnvironmentVariableIsSet("ODBCINI")) {
        qputenv("ODBCINI", QFile::encodeName(iniPath()));
    }
    ~DataSourceRegistration() override {
        if (hadIni_) qputenv("ODBCINI", previousIni_);
        else qunsetenv("ODBCINI");
    }

    QString iniPath() const { return iniDir_.filePath("odbc.ini"); }

    void writeIni(const QByteArray& text) const {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray iniText() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A key of the data source as the ODBC installer reads it; nullopt when it is not there.
    static std::optional<QString> registered(const QString& key) {
        const std::optional<QString> section = dsn::userini::section(kDataSource);
        if (!section) return std::nullopt;
        const std::optional<QString> found = dsn::userini::key(*section, key);
        if (!found) return std::nullopt;
        return QString::fromLocal8Bit(dsn::userini::value(*section, *found));
    }

    void expectOneMissingFileMessage() const {
        ASSERT_EQ(services.boxes.shown.size(), 1u);
        const auto& box = services.boxes.shown[0];
        EXPECT_EQ(box.prompt, "Database file doesn't exist!");
        EXPECT_EQ(box.buttons, forms::Buttons::OK);
        EXPECT_EQ(box.icon, forms::Icon::Critical);
        EXPECT_EQ(box.title, kProgramTitle);
    }

private:
    QTemporaryDir iniDir_;
    QByteArray previousIni_;
    bool hadIni_;
};

TEST_F(DataSourceRegistration, AddsTheDatabaseOnTheSqliteDriverUnseenAndEndsTheProgram) {
    const ShowCounter<ODBCReg> shows;
    Counted::unloads = 0;
    forms::get<Counted>();

    shell::registerDataSource();

    EXPECT_EQ(registered("Driver"), "SQLite3");
    EXPECT_EQ(registered("DBQ"), folder.databasePath());
    EXPECT_EQ(registered("Database"), folder.databasePath());
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_EQ(shows.shows(), 0);
    // Ended: every window gone, none of them asked to unload.
    EXPECT_FALSE(forms::isLoaded<ODBCReg>());
    EXPECT_FALSE(forms::isLoaded<Counted>());
    EXPECT_EQ(Counted::unloads, 0);
}

TEST_F(DataSourceRegistration, ASecondRunChangesNothing) {
    shell::registerDataSource();
    const QByteArray once = iniText();
    ASSERT_FALSE(once.isEmpty());
    shell::registerDataSource();
    EXPECT_EQ(iniText(), once);
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(DataSourceRegistration, ADataSourceThatNamesAFileIsLeftAsItIs) {
    const QByteArray kept = "[QuorvelKvo]\nDriver=SQLite3\nDBQ=/elsewhere/Old.mdb\n";
    writeIni(kept);
    shell::registerDataSource();
    EXPECT_EQ(iniText(), kept);
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_FALSE(forms::isLoaded<ODBCReg>());
}

TEST_F(DataSourceRegistration, ADataSourceWithoutItsFileIsAddedAgain) {
    writeIni("[quorvelkvo]\nDescription=set up by hand\n");
    shell::registerDataSource();
    EXPECT_EQ(registered("Driver"), "SQLite3");
    EXPECT_EQ(registered("DBQ"), folder.databasePath());
}

TEST_F(DataSourceRegistration, TheDataSourceNamesTheFileAsThisMachineSpellsIt) {
    ASSERT_TRUE(QFile::rename(folder.databasePath(), folder.file("maindb.MDB")));
    shell::registerDataSource();
    EXPECT_EQ(registered("DBQ"), folder.file("maindb.MDB"));
}

TEST_F(DataSourceRegistration, AMissingDatabaseIsToldOnceAndNothingIsRegistered) {
    ASSERT_TRUE(QFile::remove(folder.databasePath()));
    shell::registerDataSource();
    expectOneMissingFileMessage();
    EXPECT_FALSE(QFile::exists(iniPath()));
    EXPECT_FALSE(forms::isLoaded<ODBCReg>());
}

TEST_F(DataSourceRegistration, RemovalTakesOutADataSourceThatNamesAnExistingFile) {
    writeIni("[QuorvelKvo]\nDriver=SQLite3\nDBQ=/elsewhere/Old.mdb\n");
    shell::MakeDSN(kDataSource, kAccess, folder.databasePath(), dsn::kOdbcRemoveDsn);
    EXPECT_EQ(dsn::userini::section(kDataSource), std::nullopt);
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(DataSourceRegistration, RemovalOfADataSourceWithoutItsFileDoesNothing) {
    const QByteArray kept = "[QuorvelKvo]\nDriver=SQLite3\n";
    writeIni(kept);
    shell::MakeDSN(kDataSource, kAccess, folder.databasePath(), dsn::kOdbcRemoveDsn);
    EXPECT_EQ(iniText(), kept);
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(DataSourceRegistration, RemovalWithTheDatabaseFileMissingIsToldAndKeepsTheDataSource) {
    const QByteArray kept = "[QuorvelKvo]\nDriver=SQLite3\nDBQ=/elsewhere/Old.mdb\n";
    writeIni(kept);
    shell::MakeDSN(kDataSource, kAccess, folder.file("Gone.mdb"), dsn::kOdbcRemoveDsn);
    expectOneMissingFileMessage();
    EXPECT_EQ(iniText(), kept);
}

}  // namespace

}  // namespace tests
