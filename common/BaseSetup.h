#pragma once

#include <QString>

#include <cstdint>

// Connection texts and the state that windows pass to each other for the whole run.
namespace BaseSetup {

// "Data Source=" + program folder + "\MainDB.mdb", built anew on every call.
QString DataSourceString();
// The connection text that names no database.
QString BlankConnectString();

extern QString CurrentUserName;   // the name last typed in the sign-in window
extern std::int16_t UserLevel;    // the signed-in user's level; 0 until a sign-in succeeds
extern QString CurrentEmpId;      // the employee shown in detail by an employee window
extern QString EmpPicturePath;    // the photo file the photo store last wrote out

}  // namespace BaseSetup
