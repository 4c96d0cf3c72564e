#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Design.h"

#include <QString>

namespace forms {
class Form;
class Picture;
}  // namespace forms

// What the two picture windows, the company profile and the photo store, share.

// Their open-file dialog. Its filter is "Images|*.BMP;*.GIF;*.JPG"; it keeps the last file name
// given to it or chosen in it.
class PictureDialog {
public:
    QString fileName;    // a full path: as a retrieval names the copy, or as chosen in the dialog
    QString fileTitle;   // the chosen file's name without folder

    // Shows the dialog. False, with nothing changed, when it is cancelled or when the chosen file is
    // no BMP, GIF or JPG picture; the user is told that the `what` ("photo", "logo") was not changed.
    bool choosePicture(const QString& what);

    // Loads the file it names into the image; no name clears the image. The second program
    // (PravelKvo2) leaves the image with its design picture.
    void showIn(forms::Picture& image) const;
};

// What each of them owns from load to unload.
struct PictureWindowData {
    db::Connection connection;
    db::Recordset recordset;
    PictureDialog dialog;

    // Their own connection text instead of DataSourceString: "Provider=Microsoft.Jet.OLEDB.4.0;Data
    // Source=" + program folder + "\MainDB.mdb;Persist Security Info=False"; no cursor location set.
    void openConnection();
    void openRecordset(const QString& sql, int cursorType, int options);   // optimistic locking
    // The unload: the recordset detached from the connection, the connection closed.
    void release();

    // "Change Logo" up to the store: the dialog, the chosen file's full path into the window's
    // pathBox and its name into nameBox, then its "Save Image" pressed. False, with nothing stored,
    // when no picture was chosen.
    bool changePicture(forms::Form& window, const QString& what, forms::ControlName pathBox,
                       forms::ControlName nameBox, forms::ControlName saveImage);
};
