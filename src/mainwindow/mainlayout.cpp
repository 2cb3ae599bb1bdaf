#include "mainlayout.h"

#include <algorithm>

int ToolbarHeightOr30(int toolbarHeight) noexcept
{
    return toolbarHeight > 0 ? toolbarHeight : kDefaultToolbarHeight;
}

MainLayout ComputeMainLayout(const MainLayoutInput& in) noexcept
{
    const int t = ToolbarHeightOr30(in.toolbarHeight);
    const int viewHeight = std::max(0, in.cy - t - kStatusBand);
    const int s = in.splitterPos;

    MainLayout layout;
    layout.toolbar = QRect(0, 0, in.cx, t);
    layout.checksumList = QRect(0, t, in.cx, std::max(0, viewHeight - (in.panelShown ? kProgressPanelHeight : 0)));
    layout.progressPanel = QRect(0, in.cy - kStatusBand - kProgressPanelHeight, in.cx, kProgressPanelHeight);
    layout.folderTree = QRect(0, t, s, viewHeight);
    layout.splitterHitArea = QRect(s, t, kSplitterWidth, viewHeight);
    layout.fileList = QRect(s + kSplitterWidth, t, std::max(0, in.cx - s - kSplitterWidth), viewHeight);
    return layout;
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
