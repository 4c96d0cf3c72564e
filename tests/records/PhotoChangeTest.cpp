// The photo change started from the employee windows by a click on their photo.
#include "tests/records/EmployeeWindowFixture.h"

#include "common/BaseSetup.h"
#include "common/ProgramVariant.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Picture.h"
#include "records/EmployeeControls.h"
#include "records/CustEdit.h"
#include "records/DesignPictures.h"
#include "records/EmpImg.h"
#include "records/PntPravel.h"
#include "tests/support/TestPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>

namespace tests {

using namespace records::employeeControls;
namespace {

using records::CustEdit;
using records::EmpImg;
using records::EmployeeWindow;
using records::PntPravel;

const QByteArray kOld = bmpBytes(5, 5, qRgb(200, 0, 0));
const QByteArray kNew = bmpBytes(4, 7, qRgb(0, 200, 0));

class PhotoChange : public EmployeeWindowTest {
protected:
    void SetUp() override {
        BaseSetup::UserLevel = 9;
        addEmployee("E1", "Zed", {{"FileName", "'picture.bmp'"}, {"LImage", "X'" + kOld.toHex() + "'"}});
        addEmployee("E2", "Aaron", {{"FileName", "'picture.bmp'"}});
        QDir(folder.path()).mkpath("chosen");
        writeFile(folder.file("chosen/new.bmp"), kNew);
    }
    ~PhotoChange() override { setKeepsDesignPictures(false); }

    // Opens an employee in the window, as a double-click on its list row does.
    template <typename Window> Window& openEmployee(const QString& empid) {
        auto& window = forms::get<Window>();
        moveTo(window, empid);
        window.CinDe_Click();
        return window;
    }

    static void clickPhoto(EmployeeWindow& window) {
        auto* photo = window.picture(Image1);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), photo->mapToGlobal(QPointF(2, 2)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(photo, &release);
    }

    static QSize photoSize(EmployeeWindow& window) { return window.picture(Image1)->picture().size(); }
    void chooseNewPicture() { services.dialogs.choices.push_back(folder.file("chosen/new.bmp")); }
};

TEST_F(PhotoChange, EditorStoresThePictureShowsItAndRelistsWithButtonsDisabled) {
    auto& editor = openEmployee<CustEdit>("E1");
    EXPECT_EQ(photoSize(editor), QSize(5, 5));
    emit editor.grid(DataGrid4)->headClick(editor.employeeList().fieldIndex("empname"));   // Aaron first
    chooseNewPicture();

    clickPhoto(editor);

    EXPECT_EQ(value("SELECT FileName FROM employee WHERE empid='E1'"), "new.bmp");
    EXPECT_EQ(readFile(folder.file("new.bmp")), kNew);
    EXPECT_EQ(BaseSetup::EmpPicturePath, folder.path() + "\\new.bmp");
    EXPECT_EQ(photoSize(editor), QSize(4, 7));
    EXPECT_FALSE(forms::isLoaded<EmpImg>());

    EXPECT_FALSE(editor.isShown(Label23));
    for (const forms::ControlName button : {CinSa, CinDel, CinEd, cinAd}) {
        EXPECT_FALSE(editor.isControlEnabled(button)) << button;
    }
    auto& list = editor.employeeList();
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(list.field("empid").toString(), "E1");   // empid order again
    EXPECT_TRUE(editor.grid(DataGrid4)->isColumnHidden("aid"));
    EXPECT_TRUE(editor.grid(DataGrid4)->isColumnHidden("lnk"));
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(PhotoChange, LevelOneCannotClickThePhotoOnceAnEmployeeIsOpen) {
    BaseSetup::UserLevel = 1;
    auto& editor = openEmployee<CustEdit>("E1");
    chooseNewPicture();

    clickPhoto(editor);

    EXPECT_TRUE(services.dialogs.filters.isEmpty());
    EXPECT_EQ(value("SELECT FileName FROM employee WHERE empid='E1'"), "picture.bmp");
}

TEST_F(PhotoChange, PrintViewChangeOpensAClosedEditorWithThePhotoFromBeforeTheChange) {
    auto& view = openEmployee<PntPravel>("E1");
    ASSERT_FALSE(forms::isLoaded<CustEdit>());
    chooseNewPicture();

    clickPhoto(view);

    ASSERT_TRUE(forms::isLoaded<CustEdit>());
    auto& editor = forms::get<CustEdit>();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(photoSize(editor), QSize(5, 5));
    EXPECT_EQ(photoSize(view), QSize(4, 7));
    EXPECT_EQ(value("SELECT FileName FROM employee WHERE empid='E1'"), "new.bmp");
    EXPECT_TRUE(view.isShown(Label23));   // the print view changes nothing else
    EXPECT_FALSE(forms::isLoaded<EmpImg>());
}

// A use of the store that fails must not leave it loaded with this employee's photo for the next one.
TEST_F(PhotoChange, FailedUsesReleaseTheStoreSoTheNextEmployeeGetsItsOwnPhoto) {
    auto& editor = openEmployee<CustEdit>("E1");
    execute("CREATE TRIGGER refuse BEFORE UPDATE OF FileName ON employee BEGIN SELECT RAISE(ABORT, 'refused'); END");
    chooseNewPicture();
    clickPhoto(editor);   // the store cannot write the row
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_FALSE(forms::isLoaded<EmpImg>());

    auto& view = openEmployee<PntPravel>("E2");   // E2 has no photo
    EXPECT_TRUE(view.picture(Image1)->picture().isNull());
    EXPECT_TRUE(BaseSetup::EmpPicturePath.isEmpty());

    moveTo(view, "E1");
    view.CinDe_Click();   // back to the list
    execute("ALTER TABLE project RENAME TO project_away");
    EXPECT_ANY_THROW(view.CinDe_Click());   // the photo is read, the detail lists fail
    EXPECT_FALSE(forms::isLoaded<EmpImg>());
}

TEST_F(PhotoChange, SecondProgramShowsTheDesignPictureWhileStoringThePhoto) {
    setKeepsDesignPictures(true);
    const QImage design = records::designPhoto().toImage();
    auto& editor = openEmployee<CustEdit>("E1");
    EXPECT_EQ(editor.picture(Image1)->picture().toImage(), design);
    chooseNewPicture();

    clickPhoto(editor);

    EXPECT_EQ(editor.picture(Image1)->picture().toImage(), design);
    EXPECT_EQ(value("SELECT FileName FROM employee WHERE empid='E1'"), "new.bmp");
    EXPECT_EQ(readFile(folder.file("new.bmp")), kNew);
    EXPECT_EQ(BaseSetup::EmpPicturePath, folder.path() + "\\new.bmp");
}

// The photo belongs to the employee the fields show: not to the one opened before a New, nor to the
// one left in CurrentEmpId after a new employee was saved.
TEST_F(PhotoChange, AClickChangesOnlyTheEmployeeOnDisplay) {
    const QString before = value("SELECT hex(LImage) || FileName FROM employee WHERE empid='E1'");
    auto& editor = openEmployee<CustEdit>("E1");
    editor.press(CinDe);
    editor.press(cinAd);
    clickPhoto(editor);
    editor.setText(Text1, "E3");
    editor.setText(Text12, "Cy");
    editor.press(Cinsa2);
    clickPhoto(editor);
    EXPECT_TRUE(services.dialogs.filters.isEmpty()) << "a photo dialog was offered";
    EXPECT_EQ(value("SELECT hex(LImage) || FileName FROM employee WHERE empid='E1'"), before);

    editor.press(CinDe);   // back to the list, which stands on the new employee
    editor.press(CinDe);
    chooseNewPicture();
    clickPhoto(editor);
    EXPECT_EQ(value("SELECT FileName FROM employee WHERE empid='E3'"), "new.bmp");
    EXPECT_EQ(value("SELECT hex(LImage) || FileName FROM employee WHERE empid='E1'"), before);
}

// A text with a picture's name, and a picture whose name only holds a picture extension.
TEST_F(PhotoChange, AChosenFileThatIsNoPictureIsRefusedAndNothingStored) {
    writeFile(folder.file("chosen/notes.jpg"), "just some text");
    writeFile(folder.file("chosen/photo.jpg.txt"), kNew);
    const QString before = value("SELECT hex(LImage) || FileName FROM employee WHERE empid='E1'");
    auto& editor = openEmployee<CustEdit>("E1");
    for (const char* name : {"notes.jpg", "photo.jpg.txt"}) {
        services.boxes.shown.clear();
        services.dialogs.choices.push_back(folder.file(QStringLiteral("chosen/") + name));
        clickPhoto(editor);
        ASSERT_EQ(services.boxes.shown.size(), 1u) << name;
        EXPECT_TRUE(services.boxes.shown[0].prompt.contains(name)) << name;
        EXPECT_EQ(value("SELECT hex(LImage) || FileName FROM employee WHERE empid='E1'"), before) << name;
        EXPECT_EQ(photoSize(editor), QSize(5, 5)) << name;
    }
}

// Names written by another program: none may put the photo's bytes anywhere but a plain picture
// file of the program folder.
TEST_F(PhotoChange, AStoredNameNeverWritesOutsideAPlainPictureFile) {
    QDir(folder.path()).mkpath("outside");
    writeFile(folder.file("outside/target.txt"), "keep me");
    ASSERT_TRUE(QFile::link(folder.file("outside/target.txt"), folder.file("link.jpg")));
    writeFile(folder.file("PravelKvo"), "program");
    const QByteArray database = readFile(folder.databasePath());
    for (const char* name : {"../escape.bmp", "..\\escape.jpg", "MainDB.mdb", "maindb.MDB", "PravelKvo", "sub/x.jpg",
                             "link.jpg", "outside", "C:\\x.jpg", "photo.png", "photo.jpg.txt", "MainDB.bmp.mdb",
                             "face.jpg\n"}) {
        execute(QStringLiteral("UPDATE employee SET FileName = '%1' WHERE empid='E1'").arg(name));
        auto& editor = openEmployee<CustEdit>("E1");
        EXPECT_TRUE(editor.picture(Image1)->picture().isNull()) << name;
        EXPECT_TRUE(BaseSetup::EmpPicturePath.isEmpty()) << name;
        forms::unload<CustEdit>();
    }
    EXPECT_EQ(readFile(folder.file("outside/target.txt")), "keep me");
    EXPECT_EQ(readFile(folder.file("PravelKvo")), "program");
    EXPECT_FALSE(QFileInfo::exists(folder.file("../escape.bmp")));
    EXPECT_FALSE(QFileInfo::exists(folder.file("sub")));
    EXPECT_TRUE(services.boxes.shown.empty());

    execute("UPDATE employee SET FileName = 'Face.JPEG  ' WHERE empid='E1'");
    openEmployee<CustEdit>("E1");
    EXPECT_EQ(readFile(folder.file("Face.JPEG")), kOld);
}

// A copy that cannot be written is told once, not at every employee opened. The names: one longer
// than any the file system takes, and the longest it takes, whose writer's temporary name beside it
// is too long; an older picture already lies under that one, and is neither shown nor put in the CV.
TEST_F(PhotoChange, APhotoCopyThatCannotBeWrittenIsToldOnceAndNoOlderFileTakesItsPlace) {
    const QString longest = QString(251, 'a') + ".bmp";
    ASSERT_TRUE(writeFile(folder.file(longest), kNew));
    for (const QString& name : {QString(300, 'a') + ".bmp", longest}) {
        services.boxes.shown.clear();
        execute(QStringLiteral("UPDATE employee SET FileName = '%1' WHERE empid='E1'").arg(name));
        auto& editor = openEmployee<CustEdit>("E1");
        editor.press(CinDe);
        editor.press(CinDe);
        ASSERT_EQ(services.boxes.shown.size(), 1u) << name.size();
        EXPECT_EQ(services.boxes.shown[0].icon, forms::Icon::Exclamation);
        EXPECT_TRUE(editor.picture(Image1)->picture().isNull()) << name.size();
        EXPECT_TRUE(BaseSetup::EmpPicturePath.isEmpty()) << name.size();
        forms::unload<CustEdit>();
    }
    EXPECT_EQ(readFile(folder.file(longest)), kNew);

    auto& view = forms::get<PntPravel>();
    moveTo(view, "E1");
    doubleClickList(view);
    const QByteArray workbook = readFile(folder.driveC() + "/Pravel.xls");
    ASSERT_FALSE(workbook.isEmpty());
    EXPECT_FALSE(workbook.contains("xl/media/"));   // the package holds no picture
}

}  // namespace
}  // namespace tests
