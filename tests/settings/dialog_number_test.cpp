#include "settings/dialog_number.h"

#include <gtest/gtest.h>

namespace qm530 {
namespace {

TEST(DialogNumber, ReadsOnlyWholeNumbers) {
    for (const char* text : {"1.5", " 1.5\t", ".5", "5.", "+2", "-0", "1e1", "2E-1"}) {
        EXPECT_TRUE(settings::ReadDialogDouble(text)) << text;
    }
    const Result<double> x = settings::ReadDialogDouble(" 0.95 ");
    ASSERT_TRUE(x);
    EXPECT_EQ(*x, 0.95);
    for (const char* text :
         {"", " ", ".", "1.5x", "abc", "0x10", "inf", "nan", "1,5", "1e", "1e999", "- 1"}) {
        EXPECT_FALSE(settings::ReadDialogDouble(text)) << text;
    }
    Result<int> v = settings::ReadDialogInt(" 300 ");
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, 300);
    v = settings::ReadDialogInt("2147483647");
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, 2147483647);
    v = settings::ReadDialogInt("-2147483648");
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, -2147483647 - 1);
    for (const char* text :
         {"", "1.0", "12a", "2147483648", "-2147483649", "99999999999999999999", "+"}) {
        EXPECT_FALSE(settings::ReadDialogInt(text)) << text;
    }
}

TEST(DialogNumber, ShowsTheShortestForm) {
    EXPECT_EQ(settings::FormatDialogDouble(0.45 + 0.05 * 9), "0.9");
    EXPECT_EQ(settings::FormatDialogDouble(19 * 0.05), "0.95");
    EXPECT_EQ(settings::FormatDialogDouble(5.0), "5");
    EXPECT_EQ(settings::FormatDialogDouble(1.5), "1.5");
    EXPECT_EQ(settings::FormatDialogDouble(0.45), "0.45");
    EXPECT_STREQ(settings::EnterNumberPrompt(false, false), "Please enter a number.");
    EXPECT_STREQ(settings::EnterNumberPrompt(true, false), "Please enter an integer.");
}

}  // namespace
}  // namespace qm530
