#pragma once

#include <QString>

namespace forms {
class Picture;
}

// The open-file dialog of the two picture windows, the company profile and the photo store. Its
// filter is "Images|*.BMP;*.GIF;*.JPG"; it keeps the last file name given to it or chosen in it.
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
