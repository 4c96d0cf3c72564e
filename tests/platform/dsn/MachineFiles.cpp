#include "UserIniFixture.h"

namespace tests::machine {

namespace {

class MachineFiles : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(folder().isValid());
        QFile drivers(qEnvironmentVariable("ODBCSYSINI", "/etc") + "/odbcinst.ini");
        ASSERT_TRUE(drivers.copy(folder().filePath("odbcinst.ini"))) << drivers.errorString().toStdString();
        qputenv("ODBCSYSINI", QFile::encodeName(folder().path()));
    }

    static QTemporaryDir& folder() {
        static QTemporaryDir dir;
        return dir;
    }
};

[[maybe_unused]] const auto* const kMachineFiles = ::testing::AddGlobalTestEnvironment(new MachineFiles);

}  // namespace

void setDataSources(const QByteArray& text) {
    QFile file(MachineFiles::folder().filePath("odbc.ini"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text);
}

QByteArray dataSources() {
    QFile file(MachineFiles::folder().filePath("odbc.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace tests::machine
