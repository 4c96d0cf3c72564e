#include "common/PictureWindow.h"

#include "common/BaseSetup.h"
#include "common/PictureFiles.h"
#include "common/ProgramVariant.h"
#include "platform/files/Paths.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Services.h"

#include <QFileInfo>

bool PictureDialog::choosePicture(const QString& what) {
    const QString initial = fileName.isEmpty() ? QString() : files::nativePath(fileName);
    const QString chosen = forms::fileDialogs().openFile(QStringLiteral("Images|*.BMP;*.GIF;*.JPG"), initial);
    if (chosen.isEmpty()) return false;
    if (!isStorablePicture(files::nativePath(chosen))) {
        forms::msgBox(QStringLiteral("%1 is not a BMP, GIF or JPG picture, so the %2 was not changed.")
                          .arg(files::nativePath(chosen), what),
                      forms::Buttons::OK, forms::Icon::Exclamation);
        return false;
    }
    fileName = chosen;
    fileTitle = QFileInfo(chosen).fileName();
    return true;
}

void PictureDialog::showIn(forms::Picture& image) const {
    if (keepsDesignPictures()) return;
    if (fileName.isEmpty()) {
        image.clearPicture();
    } else {
        image.loadPicture(files::nativePath(fileName));
    }
}

void PictureWindowData::openConnection() {
    connection.open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;") + BaseSetup::DataSourceString() +
                    QStringLiteral(";Persist Security Info=False"));
}

void PictureWindowData::openRecordset(const QString& sql, int cursorType, int options) {
    recordset.open(sql, &connection, cursorType, db::adLockOptimistic, options);
}

void PictureWindowData::release() {
    if (recordset.isOpen()) recordset.detach();
    connection.close();
}

bool PictureWindowData::changePicture(forms::Form& window, const QString& what, forms::ControlName pathBox,
                                      forms::ControlName nameBox, forms::ControlName saveImage) {
    if (!dialog.choosePicture(what)) return false;
    window.setText(pathBox, dialog.fileName);
    window.setText(nameBox, dialog.fileTitle);
    window.press(saveImage);
    return true;
}
