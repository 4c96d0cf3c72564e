// makedb PATH: creates a new, empty Pravel database with one administrator account.
#include "common/Schema.h"
#include "platform/db/DbError.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: makedb PATH\n";
        return 2;
    }
    try {
        createDatabase(args[1]);
    } catch (const db::DbError& e) {
        err << e.description() << "\n";
        return 1;
    }
    QTextStream(stdout) << "Created " << args[1] << " with the account admin (password admin).\n";
    return 0;
}
