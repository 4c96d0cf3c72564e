#pragma once

#include <QString>

// Ages are never typed: these set the age of every row from the year of birth alone.
inline const QString kEmployeeAgeStatement = QStringLiteral("Update Employee Set Age = Year(date()) - Year(DOB)");
inline const QString kFamilyAgeStatement = QStringLiteral("Update FamilyTree Set Age = Year(date()) - Year(DOB)");
