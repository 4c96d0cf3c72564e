#pragma once

#include "platform/db/Connection.h"

#include <QTemporaryDir>

namespace tests {

// A fresh database file in a temporary folder with a small schema of the tests' own: people, with
// a column of each declared type, and notes.
class TestDatabase {
public:
    TestDatabase() {
        db::Connection connection;
        connection.create(path());
        connection.execute(QStringLiteral(R"sql(
CREATE TABLE person (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  code TEXT COLLATE NOCASE,
  name TEXT COLLATE NOCASE,
  phone TEXT COLLATE NOCASE,
  born DATETIME,
  age INTEGER,
  children REAL,
  photo BLOB
);
CREATE TABLE note (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  code TEXT COLLATE NOCASE,
  body TEXT COLLATE NOCASE
);
)sql"));
    }
    QString folder() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("people.db")); }
    QString connectionText() const { return QStringLiteral("Data Source=") + path(); }

private:
    QTemporaryDir dir_;
};

}  // namespace tests
