#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The user's odbc.ini as unixODBC's installer library reads it: the file that `odbcinst -j` names
// under USER DATA SOURCES (ODBCINI, or else .odbc.ini in the home folder). Names of sections and
// keys match without regard to case, as the library matches them.
//
// The library keeps what it read for up to 20 seconds and forgets it on its own writes: a change
// that another program makes to the file in that time may not be seen yet.
namespace dsn::userini {

QString path();

// The section's name as the file spells it; nullopt when there is no such section (or no file).
std::optional<QString> section(const QString& name);

// The key's name as the section spells it; nullopt when the section has no such key.
std::optional<QString> key(const QString& section, const QString& name);

// The key's text in the local 8-bit encoding, without a terminating NUL.
QByteArray value(const QString& section, const QString& key);

// Restricts the installer's data-source calls (SQLWriteDSNToIni, SQLRemoveDSNFromIni) to the
// user's file for this object's life; the mode it found is restored afterwards.
class UserDataSourcesOnly {
public:
    UserDataSourcesOnly();
    ~UserDataSourcesOnly();
    UserDataSourcesOnly(const UserDataSourcesOnly&) = delete;
    UserDataSourcesOnly& operator=(const UserDataSourcesOnly&) = delete;

private:
    unsigned short previousMode_;
};

}  // namespace dsn::userini
