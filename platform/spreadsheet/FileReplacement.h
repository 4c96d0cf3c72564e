#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

#include <cstddef>
#include <functional>

namespace spreadsheet {

// Puts the bytes under the native path: they are written into a new file beside it, flushed to the
// disk and renamed over it, so the earlier file stays as it was until the new one is complete, and a
// failure leaves nothing behind. Throws WorkbookError, whose description says what stopped the save.
void replaceFile(const QString& nativePath, const QByteArray& bytes);

// True when the existing file must not be replaced: it is marked read-only, or this user may not write it.
bool isReadOnlyFile(const QString& nativePath);

// How the bytes reach the disk: the system's write(), unless a test puts one in its place that
// fails as a full disk does. An empty function restores the system's.
using FileWrite = std::function<ssize_t(int fd, const void* bytes, std::size_t count)>;
void setFileWrite(FileWrite write);

}  // namespace spreadsheet
