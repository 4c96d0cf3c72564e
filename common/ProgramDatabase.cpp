#include "common/ProgramDatabase.h"

#include "common/BaseSetup.h"
#include "platform/db/Connection.h"

void openProgramDatabase(db::Connection& connection) {
    connection.setCursorLocation(db::adUseClient);
    connection.setProvider(QStringLiteral("Microsoft.jet.OLEDB.4.0"));
    connection.open(BaseSetup::DataSourceString(), QString(), QString(), db::adOptionUnspecified);
}
