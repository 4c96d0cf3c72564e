#include "platform/spreadsheet/Pictures.h"

#include "platform/files/Paths.h"
#include "platform/spreadsheet/Worksheet.h"
#include "platform/spreadsheet/WorkbookError.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace spreadsheet {

namespace {

struct PictureFile {
    QByteArray bytes;
    QSize size;
};

// Reads a picture file as a workbook can hold it: JPG, PNG and GIF as they are, BMP turned into
// PNG (the workbook writer takes only one kind of BMP). Empty bytes: no readable picture.
PictureFile readPicture(const QString& nativePath) {
    QFile file(nativePath);
    if (nativePath.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format == "bmp") {
        const QImage image = reader.read();
        if (image.isNull()) return {};
        QByteArray png;
        QBuffer pngBuffer(&png);
        pngBuffer.open(QIODevice::WriteOnly);
        image.save(&pngBuffer, "PNG");
        return {png, image.size()};
    }
    const QSize size = reader.size();
    if ((format != "jpeg" && format != "png" && format != "gif") || !size.isValid()) return {};
    return {bytes, size};
}

}  // namespace

void Picture::select() { sheet_->pictures().setSelected(index_); }

bool Pictures::isInsertable(const QString& fileName) {
    return !readPicture(files::nativePath(fileName)).bytes.isEmpty();
}

Picture Pictures::insert(const QString& fileName) {
    const QString path = files::nativePath(fileName);
    PictureFile picture = readPicture(path);
    if (picture.bytes.isEmpty()) {
        throw WorkbookError(QStringLiteral("The picture \"%1\" cannot be inserted: it is missing or is no BMP, "
                                           "GIF, JPG or PNG picture.")
                                .arg(fileName));
    }
    const CellRect& at = sheet_->selection();
    placed_.push_back(PlacedPicture{path, std::move(picture.bytes), picture.size, at.firstRow, at.firstColumn});
    return Picture(*sheet_, count() - 1);
}

}  // namespace spreadsheet
