#pragma once

#include "common/BaseSetup.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "records/EmployeeControls.h"
#include "records/DetailLists.h"
#include "records/EmployeeFields.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/ReadValue.h"

#include <QDate>

#include <memory>
#include <vector>

namespace tests {

using namespace records::employeeControls;

// A bare window holding the detail tabs and the three controls of the editor they use.
class DetailsWindow : public forms::Form {
public:
    explicit DetailsWindow(records::DetailListsProfile profile = {})
        : forms::Form(forms::WindowDesign{}, design()) {
        connection.setCursorLocation(db::adUseClient);
        connection.open(BaseSetup::DataSourceString());
        list.open(QStringLiteral("SELECT * from Employee order by empid"), &connection);
        lists = std::make_unique<records::DetailLists>(*this, connection, list, shown, profile);
        lists->openRecordsets();
        lists->bindGrids(false);
    }

    // What the detail switch does: the id into Text1, the list on its row, the lists reloaded.
    void openEmployee(const QString& id, bool readOnly = false) {
        setText(Text1, id);
        for (list.moveFirst(); !list.eof(); list.moveNext()) {
            if (list.field(QStringLiteral("empid")).toString() == id) break;
        }
        if (readOnly) {
            lists->LoadDetailGridsReadOnly();
        } else {
            lists->LoadDetailGrids();
        }
    }

    db::Recordset& rows(forms::ControlName gridName) { return lists->recordset(gridName); }

    // The grid's column that shows a field.
    int columnOf(forms::ControlName gridName, const QString& field) const {
        forms::DataGrid* g = grid(gridName);
        for (int column = 0; column < g->model()->columnCount(); ++column) {
            if (g->boundFieldName(column).compare(field, Qt::CaseInsensitive) == 0) return column;
        }
        return -1;
    }

    // Types into a cell as the user does.
    void editCell(forms::ControlName gridName, int row, const QString& field, const QString& text) {
        forms::DataGrid* g = grid(gridName);
        g->model()->setData(g->model()->index(row, columnOf(gridName, field)), text, Qt::EditRole);
    }

    db::Connection connection;
    db::Recordset list;
    records::ShownTexts shown;
    std::unique_ptr<records::DetailLists> lists;

private:
    static std::span<const forms::Control> design() {
        static const std::vector<forms::Control> controls = [] {
            std::vector<forms::Control> all = {
                {.name = Text1, .kind = forms::Kind::TextBox, .maxLength = 10},
                {.name = CinDe, .kind = forms::Kind::Button, .caption = "Details"},
                {.name = Label23, .kind = forms::Kind::Label, .caption = "List All Informations"},
            };
            const auto tabs = records::DetailLists::design();
            all.insert(all.end(), tabs.begin(), tabs.end());
            return all;
        }();
        return controls;
    }
};

class DetailListsTest : public ProgramTest {
protected:
    DetailListsTest() {
        folder.exec(QStringLiteral("insert into employee (empid, empname, lnk) values ('E1', 'Ann', 7);"
                                   "insert into employee (empid, empname) values ('E2', 'Ben')"));
    }

    // One stored value, read with a connection of the test's own.
    db::Value stored(const QString& sql, const QString& column) const {
        return readValue(folder.databasePath(), QStringLiteral("select %1 from (%2)").arg(column, sql));
    }

    int storedCount(const QString& table) const {
        return int(stored(QStringLiteral("select count(*) as n from ") + table, QStringLiteral("n")).toInt());
    }

    static int yearsSince(int year) { return QDate::currentDate().year() - year; }
};

}  // namespace tests
