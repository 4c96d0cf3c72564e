#include "platform/forms/DateFormat.h"
#include "platform/forms/Services.h"

#include <gtest/gtest.h>

namespace {

using forms::Answer;
using forms::Buttons;
using forms::DefaultButton;

TEST(ScriptedMessageBoxes, RecordsEveryBoxAndAnswersFromTheQueueElseWithTheDefaultButton) {
    forms::ScriptedMessageBoxes boxes;
    boxes.answers = {Answer::No};
    EXPECT_EQ(boxes.show("Delete?", Buttons::YesNo, forms::Icon::Question, "Confimation on Delete",
                         DefaultButton::First),
              Answer::No);
    EXPECT_EQ(boxes.show("Sure?", Buttons::YesNo, forms::Icon::None, "t", DefaultButton::First), Answer::Yes);
    EXPECT_EQ(boxes.show("Sure?", Buttons::YesNo, forms::Icon::None, "t", DefaultButton::Second), Answer::No);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].title.toStdString(), "Confimation on Delete");
    EXPECT_EQ(boxes.shown[0].icon, forms::Icon::Question);
}

TEST(FileDialogs, TheWindowsFilterBecomesAQtFilterThatAlsoMatchesLowerCaseNames) {
    EXPECT_EQ(forms::qtFileFilter("Images|*.BMP;*.GIF;*.JPG").toStdString(),
              "Images (*.BMP *.GIF *.JPG *.bmp *.gif *.jpg)");
    EXPECT_EQ(forms::qtFileFilter("Pictures (*.bmp)|*.bmp|All|*.*").toStdString(),
              "Pictures (*.bmp) (*.bmp);;All (*.*)");
}

TEST(DateFormat, ShowsDesignFormatsWithEnglishMonthsWhateverTheLocale) {
    const QDate date(1980, 3, 5);
    EXPECT_EQ(forms::formatDate(date, "dd/mmm/yyyy").toStdString(), "05/Mar/1980");
    EXPECT_EQ(forms::formatDate(date, "dd/mm/yyyy").toStdString(), "05/03/1980");
    EXPECT_TRUE(forms::formatDate(QDate(), "dd/mm/yyyy").isEmpty());
}

}  // namespace
