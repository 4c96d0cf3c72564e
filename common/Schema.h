#pragma once

#include <QString>

// The ten tables of the database file, as one script.
extern const char* const kSchemaSql;

// Creates a new database file with the ten tables, the account admin/admin at level 9 and one
// empty company row. Never touches an existing file: throws db::DbError instead.
void createDatabase(const QString& nativePath);
