#pragma once

#include "tests/support/Printing.h"
#include "tests/support/ScriptedServices.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tests {

// A temporary program folder holding a fresh MainDB.mdb, with drive C: redirected beside it.
class ProgramFolder {
public:
    // The database beside the program: none, an empty file (for the platform layers, which know
    // nothing of the program's tables), or a fresh program database.
    enum class Database { None, Empty, Program };
    explicit ProgramFolder(Database database = Database::Program);
    ~ProgramFolder();
    QString path() const { return dir_.path(); }
    QString databasePath() const;
    QString driveC() const;
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Runs statements on the database with a connection of its own.
    void exec(const QString& sql) const;

private:
    QTemporaryDir dir_;
};

// The base of window tests: a fresh program folder, scripted services, the shared state reset,
// and every window destroyed afterwards.
class ProgramTest : public ::testing::Test {
protected:
    explicit ProgramTest(ProgramFolder::Database database = ProgramFolder::Database::Program);
    ~ProgramTest() override;
    ProgramFolder folder;
    ScriptedServices services;
};

// The same for the platform layers' own tests: the database file is empty, their tables their own.
class PlatformTest : public ProgramTest {
protected:
    PlatformTest() : ProgramTest(ProgramFolder::Database::Empty) {}
};

}  // namespace tests
