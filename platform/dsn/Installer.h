#pragma once

#include <QString>

// The ODBC installer's request for data sources, carried out on the user's odbc.ini
// (platform/dsn/UserIni.h) by unixODBC's installer library.
namespace dsn {

// Request codes, with the values the installer gives them.
constexpr int kOdbcAddDsn = 1;
constexpr int kOdbcRemoveDsn = 3;

// SQLConfigDataSource with no parent window, so that no dialog is shown, for a user data source.
//
// driver: the driver's name as Windows programs give it. "Microsoft Access Driver (*.mdb)" stands
// for the SQLite 3 ODBC driver, registered as "SQLite3" (package libsqliteodbc); any other name
// is taken as the name of a driver installed here.
// attributes: "keyword=value" pairs, each ended by a NUL, up to an empty pair or the end of the
// text, for example "DSN=Sales\0DBQ=/data/sales.db\0"; DSN names the data source.
//
// kOdbcAddDsn writes the section of that name with the driver and the other pairs, replacing a
// section of the same name; for the SQLite 3 driver it writes beside DBQ the Database attribute
// from which that driver opens the file. kOdbcRemoveDsn takes the section out.
//
// Returns whether the request was carried out. It is refused, and odbc.ini not touched, for any
// other request code, a missing DSN, a pair without a keyword, a text that odbc.ini would not give
// back unchanged (a control character, blanks at either end, a line too long, a data-source name
// that the installer does not accept), a driver that is not installed, a data source to remove
// that is not there, and a file that cannot be written. Should an add fail after its first write,
// the section is taken out again, so that no data source is left half written.
bool sqlConfigDataSource(int request, const QString& driver, const QString& attributes);

}  // namespace dsn
