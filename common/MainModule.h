#pragma once

#include <QString>

namespace MainModule {

// The connection of the CV's query tables: the same file, named in lower case.
QString ExcelConnectString();

}  // namespace MainModule
