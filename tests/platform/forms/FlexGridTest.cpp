#include "platform/db/Recordset.h"
#include "platform/forms/FlexGrid.h"
#include "tests/support/ProgramFolder.h"

#include <QApplication>
#include <QMouseEvent>

namespace tests {

namespace {

using forms::FlexGrid;

class FlexGridTest : public PlatformTest {
protected:
    FlexGridTest() {
        connection.open("Data Source=" + folder.databasePath());
        staff.open("SELECT column1 AS name, column2 AS grade FROM (VALUES ('cara', '10'), ('Abel', '9'), "
                   "('bea', '10'), ('Dan', 'x'))",
                   &connection);
        grid.setDataSource(&staff);
    }

    QStringList column(int col) const {
        QStringList texts;
        for (int row = 1; row < grid.rows(); ++row) texts << grid.textMatrix(row, col);
        return texts;
    }

    void sortBy(int col, FlexGrid::Sort order) {
        grid.setCol(col);
        grid.setSort(order);
    }

    void sendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(type, QPointF(at), grid.viewport()->mapToGlobal(QPointF(at)), button, button, modifiers);
        QApplication::sendEvent(grid.viewport(), &event);
    }

    db::Connection connection;
    db::Recordset staff;
    FlexGrid grid;
};

TEST_F(FlexGridTest, BindingCopiesTheRowsUnderAFixedRowOfFieldNamesAndAFixedColumn) {
    EXPECT_EQ(grid.rows(), 5);
    EXPECT_EQ(grid.cols(), 3);
    EXPECT_EQ(grid.textMatrix(0, 1), "name");
    EXPECT_EQ(grid.textMatrix(0, 2), "grade");
    EXPECT_EQ(column(0), QStringList(4, QString()));
    EXPECT_EQ(column(1), (QStringList{"cara", "Abel", "bea", "Dan"}));
    // The first data cell is current.
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(grid.text(), "cara");
    // A copy: what the recordset does later does not show.
    staff.setSort("name asc");
    staff.close();
    EXPECT_EQ(column(1), (QStringList{"cara", "Abel", "bea", "Dan"}));

    EXPECT_THROW(grid.textMatrix(5, 0), std::out_of_range);
    EXPECT_THROW(grid.setCol(3), std::out_of_range);
    db::Recordset closed;
    EXPECT_THROW(grid.setDataSource(&closed), std::invalid_argument);
}

TEST_F(FlexGridTest, GenericSortComparesNumbersAsNumbersAndTextWithoutCaseKeepingTiesInOrder) {
    sortBy(1, FlexGrid::Sort::GenericAscending);
    EXPECT_EQ(column(1), (QStringList{"Abel", "bea", "cara", "Dan"}));
    EXPECT_EQ(column(2), (QStringList{"9", "10", "10", "x"}));   // whole rows move
    sortBy(1, FlexGrid::Sort::GenericDescending);
    EXPECT_EQ(column(1), (QStringList{"Dan", "cara", "bea", "Abel"}));
    sortBy(2, FlexGrid::Sort::GenericAscending);
    EXPECT_EQ(column(2), (QStringList{"9", "10", "10", "x"}));
    EXPECT_EQ(column(1), (QStringList{"Abel", "cara", "bea", "Dan"}));   // the two 10s as they stood
    sortBy(2, FlexGrid::Sort::None);
    EXPECT_EQ(column(1), (QStringList{"Abel", "cara", "bea", "Dan"}));
    // The current row stays where it was; the sorted rows pass under it.
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.text(), "9");
}

TEST_F(FlexGridTest, ASelectionOfSeveralRowsSortsOnlyThoseRows) {
    grid.setRow(2);
    grid.setRowSel(4);
    grid.setSort(FlexGrid::Sort::GenericDescending);
    EXPECT_EQ(column(1), (QStringList{"cara", "Dan", "bea", "Abel"}));
    // Moving the current cell collapses the selection again: the next sort takes every row.
    grid.setRow(1);
    EXPECT_EQ(grid.rowSel(), 1);
    grid.setSort(FlexGrid::Sort::GenericAscending);
    EXPECT_EQ(column(1), (QStringList{"Abel", "bea", "cara", "Dan"}));
}

TEST_F(FlexGridTest, SizesAreInTwips) {
    grid.setColWidthTwips(1, 1500);
    EXPECT_EQ(grid.colWidthTwips(1), 1500);
    EXPECT_EQ(grid.rowHeightTwips(1), 240);
    EXPECT_THROW(grid.setColWidthTwips(3, 500), std::out_of_range);
}

TEST_F(FlexGridTest, APressReportsButtonShiftAndTwipsAndMovesTheCurrentCellOnlyOnDataCells) {
    for (int col = 0; col < grid.cols(); ++col) grid.setColWidthTwips(col, 600);   // 40 pixels each
    QList<forms::MouseDown> presses;
    int doubles = 0;
    QObject::connect(&grid, &FlexGrid::mouseDown, [&](const forms::MouseDown& press) { presses << press; });
    QObject::connect(&grid, &FlexGrid::dblClick, [&] { ++doubles; });

    sendMouse(QEvent::MouseButtonPress, QPoint(85, 5), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_EQ(presses.size(), 1);
    EXPECT_EQ(presses[0].button, 2);
    EXPECT_EQ(presses[0].shift, 3);
    EXPECT_EQ(presses[0].x, 85 * 15);
    EXPECT_EQ(presses[0].y, 5 * 15);
    EXPECT_EQ(grid.col(), 1);   // a press on the fixed row moves nothing

    sendMouse(QEvent::MouseButtonPress, QPoint(85, 16 * 3 + 2));
    EXPECT_EQ(presses.back().button, 1);
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(grid.col(), 2);
    EXPECT_EQ(grid.text(), "10");

    sendMouse(QEvent::MouseButtonDblClick, QPoint(85, 16 * 3 + 2));
    EXPECT_EQ(doubles, 1);
}

}  // namespace

}  // namespace tests
