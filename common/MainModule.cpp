#include "common/MainModule.h"

#include "platform/files/Paths.h"

namespace MainModule {

QString ExcelConnectString() {
    return QStringLiteral("OLEDB;Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + files::programFolder() +
           QStringLiteral("\\maindb.mdb;") + QStringLiteral("Jet OLEDB:Engine Type=4");
}

}  // namespace MainModule
