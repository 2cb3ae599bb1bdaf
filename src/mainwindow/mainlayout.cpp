#include "mainlayout.h"

#include <algorithm>

int ToolbarHeightOr30(int toolbarHeight) noexcept
{
    return toolbarHeight > 0 ? toolbarHeight : kDefaultToolbarHeight;
}

std::array<int, 4> StatusPartEdges(int width) noexcept
{
    return {width / 4, width / 2, width - width / 4, -1};
}

QRect ProgressBarRect(int cx, int cy) noexcept
{
    constexpr int kMargin = 15;
    constexpr int kBarHeight = 15;
    return QRect(kMargin, (cy - kBarHeight) / 2 + 4, cx - 2 * kMargin, kBarHeight);
}

int FilenameColumnWidth(int viewportWidth) noexcept
{
    return viewportWidth - kSizeColumnWidth;
}

bool SplitterMoveAllowed(int x, int current, int clientWidth) noexcept
{
    if (x == current || x <= kSplitterMinX) {
        return false;
    }
    return !(x >= clientWidth - kFileListMinWidth && x > current);
}
