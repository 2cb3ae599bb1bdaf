#pragma once

#include <QIcon>
#include <QPixmap>

// The toolbar's pictures, drawn in code. The numbers are the pictures' places in the
// toolbar's picture strip; the buttons refer to them by these numbers.
enum class ToolbarPicture : int {
    BlankPage = 0,        // view toggle
    OpenFolder = 1,       // open folder with a green arrow (Open)
    FloppyDisk = 3,       // Generate
    AbcTile = 23,         // A, B and C on a blue tile (About)
    CheckListWindow = 26, // window with a check list (Properties)
    RedSquare = 28,       // Stop
    StartPause = 29,      // two green bars followed by a green triangle
    PushPin = 30,         // Always on Top
};

enum class PictureLook {
    Normal,   // colour
    Hot,      // under the mouse: a little brighter
    Disabled, // grey
};

// One 16 x 16 picture (drawn at `scale` times that size for high-density screens).
[[nodiscard]] QPixmap DrawToolbarPicture(ToolbarPicture picture, PictureLook look, int scale = 1);

// The picture with its normal, hot (QIcon::Active) and disabled looks.
[[nodiscard]] QIcon ToolbarIcon(ToolbarPicture picture);

// The program's own icon: a tick on a fox-orange tile.
[[nodiscard]] QIcon ApplicationIcon();
[[nodiscard]] QPixmap DrawApplicationPicture(int size);
