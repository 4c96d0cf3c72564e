#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The registry calls with which Windows programs look at the user's ODBC data sources, answered
// from the user's odbc.ini (platform/dsn/UserIni.h): the key
// "Software\ODBC\ODBC.INI\<data source>" under the current user is the data source's section,
// and each of its string values is a key of that section. Only those keys exist here.
namespace dsn {

// Results, with the values Windows gives them.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;     // no such key or value
constexpr long kErrorInvalidHandle = 6;    // the key is not open
constexpr long kErrorMoreData = 234;       // the buffer is too small for the value

// Value types: every value of a section is text.
constexpr std::uint32_t kRegSz = 1;

enum class RootKey { CurrentUser };   // the machine's data sources are not reached

using KeyHandle = std::uintptr_t;

// Opens the key of an existing data source, its name matched without regard to case; any other
// key, and a data source that is not there, give kErrorFileNotFound. The options and the access
// mask are those the call takes on Windows; a section can be read whatever they ask.
long regOpenKeyEx(RootKey root, const QString& subKey, std::uint32_t options, std::uint32_t access,
                  KeyHandle& key);

// Copies the value's text in the local 8-bit encoding and its terminating NUL to the start of
// buffer, of which size gives the bytes that may be written; sets type to kRegSz and size to the
// bytes copied. When they do not fit, nothing is copied, size is set to the bytes needed and the
// result is kErrorMoreData.
long regQueryValueEx(KeyHandle key, const QString& valueName, std::uint32_t& type, QByteArray& buffer,
                     std::uint32_t& size);

// Closes an open key; kErrorInvalidHandle when it is not open.
long regCloseKey(KeyHandle key);

}  // namespace dsn
