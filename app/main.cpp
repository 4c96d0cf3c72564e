#include "common/ProgramVariant.h"
#include "platform/files/Paths.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pravel"));
    // Path texts keep the Windows form the program builds; the folder is joined to them as given.
    files::setProgramFolder(QCoreApplication::applicationDirPath());
#ifdef PRAVEL_KEEPS_DESIGN_PICTURES
    setKeepsDesignPictures(true);
#endif
    shell::startProgram();
    return app.exec();
}
