#pragma once

#include "platform/dsn/Registry.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace tests {

// The machine's ODBC files: unixODBC settles where they are on its first call, so before any test
// runs ODBCSYSINI points at a temporary folder holding a copy of the machine's driver list (in
// which libsqliteodbc registered SQLite3) and an odbc.ini of the machine's data sources that the
// tests set and watch. Nothing a test does reaches the real machine's files.
namespace machine {

void setDataSources(const QByteArray& text);
QByteArray dataSources();

}  // namespace machine

// Each test gets its own user odbc.ini (ODBCINI) in a temporary folder and no machine data sources.
class UserIniTest : public ::testing::Test {
protected:
    UserIniTest() : previousIni_(qgetenv("ODBCINI")), hadIni_(qEnvironmentVariableIsSet("ODBCINI")) {
        qputenv("ODBCINI", QFile::encodeName(iniPath()));
        machine::setDataSources("");
    }
    ~UserIniTest() override {
        if (hadIni_) qputenv("ODBCINI", previousIni_);
        else qunsetenv("ODBCINI");
    }

    QString iniPath() const { return dir.filePath("odbc.ini"); }

    QByteArray iniText() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeIni(const QByteArray& text) const {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    // The DBQ text of a data source, looked up as a Windows program does: nullopt when the key or
    // the value is missing.
    static std::optional<QString> dbq(const QString& dataSource) {
        dsn::KeyHandle key = 0;
        if (dsn::regOpenKeyEx(dsn::RootKey::CurrentUser, "Software\\ODBC\\ODBC.INI\\" + dataSource, 0, 0x2003F,
                              key) != dsn::kErrorSuccess) {
            return std::nullopt;
        }
        QByteArray buffer(1024, '\0');
        std::uint32_t size = buffer.size();
        std::uint32_t type = 0;
        const long result = dsn::regQueryValueEx(key, "DBQ", type, buffer, size);
        dsn::regCloseKey(key);
        if (result != dsn::kErrorSuccess || type != dsn::kRegSz) return std::nullopt;
        return QString::fromLocal8Bit(buffer.constData());
    }

    QTemporaryDir dir;

private:
    QByteArray previousIni_;
    bool hadIni_;
};

}  // namespace tests
