#pragma once

#include <QString>

// A typed value made safe to stand between single quotes in a statement: every ' is doubled,
// so O'Brien is stored and found as typed and never changes the statement.
QString sqlEscape(const QString& value);
