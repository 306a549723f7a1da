// The text size of the entry list and the description pane: a number of one-point steps away
// from the size the window first shows them at. The window keeps the step so that it can be
// stored with the window's settings; a document keeps its own sizes, each moved by the step.
#pragma once

#include <algorithm>

namespace orvan::lookup {

/// The first size, and how far the user may make the text smaller or larger.
inline constexpr int kFirstTextSizeStep = 0;
inline constexpr int kSmallestTextSizeStep = -4;
inline constexpr int kLargestTextSizeStep = 16;

/// Steps moved no further than text that can still be read and still fits the window.
inline constexpr double kSmallestSteppedPoints = 7;
inline constexpr double kLargestSteppedPoints = 28;

/// `step` within the bounds above.
constexpr int BoundedTextSizeStep(int step) {
    return std::clamp(step, kSmallestTextSizeStep, kLargestTextSizeStep);
}

/// \brief The point size that text first shown at `firstPoints` takes at `step`: one point per
/// step, kept within 7..28 points. Text already outside that range at the first size is never
/// moved further out, and the first step leaves every size as it was.
constexpr double SteppedPointSize(double firstPoints, int step) {
    if (step == kFirstTextSizeStep || firstPoints <= 0) return firstPoints;
    const double lowest = std::min(firstPoints, kSmallestSteppedPoints);
    const double highest = std::max(firstPoints, kLargestSteppedPoints);
    return std::clamp(firstPoints + BoundedTextSizeStep(step), lowest, highest);
}

}  // namespace orvan::lookup
