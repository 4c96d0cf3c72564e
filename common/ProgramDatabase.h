#pragma once

namespace db {
class Connection;
}

// Opens a window's own connection to MainDB.mdb as the windows all do: client-side cursors, the
// Jet provider named, the file of DataSourceString().
void openProgramDatabase(db::Connection& connection);
