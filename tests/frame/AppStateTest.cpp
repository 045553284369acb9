#include "frame/AppState.h"

#include <gtest/gtest.h>

namespace {

TEST(AppState, ColoursPackRedInTheLowByte) {
    Start::ResetState();
    Start::FillColors();
    EXPECT_EQ(Start::BackColors[1], 0xFFFFFF);
    EXPECT_EQ(Start::BackColors[2], 0xFFFFC0); // light cyan: red 192
    EXPECT_EQ(Start::BackColors[3], 0xC0FFFF); // light yellow: blue 192
    EXPECT_EQ(Start::BackColors[5], 0x0000FF); // red
    EXPECT_EQ(Start::ForeColors[1], 0x800000); // dark blue
    EXPECT_EQ(Start::ForeColors[2], 0x404080); // brown
}

TEST(AppState, MonthlyColumnsStepBy2340Twips) {
    Start::ResetState();
    Start::FillColumnLeft();
    EXPECT_EQ(Start::ColumnLeft[1], 300);
    EXPECT_EQ(Start::ColumnLeft[2], 2640);
    EXPECT_EQ(Start::ColumnLeft[3], 4980);
    EXPECT_EQ(Start::ColumnLeft[4], 7320);
}

} // namespace
