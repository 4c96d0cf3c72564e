#include "TestWindows.h"
#include "platform/db/DbError.h"
#include "platform/forms/Picture.h"
#include "tests/support/ProgramFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace tests;

namespace {

class FormEventsTest : public PlatformTest {
protected:
    CountingWindow& window = forms::get<CountingWindow>();
    QStringList steps;

    void sendKey(QWidget* to, Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(to, &press);
    }
    void sendClick(QWidget* to, QEvent::Type type = QEvent::MouseButtonRelease) {
        QMouseEvent event(type, QPointF(2, 2), to->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    }
    const ScriptedMessageBoxes::Shown& firstBox() {
        EXPECT_FALSE(services.boxes.shown.empty());
        return services.boxes.shown.front();
    }
};

TEST_F(FormEventsTest, AUsersClickStopsAtTheFailingStepShowsOneCriticalBoxAndTheProgramGoesOn) {
    window.onClick(cmdOK, [this] {
        steps << "first";
        throw db::DbError("Could not find file.");
        steps << "never";
    });
    window.button(cmdOK)->click();
    EXPECT_EQ(steps, QStringList{"first"});
    EXPECT_EQ(firstBox().prompt, "Could not find file.");
    EXPECT_EQ(firstBox().icon, forms::Icon::Critical);
    EXPECT_EQ(firstBox().title, "Pravel");
    // The window still works afterwards, and any error is described.
    window.onClick(cmdOK, [this] {
        steps << "again";
        throw 42;
    });
    window.button(cmdOK)->click();
    EXPECT_EQ(steps, (QStringList{"first", "again"}));
    EXPECT_EQ(services.boxes.shown.back().prompt, "Unexpected error");
}

TEST_F(FormEventsTest, PressRunsTheHandlerAtOnceAndLetsItsErrorReachTheCaller) {
    window.onClick(cmdOK, [this] { steps << "pressed"; });
    window.press(cmdOK);
    EXPECT_EQ(steps, QStringList{"pressed"});
    window.onClick(cmdOK, [] { throw db::DbError("stop"); });
    EXPECT_THROW(window.press(cmdOK), db::DbError);
    EXPECT_TRUE(services.boxes.shown.empty());
    window.press(cmdCancel);   // no handler: nothing happens
}

TEST_F(FormEventsTest, TrappedStepShowsErrorMessageBoxAndTheCallerGoesOn) {
    EXPECT_FALSE(window.trapped([] { throw db::DbError("The database is locked."); }));
    EXPECT_TRUE(window.trapped([this] { steps << "next step"; }));
    EXPECT_EQ(firstBox().prompt, "The database is locked.");
    EXPECT_EQ(firstBox().title, "Error message. ");
    EXPECT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(firstBox().icon, forms::Icon::Critical);
    EXPECT_EQ(steps, QStringList{"next step"});
}

TEST_F(FormEventsTest, LabelsAndPicturesAreClickable) {
    window.onClick(lblName, [this] { steps << "label"; });
    window.onDblClick(lblName, [this] { steps << "label twice"; });
    window.onClick(Image1, [this] { steps << "picture"; });
    window.onDblClick(Image1, [this] { steps << "picture twice"; });
    sendClick(window.control(lblName));
    sendClick(window.control(lblName), QEvent::MouseButtonDblClick);
    emit window.picture(Image1)->clicked();
    emit window.picture(Image1)->doubleClicked();
    EXPECT_EQ(steps, (QStringList{"label", "label twice", "picture", "picture twice"}));
}

TEST_F(FormEventsTest, EnterPressesTheDefaultButtonAndEscTheHiddenCancelButton) {
    window.onClick(cmdOK, [this] { steps << "ok"; });
    window.onClick(cmdCancel, [this] { steps << "cancel"; });
    sendKey(window.control(txtName), Qt::Key_Return);
    sendKey(window.control(txtName), Qt::Key_Escape);
    EXPECT_EQ(steps, (QStringList{"ok", "cancel"}));
}

TEST_F(FormEventsTest, ChangeFollowsEveryTextChangeAndValidateTheLeavingOfAnEditedBox) {
    window.onChange(txtName, [this] { steps << "change " + window.text(txtName); });
    window.onChange(cboKind, [this] { steps << "combo " + window.text(cboKind); });
    window.onValidate(txtName, [this] { steps << "validate"; });
    window.setText(txtName, "ab");
    window.setText(cboKind, "Married");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(window.control(txtName), &leave);
    QApplication::sendEvent(window.control(txtName), &leave);   // not edited since: no second validate
    EXPECT_EQ(steps, (QStringList{"change ab", "combo Married", "validate"}));
}

TEST_F(FormEventsTest, AHandlerMayUnloadItsOwnWindow) {
    window.onClick(cmdOK, [this] {
        forms::unload<CountingWindow>();
        steps << "after unload";
    });
    window.button(cmdOK)->click();
    EXPECT_EQ(steps, QStringList{"after unload"});
    EXPECT_FALSE(forms::isLoaded<CountingWindow>());
    EXPECT_TRUE(services.boxes.shown.empty());
}

}  // namespace

namespace {

void typeText(QWidget* to, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(to, &press);
    }
}

// What the user types is kept as typed, and what code sets is kept whole.
TEST_F(FormEventsTest, TypingReplacesOrAddsNothingTheUserDidNotType) {
    auto* combo = window.combo(cboKind);
    combo->addItems({"Thailand", "Taiwan"});
    window.setText(cboKind, QString());
    typeText(combo->lineEdit(), "Thai");
    EXPECT_EQ(window.text(cboKind), "Thai");
    EXPECT_EQ(combo->count(), 2);   // the list still offers its items

    window.setText(txtNotes, "ab");
    sendKey(window.control(txtNotes), Qt::Key_Tab);
    EXPECT_EQ(window.text(txtNotes), "ab");

    const QString stored(40000, QLatin1Char('x'));
    window.setText(txtSecret, stored);
    window.setText(txtName, stored);
    EXPECT_EQ(window.text(txtSecret).size(), 40000);
    EXPECT_EQ(window.text(txtName).size(), 40000);
}

}  // namespace
