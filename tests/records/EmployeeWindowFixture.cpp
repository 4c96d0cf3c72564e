#include "records/EmployeeControls.h"
#include "tests/records/EmployeeWindowFixture.h"

#include "platform/db/Connection.h"
#include "tests/support/ReadValue.h"
#include "platform/forms/DataGrid.h"
#include "tests/support/TestPictures.h"

namespace tests {

using namespace records::employeeControls;

void EmployeeWindowTest::addEmployee(const QString& empid, const QString& name,
                                     const QList<QPair<QString, QString>>& more) const {
    QString columns = QStringLiteral("empid, empname");
    QString values = QStringLiteral("'%1', '%2'").arg(empid, name);
    for (const auto& [column, sqlValue] : more) {
        columns += QStringLiteral(", ") + column;
        values += QStringLiteral(", ") + sqlValue;
    }
    execute(QStringLiteral("INSERT INTO employee (%1) VALUES (%2)").arg(columns, values));
}

QString EmployeeWindowTest::databaseDump() const {
    db::Connection connection;
    connection.open(QStringLiteral("Data Source=") + folder.databasePath());
    QString dump;
    for (const char* table : {"employee", "familytree", "academic", "training", "workingskill", "languagedialect",
                              "employment", "project", "usertable", "companyinfo"}) {
        db::Recordset rows;
        rows.open(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QLatin1String(table)), &connection);
        for (; !rows.eof(); rows.moveNext()) {
            dump += QLatin1String(table);
            for (int i = 0; i < rows.fieldCount(); ++i) {
                const db::Value value = rows.field(i);
                dump += QLatin1Char('|');
                if (value.isNull()) {
                    dump += QStringLiteral("<null>");
                } else if (value.type() == db::Value::Type::Bytes) {
                    dump += QString::fromLatin1(value.toBytes().toHex());
                } else {
                    dump += value.toString();
                }
            }
            dump += QLatin1Char('\n');
        }
    }
    return dump;
}

void EmployeeWindowTest::moveTo(records::EmployeeWindow& window, const QString& empid) {
    auto& list = window.employeeList();
    for (list.moveFirst(); !list.eof(); list.moveNext()) {
        if (list.field("empid").toString() == empid) return;
    }
    ADD_FAILURE() << "no listed employee " << empid.toStdString();
}

int EmployeeWindowTest::listColumn(records::EmployeeWindow& window, const QString& field) {
    auto* grid = window.grid(DataGrid4);
    for (int column = 0; column < window.employeeList().fieldCount(); ++column) {
        if (grid->boundFieldName(column).compare(field, Qt::CaseInsensitive) == 0) return column;
    }
    ADD_FAILURE() << "no list column " << field.toStdString();
    return -1;
}

void EmployeeWindowTest::doubleClickList(records::EmployeeWindow& window) {
    emit window.grid(DataGrid4)->dblClick();
}

QStringList EmployeeWindowTest::prompts() const {
    QStringList texts;
    for (const auto& box : services.boxes.shown) texts << box.prompt;
    return texts;
}

void EmployeeWindowTest::storePhoto(const QString& empid) const {
    const QByteArray bytes = bmpBytes(8, 8, qRgb(0, 0, 255));
    execute(QStringLiteral("UPDATE employee SET LImage = X'%1' WHERE empid='%2'")
                .arg(QString::fromLatin1(bytes.toHex()), empid));
}

}  // namespace tests
