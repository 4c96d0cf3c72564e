#include "AccountsFixture.h"

#include "common/BaseSetup.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/FlexGrid.h"
#include "shell/MUser.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

namespace tests {

namespace {

using namespace shell::userControls;
using forms::Answer;
using forms::Icon;
using shell::MUser;

const QString kNotAdded = QStringLiteral(" No user Defined or Password Does Not Matched or Password is Blank ");
const QString kNotChanged = QStringLiteral(" Password Does Not Matched or Password is Blank ");

class UserMaintenance : public AccountsTest {
protected:
    MUser& window() { return forms::get<MUser>(); }
    forms::DataGrid& grid() { return *window().grid(DataGrid1); }
    db::Recordset& users() { return *grid().dataSource(); }

    QStringList gridColumn(const QString& field) {
        QStringList texts;
        for (int row = 0; row < users().recordCount(); ++row) texts << grid().displayText(row, field);
        return texts;
    }

    // The user's click on the row of that name (the press makes it current).
    void clickRow(const QString& name) {
        const int row = int(gridColumn("username").indexOf(name));
        ASSERT_GE(row, 0) << name.toStdString();
        grid().setCurrentIndex(grid().model()->index(row, users().fieldIndex("username")));
        emit grid().clicked(grid().currentIndex());
    }
    void doubleClickRow(const QString& name) {
        clickRow(name);
        emit grid().dblClick();
    }

    void typePasswords(const QString& password, const QString& verify) {
        window().setText(Text5, password);
        window().setText(Text6, verify);
    }

    void saveNew(const QString& name, const QString& password, const QString& verify, forms::ControlName level) {
        window().press(cmdadd);
        window().setText(Text4, name);
        typePasswords(password, verify);
        window().as<QRadioButton>(level)->click();
        window().press(Command3);
    }

    std::vector<bool> chosenLevels() {
        return {window().value(Option1), window().value(Option2), window().value(Option3)};
    }
    QString chosenLevel() { return window().text(Lel) + "/" + window().text(lel2); }
};

TEST_F(UserMaintenance, LoadListsTheUsersByNameWithTheColumnSetupAndTheLevelUserChosen) {
    addUser("clerk", "pw", 1, "User");
    addUser("Bob", "pw", 5, "Data Entry");
    EXPECT_EQ(gridColumn("username"), (QStringList{"admin", "Bob", "clerk"}));
    EXPECT_TRUE(grid().isColumnHidden("password"));
    EXPECT_TRUE(grid().isColumnHidden("userid"));
    EXPECT_FALSE(grid().isColumnHidden("password2"));
    auto caption = [&](const char* field) {
        return grid().model()->headerData(users().fieldIndex(field), Qt::Horizontal).toString();
    };
    EXPECT_EQ(caption("username"), "User Name");
    EXPECT_EQ(caption("ulevel"), "User Level");
    EXPECT_EQ(caption("descriptions"), "Descriptions");
    EXPECT_EQ(caption("password2"), "password2");
    EXPECT_EQ(grid().columnWidth(users().fieldIndex("descriptions")), 5800 / 15);
    // Only the name and the level are locked against editing in the grid.
    auto editable = [&](const char* field) {
        return bool(grid().model()->flags(grid().model()->index(0, users().fieldIndex(field))) & Qt::ItemIsEditable);
    };
    EXPECT_FALSE(editable("username"));
    EXPECT_FALSE(editable("ulevel"));
    EXPECT_TRUE(editable("descriptions"));
    EXPECT_TRUE(editable("password2"));

    EXPECT_FALSE(window().isShown(Frame1));
    EXPECT_FALSE(window().isShown(MSHFlexGrid1));
    EXPECT_EQ(chosenLevels(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(chosenLevel(), "1/User");
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(UserMaintenance, SaveNewStoresTheScrambledPasswordAndTheChosenLevelWhereTheRecordsetPutsIt) {
    saveNew("aaron", "Pw8chars", "Pw8chars", Option2);
    EXPECT_EQ(lastPrompt(), "Record added");
    EXPECT_EQ(lastBox().icon, Icon::None);
    const auto aaron = stored("aaron");
    ASSERT_TRUE(aaron);
    EXPECT_EQ(aaron->password2, Encrypt("Pw8chars"));
    EXPECT_EQ(aaron->level, 5);
    EXPECT_EQ(aaron->description, "Data Entry");
    EXPECT_EQ(gridColumn("username"), (QStringList{"admin", "aaron"}));   // not sorted again
    EXPECT_FALSE(window().isShown(Frame1));
    EXPECT_EQ(window().text(Label1), "0");

    saveNew("boss", "x", "x", Option3);
    EXPECT_EQ(stored("boss")->level, 9);
    EXPECT_EQ(stored("boss")->description, "Admin");
}

TEST_F(UserMaintenance, SaveNewRefusesMissingOrDifferingInputAndAnExistingNameInAnyCapitals) {
    struct Case {
        QString name, password, verify, message;
    };
    const Case cases[] = {
        {"kim", "secret", "Secret", kNotAdded},
        {"kim", "", "", kNotAdded},
        {"", "pw", "pw", kNotAdded},
        {"ADMIN", "pw", "pw", "Username already created"},
        {"Admin", "pw", "other", "Username already created"},
    };
    for (const Case& c : cases) {
        saveNew(c.name, c.password, c.verify, Option3);
        EXPECT_EQ(lastPrompt(), c.message) << c.name.toStdString();
        EXPECT_EQ(lastBox().icon, c.message == kNotAdded ? Icon::Information : Icon::None);
        EXPECT_EQ(lastBox().title, "Pravel");
        // The panel goes; what was typed stays.
        EXPECT_FALSE(window().isShown(Frame1));
        EXPECT_EQ(window().text(Text4), c.name);
        EXPECT_EQ(window().text(Text6), c.verify);
    }
    EXPECT_EQ(window().text(Label1), "1");
    EXPECT_FALSE(stored("kim"));
    EXPECT_EQ(stored("admin")->password2, Encrypt("admin"));
    EXPECT_EQ(users().recordCount(), 1);
}

TEST_F(UserMaintenance, ANameHoldingAQuoteIsRefusedWithItsReason) {
    saveNew("o'neil", "pw", "pw", Option1);
    EXPECT_TRUE(lastPrompt().contains("single quote"));
    EXPECT_EQ(lastBox().icon, Icon::Exclamation);
    EXPECT_FALSE(stored("o'neil"));
    EXPECT_FALSE(window().isShown(Frame1));
    EXPECT_EQ(users().recordCount(), 1);
}

TEST_F(UserMaintenance, AUserAddedHereSignsInWithTheLevelChosenHere) {
    saveNew("clerk", "it's", "it's", Option1);
    ASSERT_EQ(lastPrompt(), "Record added");
    EXPECT_TRUE(signsIn("clerk", "it's"));
    EXPECT_EQ(BaseSetup::UserLevel, 1);
    EXPECT_FALSE(shell::MDIMain::instance().isMenuEnabled(shell::mainMenus::Users));
    EXPECT_FALSE(signsIn("clerk", "its"));
}

TEST_F(UserMaintenance, ARowClickPreparesEditingWithoutThePanelAndNewSwitchesBack) {
    addUser("Bob", "pw", 5, "Data Entry");
    window().setText(Text5, "typed");
    clickRow("Bob");
    EXPECT_EQ(window().text(Text4), "Bob");
    EXPECT_EQ(window().text(Text5), "");
    EXPECT_EQ(chosenLevels(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(chosenLevel(), "5/Data Entry");
    EXPECT_FALSE(window().isShown(Frame1));
    EXPECT_FALSE(window().isShown(Command3));
    EXPECT_TRUE(window().isShown(Edsave));
    EXPECT_FALSE(window().isControlEnabled(Text4));

    window().setText(Text5, "kept");
    window().press(cmdadd);
    EXPECT_TRUE(window().isShown(Frame1));
    EXPECT_EQ(window().text(Frame1), "Add New Record");
    EXPECT_EQ(window().text(Text4), "");
    EXPECT_TRUE(window().isControlEnabled(Text4));
    EXPECT_EQ(window().text(Text5), "kept");
    EXPECT_EQ(chosenLevel(), "5/Data Entry");
    EXPECT_TRUE(window().isShown(Command3));
    EXPECT_FALSE(window().isShown(Edsave));
}

TEST_F(UserMaintenance, EditAndADoubleClickShowTheUserInThePanelAndBrowseOrABackgroundClickHideIt) {
    addUser("Bob", "pw", 9, "Admin");
    clickRow("Bob");
    window().press(cmdchange);
    EXPECT_TRUE(window().isShown(Frame1));
    EXPECT_EQ(window().text(Frame1), "Edit");
    EXPECT_EQ(window().text(Text4), "Bob");
    EXPECT_FALSE(window().isControlEnabled(Text4));
    EXPECT_EQ(chosenLevels(), (std::vector<bool>{false, false, true}));
    EXPECT_TRUE(window().isShown(Edsave));
    EXPECT_FALSE(window().isShown(Command3));

    window().press(Cmdlst);
    EXPECT_FALSE(window().isShown(Frame1));
    EXPECT_TRUE(window().isShown(DataGrid1));
    EXPECT_TRUE(window().isShown(Edsave));

    doubleClickRow("admin");
    EXPECT_TRUE(window().isShown(Frame1));
    EXPECT_EQ(window().text(Text4), "admin");
    EXPECT_EQ(window().text(Frame1), "Edit");

    window().resize(1120, 640);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, QPointF(1100, 600), window().mapToGlobal(QPointF(1100, 600)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window(), &click);
    }
    EXPECT_FALSE(window().isShown(Frame1));
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(UserMaintenance, EditSaveStoresLevelAndPasswordTogetherAndListsByNameAgain) {
    addUser("Bob", "pw", 1, "User");
    saveNew("aaron", "pw", "pw", Option1);
    emit grid().horizontalHeader()->sectionClicked(users().fieldIndex("descriptions"));
    clickRow("Bob");
    window().press(cmdchange);
    window().as<QRadioButton>(Option3)->click();
    typePasswords("n3w", "n3w");
    window().press(Edsave);
    EXPECT_EQ(lastPrompt(), "Record Changed");
    EXPECT_EQ(lastBox().icon, Icon::None);
    EXPECT_EQ(stored("Bob")->level, 9);
    EXPECT_EQ(stored("Bob")->description, "Admin");
    EXPECT_EQ(stored("Bob")->password2, Encrypt("n3w"));
    EXPECT_FALSE(window().isShown(Frame1));
    // The list afresh: in name order, with its column setup.
    EXPECT_EQ(gridColumn("username"), (QStringList{"aaron", "admin", "Bob"}));
    EXPECT_EQ(gridColumn("ulevel"), (QStringList{"1", "9", "9"}));
    EXPECT_TRUE(grid().isColumnHidden("userid"));
    EXPECT_EQ(grid().model()->headerData(users().fieldIndex("username"), Qt::Horizontal).toString(), "User Name");
}

TEST_F(UserMaintenance, ALevelIsNotChangedWithoutAMatchingNewPassword) {
    addUser("Bob", "pw", 1, "User");
    clickRow("Bob");
    window().press(cmdchange);
    window().as<QRadioButton>(Option3)->click();
    window().press(Edsave);
    EXPECT_EQ(lastPrompt(), kNotChanged);
    EXPECT_EQ(lastBox().icon, Icon::Information);
    EXPECT_EQ(stored("Bob")->level, 1);
    EXPECT_EQ(stored("Bob")->password2, Encrypt("pw"));
    EXPECT_FALSE(window().isShown(Frame1));
}

TEST_F(UserMaintenance, AnOddLevelChoosesNoOptionAndItsSaveWritesTheLevelLastChosen) {
    addUser("odd", "pw", 3, "Other");
    addUser("Bob", "pw", 5, "Data Entry");
    clickRow("Bob");
    clickRow("odd");
    EXPECT_EQ(chosenLevels(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(chosenLevel(), "5/Data Entry");
    window().press(cmdchange);
    typePasswords("pw", "pw");
    window().press(Edsave);
    EXPECT_EQ(stored("odd")->level, 5);
    EXPECT_EQ(stored("odd")->description, "Data Entry");
}

TEST_F(UserMaintenance, AFailingPasswordWriteLeavesTheLevelAsItWas) {
    addUser("Bob", "pw", 1, "User");
    db::Connection connection;
    connection.open("Data Source=" + folder.databasePath());
    connection.execute("CREATE TRIGGER no_passwords BEFORE UPDATE OF password2 ON usertable "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    clickRow("Bob");
    window().press(cmdchange);
    window().as<QRadioButton>(Option3)->click();
    typePasswords("pw2", "pw2");
    EXPECT_ANY_THROW(window().press(Edsave));
    EXPECT_EQ(stored("Bob")->level, 1);
    EXPECT_EQ(stored("Bob")->description, "User");
    EXPECT_EQ(stored("Bob")->password2, Encrypt("pw"));
}

TEST_F(UserMaintenance, EditingAUserDeletedMeanwhileIsNotReportedAsChanged) {
    addUser("Bob", "pw", 1, "User");
    clickRow("Bob");
    folder.exec("DELETE FROM usertable WHERE username = 'Bob'");
    window().press(cmdchange);
    typePasswords("pw2", "pw2");
    window().press(Edsave);
    EXPECT_NE(lastPrompt(), "Record Changed");
    EXPECT_TRUE(lastPrompt().contains("Bob"));
    EXPECT_FALSE(stored("Bob"));
    EXPECT_EQ(gridColumn("username"), QStringList{"admin"});
}

TEST_F(UserMaintenance, HeaderClicksSortAscendingEveryTime) {
    addUser("Bob", "pw", 1, "User");
    addUser("cy", "pw", 5, "Data Entry");
    const int descriptions = users().fieldIndex("descriptions");
    for (int time = 0; time < 2; ++time) {
        emit grid().horizontalHeader()->sectionClicked(descriptions);
        EXPECT_EQ(gridColumn("descriptions"), (QStringList{"Admin", "Data Entry", "User"}));
    }
    emit grid().horizontalHeader()->sectionClicked(users().fieldIndex("ulevel"));
    EXPECT_EQ(gridColumn("username"), (QStringList{"Bob", "cy", "admin"}));
}

TEST_F(UserMaintenance, DeleteAsksFirstAndRemovesTheCurrentUserOnYes) {
    addUser("Bob", "pw", 1, "User");
    clickRow("Bob");
    services.boxes.answers = {Answer::No};
    window().press(cmddelete);
    ASSERT_EQ(services.boxes.shown.size(), 2u);
    EXPECT_EQ(services.boxes.shown[0].prompt, "Proceed with deleting current record ?");
    EXPECT_EQ(services.boxes.shown[0].buttons, forms::Buttons::YesNo);
    EXPECT_EQ(services.boxes.shown[0].title, "Confimation on Delete");
    EXPECT_EQ(lastPrompt(), "Operation cancelled by user!");
    EXPECT_TRUE(stored("Bob"));

    services.boxes.answers = {Answer::Yes};
    window().press(cmddelete);
    EXPECT_EQ(lastPrompt(), "Record Deleted");
    EXPECT_FALSE(stored("Bob"));
    EXPECT_EQ(gridColumn("username"), QStringList{"admin"});
}

TEST_F(UserMaintenance, WithoutACurrentRowEditDeleteAndRowClicksDoNothing) {
    addUser("zed", "pw", 1, "User");
    clickRow("zed");
    services.boxes.answers = {Answer::Yes};
    window().press(cmddelete);   // the last row: no row is current afterwards
    services.boxes.shown.clear();
    ASSERT_TRUE(users().eof());
    window().press(cmdchange);
    window().press(cmddelete);
    window().press(DataGrid1);
    emit grid().dblClick();
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_FALSE(window().isShown(Frame1));

    folder.exec("DELETE FROM usertable");
    forms::unload<MUser>();
    window().press(cmdchange);
    window().press(cmddelete);
    emit grid().dblClick();
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_FALSE(window().isShown(Frame1));
}

class HiddenList : public UserMaintenance {
protected:
    HiddenList() {
        addUser("Bob", "pw", 5, "Data Entry");
        addUser("cy", "pw", 1, "User");
    }
    forms::FlexGrid& list() { return *window().flexGrid(MSHFlexGrid1); }
    QStringList names() {
        QStringList texts;
        for (int row = 1; row < list().rows(); ++row) texts << list().textMatrix(row, 1);
        return texts;
    }
    // A press in the header band over a column.
    void pressHeader(int col) {
        int x = 0;
        for (int c = 0; c < col; ++c) x += list().colWidthTwips(c);
        emit list().mouseDown(forms::MouseDown{1, 0, double(x + 30), 30});
    }
};

TEST_F(HiddenList, HoldsNameLevelAndDescriptionWithTheirWidthsAndIsNotRefreshed) {
    EXPECT_EQ(list().cols(), 4);
    EXPECT_EQ(list().textMatrix(0, 1).toLower(), "username");
    EXPECT_EQ(names(), (QStringList{"admin", "Bob", "cy"}));
    EXPECT_EQ(list().textMatrix(2, 3), "Data Entry");
    const int widths[] = {500, 1000, 860, 1500};
    for (int col = 0; col < 4; ++col) EXPECT_EQ(list().columnWidth(col), widths[col] / 15);
    saveNew("al", "pw", "pw", Option1);
    EXPECT_EQ(names(), (QStringList{"admin", "Bob", "cy"}));
}

TEST_F(HiddenList, HeaderPressesSortTheFirstColumnDescendingFirstAndAlternate) {
    pressHeader(0);   // the column remembered at load
    pressHeader(1);
    EXPECT_EQ(names(), (QStringList{"admin", "Bob", "cy"}));
    pressHeader(1);
    EXPECT_EQ(names(), (QStringList{"cy", "Bob", "admin"}));
    pressHeader(1);
    EXPECT_EQ(names(), (QStringList{"admin", "Bob", "cy"}));
    pressHeader(3);
    EXPECT_EQ(names(), (QStringList{"admin", "Bob", "cy"}));   // Admin, Data Entry, User
    pressHeader(3);
    EXPECT_EQ(names(), (QStringList{"cy", "Bob", "admin"}));
    EXPECT_EQ(list().colSel(), 3);
    EXPECT_EQ(list().rowSel(), 1);
    // Below the header band nothing is sorted.
    emit list().mouseDown(forms::MouseDown{1, 0, 600, 400});
    EXPECT_EQ(names(), (QStringList{"cy", "Bob", "admin"}));
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(HiddenList, ADoubleClickEditsTheNameInTheCurrentCell) {
    window().setText(Text5, "typed");
    list().setRow(2);
    emit list().dblClick();
    EXPECT_EQ(window().text(Text4), "Bob");
    EXPECT_EQ(window().text(Text5), "");
    EXPECT_FALSE(window().isShown(MSHFlexGrid1));
    EXPECT_TRUE(window().isShown(Frame1));
    EXPECT_EQ(window().text(Frame1), "Edit");
    EXPECT_FALSE(window().isControlEnabled(Text4));
}

}  // namespace

}  // namespace tests
