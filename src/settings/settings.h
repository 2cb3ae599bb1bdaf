#pragma once

#include "fontrecord.h"
#include "listviewcolorrecord.h"
#include "windowposrecord.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Everything the program keeps in its INI file. A default-constructed value holds
// the defaults that apply when the file or a key is missing or unreadable.
struct Settings {
    static constexpr std::size_t kMaxRecentFiles = 10;

    std::int32_t sizeType = 0;      // size display mode: 0 Auto, 1 KB, 2 Bytes
    std::int32_t autoScroll = 1;    // keep the entry being verified in view
    std::int32_t fullRowSelect = 1; // full-row selection in the checksum list
    // Files a run reads at once: 1 to 8 forces that many, 0 (auto) decides by the disk.
    // Read only: the user sets it in the file; saving leaves the key as it is.
    std::int32_t filesInFlight = 0;
    ListViewColorRecord rowColours;
    // Meaningful only when windowPosStored; the window applies the rectangle when the
    // save-position flag is also set. Before saving, the window puts its current
    // rectangle and maximized state here.
    WindowPosRecord windowPos;
    bool windowPosStored = false;
    // The list font the window uses: the stored one when listFontStored, else the
    // default. The window replaces it when the user picks another font, so there is
    // always a record to save.
    FontRecord listFont = DefaultFontRecord();
    bool listFontStored = false;
    std::vector<std::string> recentFiles; // newest first, at most kMaxRecentFiles
};
