#include "platform/forms/DateFormat.h"
#include "platform/forms/Services.h"

#include <gtest/gtest.h>

namespace tests {

namespace {

using forms::Answer;
using forms::Buttons;
using forms::DefaultButton;

TEST(MessageBoxes, TheDefaultButtonIsTheFirstOrTheSecondOfTheBoxsButtons) {
    EXPECT_EQ(forms::defaultAnswer(Buttons::YesNo, DefaultButton::First), Answer::Yes);
    EXPECT_EQ(forms::defaultAnswer(Buttons::YesNo, DefaultButton::Second), Answer::No);
    EXPECT_EQ(forms::defaultAnswer(Buttons::OKCancel, DefaultButton::Second), Answer::Cancel);
    EXPECT_EQ(forms::defaultAnswer(Buttons::OK, DefaultButton::Second), Answer::OK);   // a box of one button
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

}  // namespace tests
