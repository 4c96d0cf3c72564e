#include "common/ProgramTitle.h"
#include "common/ProgramVariant.h"
#include "platform/files/Paths.h"
#include "shell/ODBCReg.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    // Path texts keep the Windows form the program builds; the folder is joined to them as given.
    files::setProgramFolder(QCoreApplication::applicationDirPath());
#ifdef PRAVEL_KEEPS_DESIGN_PICTURES
    setKeepsDesignPictures(true);
#endif

    QCommandLineParser options;
    const QCommandLineOption registration(
        QStringLiteral("register-data-source"),
        QStringLiteral("Register MainDB.mdb as the ODBC data source QuorvelKvo of the user, then end."));
    options.addOption(registration);
    if (!options.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(options.errorText()));
        return 2;
    }
    if (options.isSet(registration)) {
        shell::registerDataSource();
        return 0;
    }

    shell::startProgram();
    return app.exec();
}
