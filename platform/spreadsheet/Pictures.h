#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

namespace spreadsheet {

class Worksheet;

// A picture placed on a worksheet: the file's bytes as they were when it was inserted.
struct PlacedPicture {
    QString sourcePath;   // native path of the file inserted
    QByteArray bytes;
    QSize pixelSize;      // its own size
    int row = 1;          // top left corner
    int column = 1;
};

class Picture {
public:
    Picture(Worksheet& sheet, int index) : sheet_(&sheet), index_(index) {}
    void select();   // the picture becomes the sheet's selection

private:
    Worksheet* sheet_;
    int index_;
};

// The pictures of one worksheet, as the automation interface's Pictures collection.
class Pictures {
public:
    explicit Pictures(Worksheet& sheet) : sheet_(&sheet) {}

    // Places the picture file (a path in Windows form is mapped) at its own size with its top left
    // corner at the sheet's selected cell. Throws WorkbookError when the file is no readable
    // BMP, GIF, JPG or PNG picture.
    Picture insert(const QString& fileName);
    static bool isInsertable(const QString& fileName);

    int count() const { return static_cast<int>(placed_.size()); }
    const PlacedPicture& at(int index) const { return placed_.at(index); }
    int selected() const { return selected_; }   // -1: a cell range is selected
    void setSelected(int index) { selected_ = index; }

private:
    Worksheet* sheet_;
    std::vector<PlacedPicture> placed_;
    int selected_ = -1;
};

}  // namespace spreadsheet
