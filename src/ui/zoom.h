#pragma once

#include <algorithm>
#include <cmath>
#include <iterator>

// The window's sizes, in percent of its designed size: Ctrl+Plus and Ctrl+Minus step through them.
inline constexpr int zoomSteps[] = {100, 125, 150, 175, 200, 250, 300};

inline bool isZoomStep(int percent)
{
    return std::find(std::begin(zoomSteps), std::end(zoomSteps), percent) != std::end(zoomSteps);
}

// The step nearest to a desktop's text size in percent; of two as near, the larger.
inline int nearestZoomStep(double percent)
{
    return *std::min_element(std::rbegin(zoomSteps), std::rend(zoomSteps), [percent](int a, int b) {
        return std::abs(a - percent) < std::abs(b - percent);
    });
}
