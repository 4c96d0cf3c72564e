#include "platform/spreadsheet/FileReplacement.h"

#include "platform/spreadsheet/WorkbookError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spreadsheet {

namespace {

FileWrite& installedWrite() {
    static FileWrite write;
    return write;
}

// Why a file could not be written, in words about the disk and the folder.
QString reasonFor(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("the disk is full. Free some space on it and try again.");
    case EACCES:
    case EPERM: return QStringLiteral("you may not write in its folder.");
    case EROFS: return QStringLiteral("the disk it is on can only be read.");
    case EFBIG: return QStringLiteral("the file would be larger than this system allows.");
    case EISDIR: return QStringLiteral("a folder of that name is in the way.");
    case ENOENT: return QStringLiteral("its folder does not exist.");
    default: return QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.');
    }
}

[[noreturn]] void refuse(const QString& nativePath, int error) {
    QString description = QStringLiteral("\"%1\" could not be saved: %2").arg(nativePath, reasonFor(error));
    if (QFileInfo(nativePath).isFile()) description += QStringLiteral(" The earlier file is unchanged.");
    throw WorkbookError(description);
}

// Writes every byte, as many calls as it takes; errno is left as the failing call set it.
bool writeAll(int fd, const QByteArray& bytes) {
    const FileWrite& write = installedWrite();
    const char* next = bytes.constData();
    std::size_t left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = write ? write(fd, next, left) : ::write(fd, next, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return false;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

void setFileWrite(FileWrite write) { installedWrite() = std::move(write); }

bool isReadOnlyFile(const QString& nativePath) {
    const QFileInfo file(nativePath);
    // The owner's write permission is what marks a file read-only; a user who may write any file
    // still finds it so.
    return !file.isWritable() || !(file.permissions() & QFile::WriteOwner);
}

void replaceFile(const QString& nativePath, const QByteArray& bytes) {
    const QFileInfo target(nativePath);
    QByteArray temporary = QFile::encodeName(target.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) refuse(nativePath, errno);
    bool closed = false;
    auto removeTemporary = qScopeGuard([&] {
        if (!closed) ::close(fd);
        ::unlink(temporary.constData());
    });

    if (!writeAll(fd, bytes) || ::fchmod(fd, S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH) != 0 || ::fsync(fd) != 0) {
        refuse(nativePath, errno);
    }
    closed = true;
    if (::close(fd) != 0 || std::rename(temporary.constData(), QFile::encodeName(nativePath).constData()) != 0) {
        refuse(nativePath, errno);
    }
    removeTemporary.dismiss();
}

}  // namespace spreadsheet
