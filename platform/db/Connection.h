#pragma once

#include "DbError.h"

#include <QString>

#include <memory>

struct sqlite3;

namespace db {

constexpr int adUseServer = 2;
constexpr int adUseClient = 3;
constexpr int adOptionUnspecified = -1;

// An open database file. Reads "Data Source=" from an ADO-style connection text
// ("Provider=...;Data Source=C:\x\MainDB.mdb;Persist Security Info=False"); the provider and the
// other keys are accepted and ignored. The path is mapped by platform/files.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Taken as the windows give them: every recordset here is client-side, on the one engine.
    void setCursorLocation(int) {}
    void setProvider(const QString&) {}

    // Fails with DbError (nothing created) when the file is missing, is no database or cannot be read.
    void open(const QString& connectionText, const QString& userId = {}, const QString& password = {},
              int options = adOptionUnspecified);
    // Creates a new, empty database file at a native path and opens it. An existing file is
    // refused and left as it is (open() never creates one).
    void create(const QString& nativePath);
    // Runs a statement that returns no rows; returns the number of rows it changed.
    long execute(const QString& sql, int options = adOptionUnspecified);
    void close();
    bool isOpen() const { return handle_ != nullptr; }

    // Runs fn inside one transaction: all of it is written, or nothing.
    template <typename Fn> void transaction(Fn&& fn) {
        execute("BEGIN IMMEDIATE");
        try {
            fn();
            execute("COMMIT");
        } catch (...) {
            rollbackIfOpen();
            throw;
        }
    }

    // Ends a transaction that is still open, writing nothing of it (a failed COMMIT leaves it open).
    void rollbackIfOpen();

    QString filePath() const { return filePath_; }   // native path of the open file
    sqlite3* handle() const;                          // throws DbError when closed

    // Expires when this object goes, so that a recordset never reaches a destroyed connection.
    std::weak_ptr<const Connection*> lifeToken() const { return life_; }

    // The file named by "Data Source=" in a connection text, as written there; empty when absent.
    static QString dataSource(const QString& connectionText);

private:
    void openFile(const QString& path, int flags);

    std::shared_ptr<const Connection*> life_ = std::make_shared<const Connection*>(this);
    sqlite3* handle_ = nullptr;
    QString filePath_;
};

}  // namespace db
