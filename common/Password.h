#pragma once

#include <QString>

// The reversible scrambling of stored passwords: letters and digits are shifted into the
// Windows-1252 codes 192 to 253, every other character is kept, order and length unchanged.
QString Encrypt(const QString& text);
QString Decrypt(const QString& text);
