// The text size steps of the entry list and the description pane.
#include <gtest/gtest.h>

#include "lookup/text_size.h"

namespace orvan::lookup {
namespace {

TEST(TextSize, AStepMovesEverySizeByOnePointWithinSevenToTwentyEight) {
    EXPECT_DOUBLE_EQ(SteppedPointSize(10, 0), 10);
    EXPECT_DOUBLE_EQ(SteppedPointSize(10, 3), 13);
    EXPECT_DOUBLE_EQ(SteppedPointSize(10, -2), 8);
    EXPECT_DOUBLE_EQ(SteppedPointSize(9, -4), 7);
    EXPECT_DOUBLE_EQ(SteppedPointSize(20, 16), 28);
    // Steps beyond the bounds count as the last one.
    EXPECT_DOUBLE_EQ(SteppedPointSize(12, 1000), 28);
    EXPECT_DOUBLE_EQ(SteppedPointSize(12, -1000), 8);
    EXPECT_EQ(BoundedTextSizeStep(-1000), kSmallestTextSizeStep);
    EXPECT_EQ(BoundedTextSizeStep(1000), kLargestTextSizeStep);
}

TEST(TextSize, TextOutsideTheBoundsIsNeverMovedFurtherOut) {
    // Small print stays as small as it was, and grows from there.
    EXPECT_DOUBLE_EQ(SteppedPointSize(5, -3), 5);
    EXPECT_DOUBLE_EQ(SteppedPointSize(5, 1), 6);
    // A large heading stays as large as it was, and shrinks from there.
    EXPECT_DOUBLE_EQ(SteppedPointSize(36, 4), 36);
    EXPECT_DOUBLE_EQ(SteppedPointSize(36, -2), 34);
    // A size the document does not give is left to the view.
    EXPECT_DOUBLE_EQ(SteppedPointSize(0, 5), 0);
}

}  // namespace
}  // namespace orvan::lookup
