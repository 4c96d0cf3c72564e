#pragma once

#include <QString>

// Blanks are spaces only: other white space, such as the line breaks of remarks, is kept.
// Leading and trailing blanks removed.
QString trimBlanks(const QString& text);
// Trailing blanks removed.
QString trimTrailingBlanks(const QString& text);
