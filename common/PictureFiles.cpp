#include "common/PictureFiles.h"

#include "platform/db/Recordset.h"
#include "platform/files/Paths.h"

#include "common/Blanks.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

bool isPictureFileName(const QString& name) {
    static const QRegularExpression plainPictureName(QStringLiteral(R"(\A[^/\\:\x00-\x1f]+\.(bmp|gif|jpg|jpeg)\z)"),
                                                     QRegularExpression::CaseInsensitiveOption);
    return plainPictureName.match(name).hasMatch();
}

// The recordset is open on a row and has the field.
bool hasField(const db::Recordset* recordset, const QString& fieldName) {
    return recordset != nullptr && !fieldName.isEmpty() && recordset->isOpen() && !recordset->eof() &&
           !recordset->bof() && recordset->fieldIndex(fieldName) >= 0;
}

bool saveFile(const QString& filePath, db::Recordset* recordset, const QString& fieldName) {
    const QString path = files::nativePath(filePath);
    const QFileInfo info(path);
    // A hidden file counts as not found, as the original platform's file look-up had it.
    if (!info.isFile() || info.isHidden()) return false;
    if (!hasField(recordset, fieldName)) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size()) return false;
    recordset->appendChunk(fieldName, bytes);
    return true;
}

bool loadFile(const QString& filePath, db::Recordset* recordset, const QString& fieldName) {
    if (!hasField(recordset, fieldName)) return false;
    if (recordset->field(fieldName).isNull()) return false;
    const QByteArray bytes = recordset->getChunk(fieldName, recordset->actualSize(fieldName));
    // Written beside and renamed over the target, so the file ends up exactly the value, and a
    // failed write leaves the old file as it was.
    QSaveFile file(files::nativePath(filePath));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

bool SaveFileToDB(const QString& filePath, db::Recordset* recordset, const QString& fieldName) {
    try {
        return saveFile(filePath, recordset, fieldName);
    } catch (...) {
        return false;
    }
}

bool LoadFileFromDB(const QString& filePath, db::Recordset* recordset, const QString& fieldName) {
    try {
        return loadFile(filePath, recordset, fieldName);
    } catch (...) {
        return false;
    }
}

QString pictureCopyPath(const QString& storedFileName) {
    const QString name = trimTrailingBlanks(storedFileName);
    if (!isPictureFileName(name)) return {};
    const QString path = files::programFolder() + QLatin1Char('\\') + name;
    const QFileInfo target(files::nativePath(path));
    if (target.isSymLink() || (target.exists() && !target.isFile())) return {};
    return path;
}

PictureCopy writePictureCopy(db::Recordset* recordset) {
    const QString picture = QStringLiteral("LImage");
    if (!hasField(recordset, picture) || recordset->field(picture).isNull()) {
        return {PictureCopy::Outcome::NothingStored, {}};
    }
    const QString path = pictureCopyPath(recordset->field(QStringLiteral("FileName")).toString());
    if (path.isEmpty()) return {PictureCopy::Outcome::NameRefused, {}};
    if (!LoadFileFromDB(path, recordset, picture)) return {PictureCopy::Outcome::WriteFailed, path};
    return {PictureCopy::Outcome::Written, path};
}

bool isStorablePicture(const QString& nativePath) {
    if (!isPictureFileName(QFileInfo(nativePath).fileName())) return false;
    QImageReader reader(nativePath);
    return !reader.read().isNull();
}
