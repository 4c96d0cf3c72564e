#include "common/BaseSetup.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Picture.h"
#include "records/EmployeeControls.h"
#include "records/EmpImg.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/ReadValue.h"
#include "tests/support/TestPictures.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace tests {

using namespace records::employeeControls;

namespace {

using records::EmpImg;

const QByteArray kRed = bmpBytes(6, 4, qRgb(255, 0, 0));
const QByteArray kBlue = bmpBytes(3, 9, qRgb(0, 0, 255));

class PhotoStore : public ProgramTest {
protected:
    void addEmployee(const QString& empid, const QString& fileName, const QByteArray& photo = {}) {
        folder.exec("INSERT INTO employee (empid, empname, FileName, LImage) VALUES ('" + empid + "', 'Name " +
                    empid + "', '" + fileName + "', " + (photo.isNull() ? "NULL" : "X'" + photo.toHex() + "'") + ")");
    }

    // The stored picture pair of one employee.
    std::pair<QString, db::Value> stored(const QString& empid) {
        const QString row = " FROM employee WHERE empid='" + empid + "'";
        return {readValue(folder.databasePath(), "SELECT FileName" + row).toString(),
                readValue(folder.databasePath(), "SELECT LImage" + row)};
    }

    // Opens the store for an employee, as the employee windows do.
    EmpImg& openFor(const QString& empid) {
        forms::unload<EmpImg>();
        BaseSetup::CurrentEmpId = empid;
        return forms::get<EmpImg>();
    }

    QImage shown() { return forms::get<EmpImg>().picture(Image1)->picture().toImage(); }

    QString inFolder(const QString& name) const { return folder.path() + "\\" + name; }
    QString chosenFile(const QString& name, const QByteArray& bytes) {
        QDir(folder.path()).mkpath("elsewhere/deeper");
        const QString path = folder.file("elsewhere/deeper/" + name);
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }
};

TEST_F(PhotoStore, LoadWritesThePhotoOutNamesItAndShowsIt) {
    addEmployee("O''Brien", "face.bmp  ", kRed);   // the stored name's trailing blanks are not part of the file
    openFor("O'Brien");

    EXPECT_EQ(BaseSetup::EmpPicturePath, inFolder("face.bmp"));
    EXPECT_EQ(readFile(folder.file("face.bmp")), kRed);
    EXPECT_EQ(shown().size(), QSize(6, 4));
    EXPECT_EQ(shown().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_TRUE(services.boxes.shown.empty());

    forms::unload<EmpImg>();   // the path outlives the store
    EXPECT_EQ(BaseSetup::EmpPicturePath, inFolder("face.bmp"));
}

TEST_F(PhotoStore, ChangeStoresAPictureFromAnotherFolderAndShowsItAsTheDatabaseGaveItBack) {
    addEmployee("E1", "picture.bmp", kRed);
    addEmployee("E2", "picture.bmp", kRed);
    const QString chosen = chosenFile("New Photo.bmp", kBlue);
    services.dialogs.choices.push_back(chosen);

    openFor("E1").press(Command3);

    ASSERT_EQ(services.dialogs.filters, QStringList{"Images|*.BMP;*.GIF;*.JPG"});
    const auto [fileName, photo] = stored("E1");
    EXPECT_EQ(fileName, "New Photo.bmp");
    EXPECT_EQ(photo.toBytes(), kBlue);
    EXPECT_EQ(readFile(folder.file("New Photo.bmp")), kBlue);
    EXPECT_EQ(BaseSetup::EmpPicturePath, inFolder("New Photo.bmp"));
    EXPECT_EQ(forms::get<EmpImg>().text(Text1), chosen);
    EXPECT_EQ(forms::get<EmpImg>().text(Text2), "New Photo.bmp");
    EXPECT_EQ(shown().size(), QSize(3, 9));
    EXPECT_EQ(stored("E2").second.toBytes(), kRed);   // only the current employee's row changes
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(PhotoStore, EmployeesSharingAFileNameNeverShowEachOthersPhoto) {
    addEmployee("E1", "picture.bmp", kRed);
    addEmployee("E2", "picture.bmp");   // no photo stored

    openFor("E2");   // no file of that name yet: none is created
    EXPECT_FALSE(QFile::exists(folder.file("picture.bmp")));
    EXPECT_TRUE(BaseSetup::EmpPicturePath.isEmpty());

    openFor("E1");
    EXPECT_EQ(readFile(folder.file("picture.bmp")), kRed);

    openFor("E2");   // E1's file lies in the folder under the same name
    EXPECT_TRUE(BaseSetup::EmpPicturePath.isEmpty());
    EXPECT_TRUE(shown().isNull());
    EXPECT_EQ(readFile(folder.file("picture.bmp")), kRed);
}

TEST_F(PhotoStore, CancelledDialogStopsTheChange) {
    addEmployee("E1", "face.bmp", kRed);
    auto& store = openFor("E1");
    QFile::remove(folder.file("face.bmp"));

    store.press(Command3);   // no choice queued: the dialog is cancelled

    ASSERT_EQ(services.dialogs.filters.size(), 1);
    EXPECT_EQ(stored("E1").first, "face.bmp");
    EXPECT_EQ(stored("E1").second.toBytes(), kRed);
    EXPECT_FALSE(QFile::exists(folder.file("face.bmp")));
    EXPECT_FALSE(QFile::exists(folder.file("logo.bmp")));
    EXPECT_EQ(BaseSetup::EmpPicturePath, inFolder("face.bmp"));
}

TEST_F(PhotoStore, EmployeeIdNamingNoRowWritesAndShowsNothing) {
    addEmployee("E1", "face.bmp", kRed);
    openFor("E1");
    QFile::remove(folder.file("face.bmp"));
    services.dialogs.choices.push_back(chosenFile("new.bmp", kBlue));

    openFor("nobody").press(Command3);

    EXPECT_TRUE(BaseSetup::EmpPicturePath.isEmpty());
    EXPECT_TRUE(shown().isNull());
    EXPECT_FALSE(QFile::exists(folder.file("new.bmp")));
    EXPECT_FALSE(QFile::exists(folder.file("face.bmp")));
    EXPECT_EQ(stored("E1").second.toBytes(), kRed);
    EXPECT_TRUE(services.boxes.shown.empty());
}

}  // namespace

}  // namespace tests
