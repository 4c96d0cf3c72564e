#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "tests/support/ProgramFolder.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QRadioButton>

#include <array>

namespace tests {

namespace {

using forms::Control;
using forms::Kind;

FORMS_CONTROL(optSmall);
FORMS_CONTROL(optLarge);
FORMS_CONTROL(fraOther);
FORMS_CONTROL(optOther);
FORMS_CONTROL(chkGift);
FORMS_CONTROL(grdItems);

// Two options on the window, a third in a frame of its own, a check box and a grid.
constexpr std::array kDesign = {
    Control{.name = optSmall, .kind = Kind::OptionButton, .caption = "Small", .left = 150, .top = 150,
            .width = 1200, .height = 255},
    Control{.name = optLarge, .kind = Kind::OptionButton, .caption = "Large", .left = 150, .top = 450,
            .width = 1200, .height = 255},
    Control{.name = fraOther, .kind = Kind::Frame, .caption = "Other", .left = 1500, .top = 150, .width = 1500,
            .height = 900},
    Control{.name = optOther, .kind = Kind::OptionButton, .container = fraOther, .caption = "Other", .left = 150,
            .top = 300, .width = 1200, .height = 255, .backColor = forms::rgb(90, 100, 110)},
    Control{.name = chkGift, .kind = Kind::CheckBox, .caption = "Gift", .left = 3150, .top = 150, .width = 1200,
            .height = 255, .backColor = forms::rgb(90, 100, 110)},
    Control{.name = grdItems, .kind = Kind::DataGrid, .left = 150, .top = 1200, .width = 4500, .height = 1500},
};

class ChoiceWindow : public forms::Form {
public:
    ChoiceWindow() : Form(forms::WindowDesign{.caption = "Choices", .clientWidth = 6000, .clientHeight = 4500}, kDesign) {}
};

class ChoiceEventsTest : public PlatformTest {
protected:
    ChoiceEventsTest() {
        for (const forms::ControlName option : {optSmall, optLarge, optOther}) {
            window.onClick(option, [this, option] { clicks << option.toString(); });
        }
    }

    std::array<bool, 3> values() const {
        return {window.value(optSmall), window.value(optLarge), window.value(optOther)};
    }

    void clickAt(QWidget* on, QPoint at) {
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, QPointF(at), on->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(on, &event);
        }
    }

    ChoiceWindow& window = forms::get<ChoiceWindow>();
    QStringList clicks;
};

TEST_F(ChoiceEventsTest, SettingAnOptionFromCodeChoosesItClearsItsNeighboursAndRunsItsClick) {
    window.setValue(optSmall, true);
    window.setValue(optOther, true);   // another container: the window's choice stays
    EXPECT_EQ(values(), (std::array{true, false, true}));
    window.setValue(optLarge, true);
    EXPECT_EQ(values(), (std::array{false, true, true}));
    window.setValue(optLarge, true);   // chosen again: its click runs again
    EXPECT_EQ(clicks, (QStringList{"optSmall", "optOther", "optLarge", "optLarge"}));

    // Clearing runs nothing, and may leave no option chosen.
    window.setValue(optLarge, false);
    window.setValue(optSmall, false);
    EXPECT_EQ(values(), (std::array{false, false, true}));
    EXPECT_EQ(clicks.size(), 4);

    window.as<QRadioButton>(optSmall)->click();   // the user's click
    EXPECT_EQ(values(), (std::array{true, false, true}));
    EXPECT_EQ(clicks.back(), "optSmall");
    EXPECT_THROW(window.setValue(grdItems, true), std::logic_error);
}

TEST_F(ChoiceEventsTest, OptionsAndCheckBoxesPaintTheBackColourOfTheirDesign) {
    for (const forms::ControlName choice : {optOther, chkGift}) {
        QWidget* widget = window.control(choice);
        const QImage drawn = widget->grab().toImage();
        EXPECT_EQ(drawn.pixelColor(drawn.width() - 2, drawn.height() - 2), QColor(90, 100, 110)) << choice;
    }
}

TEST_F(ChoiceEventsTest, AnOptionsFailingClickFromCodeReachesTheCaller) {
    window.onClick(optLarge, [] { throw db::DbError("stop"); });
    EXPECT_THROW(window.setValue(optLarge, true), db::DbError);
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(ChoiceEventsTest, AClickOnTheBackgroundIsTheWindowsAndAClickOnAControlIsNot) {
    int formClicks = 0;
    window.onFormClick([&] { ++formClicks; });
    window.resize(400, 300);
    clickAt(&window, QPoint(350, 250));
    EXPECT_EQ(formClicks, 1);
    clickAt(window.control(fraOther), QPoint(5, 5));
    EXPECT_EQ(formClicks, 1);
    window.onFormClick([] { throw db::DbError("The table is gone."); });
    clickAt(&window, QPoint(350, 250));
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0].prompt, "The table is gone.");
}

TEST_F(ChoiceEventsTest, ARowClickIsTheGridsClickAndAHeaderClickCanSortItsRecordsetAscending) {
    folder.exec(
        "CREATE TABLE items (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT);"
        "INSERT INTO items (name) VALUES ('Cara');"
        "INSERT INTO items (name) VALUES ('Abel');"
        "INSERT INTO items (name) VALUES ('Bea')");
    db::Connection connection;
    connection.open("Data Source=" + folder.databasePath());
    db::Recordset items;
    items.open("SELECT * FROM items ORDER BY id", &connection);
    forms::DataGrid& grid = *window.grid(grdItems);
    grid.setDataSource(&items);
    QStringList rows;
    window.onClick(grdItems, [&] { rows << items.field("name").toString(); });
    window.onHeadClick(grdItems, [&](int column) { grid.sortAscending(column); });

    // A press makes the row current; the click follows on the release.
    for (const int row : {1, 2}) {
        grid.setCurrentIndex(grid.model()->index(row, 1));
        emit grid.clicked(grid.model()->index(row, 1));
    }
    emit grid.horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(grid.displayText(0, "name"), "Abel");
    EXPECT_EQ(items.field("name").toString(), "Bea");   // the current record stays current
    emit grid.horizontalHeader()->sectionClicked(1);   // again: ascending again
    EXPECT_EQ(grid.displayText(0, "name"), "Abel");
    EXPECT_EQ(rows, (QStringList{"Abel", "Bea"}));
    EXPECT_THROW(grid.sortAscending(7), std::invalid_argument);
    grid.setDataSource(nullptr);
}

}  // namespace

}  // namespace tests
