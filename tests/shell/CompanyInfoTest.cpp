#include "common/BaseSetup.h"
#include "common/ProgramVariant.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Picture.h"
#include "shell/CompanyInfo.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/ReadValue.h"
#include "tests/support/TestPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace tests {

using namespace shell::companyControls;

namespace {

using forms::Icon;
using shell::CompanyInfo;

const QByteArray kOldLogo = bmpBytes(6, 4, qRgb(255, 0, 0));
const QByteArray kNewLogo = pictureBytes(9, 7, qRgb(0, 0, 255), "JPG");

void mouse(QWidget* widget, QEvent::Type type) {
    QMouseEvent event(type, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

class CompanyProfile : public ProgramTest {
protected:
    CompanyProfile() {
        BaseSetup::UserLevel = 9;
        execute("UPDATE companyinfo SET softwareowner = '  Quorvel Sdn Bhd ', companyno = 'C-1', Address = "
                "'1 Old Road', otel = '03-1', ofax = '03-2', oemail = 'office@quorvel.example', defaultheader = "
                "'Confidential', FileName = 'logo.bmp', LImage = X'" + kOldLogo.toHex() + "'");
        QDir(folder.path()).mkpath("chosen");
    }
    ~CompanyProfile() override { setKeepsDesignPictures(false); }

    CompanyInfo& window() { return forms::get<CompanyInfo>(); }

    void execute(const QString& sql) const { folder.exec(sql); }
    db::Value value(const QString& sql) const { return readValue(folder.databasePath(), sql); }
    // The whole row, to see that it stayed as it was.
    QString row() const {
        return value("SELECT quote(softwareowner) || quote(companyno) || quote(Address) || quote(otel) || "
                     "quote(ofax) || quote(oemail) || quote(defaultheader) || quote(FileName) || quote(LImage) || "
                     "quote(lnk) || count(*) FROM companyinfo")
            .toString();
    }

    QString chosenFile(const QString& name, const QByteArray& bytes) const {
        const QString path = folder.file("chosen/" + name);
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }

    void doubleClickLogo() { mouse(window().picture(Image1), QEvent::MouseButtonDblClick); }
    void clickRetrieve() { mouse(window().label(Label7), QEvent::MouseButtonRelease); }
    QSize shown(forms::ControlName image) { return window().picture(image)->picture().size(); }
    QStringList prompts() const {
        QStringList texts;
        for (const auto& box : services.boxes.shown) texts << box.prompt;
        return texts;
    }
};

TEST_F(CompanyProfile, LoadShowsTheProfileTrimmedAndWritesTheLogoOutSilently) {
    window();
    EXPECT_EQ(window().text(Text3), "Quorvel Sdn Bhd");
    EXPECT_EQ(window().text(Text8), "office@quorvel.example");
    EXPECT_EQ(window().text(Text9), "Confidential");
    EXPECT_EQ(window().text(Text2), "logo.bmp");
    EXPECT_EQ(readFile(folder.file("logo.bmp")), kOldLogo);
    EXPECT_EQ(shown(Image1), QSize(6, 4));
    EXPECT_EQ(shown(Image2), QSize(6, 4));
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_TRUE(services.dialogs.filters.isEmpty());
}

TEST_F(CompanyProfile, OnlyAnAdministratorGetsSaveChangesAndTheLogoThatChanges) {
    for (const int level : {1, 5, 3, 9, 10, 255}) {
        BaseSetup::UserLevel = level;
        const bool administrator = level == 9;
        EXPECT_EQ(window().isShown(Image1), administrator) << level;
        EXPECT_EQ(window().isShown(Command4), administrator) << level;
        EXPECT_TRUE(window().isShown(Image2)) << level;
        EXPECT_EQ(shown(Image2), QSize(6, 4)) << level;
        for (const forms::ControlName hidden : {Command1, Command2, Command3, Text1, Label8}) {
            EXPECT_FALSE(window().isShown(hidden)) << level << " " << hidden.text();
        }
        forms::unload<CompanyInfo>();
    }
}

// The row is replaced whole: what the boxes hold goes with the new logo, as typed.
TEST_F(CompanyProfile, ANewLogoIsStoredWithTheTextsAsTheyStandAndShownAtOnce) {
    window().setText(Text5, "  12 New Road\nKuala Lumpur ");
    window().setText(Text3, " Quorvel ");
    services.dialogs.choices.push_back(chosenFile("New Logo.JPG", kNewLogo));

    doubleClickLogo();

    EXPECT_TRUE(services.boxes.shown.empty()) << prompts().join('\n').toStdString();
    ASSERT_EQ(services.dialogs.filters, QStringList{"Images|*.BMP;*.GIF;*.JPG"});
    EXPECT_EQ(value("SELECT count(*) FROM companyinfo").toInt(), 1);
    EXPECT_EQ(value("SELECT FileName FROM companyinfo").toString(), "New Logo.JPG");
    EXPECT_EQ(value("SELECT LImage FROM companyinfo").toBytes(), kNewLogo);
    EXPECT_EQ(value("SELECT Address FROM companyinfo").toString(), "  12 New Road\nKuala Lumpur ");
    EXPECT_EQ(value("SELECT softwareowner FROM companyinfo").toString(), " Quorvel ");
    EXPECT_EQ(value("SELECT companyno FROM companyinfo").toString(), "C-1");
    EXPECT_EQ(value("SELECT lnk FROM companyinfo").toInt(), 1);
    EXPECT_EQ(window().text(Text2), "New Logo.JPG");
    EXPECT_EQ(shown(Image1), QSize(9, 7));
    EXPECT_EQ(shown(Image2), QSize(9, 7));
    // The folder keeps the old copy until the next retrieval.
    EXPECT_EQ(readFile(folder.file("logo.bmp")), kOldLogo);
    EXPECT_FALSE(QFile::exists(folder.file("New Logo.JPG")));

    clickRetrieve();
    EXPECT_EQ(prompts(), QStringList{" File saved to " + QDir::toNativeSeparators(folder.file("New Logo.JPG"))});
    EXPECT_EQ(services.boxes.shown[0].buttons, forms::Buttons::OK);
    EXPECT_EQ(services.boxes.shown[0].title, "Pravel");
    EXPECT_EQ(readFile(folder.file("New Logo.JPG")), kNewLogo);
    EXPECT_EQ(window().text(Label8), "0");

    forms::unload<CompanyInfo>();   // a new run shows what was stored
    EXPECT_EQ(window().text(Text5), "12 New Road\nKuala Lumpur");
    EXPECT_EQ(shown(Image1), QSize(9, 7));
}

TEST_F(CompanyProfile, AFileWithoutATitleIsStoredAsLogoBmp) {
    window().setText(Text1, chosenFile("picked.bmp", kOldLogo));
    window().setText(Text2, "");
    window().press(Command1);
    EXPECT_EQ(value("SELECT FileName FROM companyinfo").toString(), "logo.bmp");
    EXPECT_EQ(window().text(Text2), "logo.bmp");
}

TEST_F(CompanyProfile, SaveChangesWritesTheTextsAsTypedAndLeavesTheLogoAlone) {
    window().setText(Text9, " Private and confidential ");
    window().setText(Text6, "03-9999");
    window().press(Command4);
    EXPECT_EQ(prompts(), QStringList{" Changes Saved"});
    EXPECT_EQ(value("SELECT defaultheader FROM companyinfo").toString(), " Private and confidential ");
    EXPECT_EQ(value("SELECT otel FROM companyinfo").toString(), "03-9999");
    EXPECT_EQ(value("SELECT softwareowner FROM companyinfo").toString(), "Quorvel Sdn Bhd");
    EXPECT_EQ(value("SELECT lnk FROM companyinfo").toInt(), 1);
    EXPECT_EQ(value("SELECT FileName FROM companyinfo").toString(), "logo.bmp");
    EXPECT_EQ(value("SELECT LImage FROM companyinfo").toBytes(), kOldLogo);
    EXPECT_EQ(value("SELECT count(*) FROM companyinfo").toInt(), 1);
}

TEST_F(CompanyProfile, AnEmptyTableOrNullColumnsShowEmptyBoxesAndSaveChangesAddsTheRow) {
    execute("UPDATE companyinfo SET softwareowner = NULL, FileName = NULL, LImage = NULL");
    EXPECT_EQ(window().text(Text3), "");
    EXPECT_EQ(window().text(Text2), "");
    forms::unload<CompanyInfo>();

    execute("DELETE FROM companyinfo");
    for (const forms::ControlName box : {Text3, Text4, Text5, Text6, Text7, Text8, Text2, Text9}) {
        EXPECT_EQ(window().text(box), "") << box.text();
    }
    EXPECT_FALSE(window().picture(Image1)->hasPicture());
    window().setText(Text3, "Quorvel");
    window().press(Command4);
    EXPECT_EQ(value("SELECT count(*) FROM companyinfo").toInt(), 1);
    EXPECT_EQ(value("SELECT softwareowner || lnk FROM companyinfo").toString(), "Quorvel1");
}

TEST_F(CompanyProfile, ACancelledDialogChangesNothing) {
    window().setText(Text5, "typed but not saved");
    const QString before = row();
    QFile::remove(folder.file("logo.bmp"));

    doubleClickLogo();   // no choice queued: the dialog is cancelled

    ASSERT_EQ(services.dialogs.filters.size(), 1);
    EXPECT_EQ(row(), before);
    EXPECT_FALSE(QFile::exists(folder.file("logo.bmp")));
    EXPECT_EQ(shown(Image1), QSize(6, 4));
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(CompanyProfile, AChosenFileThatIsNoPictureIsRefused) {
    const QString before = row();
    services.dialogs.choices.push_back(chosenFile("notes.jpg", "just some text"));
    doubleClickLogo();
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_TRUE(services.boxes.shown[0].prompt.contains("notes.jpg"));
    EXPECT_TRUE(services.boxes.shown[0].prompt.contains("logo was not changed"));
    EXPECT_EQ(row(), before);
    EXPECT_EQ(shown(Image1), QSize(6, 4));
}

// The old row is deleted and the new one added in one step: a failure in between loses nothing.
TEST_F(CompanyProfile, AStoreThatFailsKeepsTheOldRowAndSaysSo) {
    const QString before = row();
    execute("CREATE TRIGGER refuse BEFORE INSERT ON companyinfo BEGIN SELECT RAISE(ABORT, 'disk says no'); END");
    window().setText(Text5, "new address");
    services.dialogs.choices.push_back(chosenFile("new.jpg", kNewLogo));

    doubleClickLogo();

    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0].icon, Icon::Critical);
    EXPECT_TRUE(services.boxes.shown[0].prompt.contains("not stored")) << prompts()[0].toStdString();
    EXPECT_EQ(row(), before);
    EXPECT_EQ(shown(Image1), QSize(6, 4));

    // The picture vanished between the dialog and the store.
    execute("DROP TRIGGER refuse");
    window().setText(Text1, folder.file("chosen/gone.jpg"));
    window().setText(Text2, "gone.jpg");
    EXPECT_ANY_THROW(window().press(Command1));
    EXPECT_EQ(row(), before);

    window().press(Command4);   // the window goes on working
    EXPECT_EQ(value("SELECT Address FROM companyinfo").toString(), "new address");
}

// No logo stored, or stored bytes that are no picture: nothing is shown, no older file of that name
// is shown or overwritten, and no error is raised.
TEST_F(CompanyProfile, WithoutAUsableLogoNothingIsShown) {
    for (const char* stored : {"X''", "X'6E6F2070696374757265'", "NULL"}) {
        writeFile(folder.file("logo.bmp"), kNewLogo);   // left by something else
        execute(QStringLiteral("UPDATE companyinfo SET LImage = %1").arg(stored));
        EXPECT_FALSE(window().picture(Image1)->hasPicture()) << stored;
        EXPECT_FALSE(window().picture(Image2)->hasPicture()) << stored;
        forms::unload<CompanyInfo>();
    }
    EXPECT_TRUE(services.boxes.shown.empty());

    EXPECT_EQ(readFile(folder.file("logo.bmp")), kNewLogo);
    clickRetrieve();
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_TRUE(prompts()[0].contains("No logo is stored")) << prompts()[0].toStdString();
    EXPECT_EQ(readFile(folder.file("logo.bmp")), kNewLogo);
}

// Names written by another program never put the logo's bytes anywhere but a plain picture file of
// the program folder; the user who asks is told that nothing was written, and where it failed.
TEST_F(CompanyProfile, RetrievalWritesOnlyAPlainPictureFileAndTellsWhenItCannot) {
    for (const char* name : {"MainDB.mdb", "../escape.bmp", "sub\\x.jpg"}) {
        execute(QStringLiteral("UPDATE companyinfo SET FileName = '%1'").arg(name));
        clickRetrieve();
        EXPECT_TRUE(prompts().last().contains("cannot be used")) << name;
        EXPECT_FALSE(window().picture(Image1)->hasPicture());
    }
    EXPECT_FALSE(QFile::exists(folder.file("../escape.bmp")));
    EXPECT_EQ(value("SELECT count(*) FROM companyinfo").toInt(), 1);

    execute(QStringLiteral("UPDATE companyinfo SET FileName = '%1.bmp'").arg(QString(300, 'a')));
    clickRetrieve();
    EXPECT_TRUE(prompts().last().startsWith("The logo could not be written")) << prompts().last().toStdString();
    EXPECT_EQ(services.boxes.shown.back().icon, Icon::Exclamation);
}

TEST_F(CompanyProfile, SecondProgramKeepsTheDesignPictureWhileStoringTheLogo) {
    setKeepsDesignPictures(true);
    const QImage design = shell::designLogo().toImage();
    ASSERT_FALSE(design.isNull());
    EXPECT_EQ(window().picture(Image1)->picture().toImage(), design);
    EXPECT_EQ(window().picture(Image2)->picture().toImage(), design);
    EXPECT_EQ(readFile(folder.file("logo.bmp")), kOldLogo);

    services.dialogs.choices.push_back(chosenFile("new.jpg", kNewLogo));
    doubleClickLogo();
    EXPECT_EQ(value("SELECT LImage FROM companyinfo").toBytes(), kNewLogo);
    EXPECT_EQ(window().picture(Image1)->picture().toImage(), design);
    EXPECT_EQ(window().picture(Image2)->picture().toImage(), design);
}

TEST_F(CompanyProfile, TheFileNameLabelReadsChangeLogoWhileHeld) {
    QLabel* label = window().label(Label9);
    mouse(label, QEvent::MouseButtonPress);
    EXPECT_EQ(window().text(Label9), "Change Logo");
    mouse(label, QEvent::MouseButtonRelease);
    EXPECT_EQ(window().text(Label9), "Logo FileName :");
}

}  // namespace

}  // namespace tests
