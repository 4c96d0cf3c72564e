#include "shell/ODBCReg.h"

#include "platform/dsn/Installer.h"
#include "platform/dsn/Registry.h"
#include "platform/files/Paths.h"
#include "platform/forms/DesignRows.h"
#include "shell/MDIMain.h"

#include <QByteArray>
#include <QFileInfo>

namespace shell {

using namespace registrationControls;

namespace {

const forms::WindowDesign kWindow{.caption = "Form1", .clientWidth = 4680, .clientHeight = 3090, .mdiChild = false};

const forms::Control kDesign[] = {
    forms::rows::button(Command1, {}, "Command1", 720, 1920, 1335, 375),
};

// Read control, query and set value, create and enumerate sub-keys, notify, create link.
constexpr std::uint32_t kKeyAccess = 0x2003F;

// The "DBQ" string of the user's data source; empty when the key cannot be opened or the value
// is missing, too long for the buffer or no string.
QString registeredDatabaseFile(const QString& dataSource) {
    QString existing;
    dsn::KeyHandle key = 0;
    if (dsn::regOpenKeyEx(dsn::RootKey::CurrentUser, QStringLiteral("Software\\ODBC\\ODBC.INI\\") + dataSource, 0,
                          kKeyAccess, key) != dsn::kErrorSuccess) {
        return existing;
    }
    QByteArray buffer(1024, '\0');
    std::uint32_t size = buffer.size();
    std::uint32_t type = 0;
    const long result = dsn::regQueryValueEx(key, QStringLiteral("DBQ"), type, buffer, size);
    const QString text = QString::fromLocal8Bit(buffer);
    if (result == dsn::kErrorSuccess && type == dsn::kRegSz) existing = text.left(text.indexOf(QChar(0)));
    dsn::regCloseKey(key);
    return existing;
}

}  // namespace

void MakeDSN(const QString& sDSN, const QString& sDriver, const QString& sDBFile, std::int32_t lAction) {
    const QString existing = registeredDatabaseFile(sDSN);
    const bool add = existing.isEmpty() && lAction == dsn::kOdbcAddDsn;
    const bool remove = !existing.isEmpty() && lAction == dsn::kOdbcRemoveDsn;
    if (!add && !remove) return;

    if (!QFileInfo(sDBFile).isFile()) {
        forms::msgBox(QStringLiteral("Database file doesn't exist!"), forms::Buttons::OK, forms::Icon::Critical);
        return;
    }
    const QChar end(0);
    const QString attributes = QStringLiteral("DSN=") + sDSN + end + QStringLiteral("DBQ=") + sDBFile + end;
    dsn::sqlConfigDataSource(lAction, sDriver, attributes);
}

ODBCReg::ODBCReg() : forms::Form(kWindow, kDesign) { onClick(Command1, [this] { Command1_Click(); }); }

void ODBCReg::load() {
    press(Command1);
    quitProgram();
}

void ODBCReg::Command1_Click() {
    // The data source names the file as this machine finds it.
    MakeDSN(QStringLiteral("QuorvelKvo"), QStringLiteral("Microsoft Access Driver (*.mdb)"),
            files::nativePath(files::programFolder() + QStringLiteral("\\MainDB.mdb")), dsn::kOdbcAddDsn);
}

void registerDataSource() {
    // As a handler, so that the end of the program deletes the window once its load has returned.
    forms::guarded([] { forms::get<ODBCReg>(); });
}

}  // namespace shell
