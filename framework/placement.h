#pragma once

// Where a window goes on the screen: plain arithmetic, free of the toolkit, so that it can be
// checked for any screen and window size.

#include <algorithm>

namespace fw {

struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The top-left corner that puts a window of this outer size (title bar and border included) in the
// middle of the area. A window larger than the area keeps its top-left corner inside it, so that
// its title bar and menu bar stay within reach; it hangs off the bottom or the right instead.
constexpr ScreenPoint CentredIn(const ScreenArea& area, int width, int height) {
    return {std::max(area.left, area.left + (area.width - width) / 2),
            std::max(area.top, area.top + (area.height - height) / 2)};
}

}  // namespace fw
