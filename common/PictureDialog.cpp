#include "common/PictureDialog.h"

#include "common/PictureFiles.h"
#include "common/ProgramVariant.h"
#include "platform/files/Paths.h"
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
