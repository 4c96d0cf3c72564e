#include "TestWindows.h"
#include "platform/db/Recordset.h"
#include "platform/forms/DataGrid.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/ReadValue.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace tests {

namespace {

class DataGridTest : public PlatformTest {
protected:
    DataGridTest() {
        folder.exec(
            "CREATE TABLE items (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT COLLATE NOCASE, born DATETIME, qty INTEGER);"
            "INSERT INTO items (name, born, qty) VALUES ('Cara', '1980-03-05', 3);"
            "INSERT INTO items (name, born, qty) VALUES ('Abel', NULL, NULL);"
            "INSERT INTO items (name, born, qty) VALUES ('Bea', '2001-12-31', 1)");
        connection.open("Data Source=" + folder.databasePath());
        items.open("SELECT * FROM items ORDER BY id", &connection);
        grid.setDataSource(&items);
    }
    ~DataGridTest() override { grid.setDataSource(nullptr); }

    QString stored(int id, const QString& field) {
        return readValue(connection, QStringLiteral("SELECT %1 FROM items WHERE id = %2").arg(field).arg(id)).toString();
    }
    QModelIndex cell(int row, const QString& field) { return grid.model()->index(row, items.fieldIndex(field)); }
    void pressDelete() {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(&grid, &press);
    }

    db::Connection connection;
    db::Recordset items;
    forms::DataGrid grid;
};

TEST_F(DataGridTest, ShowsTheRecordsetsRowsAsFormattedText) {
    EXPECT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(grid.model()->columnCount(), 4);
    EXPECT_EQ(grid.boundFieldName(1), "name");
    EXPECT_EQ(grid.displayText(0, "born"), "05/03/1980");
    EXPECT_EQ(grid.displayText(1, "born"), "");   // Null shows empty
    EXPECT_EQ(grid.displayText(1, "QTY"), "");
    grid.setColumnFormat("Born", "dd/mmm/yyyy");
    EXPECT_EQ(grid.displayText(0, "born"), "05/Mar/1980");
    EXPECT_EQ(grid.model()->data(cell(2, "born")).toString(), "31/Dec/2001");
    grid.setColumnCaption("name", "Name");
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), "Name");
    grid.setColumnWidthTwips("name", 4000);
    EXPECT_EQ(grid.columnWidth(1), 266);
    EXPECT_THROW(grid.hideColumn("missing"), std::invalid_argument);
}

TEST_F(DataGridTest, ALongBinaryShowsAsAnEmptyCell) {
    folder.exec("CREATE TABLE pictures (id INTEGER PRIMARY KEY, photo BLOB);"
                "INSERT INTO pictures (photo) VALUES (X'FFD8FFE000104A464946')");
    db::Recordset pictures;
    pictures.open("SELECT * FROM pictures", &connection);
    forms::DataGrid photos;
    photos.setDataSource(&pictures);
    EXPECT_EQ(photos.displayText(0, "photo"), "");
    photos.setDataSource(nullptr);
}

TEST_F(DataGridTest, ColumnSettingsOutliveASortButNotARebinding) {
    grid.hideColumn("id");
    EXPECT_TRUE(grid.isColumnHidden("ID"));
    items.setSort("name asc");
    EXPECT_TRUE(grid.isColumnHidden("id"));
    EXPECT_EQ(grid.displayText(0, "name"), "Abel");
    grid.setDataSource(&items);
    EXPECT_FALSE(grid.isColumnHidden("id"));
    grid.setDataSource(nullptr);
    EXPECT_EQ(grid.model()->rowCount(), 0);
    EXPECT_EQ(grid.dataSource(), nullptr);
}

TEST_F(DataGridTest, FollowsTheRecordsetsCurrentRowAndRowsInBothDirections) {
    items.setCurrentRow(2);
    EXPECT_EQ(grid.currentIndex().row(), 2);
    grid.setCurrentIndex(cell(1, "name"));
    EXPECT_EQ(items.currentRow(), 1);
    EXPECT_EQ(items.field("name").toString(), "Abel");
    items.setSort("name desc");   // the same record stays current
    EXPECT_EQ(grid.currentIndex().row(), items.currentRow());
    items.addNew();               // rows added from code reach the grid
    EXPECT_EQ(grid.model()->rowCount(), 4);
    EXPECT_EQ(grid.currentIndex().row(), 3);
    items.close();
    EXPECT_EQ(grid.model()->rowCount(), 0);
}

TEST_F(DataGridTest, EditsAreWrittenWhenCommittedOrWhenTheRowIsLeft) {
    EXPECT_FALSE(grid.model()->flags(cell(0, "name")) & Qt::ItemIsEditable);
    grid.setAllowUpdate(true);
    grid.lockColumn("id");
    EXPECT_FALSE(grid.model()->setData(cell(0, "id"), "99"));
    ASSERT_TRUE(grid.model()->setData(cell(0, "name"), "O'Brien"));
    EXPECT_TRUE(items.editing());
    EXPECT_EQ(stored(1, "name"), "Cara");
    grid.commit();
    EXPECT_FALSE(items.editing());
    EXPECT_EQ(stored(1, "name"), "O'Brien");

    ASSERT_TRUE(grid.model()->setData(cell(0, "born"), "06/04/1981"));
    grid.setCurrentIndex(cell(2, "name"));
    EXPECT_EQ(stored(1, "born"), "06/04/1981");
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(DataGridTest, CommitWritesTheCellStillBeingTypedInAndDatesAreEditedInTheirStoredForm) {
    grid.setAllowUpdate(true);
    grid.setColumnFormat("born", "dd/mmm/yyyy");
    grid.show();
    grid.setCurrentIndex(cell(0, "born"));
    grid.edit(cell(0, "born"));
    auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(cell(0, "born")));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "05/03/1980");
    editor->setText("06/03/1980");
    grid.commit();
    EXPECT_EQ(grid.indexWidget(cell(0, "born")), nullptr);
    EXPECT_EQ(stored(1, "born"), "06/03/1980");
    EXPECT_EQ(grid.displayText(0, "born"), "06/Mar/1980");
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(DataGridTest, AFailedWriteIsShownAndDroppedLeavingTheStoredRowAlone) {
    grid.setAllowUpdate(true);
    ASSERT_TRUE(grid.model()->setData(cell(0, "name"), "Carla"));
    folder.exec("UPDATE items SET name = 'Changed elsewhere' WHERE id = 1");
    grid.setCurrentIndex(cell(1, "name"));
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_TRUE(services.boxes.shown[0].prompt.startsWith("Row cannot be located for updating."));
    EXPECT_EQ(stored(1, "name"), "Changed elsewhere");
    EXPECT_EQ(grid.displayText(0, "name"), "Cara");
    EXPECT_FALSE(items.editing());
    EXPECT_EQ(items.currentRow(), 1);

    // A typed text that is no date is refused at once; nothing is pending.
    EXPECT_FALSE(grid.model()->setData(cell(1, "born"), "31/02/1999x"));
    EXPECT_EQ(services.boxes.shown.size(), 2u);
    EXPECT_FALSE(items.editing());
}

TEST_F(DataGridTest, TheDeleteKeyRemovesTheCurrentRowOnlyWhenAllowed) {
    grid.setCurrentIndex(cell(1, "name"));
    pressDelete();
    EXPECT_EQ(items.recordCount(), 3);
    grid.setAllowDelete(true);
    pressDelete();
    EXPECT_EQ(items.recordCount(), 2);
    EXPECT_EQ(grid.model()->rowCount(), 2);
    db::Recordset check;
    check.open("SELECT * FROM items WHERE name = 'Abel'", &connection);
    EXPECT_TRUE(check.eof());
}

TEST_F(DataGridTest, DeletingMovesGridAndRecordsetTogetherToTheNextRowAndAnUnsavedRowIsOnlyDropped) {
    grid.setAllowDelete(true);
    grid.setCurrentIndex(cell(0, "name"));
    pressDelete();
    EXPECT_EQ(items.field("name").toString(), "Abel");
    EXPECT_EQ(grid.currentIndex().row(), items.currentRow());

    items.addNew();
    items.setField("name", "Dora");
    pressDelete();
    EXPECT_EQ(items.recordCount(), 2);
    EXPECT_EQ(grid.model()->rowCount(), 2);
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(DataGridTest, HeaderClicksReportTheColumnWithoutSortingAndRowDoubleClicksAreEvents) {
    QList<int> heads;
    int doubles = 0;
    QObject::connect(&grid, &forms::DataGrid::headClick, [&](int column) { heads << column; });
    QObject::connect(&grid, &forms::DataGrid::dblClick, [&] { ++doubles; });
    emit grid.horizontalHeader()->sectionClicked(2);
    EXPECT_EQ(heads, QList<int>{2});
    EXPECT_EQ(grid.displayText(0, "name"), "Cara");
    emit grid.doubleClicked(cell(1, "name"));
    EXPECT_EQ(doubles, 1);
}

}  // namespace

}  // namespace tests
