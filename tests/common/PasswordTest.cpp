#include "common/Password.h"

#include <gtest/gtest.h>

namespace tests {

namespace {

QString fromCodes(std::initializer_list<char16_t> codes) {
    QString text;
    for (char16_t code : codes) text += QChar(code);
    return text;
}

TEST(Password, ShiftsLettersAndDigitsAndKeepsTheRest) {
    EXPECT_EQ(Encrypt("A1 b"), fromCodes({192, 245, 32, 219}));
    EXPECT_EQ(Encrypt("Zz9"), fromCodes({217, 243, 253}));
    EXPECT_EQ(Encrypt("a-b_c!"), fromCodes({218, '-', 219, '_', 220, '!'}));
    EXPECT_EQ(Encrypt("").size(), 0);
}

TEST(Password, DecryptUndoesEncryptWithLengthKept) {
    for (const QString text : {"admin", "Secret 2024!", "A1 b", "", "~[x]\t"}) {
        EXPECT_EQ(Decrypt(Encrypt(text)), text) << text.toStdString();
        EXPECT_EQ(Encrypt(text).size(), text.size());
    }
}

TEST(Password, ScrambledCodesPassEncryptAndAreShiftedByDecrypt) {
    QString scrambled;
    for (char16_t code = 192; code <= 253; ++code) scrambled += QChar(code);
    EXPECT_EQ(Encrypt(scrambled), scrambled);
    EXPECT_EQ(Decrypt(fromCodes({233})), "p");   // 233 - 121 = 112
    EXPECT_EQ(Decrypt(fromCodes({191, 254})), fromCodes({191, 254}));
    // Decrypting plain text changes nothing, so a stored plain password stays as it is.
    EXPECT_EQ(Decrypt("admin 123"), "admin 123");
}

}  // namespace

}  // namespace tests
