#pragma once

#include <span>

// A rectangle in screen coordinates; right and bottom are exclusive.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Where to put a window whose stored rectangle is `window`. When it overlaps any of
// `screens` it stays where it is, except that a window wider or taller than the
// screen it overlaps most (stored on a larger screen) takes that screen's width or
// height and its place in that direction. When it overlaps none (a screen was removed or its
// arrangement changed since the rectangle was stored), it moves to the top-left
// corner of `primary`, keeping its size as far as the primary screen can hold it; a
// negative size counts as zero. An empty list of screens stands for `primary` alone.
[[nodiscard]] ScreenRect PlaceOnScreen(const ScreenRect& window, std::span<const ScreenRect> screens,
                                       const ScreenRect& primary);
