// The photo change started from the employee windows by a click on their photo.
#include "tests/records/EmployeeWindowFixture.h"

#include "common/BaseSetup.h"
#include "common/ProgramVariant.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Picture.h"
#include "records/CustEdit.h"
#include "records/DesignPictures.h"
#include "records/EmpImg.h"
#include "records/PntPravel.h"
#include "tests/support/TestPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>

namespace recordstest {
namespace {

using records::CustEdit;
using records::EmpImg;
using records::EmployeeWindow;
using records::PntPravel;
using testsupport::bmpBytes;

const QByteArray kOld = bmpBytes(5, 5, qRgb(200, 0, 0));
const QByteArray kNew = bmpBytes(4, 7, qRgb(0, 200, 0));

class PhotoChange : public EmployeeWindowTest {
protected:
    void SetUp() override {
        BaseSetup::UserLevel = 9;
        addEmployee("E1", "Zed", {{"FileName", "'picture.bmp'"}, {"LImage", "X'" + kOld.toHex() + "'"}});
        addEmployee("E2", "Aaron", {{"FileName", "'picture.bmp'"}});
        QDir(folder.path()).mkpath("chosen");
        testsupport::writeFile(folder.file("chosen/new.bmp"), kNew);
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
        auto* photo = window.picture("Image1");
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), photo->mapToGlobal(QPointF(2, 2)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(photo, &release);
    }

    static QSize photoSize(EmployeeWindow& window) { return window.picture("Image1")->picture().size(); }
    void chooseNewPicture() { services.dialogs.choices.push_back(folder.file("chosen/new.bmp")); }
};

TEST_F(PhotoChange, EditorStoresThePictureShowsItAndRelistsWithButtonsDisabled) {
    auto& editor = openEmployee<CustEdit>("E1");
    EXPECT_EQ(photoSize(editor), QSize(5, 5));
    emit editor.grid("DataGrid4")->headClick(editor.employeeList().fieldIndex("empname"));   // Aaron first
    chooseNewPicture();

    clickPhoto(editor);

    EXPECT_EQ(value("SELECT FileName FROM employee WHERE empid='E1'"), "new.bmp");
    EXPECT_EQ(testsupport::readFile(folder.file("new.bmp")), kNew);
    EXPECT_EQ(BaseSetup::EmpPicturePath, folder.path() + "\\new.bmp");
    EXPECT_EQ(photoSize(editor), QSize(4, 7));
    EXPECT_FALSE(forms::isLoaded<EmpImg>());

    EXPECT_FALSE(editor.isShown("Label23"));
    for (const char* button : {"CinSa", "CinDel", "CinEd", "cinAd"}) {
        EXPECT_FALSE(editor.isControlEnabled(button)) << button;
    }
    auto& list = editor.employeeList();
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(list.field("empid").toString(), "E1");   // empid order again
    EXPECT_TRUE(editor.grid("DataGrid4")->isColumnHidden("aid"));
    EXPECT_TRUE(editor.grid("DataGrid4")->isColumnHidden("lnk"));
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
    EXPECT_TRUE(view.isShown("Label23"));   // the print view changes nothing else
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
    EXPECT_TRUE(view.picture("Image1")->picture().isNull());
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
    EXPECT_EQ(editor.picture("Image1")->picture().toImage(), design);
    chooseNewPicture();

    clickPhoto(editor);

    EXPECT_EQ(editor.picture("Image1")->picture().toImage(), design);
    EXPECT_EQ(value("SELECT FileName FROM employee WHERE empid='E1'"), "new.bmp");
    EXPECT_EQ(testsupport::readFile(folder.file("new.bmp")), kNew);
    EXPECT_EQ(BaseSetup::EmpPicturePath, folder.path() + "\\new.bmp");
}

}  // namespace
}  // namespace recordstest
