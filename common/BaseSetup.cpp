#include "common/BaseSetup.h"

#include "platform/files/Paths.h"

namespace BaseSetup {

QString CurrentUserName;
std::int16_t UserLevel = 0;
QString CurrentEmpId;
QString EmpPicturePath;

QString DataSourceString() {
    return QStringLiteral("Data Source=") + files::programFolder() + QStringLiteral("\\MainDB.mdb");
}

QString BlankConnectString() { return QString(); }

}  // namespace BaseSetup
