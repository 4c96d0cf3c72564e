#include "platform/db/PackedRow.h"

#include <gtest/gtest.h>

namespace tests {

using db::Value;

namespace {

TEST(PackedRow, KeepsEveryKindOfValueAcrossManyBlocks) {
    db::RowArena arena;
    std::vector<db::PackedRow> rows;
    const QByteArray big(3 * 1024 * 1024 + 5, 'b');   // larger than any block
    for (int i = 0; i < 5000; ++i) {
        const std::vector<Value> values{Value(), Value(std::int64_t{i} << 40), Value(i + 0.25),
                                        Value(QString("Ünïcode %1").arg(i)), Value(QDate(1900, 1, 1).addDays(i)),
                                        Value(i == 4000 ? big : QByteArray(1, char(i)))};
        rows.push_back(db::PackedRow::pack(values, arena));
    }
    for (int i = 0; i < 5000; i += 999) {
        const std::vector<Value> values = rows[size_t(i)].unpack();
        ASSERT_EQ(values.size(), 6u);
        EXPECT_TRUE(values[0].isNull());
        EXPECT_EQ(values[1].toInt(), std::int64_t{i} << 40);
        EXPECT_EQ(values[2].toDouble(), i + 0.25);
        EXPECT_EQ(values[3].toString(), QString("Ünïcode %1").arg(i));
        EXPECT_EQ(values[4].toDate(), QDate(1900, 1, 1).addDays(i));
    }
    EXPECT_EQ(rows[4000].at(5).toBytes(), big);
    EXPECT_EQ(db::PackedRow().size(), 0);
}

}  // namespace

}  // namespace tests
