#include "tests/support/ProgramFolder.h"

#include "common/BaseSetup.h"
#include "common/Schema.h"
#include "platform/db/Connection.h"
#include "platform/files/Paths.h"
#include "platform/forms/Form.h"

#include <QDir>

namespace testsupport {

ProgramFolder::ProgramFolder(bool withDatabase) {
    QDir(dir_.path()).mkpath(QStringLiteral("C"));
    files::setProgramFolder(dir_.path());
    files::setDriveCRoot(driveC());
    if (withDatabase) createDatabase(databasePath());
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
    for (const QString& statement : sql.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!statement.trimmed().isEmpty()) connection.execute(statement);
    }
    connection.close();
}

namespace {

// Installs a new scripted service through install and returns it.
template <typename Scripted, typename Service>
Scripted& installScripted(void (*install)(std::unique_ptr<Service>)) {
    auto service = std::make_unique<Scripted>();
    auto& ref = *service;
    install(std::move(service));
    return ref;
}

}  // namespace

ScriptedServices::ScriptedServices()
    : boxes(installScripted<forms::ScriptedMessageBoxes>(forms::installMessageBoxes)),
      dialogs(installScripted<forms::ScriptedFileDialogs>(forms::installFileDialogs)),
      opener(installScripted<forms::ScriptedDesktopOpener>(forms::installDesktopOpener)),
      reports(installScripted<report::ScriptedReportViewer>(report::installReportViewer)) {}

ScriptedServices::~ScriptedServices() {
    forms::installMessageBoxes(nullptr);
    forms::installFileDialogs(nullptr);
    forms::installDesktopOpener(nullptr);
    report::installReportViewer(nullptr);
}

ProgramTest::ProgramTest() {
    BaseSetup::CurrentUserName.clear();
    BaseSetup::UserLevel = 0;
    BaseSetup::CurrentEmpId.clear();
    BaseSetup::EmpPicturePath.clear();
}

ProgramTest::~ProgramTest() { forms::destroyAll(); }

}  // namespace testsupport
