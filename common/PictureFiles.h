#pragma once

#include <QString>

namespace db {
class Recordset;
}

// Moving a picture file whole between the file system and a long-binary field of the current row
// of an open recordset. The path may be in Windows form (program folder + "\" + name); it is
// mapped to a native path. Neither operation looks into the bytes, shows a message or throws:
// every failure is reported only as false.

// Puts the whole file into the field (replacing its value) without updating the row: the caller
// sets its other fields and commits. False when the file is missing, hidden or unreadable, when
// there is no open recordset positioned on a row, or when the field does not exist.
bool SaveFileToDB(const QString& filePath, db::Recordset* recordset, const QString& fieldName);

// Writes the field's value to the file, which afterwards holds exactly that value (a longer file
// is replaced, not overwritten in part). False, with no file created or changed, when the value is
// Null, the field does not exist, the recordset is not open on a row, or the file cannot be written.
bool LoadFileFromDB(const QString& filePath, db::Recordset* recordset, const QString& fieldName);

// Where a picture taken out of the database is copied: the program folder, "\", the stored file
// name without its trailing blanks. Empty, so that no file is written, unless the name is a plain
// file name with a picture extension (.bmp, .gif, .jpg, .jpeg in any case) and nothing but a plain
// file stands under it: a stored name must never reach beyond the folder, over the database or the
// program, or through a link.
QString pictureCopyPath(const QString& storedFileName);

// What became of a stored picture written out to its copy in the program folder.
struct PictureCopy {
    enum class Outcome {
        Written,         // the copy holds the stored picture
        NothingStored,   // no row, or no picture on it: nothing written
        NameRefused,     // the stored name may not be written (pictureCopyPath): nothing written
        WriteFailed,     // the folder or disk refused the copy; an earlier file stays as it was
    };
    Outcome outcome;
    QString path;   // the copy's path when written or when writing it failed
    bool written() const { return outcome == Outcome::Written; }
};

// Writes the picture of the recordset's current row, its FileName and LImage, to the copy that
// pictureCopyPath names.
PictureCopy writePictureCopy(db::Recordset* recordset);

// The file can be stored as a picture: a BMP, GIF or JPG file whose content is such a picture.
bool isStorablePicture(const QString& nativePath);
