#include "tests/support/ProgramFolder.h"

#include "common/BaseSetup.h"
#include "common/Schema.h"
#include "platform/db/Connection.h"
#include "platform/files/Paths.h"
#include "platform/forms/Form.h"

#include <QDir>

namespace tests {

ProgramFolder::ProgramFolder(Database database) {
    QDir(dir_.path()).mkpath(QStringLiteral("C"));
    files::setProgramFolder(dir_.path());
    files::setDriveCRoot(driveC());
    if (database == Database::Program) createDatabase(databasePath());
    if (database == Database::Empty) db::Connection().create(databasePath());
}

ProgramFolder::~ProgramFolder() {
    files::setProgramFolder(QString());
    files::setDriveCRoot(QString());
}

QString ProgramFolder::databasePath() const { return dir_.filePath(QStringLiteral("MainDB.mdb")); }
QString ProgramFolder::driveC() const { return dir_.filePath(QStringLiteral("C")); }

void ProgramFolder::exec(const QString& sql) const {
    db::Connection connection;
    connection.open(QStringLiteral("Data Source=") + databasePath());
    connection.execute(sql);
}

ProgramTest::ProgramTest(ProgramFolder::Database database) : folder(database) {
    BaseSetup::CurrentUserName.clear();
    BaseSetup::UserLevel = 0;
    BaseSetup::CurrentEmpId.clear();
    BaseSetup::EmpPicturePath.clear();
}

ProgramTest::~ProgramTest() { forms::destroyAll(); }

}  // namespace tests
