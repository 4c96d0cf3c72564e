#include "platform/db/DateText.h"
#include "platform/db/Value.h"

#include <gtest/gtest.h>

namespace tests {

using db::Value;

namespace {

TEST(DateText, ReadsDayMonthYearAndIso) {
    EXPECT_EQ(db::parseDateText(u"05/03/1980"), QDate(1980, 3, 5));
    EXPECT_EQ(db::parseDateText(u"5/3/1980"), QDate(1980, 3, 5));
    EXPECT_EQ(db::parseDateText(u"1980-03-05"), QDate(1980, 3, 5));
    EXPECT_EQ(db::parseDateText(u"1980-03-05 00:00:00"), QDate(1980, 3, 5));
    EXPECT_EQ(db::parseDateText(u" 01/01/1900 "), QDate(1900, 1, 1));
}

TEST(DateText, RefusesTextThatIsNoDate) {
    for (const char16_t* text : {u"", u"abc", u"31/02/2020", u"05/03/80", u"13/13/2000", u"1980-03-05x",
                                 u"05/03/1980abc", u"05-03-1980", u"1980/03/05"}) {
        EXPECT_FALSE(db::parseDateText(text).isValid()) << QString::fromUtf16(text).toStdString();
    }
    EXPECT_TRUE(db::isStoredDateText(u"1980-03-05"));
    EXPECT_FALSE(db::isStoredDateText(u"1980-3-5"));
    EXPECT_FALSE(db::isStoredDateText(u"05/03/1980"));
}

TEST(Value, ConvertsWithoutThrowing) {
    EXPECT_EQ(Value().toString(), "");
    EXPECT_EQ(Value().toInt(), 0);
    EXPECT_FALSE(Value().toDate().isValid());
    EXPECT_EQ(Value(QDate(1980, 3, 5)).toString(), "05/03/1980");
    EXPECT_EQ(Value(2.0).toString(), "2");
    EXPECT_EQ(Value(2.5).toString(), "2.5");
    EXPECT_EQ(Value(" 42 ").toInt(), 42);
    EXPECT_EQ(Value("2.6").toInt(), 3);
    EXPECT_EQ(Value("12abc").toInt(), 0);
    EXPECT_EQ(Value("05/03/1980").toDate(), QDate(1980, 3, 5));
    EXPECT_EQ(Value(QByteArray("ab")).toBytes(), QByteArray("ab"));
    EXPECT_NE(Value("1"), Value(1));
}

}  // namespace

}  // namespace tests
