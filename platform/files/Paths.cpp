#include "platform/files/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace files {

namespace {

QString& programFolderSetting() {
    static QString folder;
    return folder;
}

QString& driveCSetting() {
    static QString folder;
    return folder;
}

// The entry of folder whose name equals name without regard to case, or name itself when the
// folder holds none (or cannot be listed).
QString entryIgnoringCase(const QString& folder, const QString& name) {
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    }
    return name;
}

bool startsWithDriveC(const QString& path) {
    return path.size() >= 3 && path[0].toUpper() == QLatin1Char('C') && path[1] == QLatin1Char(':') &&
           path[2] == QLatin1Char('/');
}

}  // namespace

QString programFolder() { return programFolderSetting(); }
void setProgramFolder(const QString& folder) { programFolderSetting() = folder; }

QString driveCRoot() {
    const QString& folder = driveCSetting();
    return folder.isEmpty() ? QDir::homePath() : folder;
}
void setDriveCRoot(const QString& folder) { driveCSetting() = folder; }

QString nativePath(const QString& windowsText) {
    QString path = windowsText;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (startsWithDriveC(path)) path = driveCRoot() + QLatin1Char('/') + path.mid(3);

    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString result = absolute ? QStringLiteral("/") : QString();
    for (const QString& part : parts) {
        QString candidate = result + part;
        const bool special = part == QLatin1String(".") || part == QLatin1String("..");
        if (!special && !QFileInfo::exists(candidate)) candidate = result + entryIgnoringCase(result, part);
        result = candidate + QLatin1Char('/');
    }
    if (!parts.isEmpty()) result.chop(1);
    if (path.endsWith(QLatin1Char('/')) && !parts.isEmpty()) result += QLatin1Char('/');
    return result;
}

}  // namespace files
