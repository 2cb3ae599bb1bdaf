#pragma once

#include <QRect>

#include <array>

// The main window's measures, and the rules among them as pure functions.

inline constexpr int kStatusBand = 20;          // kept free at the bottom for the status bar
inline constexpr int kProgressPanelHeight = 53; // the panel above that band while a run is shown
inline constexpr int kDefaultToolbarHeight = 30;
inline constexpr int kSplitterWidth = 3;
inline constexpr int kInitialSplitterPos = 220;
inline constexpr int kMinWindowWidth = 435;
inline constexpr int kMinWindowHeight = 280;
inline constexpr int kSizeColumnWidth = 100;    // "Size" column of the checksum list
inline constexpr int kSplitterMinX = 80;        // the tree never gets narrower than this
inline constexpr int kFileListMinWidth = 150;   // a move right stops short of this

// T: the toolbar's height when it is positive, else the default of 30.
[[nodiscard]] int ToolbarHeightOr30(int toolbarHeight) noexcept;

// Right edges of the four status-bar parts for width w: w/4, w/2, w - w/4 and -1 (to the end).
[[nodiscard]] std::array<int, 4> StatusPartEdges(int width) noexcept;

// The progress bar inside the progress panel of client size cx x cy.
[[nodiscard]] QRect ProgressBarRect(int cx, int cy) noexcept;

// Width of the "Filename" column for a list whose viewport is `viewportWidth` wide.
[[nodiscard]] int FilenameColumnWidth(int viewportWidth) noexcept;

// Whether the splitter may move from `current` to `x` in a client area `clientWidth`
// wide: never to x <= 80, and a move to the right never to x >= width - 150 (moves to
// the left stay allowed, so a splitter left beyond that line by a narrower window can
// still come back).
[[nodiscard]] bool SplitterMoveAllowed(int x, int current, int clientWidth) noexcept;
