#pragma once

#include <QString>

// The program's title: message boxes given no title of their own show it.
inline const QString kProgramTitle = QStringLiteral("Pravel");
