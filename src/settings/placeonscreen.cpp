#include "placeonscreen.h"

#include <algorithm>
#include <cstdint>

namespace {

bool Overlaps(const ScreenRect& a, const ScreenRect& b)
{
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// Sizes are computed in 64 bits: a damaged record may span the whole 32-bit range.
std::int64_t Extent(int from, int to)
{
    return std::max<std::int64_t>(0, static_cast<std::int64_t>(to) - from);
}

std::int64_t OverlapArea(const ScreenRect& a, const ScreenRect& b)
{
    return Extent(std::max(a.left, b.left), std::min(a.right, b.right)) *
           Extent(std::max(a.top, b.top), std::min(a.bottom, b.bottom));
}

// A window wider or taller than its screen takes the screen's width or height there.
void FitInto(ScreenRect& window, const ScreenRect& screen)
{
    if (Extent(window.left, window.right) > Extent(screen.left, screen.right)) {
        window.left = screen.left;
        window.right = screen.right;
    }
    if (Extent(window.top, window.bottom) > Extent(screen.top, screen.bottom)) {
        window.top = screen.top;
        window.bottom = screen.bottom;
    }
}

} // namespace

ScreenRect PlaceOnScreen(const ScreenRect& window, std::span<const ScreenRect> screens, const ScreenRect& primary)
{
    const std::span<const ScreenRect> visible = screens.empty() ? std::span<const ScreenRect>(&primary, 1) : screens;
    const auto best = std::max_element(visible.begin(), visible.end(), [&](const ScreenRect& a, const ScreenRect& b) {
        return OverlapArea(window, a) < OverlapArea(window, b);
    });
    if (Overlaps(window, *best)) {
        ScreenRect fitted = window;
        FitInto(fitted, *best);
        return fitted;
    }
    const std::int64_t width = std::min(Extent(window.left, window.right), Extent(primary.left, primary.right));
    const std::int64_t height = std::min(Extent(window.top, window.bottom), Extent(primary.top, primary.bottom));
    ScreenRect placed;
    placed.left = primary.left;
    placed.top = primary.top;
    placed.right = static_cast<int>(primary.left + width);
    placed.bottom = static_cast<int>(primary.top + height);
    return placed;
}
