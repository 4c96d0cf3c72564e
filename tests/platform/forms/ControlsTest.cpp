#include "platform/forms/MonthCalendar.h"
#include "platform/forms/Picture.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tests {

namespace {

TEST(MonthCalendar, PickingADateSetsTheValueAndReportsIt) {
    forms::MonthCalendar calendar;
    QList<QDate> picked;
    QObject::connect(&calendar, &forms::MonthCalendar::datePicked, [&](const QDate& date) { picked << date; });
    calendar.pick(QDate(1980, 3, 5));
    EXPECT_EQ(calendar.value(), QDate(1980, 3, 5));
    emit calendar.clicked(QDate(1981, 1, 2));   // the user's click on a day
    EXPECT_EQ(picked, (QList<QDate>{QDate(1980, 3, 5), QDate(1981, 1, 2)}));
}

class PictureTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    forms::Picture picture;
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
};

TEST_F(PictureTest, ShowsPicturesAtTheirOwnSizeAndNeverFailsOnOtherFiles) {
    picture.setGeometry(0, 0, 40, 30);
    QImage image(60, 50, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.save(dir.filePath("old.jpg"), "JPG");
    ASSERT_TRUE(picture.loadPicture(dir.filePath("old.jpg")));
    EXPECT_EQ(picture.picture().size(), QSize(60, 50));   // its own size; the control keeps its place
    EXPECT_EQ(picture.size(), QSize(40, 30));
    EXPECT_FALSE(picture.loadPicture(write("notes.jpg", "these are not picture bytes")));
    EXPECT_FALSE(picture.hasPicture());
    EXPECT_FALSE(picture.loadPicture(write("empty.gif", "")));
    EXPECT_FALSE(picture.loadPicture(dir.filePath("missing.bmp")));
    EXPECT_FALSE(picture.loadPicture(QString()));
    EXPECT_FALSE(picture.hasPicture());
}

}  // namespace

}  // namespace tests
