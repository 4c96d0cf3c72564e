#include "TestWindows.h"
#include "platform/forms/Picture.h"
#include "tests/support/ProgramFolder.h"

#include "platform/forms/FrameBox.h"
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace tests;

namespace {

class FormDesignTest : public PlatformTest {};

TEST_F(FormDesignTest, PlacesControlsInPixelsFromTwipsInsideTheirContainers) {
    auto& window = forms::get<CountingWindow>();
    EXPECT_EQ(window.size(), QSize(640, 300));
    EXPECT_EQ(window.control(txtName)->geometry(), QRect(100, 20, 160, 23));
    auto* frame = window.as<forms::FrameBox>(Frame3);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(window.control(txtInFrame)->parentWidget(), frame);
    EXPECT_EQ(window.control(txtInFrame)->pos(), QPoint(20, 30));
    // A control on a tab page sits on that page, counted from the tab control's top-left.
    QTabWidget* tabs = window.tabs(SSTab1);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "Two");
    QWidget* onTab = window.control(lblOnTab);
    EXPECT_EQ(onTab->parentWidget(), tabs->widget(1));
    EXPECT_EQ(onTab->mapTo(tabs, QPoint(0, 0)).x(), 20);
}

TEST_F(FormDesignTest, KeepsCaptionsTextsAndTheDesignedStateOfEveryControl) {
    auto& window = forms::get<CountingWindow>();
    EXPECT_EQ(window.windowTitle(), "Test window");
    EXPECT_EQ(window.text(lblName), "&Name:");
    EXPECT_EQ(window.text(cboKind), "Single");
    EXPECT_EQ(window.text(Frame3), "Personal");
    EXPECT_EQ(window.text(txtNotes), "abc");
    // Visible and Enabled are the design's properties, whether or not the window has been shown.
    EXPECT_TRUE(window.isShown(txtName));
    EXPECT_FALSE(window.isShown(cmdCancel));
    EXPECT_FALSE(window.isShown(lblState));
    EXPECT_FALSE(window.isControlEnabled(txtInFrame));
    window.show(lblState);
    window.disable(Frame3);
    EXPECT_TRUE(window.isShown(lblState));
    EXPECT_FALSE(window.isControlEnabled(Frame3));
    EXPECT_FALSE(window.isControlEnabled(txtInFrame));
    window.enable(txtInFrame);
    EXPECT_TRUE(window.isControlEnabled(txtInFrame));   // its own setting, inside a disabled frame
    // Hidden labels hold window state as text.
    window.setText(lblState, "3");
    EXPECT_EQ(window.text(forms::ControlName{"LBLSTATE"}), "3");   // names match without regard to case
}

TEST_F(FormDesignTest, LimitsTextLengthInOneAndSeveralLineBoxes) {
    auto& window = forms::get<CountingWindow>();
    window.as<QLineEdit>(txtName)->insert("abcdefgh");   // as typed
    EXPECT_EQ(window.text(txtName), "abcde");
    auto* notes = window.as<QPlainTextEdit>(txtNotes);
    ASSERT_NE(notes, nullptr);
    notes->moveCursor(QTextCursor::End);
    notes->insertPlainText("defg");
    EXPECT_EQ(window.text(txtNotes), "abcd");
    EXPECT_EQ(window.as<QLineEdit>(txtSecret)->echoMode(), QLineEdit::Password);
}

TEST_F(FormDesignTest, AccessKeysTabOrderAndWrongNames) {
    auto& window = forms::get<CountingWindow>();
    EXPECT_EQ(window.label(lblName)->buddy(), window.control(txtName));
    EXPECT_EQ(window.control(txtName)->nextInFocusChain(), window.control(txtSecret));
    EXPECT_THROW(window.control(forms::ControlName{"txtMissing"}), std::logic_error);
    EXPECT_THROW(window.button(txtName), std::logic_error);
}

FORMS_CONTROL(lblExtra);

constexpr std::array kChanges = {
    forms::ControlChange{.set = forms::ControlChange::Caption | forms::ControlChange::Geometry,
                         .control = {.name = forms::ControlName{"cmdok"}, .kind = Kind::Button, .caption = "Print", .left = 1500,
                                     .top = 3000, .width = 1500, .height = 450}},
    forms::ControlChange{.set = forms::ControlChange::Visible,
                         .control = {.name = txtName, .kind = Kind::TextBox, .caption = "ignored", .visible = false}},
    forms::ControlChange{.set = 0, .control = {.name = lblExtra, .kind = Kind::Label, .container = Frame3,
                                               .caption = "Extra"}},
};

class DerivedWindow : public forms::Form {
public:
    DerivedWindow() : Form(kWindow, kDesign, kChanges) {}
};

TEST_F(FormDesignTest, ChangesReplaceOnlyTheirMembersOrAddControls) {
    auto& window = forms::get<DerivedWindow>();
    EXPECT_EQ(window.text(cmdOK), "Print");
    EXPECT_EQ(window.control(cmdOK)->geometry(), QRect(100, 200, 100, 30));
    EXPECT_FALSE(window.isShown(txtName));
    EXPECT_EQ(window.text(txtName), "");             // only Visible was changed
    EXPECT_EQ(window.text(lblExtra), "Extra");
    EXPECT_EQ(window.control(lblExtra)->parentWidget(), window.control(Frame3));
}

TEST_F(FormDesignTest, LengthLimitCutsTypingButNotTextSetFromCode) {
    auto& window = forms::get<DerivedWindow>();
    auto* box = window.as<QLineEdit>(txtName);
    box->insert("abcdefgh");   // as typed
    EXPECT_EQ(window.text(txtName), "abcde");
    // A stored value longer than the limit is shown whole and can be shortened, not lengthened.
    window.setText(txtName, "abcdefgh");
    EXPECT_EQ(window.text(txtName), "abcdefgh");
    box->end(false);
    box->insert("x");
    EXPECT_EQ(window.text(txtName), "abcdefgh");
    box->backspace();
    EXPECT_EQ(window.text(txtName), "abcdefg");
}

constexpr std::array kOrphan = {
    Control{.name = forms::ControlName{"lblLost"}, .kind = Kind::Label,
            .container = forms::ControlName{"FrameMissing"}},
};
class OrphanWindow : public forms::Form {
public:
    OrphanWindow() : Form(kWindow, kOrphan) {}
};

TEST_F(FormDesignTest, AControlInAContainerTheDesignLacksIsRefused) {
    EXPECT_THROW(OrphanWindow(), std::logic_error);
}

TEST(Colours, DesignColoursAreBlueGreenRedAndSystemColoursComeFromThePalette) {
    EXPECT_EQ(forms::toQColor(0x00FFC0C0u), QColor(192, 192, 255));
    EXPECT_EQ(forms::toQColor(forms::rgb(128, 0, 0)), QColor(128, 0, 0));
    EXPECT_TRUE(forms::toQColor(forms::kInactiveTitleBar).isValid());
}

}  // namespace
