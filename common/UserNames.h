#pragma once

#include <QString>

// An account name may not hold a single quote: the sign-in never accepts such a name, so an
// account under it could never be used.
inline bool isUsableUserName(const QString& name) { return !name.contains(QLatin1Char('\'')); }
