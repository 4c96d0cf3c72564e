#include "common/Password.h"

// Every code these shifts touch lies below 128 or in 192..253, where Windows-1252 and Unicode
// agree, so the code point serves as the Windows-1252 code. Characters outside pass unchanged.
namespace {

char16_t encryptOne(char16_t c) {
    if (c >= u'A' && c <= u'Z') return c + 127;
    if (c >= u'a' && c <= u'z') return c + 121;
    if (c >= u'0' && c <= u'9') return c + 196;
    return c;
}

char16_t decryptOne(char16_t c) {
    if (c >= 192 && c <= 217) return c - 127;
    if (c >= 218 && c <= 243) return c - 121;
    if (c >= 244 && c <= 253) return c - 196;
    return c;
}

template <typename Shift> QString mapChars(const QString& text, Shift shift) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) result[i] = QChar(shift(text[i].unicode()));
    return result;
}

}  // namespace

QString Encrypt(const QString& text) { return mapChars(text, encryptOne); }
QString Decrypt(const QString& text) { return mapChars(text, decryptOne); }
