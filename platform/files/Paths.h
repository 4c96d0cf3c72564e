#pragma once

#include <QString>

namespace files {

// The folder of the running program as the platform gives it (no trailing separator).
// main() sets it from the executable's folder; tests set their own.
QString programFolder();
void setProgramFolder(const QString& folder);

// Where drive C: lies: the user's home folder unless a test redirects it.
QString driveCRoot();
void setDriveCRoot(const QString& folder);

// Turns a text in Windows form ("C:\Pravel.xls", "/x/build\maindb.mdb") into a native path:
// '\' becomes '/', a leading "C:\" the drive-C root, and every part that does not exist with its
// exact case is looked up without regard to case. Parts that do not exist at all stay as given.
QString nativePath(const QString& windowsText);

}  // namespace files
