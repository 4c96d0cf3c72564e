#pragma once

namespace db {
class Connection;
}

// Opens a window's own connection to MainDB.mdb as the windows all do: client-side cursors, the
// Jet provider named, the file of DataSourceString().
void openProgramDatabase(db::Connection& connection);

// Opens the connection that the company profile and the photo store keep themselves instead:
// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + program folder + "\MainDB.mdb;Persist Security
// Info=False", with no cursor location set.
void openPictureWindowDatabase(db::Connection& connection);
