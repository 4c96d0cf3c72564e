#include "platform/dsn/UserIni.h"

#include <QFileInfo>

#include <odbcinstext.h>

#include <pwd.h>
#include <unistd.h>

namespace dsn::userini {

namespace {

// A list the library gives as names, each ending in NUL, with an empty name after the last.
QStringList nameList(const QByteArray& buffer) {
    QStringList names;
    for (qsizetype start = 0; start < buffer.size() && buffer[start] != '\0';) {
        const qsizetype end = buffer.indexOf('\0', start);
        names.append(QString::fromLocal8Bit(buffer.mid(start, end - start)));
        start = end + 1;
    }
    return names;
}

// The names of the file's sections (no section given) or of one section's keys. The library
// fills the buffer only with whole names, so the list is complete once a name of the longest
// length would still have fitted.
QStringList names(const char* section) {
    const QString file = path();
    if (!QFileInfo::exists(file)) return {};   // reading would create it
    for (int size = 4096;; size *= 4) {
        QByteArray buffer(size, '\0');
        if (SQLGetPrivateProfileString(section, nullptr, "", buffer.data(), size,
                                       QFile::encodeName(file).constData()) < 0) {
            return {};
        }
        const QStringList found = nameList(buffer);
        qsizetype used = 0;
        for (const QString& name : found) used += name.toLocal8Bit().size() + 1;
        if (used + INI_MAX_OBJECT_NAME + 2 < size) return found;
    }
}

std::optional<QString> matching(const QStringList& names, const QString& name) {
    for (const QString& candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0) return candidate;
    }
    return std::nullopt;
}

}  // namespace

QString path() {
    // The library's own rule: ODBCINI, or else .odbc.ini in the home folder of the user's account.
    QString file = qEnvironmentVariable("ODBCINI");
    if (file.isEmpty()) {
        const passwd* account = getpwuid(getuid());
        file = QFile::decodeName(account && account->pw_dir ? account->pw_dir : "/home") + "/.odbc.ini";
    }
    // A relative name would send the library's reads back through its own look-up.
    return QFileInfo(file).absoluteFilePath();
}

std::optional<QString> section(const QString& name) { return matching(names(nullptr), name); }

std::optional<QString> key(const QString& section, const QString& name) {
    return matching(names(section.toLocal8Bit().constData()), name);
}

QByteArray value(const QString& section, const QString& key) {
    QByteArray buffer(INI_MAX_PROPERTY_VALUE + 1, '\0');
    SQLGetPrivateProfileString(section.toLocal8Bit().constData(), key.toLocal8Bit().constData(), "",
                               buffer.data(), buffer.size(), QFile::encodeName(path()).constData());
    return QByteArray(buffer.constData());
}

UserDataSourcesOnly::UserDataSourcesOnly() {
    UWORD mode = ODBC_BOTH_DSN;
    SQLGetConfigMode(&mode);
    previousMode_ = mode;
    SQLSetConfigMode(ODBC_USER_DSN);
}

UserDataSourcesOnly::~UserDataSourcesOnly() { SQLSetConfigMode(previousMode_); }

}  // namespace dsn::userini
