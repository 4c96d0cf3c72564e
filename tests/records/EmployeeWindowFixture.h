#pragma once

#include "platform/db/Recordset.h"
#include "records/EmployeeControls.h"
#include "records/EmployeeWindow.h"
#include "tests/support/ReadValue.h"
#include "tests/support/ProgramFolder.h"

#include <QString>
#include <QStringList>

namespace tests {

using namespace records::employeeControls;

// A program folder with employees, and ways to read the database and drive the employee windows.
class EmployeeWindowTest : public ProgramTest {
protected:
    // Adds an employee; `more` holds further "column, value" pairs as SQL ("DOB", "'1990-01-01'").
    void addEmployee(const QString& empid, const QString& name,
                     const QList<QPair<QString, QString>>& more = {}) const;
    void execute(const QString& sql) const { folder.exec(sql); }
    // The first field of the first row, as text ("" when there is no row).
    QString value(const QString& sql) const { return readValue(folder.databasePath(), sql).toString(); }
    long number(const QString& sql) const { return value(sql).toLong(); }
    // Every row of every table, in a stable order: equal dumps are equal databases.
    QString databaseDump() const;

    // Puts the window's list on the row of an employee.
    static void moveTo(records::EmployeeWindow& window, const QString& empid);
    // The column of the employee list that shows a field.
    static int listColumn(records::EmployeeWindow& window, const QString& field);
    static void doubleClickList(records::EmployeeWindow& window);

    QStringList prompts() const;
    // Stores a small picture as the employee's photo.
    void storePhoto(const QString& empid) const;
};

}  // namespace tests
